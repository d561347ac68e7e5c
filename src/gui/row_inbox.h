#pragma once

#include "generation/candidate_row.h"

#include <QPointer>
#include <memory>
#include <mutex>
#include <vector>

namespace zeruda::gui {

class ResultListModel;

// Rows made on the engine's thread, handed to the result list on the user-interface
// thread. A burst of rows becomes one insertion: the first row of a burst asks the
// event loop for a delivery and the rows after it join that delivery while it is
// pending, so a fast engine never floods the loop with one event per row.
class RowInbox : public std::enable_shared_from_this<RowInbox> {
 public:
  explicit RowInbox(ResultListModel* model) : model_(model) {}

  // From any thread.
  void post(const generation::CandidateRow& row);

  // Rows still waiting are dropped and later ones refused: the list now belongs to
  // another run.
  void close();

 private:
  void deliver();

  QPointer<ResultListModel> model_;
  std::mutex mutex_;
  std::vector<generation::CandidateRow> pending_;
  bool closed_ = false;
};

}  // namespace zeruda::gui
