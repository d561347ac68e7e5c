#pragma once

#include "profile/profile_file.h"
#include "storage/data_table.h"
#include "storage/working_folder.h"

#include <string>

namespace zeruda::app {

// One run of the program, from start to end, for every front end and test: the
// working folder, the tables and the profile file, and the steps that begin and
// end them. Nothing else chooses the folder, writes or deletes the table files.
//
// Begun, a session chooses the working folder under `roots` (the data root, else
// the fallback) and removes the temporary files that writers killed on the way
// left there. Its tables are the built-in copies in memory until it takes the
// folder's table files (ownTableFiles); only the window that holds the folder does.
// Ended (end(), or when it goes), it closes its tables, and when it owns the table
// files it deletes them; the profile and every other working file stay.
class Session {
 public:
  explicit Session(const storage::WorkingRoots& roots = storage::systemRoots());
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // From now on the tables come from the working folder's files, written out now
  // where missing, and the session deletes them at its end. Tables open until now
  // are closed.
  void ownTableFiles();

  // Closes the tables; an owner deletes its table files. The tables are the
  // built-in copies again afterwards. Worker threads must have ended.
  void end();

  const storage::WorkingFolder& folder() const { return folder_; }
  // Why the working folder is not under the data folder, for the user (GBK); empty
  // when it is (workingFolderNotice).
  const std::string& folderNotice() const { return folderNotice_; }
  storage::TableSet& tables() { return tables_; }
  profile::ProfileFile& profile() { return profile_; }

 private:
  storage::WorkingFolder folder_;
  std::string folderNotice_;
  profile::ProfileFile profile_;
  storage::TableSet tables_;
};

}  // namespace zeruda::app
