#include "personal/scratch_table.h"

#include <string>
#include <vector>

namespace zeruda::personal {
namespace {

constexpr std::string_view kScratchAlias = "xm";
constexpr std::size_t kBatchSize = 256;

class ScratchTableRecorder final : public NameRecorder {
 public:
  explicit ScratchTableRecorder(storage::DataTable table)
      : table_(std::move(table)), next_(table_.recordCount() + 1) {
    pending_.reserve(kBatchSize);
  }

  Result<int> record(const NameRecord& name) override {
    std::vector<std::string> values;
    values.reserve(name.grids.size() + 2);
    values.push_back(name.given);
    for (int grid : name.grids) values.push_back(std::to_string(grid));
    values.push_back(std::to_string(name.stars));
    pending_.push_back(std::move(values));
    if (pending_.size() >= kBatchSize) {
      if (auto flushed = flush(); !flushed.ok()) return flushed.failure();
    }
    return next_++;
  }

  Result<Done> flush() override {
    if (pending_.empty()) return Done{};
    auto stored = table_.appendAll(pending_);
    pending_.clear();
    if (!stored.ok()) return stored.failure();
    return Done{};
  }

 private:
  storage::DataTable table_;
  int next_;
  std::vector<std::vector<std::string>> pending_;
};

}  // namespace

Result<Done> emptyScratchTable(storage::TableSet& tables) {
  auto table = tables.open(kScratchAlias);
  if (!table.ok()) return table.failure();
  return table.value().empty();
}

Result<std::unique_ptr<NameRecorder>> scratchTableRecorder(storage::TableSet& tables) {
  auto table = tables.open(kScratchAlias);
  if (!table.ok()) return table.failure();
  return std::unique_ptr<NameRecorder>(
      std::make_unique<ScratchTableRecorder>(std::move(table).value()));
}

}  // namespace zeruda::personal
