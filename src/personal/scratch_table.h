#pragma once

#include "personal/name_record.h"
#include "storage/data_table.h"
#include "text/result.h"

#include <memory>

namespace zeruda::personal {

// Request step: opens the scratch table "xm" of `tables` when needed and deletes its
// records.
Result<Done> emptyScratchTable(storage::TableSet& tables);

// The scratch table "xm" as the worker's recorder. Records are held back and stored
// a batch at a time, each batch in one transaction: one write to the file per
// record would cost more than making the name.
Result<std::unique_ptr<NameRecorder>> scratchTableRecorder(storage::TableSet& tables);

}  // namespace zeruda::personal
