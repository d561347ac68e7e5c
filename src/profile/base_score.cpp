#include "profile/base_score.h"

#include "profile/profile.h"
#include "storage/ini_file.h"
#include "text/gbk_literal.h"

#include <sys/stat.h>

#include <mutex>
#include <string>

namespace zeruda::profile {
namespace {

using namespace text::literals;

struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  timespec modified{};
  timespec changed{};

  bool operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
  }
};

struct Scores {
  int legalPerson = 0;
  int personalChart = 0;
};

class ScoreCache {
 public:
  Scores current() {
    std::lock_guard guard(lock_);
    const std::string path = profilePath().string();
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
      valid_ = false;
      return {};
    }
    FileStamp stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
    if (!valid_ || stamp != stamp_ || path != path_) {
      // Read first, then keep the stamp taken before reading: if the file changes
      // while it is read, the next call sees a new stamp and reads again.
      storage::IniDocument document = storage::loadIniFile(path);
      scores_.legalPerson = profileNumber(document.get(legalPersonSection(), "吉数"_gbk));
      scores_.personalChart = profileNumber(document.get(personalChartSection(), "吉数"_gbk));
      stamp_ = stamp;
      path_ = path;
      valid_ = true;
    }
    return scores_;
  }

 private:
  std::mutex lock_;
  bool valid_ = false;
  std::string path_;
  FileStamp stamp_;
  Scores scores_;
};

ScoreCache& cache() {
  static ScoreCache instance;
  return instance;
}

}  // namespace

int profileBaseScore() { return cache().current().legalPerson; }
int personalBaseScore() { return cache().current().personalChart; }

}  // namespace zeruda::profile
