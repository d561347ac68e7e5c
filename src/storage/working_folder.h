#pragma once

#include <filesystem>
#include <string_view>

namespace zeruda::storage {

// The two places the working folder may live. The program was made for a machine
// with a data drive and a system drive and prefers the first; here the user's data
// folder plays the data drive and the temporary folder the system drive.
struct WorkingRoots {
  std::filesystem::path primary;   // $XDG_DATA_HOME, else ~/.local/share; empty if unknown
  std::filesystem::path fallback;  // the system's temporary folder
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

// The file `name` in the program's working folder; an empty path while no root has
// been chosen, so nothing is ever written relative to the current folder.
std::filesystem::path workingPath(std::string_view name);

// The drive choice made when the main window starts: creates the working folder
// under the primary root and writes the probe file there; when that write fails
// the working folder is created under the fallback root instead, untested. The
// choice is stored in the program state and returned.
std::filesystem::path chooseDriveRoot(const WorkingRoots& roots);

// Creates root/zeruda/gs/ (and what leads to it); failures are left to later writes.
void createWorkingFolder(const std::filesystem::path& root);

}  // namespace zeruda::storage
