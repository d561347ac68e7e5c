#include "profile/profile_file.h"

#include "profile/profile.h"
#include "storage/ini_file.h"
#include "text/gbk_literal.h"

namespace zeruda::profile {
namespace {

using namespace text::literals;

bool sameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The same file, unchanged: a rewrite puts a new file in place (another inode), an
// edit in place changes the size or the times.
bool sameStamp(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         sameTime(a.st_mtim, b.st_mtim) && sameTime(a.st_ctim, b.st_ctim);
}

}  // namespace

ProfileFile::Scores ProfileFile::current() {
  std::lock_guard guard(lock_);
  struct stat info {};
  if (file_.empty() || ::stat(file_.c_str(), &info) != 0) {
    valid_ = false;
    return {};
  }
  if (!valid_ || !sameStamp(info, stamp_)) {
    // Read first, then keep the stamp taken before reading: if the file changes
    // while it is read, the next call sees a new stamp and reads again.
    storage::IniDocument document = storage::loadIniFile(file_);
    scores_.legalPerson = profileBaseScore(document.get(legalPersonSection(), "吉数"_gbk));
    scores_.personalChart = profileBaseScore(document.get(personalChartSection(), "吉数"_gbk));
    stamp_ = info;
    valid_ = true;
  }
  return scores_;
}

}  // namespace zeruda::profile
