#pragma once

#include "storage/working_folder.h"

#include <string>

namespace zeruda::app {

// What the user must be told about where the working files go (GBK): nothing when
// they are under the data folder; else why they are not, and where they are now, or
// that none can be kept. Each front end says it once per run: the command line on
// stderr, the window in its status bar.
std::string workingFolderNotice(const storage::WorkingFolder& folder,
                                const storage::WorkingRoots& roots);

}  // namespace zeruda::app
