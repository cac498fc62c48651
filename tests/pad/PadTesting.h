// What the pad tests share: a fixture that gives each end-to-end test its own home folder,
// settings file and processes, and a way to run a pad dialog inside the test program.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "pad/PadDlg.h"
#include "tests/driver/Driver.h"

namespace padtest {

// A running pad seen from outside.
struct Pad {
    DWORD pid = 0;
    HWND window = NULL;
    HWND edit = NULL;
    std::string path;
};

// Waits for the process's message box and expects it captioned "Quillow", with an icon, this
// text and these buttons; returns it to be answered (NULL when none came).
HWND ExpectMessageBox(DWORD pid, const std::string& text, const std::vector<int>& buttons);

class PadEndToEndTest : public ::testing::Test {
  protected:
    PadEndToEndTest();

    // Starts a pad with these arguments and waits for its window with this caption.
    Pad OpenPad(const std::string& args, const std::string& caption);
    // Writes the text to the named file in the home folder and opens a pad on it.
    Pad OpenPadOn(const std::string& name, const std::string& text);
    // Chooses the system menu command and waits for the dialog it opens.
    HWND OpenDialog(const Pad& pad, int command, const char* caption);
    // Whether the pad's text area shows this colour near its bottom right, away from the text,
    // within the usual wait.
    ::testing::AssertionResult ShowsColour(const Pad& pad, COLORREF colour);
    // Closes the pad as its close box would and waits for its process to end.
    bool ClosePad(const Pad& pad);

    driver::TempFolder m_home;
    driver::ScopedIni m_ini;
    driver::ProcessGroup m_group;
};

// A pad dialog run inside the test program, on its own file "Inside.ql" with text.
class PadInProcessTest : public ::testing::Test {
  protected:
    PadInProcessTest();
    // Runs the pad and calls check once it shows; the pad then closes with its ordinary steps.
    void Run(const std::function<void(CPadDlg&)>& check);

    driver::TempFolder m_home;
    driver::ScopedIni m_ini;
    std::string m_path;
};

} // namespace padtest
