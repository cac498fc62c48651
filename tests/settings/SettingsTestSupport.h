// Shared by the settings tests: real folders and the current folder, put back as found.
#pragma once

#include <windows.h>

#include <string>

namespace settings_test {

std::string WindowsFolder();
std::string CurrentFolder();
bool SameFolder(const std::string& a, const std::string& b);

// Restores the process's current folder at the end of a test. Declare it after any folder
// it may leave, so the folder is no longer current when it is removed.
class CurrentFolderGuard {
  public:
    CurrentFolderGuard() : m_folder(CurrentFolder()) {}
    ~CurrentFolderGuard() { SetCurrentDirectoryA(m_folder.c_str()); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

  private:
    std::string m_folder;
};

// Makes the Windows folder's "Desktop" exist or not for one test, and puts back what was
// there before (an existing folder is moved aside, not deleted).
class ScopedDesktopFolder {
  public:
    explicit ScopedDesktopFolder(bool present);
    ~ScopedDesktopFolder();
    ScopedDesktopFolder(const ScopedDesktopFolder&) = delete;
    ScopedDesktopFolder& operator=(const ScopedDesktopFolder&) = delete;

    const std::string& Path() const { return m_path; }
    bool Ready() const { return m_ready; }

  private:
    std::string m_path;
    std::string m_aside;
    bool m_existed;
    bool m_created;
    bool m_ready;
};

} // namespace settings_test
