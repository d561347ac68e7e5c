#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// moc cannot parse the C++20 library headers behind the core's types.
#ifndef Q_MOC_RUN
#include "actions/company_actions.h"
#include "generation/company_form.h"
#include "generation/engine.h"
#include "generation/export.h"
#endif

namespace zeruda::app {
class Session;
}
namespace zeruda::generation {
struct EngineStart;
}

namespace zeruda::gui {

class CompanyPage;
class ResultListModel;
class RowInbox;
class SortedResults;
class UiServices;
class WaitMessage;

// The company page at work: the generate button runs the request and the engine,
// rows flow into the result list, and the list is exported or opened for a report.
class CompanyNaming : public QObject {
  Q_OBJECT
 public:
  // The session gives the tables and the profile file; it must outlive the page.
  CompanyNaming(CompanyPage& page, UiServices& services, app::Session& session,
                QObject* parent = nullptr);
  ~CompanyNaming() override;

  // The form as the page's controls hold it, and back.
  generation::CompanyForm readForm() const;
  void writeForm(const generation::CompanyForm& form);

  // Ends a running engine, waits for its thread and takes its wait message down;
  // the run's end is not reported.
  void stopGeneration();

  // True from a run's start until its end has been handled.
  bool running() const { return engine_ != nullptr; }

  ResultListModel& results() { return *model_; }
  // The list as shown, sorted or in arrival order.
  SortedResults& shownResults() { return *sorted_; }

  // Where each run's random draws start; the millisecond tick unless set.
  std::function<std::uint32_t()> seedSource;

  // Told on the run's thread after each row is on its way to the list, with how many
  // the run has handed over; the run goes on when it returns. None in the program:
  // tests hold a run at a row with it.
  std::function<void(int handedOver)> onRowHandedOver;

  // Shows a text in the window's status bar: how many names a run made when it
  // ended by itself at the cap.
  std::function<void(const QString&)> showStatus;

  // Told when a request has passed its checks, before the engine starts: the form
  // as checked and the chart summary for 公司法人八字编辑框.
  std::function<void(const generation::CompanyForm&, const std::string& summary)> onRequestPassed;

 signals:
  // A row of the list was activated while one is selected.
  void rowActivated();
  // A run has ended and its end has been reported: rows, status and messages.
  void runEnded();

 private:
  void generate();
  // Starts the engine on the checked request and opens its wait message.
  void startRun(const actions::GenerateStart& start);
  // The request as the page's controls hold it, numbers and dates as the core reads them.
  actions::GenerateRequest readRequest() const;
  // Told through this thread's event loop when run `number` has ended.
  void finishRun(int number);
  void exportList(generation::ExportFormat format);
  void exportRichList();
  void autoPickClicked(bool ticked);

  CompanyPage& page_;
  UiServices& services_;
  app::Session& session_;
  ResultListModel* model_;
  SortedResults* sorted_;
  // The form whose run filled the list: its exports are named after it.
  std::optional<generation::CompanyForm> listedForm_;
  std::shared_ptr<RowInbox> inbox_;
  std::unique_ptr<run::RunThread<actions::RunEnd>> engine_;
  std::unique_ptr<WaitMessage> wait_;
  // Counts the runs, so the end of a run stopped early is not taken for a later one's.
  int runNumber_ = 0;
};

}  // namespace zeruda::gui
