#pragma once

#include "text/result.h"

#include <filesystem>
#include <string>

namespace zeruda::profile {

// Section "界面" of the profile: what the window remembers of its own use.
const std::string& interfaceSection();

// "导出目录": the folder of the last export; empty when none is remembered.
std::filesystem::path readExportFolder(const std::filesystem::path& file);

// Remembers the folder of the last export. The profile is GBK: a folder whose name
// GBK cannot carry is refused, and the folder remembered before stays.
Result<Done> writeExportFolder(const std::filesystem::path& file,
                               const std::filesystem::path& folder);

}  // namespace zeruda::profile
