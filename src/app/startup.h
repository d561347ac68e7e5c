#pragma once

#include "storage/working_folder.h"

#include <filesystem>
#include <string>

namespace zeruda::app {

// What the first start-up check needs to know about the machine, given rather than
// asked for, so that it can be tried on any folders.
struct StartupInputs {
  std::filesystem::path programFile;    // the running program, absolute
  std::filesystem::path tempFolder;     // the system's temporary folder
  std::filesystem::path desktopFolder;  // the user's desktop folder (may not exist)
  storage::WorkingRoots roots;
};

// The inputs of this machine: the program from /proc/self/exe, the temporary folder,
// the desktop folder of the user's settings (systemUserFolders), storage::systemRoots().
StartupInputs systemStartupInputs();

// What the window has to do after the check.
struct StartupOutcome {
  bool endProgram = false;  // show the message, then end
  std::string message;      // GBK
  std::string caption;      // GBK
};

// The first start-up stage, before the main window is used:
// 1. a program inside the temporary folder was started from an archive opened in
//    place, unless it lies in a build tree (a CMakeCache.txt in a folder between
//    the temporary folder and the program): the outcome asks to show a message and
//    end, nothing else happens;
// 2. a reset marker "run.ini" beside the program is deleted together with both
//    working trees (root/zeruda under each root; nothing else is ever deleted);
// 3. the working folder is created under the primary root;
// 4. the desktop launcher is rewritten, unless the program runs from the desktop
//    folder or there is no desktop folder.
// Failures on the way are ignored: the drive choice decides later where files go.
StartupOutcome startupCheck(const StartupInputs& inputs);

// Deletes root/zeruda with everything in it, but only when it is a real folder (not
// a link) and the root is an absolute path; gives whether it was deleted.
bool removeZerudaTree(const std::filesystem::path& root);

// The launcher's file name on the desktop, and its text for the given program.
// The desktop reads launchers as UTF-8, so both are UTF-8, unlike the core's texts.
std::string desktopLauncherName();
std::string desktopLauncherText(const std::filesystem::path& programFile);

}  // namespace zeruda::app
