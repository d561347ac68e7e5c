#pragma once

#include "personal/worker.h"
#include "storage/data_table.h"
#include "text/result.h"

#include <cstdint>

namespace zeruda::personal {

// The worker's services as the program provides them: draws seeded with `seed`,
// the character table "zk" of `tables` for the sought elements, and its scratch
// table "xm" (which the request has emptied) for the records.
Result<WorkerServices> programWorkerServices(std::uint32_t seed, storage::TableSet& tables);

}  // namespace zeruda::personal
