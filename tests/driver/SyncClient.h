// What a sync client (OneDrive, Dropbox, Nextcloud, Syncthing) does to a file in the folder it
// shares when the file changed on another computer.
#pragma once

#include <string>

namespace driver {

// Brings the other computer's text: written to a temporary file beside the file, then renamed
// over it. False, with the temporary file removed, when the file could not be replaced (a
// client then tries again later, or writes a conflict copy).
bool SyncReplace(const std::string& path, const std::string& text);
// Brings the other computer's deletion.
bool SyncDelete(const std::string& path);
// Writes the other computer's text beside "Name.ql" as "Name (conflicted copy).ql" and
// returns that path; empty when it could not be written.
std::string SyncConflictCopy(const std::string& path, const std::string& text);

} // namespace driver
