#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// moc cannot parse the C++20 library headers behind the core's types.
#ifndef Q_MOC_RUN
#include "gui/burst_inbox.h"
#include "personal/personal_form.h"
#include "personal/worker.h"
#endif

namespace zeruda::app {
class Session;
}

namespace zeruda::gui {

class PersonalPage;
class UiServices;

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

  // Ends a running worker and waits for its thread.
  void stopNaming();

  // Where each run's random draws start; the millisecond tick unless set.
  std::function<std::uint32_t()> seedSource;

  // Runs before a worker starts. The company engine shares the stop flag that
  // starting clears, so it must have ended first.
  std::function<void()> beforeStart;

 private:
  void start();
  void copyNames();
  void followLength();
  void append(std::vector<personal::NameRow> rows);
  void refuse(const UserMessage& message);
  void clearLists();

  PersonalPage& page_;
  UiServices& services_;
  app::Session& session_;
  std::function<void(const QString&)> showStatus_;
  std::shared_ptr<BurstInbox<personal::NameRow>> inbox_;
  std::unique_ptr<personal::WorkerRun> worker_;
  // True from a run's start until its wait message is gone: a second request
  // meanwhile (from a nested event loop) starts nothing.
  bool running_ = false;
};

}  // namespace zeruda::gui
