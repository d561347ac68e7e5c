#include "app/session.h"

#include "storage/atomic_file.h"
#include "storage/table_files.h"

namespace zeruda::app {

Session::Session(const storage::WorkingRoots& roots)
    : folder_(storage::chooseDriveRoot(roots)),
      profile_(folder_.file(profile::kProfileFileName)),
      tables_(storage::builtInTables()) {
  storage::removeStaleTempFiles(folder_.path());
}

// The table set closes its tables, then lets its source go: an owner of the table
// files deletes them.
Session::~Session() = default;

void Session::ownTableFiles() { tables_.useSource(storage::ownedTableFiles(folder_)); }

void Session::end() { tables_.useSource(storage::builtInTables()); }

}  // namespace zeruda::app
