// What the installer tests share: one installation per test, made by the real setup into a
// folder whose path has blanks, with a documents folder of the test's own (the default pad
// folder lies in it), and everything setup put in place taken away again at the end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/Driver.h"

namespace installer_test {

extern const char* const kUninstallKey;
extern const char* const kRunKey;

// The setup built around the program under test.
std::string SetupPath();
// The Start menu folder that setup puts its shortcuts in.
std::string ShortcutFolder();

// Values under HKEY_CURRENT_USER; false when the value is missing.
bool ReadUserString(const std::string& key, const std::string& name, std::string& value);
bool ReadUserDword(const std::string& key, const std::string& name, DWORD& value);
bool UserKeyExists(const std::string& key);
bool DeleteUserValue(const std::string& key, const std::string& name);

// What a shortcut (.lnk) starts, read with the shell's link object.
struct Shortcut {
    bool found = false;
    std::string target;
    std::string arguments;
    std::string icon;
};
Shortcut ReadShortcut(const std::string& path);

bool FolderExists(const std::string& path);
// The ".ql" files of a folder, by name, in the order a folder search finds them.
std::vector<std::string> PadFiles(const std::string& folder);

// A file with the given bytes, its folders made as needed; deleted again at the end.
class ScopedFile {
  public:
    ScopedFile(const std::string& path, const std::string& data);
    ~ScopedFile();
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    bool Written() const { return m_written; }

  private:
    std::string m_path;
    bool m_written;
};

class InstallerSession {
  public:
    InstallerSession();
    ~InstallerSession();
    InstallerSession(const InstallerSession&) = delete;
    InstallerSession& operator=(const InstallerSession&) = delete;

    // Runs setup silently into the install folder, or the installed uninstaller silently and
    // in place (so that its exit code is its own); the exit code, or kUnknownExitCode when
    // it did not end in time.
    DWORD Install();
    DWORD Uninstall();

    const std::string& InstallFolder() const { return m_installFolder; }
    std::string Installed(const std::string& name) const { return m_installFolder + "\\" + name; }
    std::string ProgramPath() const { return Installed("Quillow.exe"); }
    std::string SettingsPath() const { return Installed("QUILLOW.INI"); }
    // The pad folder setup offers by default: Quillow in the documents folder.
    std::string DefaultPadFolder() const { return m_documents + "\\Quillow"; }

    // A key of the installed settings file's global section; "<missing>" when it is not there.
    std::string Setting(const std::string& key) const;
    bool WriteSetting(const std::string& section, const std::string& key,
                      const std::string& value) const;

    driver::ProcessGroup& Group() { return m_group; }

  private:
    DWORD RunAndWait(const std::string& exePath, const std::string& args);

    driver::TempFolder m_temp;
    std::string m_installFolder;
    std::string m_documents;
    bool m_hadDocumentsValue;
    std::string m_oldDocumentsValue;
    driver::ProcessGroup m_group;
};

} // namespace installer_test
