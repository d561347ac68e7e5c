#pragma once

#include "profile/profile_file.h"
#include "storage/data_table.h"

namespace zeruda::actions {

// What the actions use of a session: its tables, and the profile that the generators
// write and that a rating given no base reads its base from. The browser edition has
// no profile: it keeps nothing between visits but what the page keeps itself.
struct Context {
  storage::TableSet& tables;
  profile::ProfileFile* profile = nullptr;
};

}  // namespace zeruda::actions
