#pragma once

#include "gui/burst_inbox.h"
#include "gui/result_list_model.h"

namespace zeruda::gui {

// The company engine's rows on their way to the result list, in bursts.
class RowInbox : public BurstInbox<generation::CandidateRow> {
 public:
  explicit RowInbox(ResultListModel* model)
      : BurstInbox(model, [model](std::vector<generation::CandidateRow> rows) {
          model->append(std::move(rows));
        }) {}
};

}  // namespace zeruda::gui
