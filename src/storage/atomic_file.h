#pragma once

#include "text/result.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace zeruda::storage {

// What every temporary file of ours carries in its name: "<file>.zeruda-tmp-xxxxxx".
inline constexpr std::string_view kTempMarker = ".zeruda-tmp-";

// Replaces the ordinary file `target` (or makes it) with `bytes` so that a crash or
// a full disk at any moment leaves either the old file or the new one, never a part:
// the bytes go to a temporary file beside the target, are flushed to the disk, and
// the temporary file is renamed over the target. What the user set is kept: a
// replaced file keeps its permission bits, a new one gets those the umask gives, and
// a link is followed so that its target is replaced and the link stays. Where the
// folder takes no new file but the file itself may be written, it is written in place
// instead (writeInPlace). What is not an ordinary file is never replaced: a device, a
// pipe or a socket takes the bytes in place, and "/dev/stdout" (any "/dev/fd/N") gets
// them through the program's own descriptor. Leftovers of killed writes in the
// folder go first. The error names the file and the system's reason (GBK text).
Result<Done> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Gives a text too long to hold at once piece by piece: each call points `piece` at
// the next one (valid until the next call) and says whether there was one.
using PieceSource = std::function<bool(std::string_view& piece)>;

// As above, for a text given piece by piece: an ordinary file is written as the
// pieces come. What is written in place (a device, a pipe, a file whose folder
// takes no new file) gets the text gathered whole first. The pieces may stop
// being asked for early, when the write has failed.
Result<Done> writeFileAtomically(const std::filesystem::path& target, const PieceSource& pieces);

// Replaces `file`, one the program owns in its working folder (a table file, a page,
// the profile), with `bytes`, as writeFileAtomically does but never through a link:
// a link found in its place is replaced by the new file (the link goes, what it
// points to is left alone). Anything else that is not an ordinary file there (a
// folder, a pipe, a device) is refused.
Result<Done> writeOwnedFile(const std::filesystem::path& file, std::string_view bytes);

// Removes a link found in the place of one of the program's own files, so that a
// library that writes the file itself (SQLite, libcurl) makes a new one instead of
// writing through the link. Anything else there is left alone.
void removeLinkAt(const std::filesystem::path& file);

// Removes the temporary files that writers killed on the way left in `folder`:
// those older than a minute that no writer holds. Start-up calls it for the working
// folder, and every replacing write for the folder it writes into.
void removeStaleTempFiles(const std::filesystem::path& folder);

// For tests that stop the program between writing the temporary file and renaming
// it: the hook runs at that moment. Not for use by the program itself.
void setAtomicWriteHookForTesting(void (*hook)());

}  // namespace zeruda::storage
