#include "app/session.h"

#include "app/folder_notice.h"
#include "storage/atomic_file.h"
#include "storage/table_files.h"

namespace zeruda::app {

Session::Session(const storage::WorkingRoots& roots)
    : folder_(storage::chooseDriveRoot(roots)),
      folderNotice_(workingFolderNotice(folder_, roots)),
      profile_(folder_.file(profile::kProfileFileName)),
      tables_(storage::builtInTables()) {
  if (!folder_.root().empty()) storage::removeStaleTempFiles(folder_.path());
}

// The table set closes its tables, then lets its source go: an owner of the table
// files deletes them.
Session::~Session() = default;

void Session::ownTableFiles() {
  // Without a working folder the built-in copies serve: the run keeps nothing, as
  // the folder notice has told the user, but it works.
  if (folder_.root().empty()) return;
  tables_.useSource(storage::ownedTableFiles(folder_));
}

void Session::end() { tables_.useSource(storage::builtInTables()); }

}  // namespace zeruda::app
