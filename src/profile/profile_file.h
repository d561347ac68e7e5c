#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <mutex>
#include <string_view>

namespace zeruda::profile {

// The file that remembers the last legal representative and the last personal
// chart, in the working folder.
inline constexpr std::string_view kProfileFileName = "shengchen.ini";

// The profile file of a session, with the two numbers every rating starts from:
// "吉数" of the section "法人资料" (the base of every company-name star rating) and
// "吉数" of "先天八字" (the base of the personal-naming score), 0 when missing or
// outside 0 to 5 (profileBaseScore).
//
// Each call sees what the file holds at that moment, yet a rating of thousands of
// candidates does not read the file thousands of times: the parsed values are kept
// with the file's identity, size and change times, and the file is read again only
// when one of them differs (every write of the profile puts a new file in place).
// Safe to call from any thread.
class ProfileFile {
 public:
  explicit ProfileFile(std::filesystem::path file) : file_(std::move(file)) {}
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  // Empty while the session has no working folder.
  const std::filesystem::path& path() const { return file_; }

  int baseScore() { return current().legalPerson; }
  int personalBaseScore() { return current().personalChart; }

 private:
  struct Scores {
    int legalPerson = 0;
    int personalChart = 0;
  };
  Scores current();

  const std::filesystem::path file_;
  std::mutex lock_;
  bool valid_ = false;
  struct stat stamp_ {};
  Scores scores_;
};

}  // namespace zeruda::profile
