#pragma once

#include "personal/name_record.h"
#include "text/result.h"

#include <memory>

namespace zeruda::personal {

// Request step: makes the scratch table "xm" current, opening it when needed, and
// deletes its records.
Result<Done> emptyScratchTable();

// The scratch table "xm" as the worker's recorder. Records are held back and stored
// a batch at a time, each batch in one transaction: one write to the file per
// record would cost more than making the name.
Result<std::unique_ptr<NameRecorder>> scratchTableRecorder();

}  // namespace zeruda::personal
