// What the pad tests share: a fixture that gives each end-to-end test its own home folder,
// settings file and processes, and a way to run a pad dialog inside the test program.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "pad/PadDlg.h"
#include "tests/driver/Driver.h"

namespace padtest {

// The settings section of a pad file name: the name without its extension, then ".ql".
std::string SectionOf(const std::string& fileName);

// A running pad seen from outside.
struct Pad {
    DWORD pid = 0;
    HWND window = NULL;
    HWND edit = NULL;
};

class PadEndToEndTest : public ::testing::Test {
  protected:
    PadEndToEndTest();

    // Starts a pad with these arguments and waits for its window with this caption.
    Pad OpenPad(const std::string& args, const std::string& caption);
    // Closes the pad as its close box would and waits for its process to end.
    bool ClosePad(const Pad& pad);
    // The file's bytes, or "<missing>".
    std::string Contents(const std::string& path);

    driver::TempFolder m_home;
    driver::ScopedIni m_ini;
    driver::ProcessGroup m_group;
};

// Runs a pad dialog in this process on the path and calls check once it shows; the pad is
// closed afterwards with its ordinary closing steps.
void RunPadInProcess(const std::string& path, const std::function<void(CPadDlg&)>& check);

} // namespace padtest
