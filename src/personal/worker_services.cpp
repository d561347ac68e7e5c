#include "personal/worker_services.h"

#include "personal/scratch_table.h"
#include "storage/character_table.h"

namespace zeruda::personal {

Result<WorkerServices> programWorkerServices(std::uint32_t seed, storage::TableSet& tables) {
  auto recorder = scratchTableRecorder(tables);
  if (!recorder.ok()) return recorder.failure();
  return WorkerServices{run::SeededDraw(seed), storage::characterTable(tables),
                        std::move(recorder).value()};
}

}  // namespace zeruda::personal
