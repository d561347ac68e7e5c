#include "personal/worker_services.h"

#include "dictionary/table_element.h"
#include "personal/scratch_table.h"

namespace zeruda::personal {

Result<WorkerServices> programWorkerServices(std::uint32_t seed) {
  auto recorder = scratchTableRecorder();
  if (!recorder.ok()) return Error{recorder.error()};
  return WorkerServices{generation::SeededDraw(seed), dictionary::tableElement,
                        std::move(recorder).value()};
}

}  // namespace zeruda::personal
