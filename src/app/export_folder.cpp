#include "app/export_folder.h"

#include "profile/interface_settings.h"

#include <system_error>

namespace zeruda::app {

std::filesystem::path exportStartFolder(const std::filesystem::path& profileFile,
                                        const UserFolders& folders) {
  std::error_code error;
  for (const std::filesystem::path& folder :
       {profile::readExportFolder(profileFile), folders.documents, folders.home}) {
    if (folder.is_absolute() && std::filesystem::is_directory(folder, error)) return folder;
  }
  return {};
}

void rememberExportFolder(const std::filesystem::path& profileFile,
                          const std::filesystem::path& exportedFile) {
  const std::filesystem::path folder = exportedFile.parent_path();
  if (profileFile.empty() || !folder.is_absolute()) return;
  if (profile::readExportFolder(profileFile) == folder) return;
  (void)profile::writeExportFolder(profileFile, folder);
}

}  // namespace zeruda::app
