// A contents process for one end-to-end test: a fresh home folder and settings file, the
// process started with "/tray" in a process group, and the moves a user makes on its window
// and its tray icon.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/driver/Driver.h"

namespace contents_test {

// The current month as the program counts it: 1 for January to 12 for December.
int CurrentMonth();

// The names a folder search of "*.ql" finds in the folder, in the order it finds them.
std::vector<std::string> SearchOrder(const std::string& folder);

// Holds a file open as a running pad does: read and write, write sharing denied.
class FileLock {
  public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return m_file != INVALID_HANDLE_VALUE; }
    void Release();

  private:
    HANDLE m_file;
};

class ContentsSession {
  public:
    ContentsSession();
    ContentsSession(const ContentsSession&) = delete;
    ContentsSession& operator=(const ContentsSession&) = delete;

    // Writes a pad file into the home folder.
    bool AddPad(const std::string& name, const std::string& text = "text\r\n");
    std::string PadPath(const std::string& name) const { return m_home.File(name); }
    const std::string& Home() const { return m_home.Path(); }

    // Starts the contents process and waits for its window, which counts once it is visible
    // (or, with waitHidden, once it exists, visible or not).
    bool Start(const std::string& args = "/tray", bool waitHidden = false);
    HWND Window() const { return m_window; }
    HWND List() const { return driver::ControlOf(m_window, IDC_CONTENTS_LIST); }
    DWORD Pid() const { return m_pid; }
    driver::ProcessGroup& Group() { return m_group; }

    std::vector<std::string> Items() const { return driver::ListBoxItems(List()); }
    int Selection() const { return driver::ListBoxSelection(List()); }
    // Clicks Refresh and returns once the list is rebuilt.
    bool Refresh();
    // Clicks a button of the window; the program handles it in its own time.
    bool Click(int id);
    bool IsEnabled(int id) const;

    // A mouse message over the tray icon, as the notification area reports it.
    bool TrayMouse(UINT mouseMessage);
    // A tray menu command, as the menu sends it when an item is chosen.
    bool TrayCommand(int id);
    // Opens the tray menu with a right click, waits for it and closes it again, so that its
    // items are in place for TrayCommand.
    bool BuildTrayMenu();

    // Processes of the group other than the contents process.
    std::vector<DWORD> OtherPids();

    // The message box the contents process shows next; empty when none comes.
    HWND WaitForMessageBox(DWORD ms = driver::kWaitMs);

  private:
    driver::TempFolder m_home;
    driver::ScopedIni m_ini;
    driver::ProcessGroup m_group;
    DWORD m_pid;
    HWND m_window;
};

} // namespace contents_test
