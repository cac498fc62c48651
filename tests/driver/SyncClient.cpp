#include "SyncClient.h"

#include <windows.h>

#include "Files.h"

namespace driver {

bool SyncReplace(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".~sync";
    if (!WriteFileBytes(temporary, text))
        return false;
    if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

bool SyncDelete(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

std::string SyncConflictCopy(const std::string& path, const std::string& text) {
    const std::string::size_type dot = path.rfind('.');
    const std::string copy = path.substr(0, dot) + " (conflicted copy)" + path.substr(dot);
    return WriteFileBytes(copy, text) ? copy : "";
}

} // namespace driver
