#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// moc cannot parse the C++20 library headers behind the core's types.
#ifndef Q_MOC_RUN
#include "actions/name_judgement.h"
#include "actions/personal_actions.h"
#include "gui/burst_inbox.h"
#include "personal/personal_form.h"
#include "personal/worker.h"
#endif

namespace zeruda::app {
class Session;
}

namespace zeruda::gui {

class NameReportWindow;
class PersonalPage;
class UiServices;
class WaitMessage;

// The 取名 page at work: its enabling rules, the start button's request and worker
// behind the wait message, names flowing into the two lists, and the copy command.
class PersonalNaming : public QObject {
  Q_OBJECT
 public:
  // `showStatus` puts a text into the status bar's first pane. The session gives the
  // tables and the profile file; it must outlive the page.
  PersonalNaming(PersonalPage& page, UiServices& services, app::Session& session,
                 std::function<void(const QString&)> showStatus, QObject* parent = nullptr);
  ~PersonalNaming() override;

  // The form as the page's controls hold it.
  personal::PersonalForm readForm() const;
  // The request as the page's controls hold it, numbers and dates as the core reads them.
  actions::PersonalRequest readRequest() const;

  // Ends a running worker, waits for its thread and takes its wait message down;
  // the run's end is not reported.
  void stopNaming();

  // 测名: the personal name report of the name in the 测名 boxes, on the page's gender
  // and birth, in the report window; a refusal names the box at fault.
  void judgeTyped();
  // The same for a listed name: its run's surname and its given name.
  void judgeListed(const QString& surname, const QString& given);

  // True from a run's start until its end has been handled.
  bool running() const { return worker_ != nullptr; }

  // Where each run's random draws start; the millisecond tick unless set.
  std::function<std::uint32_t()> seedSource;

  // Told on the run's thread after each name is on its way to the list, with how many
  // the run has handed over; the run goes on when it returns. None in the program:
  // tests hold a run at a name with it.
  std::function<void(int handedOver)> onRowHandedOver;

  // Runs before a worker starts. The company engine shares the stop flag that
  // starting clears, so it must have ended first.
  std::function<void()> beforeStart;

 signals:
  // A run has ended and its end has been reported: names, status and messages.
  void runEnded();

 private:
  void start();
  // Told through this thread's event loop when run `number` has ended.
  void finishRun(int number);
  void copyNames();
  void followLength();
  void append(std::vector<personal::NameRow> rows);
  void refuse(const UserMessage& message);
  void clearLists();
  // `typedName`: the surname came from the 测名 box, not the page's.
  void judge(const QString& surname, const QString& given, bool typedName);

  PersonalPage& page_;
  UiServices& services_;
  app::Session& session_;
  std::function<void(const QString&)> showStatus_;
  std::shared_ptr<BurstInbox<personal::NameRow>> inbox_;
  std::unique_ptr<run::RunThread<actions::RunEnd>> worker_;
  std::unique_ptr<WaitMessage> wait_;
  // A note on the characters typed, for the status bar when the run ends.
  std::string note_;
  // The surname of the names listed, which the page's box may no longer hold.
  QString listedSurname_;
  QPointer<NameReportWindow> report_;
  // Counts the runs, so the end of a run stopped early is not taken for a later one's.
  int runNumber_ = 0;
};

}  // namespace zeruda::gui
