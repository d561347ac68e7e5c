#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "profile/profile.h"
#include "storage/table_files.h"
#include "storage/working_folder.h"
#include "text/gbk_literal.h"

namespace zeruda::bench {

// A working folder of its own under the temporary folder, with the tables written
// out and a profile whose base score is 3, set up once per benchmark program.
inline void ensureWorkingFolder() {
  using namespace text::literals;
  static bool ready = [] {
    std::string folder = (std::filesystem::temp_directory_path() / "zeruda-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) std::abort();
    static std::string removeAtExit = folder;
    // Only the folder goes: the tables may already be destroyed with the statics.
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removeAtExit, ignored);
    });
    storage::chooseDriveRoot({folder, folder});
    storage::ownTableFiles();
    profile::LegalPersonProfile profile;
    profile.missingElements = "木火"_gbk;
    if (!profile::writeLegalPersonProfile(profile::profilePath(), profile).ok()) std::abort();
    return true;
  }();
  (void)ready;
}

}  // namespace zeruda::bench
