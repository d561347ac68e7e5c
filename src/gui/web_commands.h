#pragma once

#include <string>

class QWidget;

namespace zeruda::storage {
class WorkingFolder;
}

namespace zeruda::web {
class WebHosts;
}

namespace zeruda::gui {

class UiServices;

// The sites' hosts as configured now (web.ini in the working folder over the
// defaults), read afresh for each command so an edit counts at once.
web::WebHosts configuredHosts(const storage::WorkingFolder& folder);

// Asks the system whether the computer is connected; when it is not, says so in the
// program's message and returns false.
bool confirmConnected(UiServices& services, QWidget* parent);

// Hands the address to the system's browser; when no browser takes it, a dialog
// gives the address to copy, so the user can open it by hand.
void browse(UiServices& services, QWidget* parent, const std::string& address);

}  // namespace zeruda::gui
