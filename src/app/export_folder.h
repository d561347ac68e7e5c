#pragma once

#include "app/user_dirs.h"

#include <filesystem>

namespace zeruda::app {

// Where an export's save dialog opens: the folder of the last export, remembered in
// `profileFile`, while it is still there; else the documents folder; else home.
std::filesystem::path exportStartFolder(const std::filesystem::path& profileFile,
                                        const UserFolders& folders);

// Remembers the folder of a file the user has just exported to. Not remembering is
// harmless (the next dialog opens in the documents folder), so failures are dropped.
void rememberExportFolder(const std::filesystem::path& profileFile,
                          const std::filesystem::path& exportedFile);

}  // namespace zeruda::app
