#include "tests/pad/PadTesting.h"

#include "framework/CWinApp.h"

namespace padtest {

HWND ExpectMessageBox(DWORD pid, const std::string& text, const std::vector<int>& buttons) {
    HWND box = driver::WaitForMessageBox(pid);
    EXPECT_TRUE(box) << "no message box for: " << text;
    if (box) {
        EXPECT_EQ(text, driver::MessageBoxText(box));
        EXPECT_EQ("Quillow", driver::MessageBoxCaption(box));
        EXPECT_EQ(buttons, driver::MessageBoxButtons(box));
        EXPECT_TRUE(driver::HasIcon(box));
    }
    return box;
}

PadEndToEndTest::PadEndToEndTest() : m_ini(m_home.Path()) {}

Pad PadEndToEndTest::OpenPad(const std::string& args, const std::string& caption) {
    Pad pad;
    pad.pid = m_group.Start(args);
    if (!pad.pid)
        return pad;
    pad.window = driver::WaitForTopWindow(pad.pid, "#32770", caption.c_str());
    if (pad.window)
        pad.edit = driver::ControlOf(pad.window, IDC_PAD_EDIT);
    return pad;
}

Pad PadEndToEndTest::OpenPadOn(const std::string& name, const std::string& text) {
    std::string path = m_home.File(name);
    if (!driver::WriteFileBytes(path, text))
        return Pad();
    Pad pad = OpenPad(path, name);
    pad.path = path;
    return pad;
}

HWND PadEndToEndTest::OpenDialog(const Pad& pad, int command, const char* caption) {
    if (!driver::PostSysCommand(pad.window, command))
        return NULL;
    return driver::WaitForTopWindow(pad.pid, "#32770", caption);
}

::testing::AssertionResult PadEndToEndTest::ShowsColour(const Pad& pad, COLORREF colour) {
    RECT client = driver::ClientRectOnScreen(pad.window);
    COLORREF seen = CLR_INVALID;
    if (driver::WaitUntil([&] {
            seen = driver::ScreenPixel(client.right - 6, client.bottom - 6);
            return seen == colour;
        }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "shows " << seen << ", not " << colour;
}

bool PadEndToEndTest::ClosePad(const Pad& pad) {
    return driver::PostClose(pad.window) && m_group.WaitForExit(pad.pid, driver::kWaitMs);
}

PadInProcessTest::PadInProcessTest() : m_ini(m_home.Path()), m_path(m_home.File("Inside.ql")) {
    driver::WriteFileBytes(m_path, "inside");
}

namespace {
const std::function<void()>* g_pOnShown = NULL;

void CALLBACK RunOnShown(HWND, UINT, UINT_PTR nIDEvent, DWORD) {
    KillTimer(NULL, nIDEvent);
    (*g_pOnShown)();
}
} // namespace

void PadInProcessTest::Run(const std::function<void(CPadDlg&)>& check) {
    CWinApp* pApp = AfxGetApp();
    const char* pszOldCmdLine = pApp->m_lpCmdLine;
    pApp->m_lpCmdLine = m_path.c_str();
    CPadDlg dlg;
    const std::function<void()> onShown = [&] {
        if (dlg.m_hWnd)
            check(dlg);
        if (dlg.m_hWnd)
            dlg.PostMessage(WM_CLOSE);
    };
    pApp->m_pMainWnd = &dlg;
    g_pOnShown = &onShown;
    // A thread timer runs the check from inside the dialog's own modal loop.
    SetTimer(NULL, 0, 100, RunOnShown);
    dlg.DoModal();
    g_pOnShown = NULL;
    pApp->m_pMainWnd = NULL;
    pApp->m_lpCmdLine = pszOldCmdLine;
}

} // namespace padtest
