#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// moc cannot parse the C++20 library headers behind the core's types.
#ifndef Q_MOC_RUN
#include "generation/company_form.h"
#include "generation/engine.h"
#include "generation/export.h"
#endif

namespace zeruda::app {
class Session;
}

namespace zeruda::gui {

class CompanyPage;
class ResultListModel;
class RowInbox;
class SortedResults;
class UiServices;

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

  // Ends a running engine and waits for its thread.
  void stopGeneration();

  ResultListModel& results() { return *model_; }
  // The list as shown, sorted or in arrival order.
  SortedResults& shownResults() { return *sorted_; }

  // Where each run's random draws start; the millisecond tick unless set.
  std::function<std::uint32_t()> seedSource;

  // Shows a text in the window's status bar: how many names a run made when it
  // ended by itself at the cap.
  std::function<void(const QString&)> showStatus;

  // Told when a request has passed its checks, before the engine starts: the form
  // as checked and the chart summary for 公司法人八字编辑框.
  std::function<void(const generation::CompanyForm&, const std::string& summary)> onRequestPassed;

 signals:
  // A row of the list was activated while one is selected.
  void rowActivated();

 private:
  void generate();
  void exportList(generation::ExportFormat format);
  void autoPickClicked(bool ticked);

  CompanyPage& page_;
  UiServices& services_;
  app::Session& session_;
  ResultListModel* model_;
  SortedResults* sorted_;
  // The form whose run filled the list: its exports are named after it.
  std::optional<generation::CompanyForm> listedForm_;
  std::shared_ptr<RowInbox> inbox_;
  std::unique_ptr<generation::EngineRun> engine_;
  // True from a run's start until its wait message is gone: a second request
  // meanwhile (from a nested event loop) starts nothing.
  bool running_ = false;
};

}  // namespace zeruda::gui
