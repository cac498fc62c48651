// Paths, file contents and a Recycle Bin of the test's own, for end-to-end tests.
#pragma once

#include <windows.h>

#include <string>

#include "Wait.h"

namespace driver {

// The folder of the running test program, without a trailing backslash. Quillow.exe is built
// into the same folder.
std::string ExeFolder();
std::string QuillowExePath();

// Text between the ANSI code page and the wide API's UTF-16; a character the code page cannot
// hold becomes "?".
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

bool FileExists(const std::string& path);
// Reads the whole file as bytes; false when it cannot be opened (for instance while a pad
// holds it locked against reading, which pads do not do, or when it is missing).
bool ReadFileBytes(const std::string& path, std::string& data);
// The file's bytes, or "<missing>" when it cannot be read, so that a test compares a file's
// text in one expectation.
std::string FileText(const std::string& path);
// Creates or replaces the file with exactly these bytes.
bool WriteFileBytes(const std::string& path, const std::string& data);
// The same for paths the code page cannot hold.
bool ReadFileBytes(const std::wstring& path, std::string& data);
std::string FileText(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& data);
// Replaces the file as sync clients do: the bytes go to a temporary file beside it, which is
// then renamed over it. False, with the temporary file gone, when the rename is refused.
bool ReplaceByRename(const std::string& path, const std::string& data);

// A fresh, empty folder under %TEMP%, removed with everything in it at destruction (read-only
// files included). Declare it before the ProcessGroup whose pads use it, so the pads are gone
// and their files unlocked by the time it is removed.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, without a trailing backslash; empty if it could not be created.
    const std::string& Path() const { return m_path; }
    // The folder, a backslash and the name.
    std::string File(const std::string& name) const;

  private:
    std::string m_path;
};

// A Recycle Bin of the test's own. Under Wine the Recycle Bin is the desktop's trash folder,
// $XDG_DATA_HOME/Trash, used only where it exists (elsewhere an erase deletes for good, and
// says it succeeded). Wine reads the variable from the erasing process's own environment, which
// a process inherits from the one that starts it, so setting it here reaches every Quillow
// process the test starts from now on, until XDG_DATA_HOME is put back at destruction.
class TestRecycleBin {
  public:
    TestRecycleBin();
    ~TestRecycleBin();
    TestRecycleBin(const TestRecycleBin&) = delete;
    TestRecycleBin& operator=(const TestRecycleBin&) = delete;

    // False when the trash folder could not be made or has no Unix path (not under Wine).
    bool Ready() const { return m_ready; }
    // Where a file of this name lands in the bin.
    std::string File(const std::string& name) const { return m_files + "\\" + name; }

  private:
    TempFolder m_folder;
    std::string m_files;
    bool m_ready;
};

} // namespace driver
