#pragma once

#include <filesystem>
#include <string_view>
#include <utility>

namespace zeruda::storage {

// The two places the working folder may live. The program was made for a machine
// with a data drive and a system drive and prefers the first; here the user's data
// folder plays the data drive and a folder of this user alone inside the temporary
// folder the system drive. The temporary folder itself is everybody's: another user
// could plant links there for our files to be written through.
struct WorkingRoots {
  std::filesystem::path primary;   // $XDG_DATA_HOME, else ~/.local/share; empty if unknown
  std::filesystem::path fallback;  // <temporary folder>/zeruda-<user id>, mode 0700
};

// Where a chosen working folder lies, and why when it is not under the primary root.
enum class Placement {
  Primary,             // under the user's data folder
  NoPrimary,           // no data folder is known (no HOME): under the fallback
  PrimaryNotWritable,  // the probe file could not be written there: under the fallback
};

// The roots of this machine, from the environment.
WorkingRoots systemRoots();

// The name of the empty file whose writing decides between the roots.
inline constexpr std::string_view kProbeFileName = "1.txt";

// root/zeruda: the program's whole tree under a root (what the reset marker removes).
std::filesystem::path zerudaTree(const std::filesystem::path& root);

// root/zeruda/gs/<name>. Every working path is formed here; with an empty name it is
// the working folder itself (ending in a separator).
std::filesystem::path workingPathUnder(const std::filesystem::path& root, std::string_view name);

inline std::filesystem::path workingFolderUnder(const std::filesystem::path& root) {
  return workingPathUnder(root, "");
}

// The folder of every working file, root/zeruda/gs/, once a root is chosen.
class WorkingFolder {
 public:
  WorkingFolder() = default;  // no root chosen
  explicit WorkingFolder(std::filesystem::path root, Placement placement = Placement::Primary)
      : root_(std::move(root)), placement_(placement) {}

  // The chosen root; empty when none is.
  const std::filesystem::path& root() const { return root_; }
  // The folder itself, ending in a separator.
  std::filesystem::path path() const { return file(""); }
  // The file `name` in the folder; an empty path while no root is chosen, so
  // nothing is ever written relative to the current folder.
  std::filesystem::path file(std::string_view name) const;
  // Why the folder is where it is (or, with no root, why it is nowhere).
  Placement placement() const { return placement_; }

 private:
  std::filesystem::path root_;
  Placement placement_ = Placement::Primary;
};

// The drive choice made at start: creates the working folder under the primary
// root and writes the probe file there (never through a link: one in its place is
// removed first); when that write fails the working folder is created under the
// fallback root instead, untested. The fallback is taken only as a folder of this
// user alone: made with mode 0700, or found as a real folder (not a link) that this
// user owns and nobody else may enter; otherwise no root is chosen at all.
WorkingFolder chooseDriveRoot(const WorkingRoots& roots);

// Creates root/zeruda/gs/ (and what leads to it); failures are left to later writes.
void createWorkingFolder(const std::filesystem::path& root);

}  // namespace zeruda::storage
