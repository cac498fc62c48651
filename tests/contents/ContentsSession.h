// A contents process for one end-to-end test: a fresh home folder and settings file, the
// process started with "/tray" in a process group, and the moves a user makes on its window
// and its tray icon.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/driver/Driver.h"

namespace contents_test {

using Items = std::vector<std::string>;

// The current month as the program counts it: 1 for January to 12 for December.
int CurrentMonth();

// The names a folder search of "*.ql" finds in the folder, in the order it finds them.
std::vector<std::string> SearchOrder(const std::string& folder);

class ContentsSession {
  public:
    ContentsSession();
    ContentsSession(const ContentsSession&) = delete;
    ContentsSession& operator=(const ContentsSession&) = delete;

    // Writes pad files into the home folder.
    bool AddPad(const std::string& name, const std::string& text = "text\r\n") {
        return driver::WriteFileBytes(m_home.File(name), text);
    }
    bool AddPads(std::initializer_list<std::string> names);
    std::string PadPath(const std::string& name) const { return m_home.File(name); }
    const std::string& Home() const { return m_home.Path(); }

    // Starts the contents process and waits for its window, which counts once it is visible
    // (or, with waitHidden, once it exists, visible or not).
    bool Start(const std::string& args = "/tray", bool waitHidden = false);
    HWND Window() const { return m_window; }
    HWND List() const { return driver::ControlOf(m_window, IDC_CONTENTS_LIST); }
    DWORD Pid() const { return m_pid; }
    driver::ProcessGroup& Group() { return m_group; }
    bool IsRunning() { return m_group.IsRunning(m_pid); }

    std::vector<std::string> Items() const { return driver::ListBoxItems(List()); }
    int Selection() const { return driver::ListBoxSelection(List()); }
    // Whether the list comes to show exactly these entries: in this order, or in any order.
    testing::AssertionResult Shows(const std::vector<std::string>& expected,
                                   bool anyOrder = false) const;
    // Clicks Refresh and returns once the list is rebuilt.
    bool Refresh();
    // Clicks a button of the window; the program handles it in its own time.
    bool Click(int id) { return driver::ClickButton(m_window, id); }
    bool IsEnabled(int id) const { return IsWindowEnabled(GetDlgItem(m_window, id)) != FALSE; }
    bool AutoStartupChecked() const;
    bool ReminderShown() const { return driver::FindTopWindow(m_pid, "#32770", "Quillow Update"); }

    // Moves the window; Placement reads it back as "left,top widthxheight".
    bool MoveTo(int left, int top);
    std::string Placement() const;
    // Closes the window and waits until it is hidden.
    bool Close();
    // Chooses "Quillow Contents" from the tray menu and waits until the window shows.
    bool ShowAgain();

    // A mouse message over the tray icon, as the notification area reports it.
    bool TrayMouse(UINT message) {
        return PostMessageA(m_window, WM_TRAY_NOTIFY, IDR_MAINFRAME, message) != FALSE;
    }
    // A tray menu command, as the menu sends it when an item is chosen.
    bool TrayCommand(int id) { return driver::PostCommand(m_window, id); }
    // Opens the tray menu with a right click, waits for it and closes it again, so that its
    // items are in place for TrayCommand.
    bool BuildTrayMenu();
    // The tray menu id of a pad: its place in the folder search order from the first pad id.
    int PadItem(const std::string& name) const;

    // Processes of the group other than the contents process.
    std::vector<DWORD> OtherPids();

    // The message box the contents process shows next; empty when none comes.
    HWND WaitForMessageBox(DWORD ms = driver::kWaitMs) {
        return driver::WaitForMessageBox(m_pid, ms);
    }
    // Waits for the next message box, reads it, runs meanwhile and answers it.
    driver::SeenMessageBox Answer(int answer, const std::function<void()>& meanwhile = nullptr) {
        return driver::AnswerNextMessageBox(m_pid, answer, driver::kWaitMs, meanwhile);
    }
    // Clicks a button and answers the message box it brings.
    driver::SeenMessageBox Command(int buttonId, int answer = IDOK,
                                   const std::function<void()>& meanwhile = nullptr);

  private:
    driver::TempFolder m_home;
    driver::ScopedIni m_ini;
    driver::ProcessGroup m_group;
    DWORD m_pid;
    HWND m_window;
};

} // namespace contents_test
