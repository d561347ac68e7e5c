#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/session.h"
#include "profile/profile.h"
#include "text/gbk_literal.h"

namespace zeruda::bench {

// A folder of its own under the temporary folder, removed when the program ends.
struct BenchFolder {
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zeruda-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path = pattern;
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

// The program as its window runs it, set up once per benchmark program: a session
// whose working folder lies in a folder of its own, with the tables written out and
// a profile whose base score is 3. It ends before the folder goes.
inline app::Session& benchSession() {
  using namespace text::literals;
  static BenchFolder folder;
  static app::Session session({folder.path, folder.path});
  static bool ready = [] {
    session.ownTableFiles();
    profile::LegalPersonProfile profile;
    profile.missingElements = "木火"_gbk;
    if (!profile::writeLegalPersonProfile(session.profile().path(), profile).ok()) std::abort();
    return true;
  }();
  (void)ready;
  return session;
}

}  // namespace zeruda::bench
