#include "gui/row_inbox.h"

#include "event_queue.h"
#include "gui/result_list_model.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <thread>

using zeruda::generation::CandidateRow;
using zeruda::gui::ResultListModel;
using zeruda::gui::RowInbox;

namespace {

CandidateRow numbered(int n) {
  CandidateRow row;
  row.cells[0] = std::to_string(n);
  return row;
}

}  // namespace

class RowInboxTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsFromAWorkerArriveInTheirOrder() {
    ResultListModel model;
    auto inbox = std::make_shared<RowInbox>(&model);
    std::thread worker([inbox] {
      for (int n = 1; n <= 500; ++n) inbox->post(numbered(n));
    });
    worker.join();
    QTRY_COMPARE(model.rowCount(), 500);
    for (int row = 0; row < 500; ++row) {
      QCOMPARE(model.index(row, 0).data().toString(), QString::number(row + 1));
    }
  }

  void aBurstBecomesOneInsertion() {
    ResultListModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    auto inbox = std::make_shared<RowInbox>(&model);
    for (int n = 1; n <= 300; ++n) inbox->post(numbered(n));
    QTRY_COMPARE(model.rowCount(), 300);
    QCOMPARE(inserted.count(), 1);
  }

  // A new request empties the list; rows of the old run still on their way must
  // not land in it.
  void closedInboxDropsWhatIsStillOnItsWay() {
    ResultListModel model;
    auto inbox = std::make_shared<RowInbox>(&model);
    inbox->post(numbered(1));
    inbox->close();
    inbox->post(numbered(2));
    QVERIFY(zeruda::gui::test::deliverQueuedCalls());
    QCOMPARE(model.rowCount(), 0);
  }
};

QTEST_MAIN(RowInboxTest)
#include "row_inbox_test.moc"
