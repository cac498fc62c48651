// What the installer tests share: one installation per test, made by the real setup into a
// folder whose path has blanks, with a documents folder of the test's own (the default pad
// folder lies in it), and whatever setup put in place taken away again at the end.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/Driver.h"

namespace installer_test {

extern const char* const kUninstallKey;
extern const char* const kRunKey;
extern const char* const kMissing;

// The setup built around the program under test, and the Start menu folder it fills.
std::string SetupPath();
std::string ShortcutFolder();

// A string or DWORD value under HKEY_CURRENT_USER; kMissing, or -1, when it is not there.
std::string UserString(const std::string& key, const std::string& name);
DWORD UserDword(const std::string& key, const std::string& name);

// What a shortcut (.lnk) starts, as "target arguments"; kMissing when it cannot be read.
std::string ShortcutCommand(const std::string& path);

// A key of a settings file's global section; kMissing when it is not there.
std::string Setting(const std::string& iniPath, const std::string& key);

class InstallerSession {
  public:
    InstallerSession();
    ~InstallerSession();
    InstallerSession(const InstallerSession&) = delete;
    InstallerSession& operator=(const InstallerSession&) = delete;

    // Runs setup silently into the install folder, or the installed uninstaller silently and
    // in place (so that its exit code is its own); the exit code.
    DWORD Install();
    DWORD Uninstall();

    const std::string& Folder() const { return m_folder; }
    std::string Installed(const std::string& name) const { return m_folder + "\\" + name; }
    std::string Program() const { return Installed("Quillow.exe"); }
    std::string Settings() const { return Installed("QUILLOW.INI"); }
    // The pad folder setup offers on a first install: Quillow in the documents folder.
    std::string PadFolder() const { return m_documents + "\\Quillow"; }

    driver::ProcessGroup& Group() { return m_group; }

  private:
    DWORD RunAndWait(const std::string& exePath, const std::string& args);

    driver::TempFolder m_temp;
    std::string m_folder;
    std::string m_documents;
    std::string m_oldDocuments;
    driver::ProcessGroup m_group;
};

} // namespace installer_test
