#include "tests/pad/PadTesting.h"

#include "framework/CWinApp.h"

namespace padtest {

std::string SectionOf(const std::string& fileName) {
    std::string::size_type dot = fileName.rfind('.');
    return (dot == std::string::npos ? fileName : fileName.substr(0, dot)) + ".ql";
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

bool PadEndToEndTest::ClosePad(const Pad& pad) {
    return driver::PostClose(pad.window) && m_group.WaitForExit(pad.pid, driver::kWaitMs);
}

std::string PadEndToEndTest::Contents(const std::string& path) {
    std::string data;
    return driver::ReadFileBytes(path, data) ? data : "<missing>";
}

namespace {
CPadDlg* g_pRunningPad = NULL;
const std::function<void(CPadDlg&)>* g_pCheck = NULL;

void CALLBACK CheckRunningPad(HWND, UINT, UINT_PTR nIDEvent, DWORD) {
    KillTimer(NULL, nIDEvent);
    if (g_pRunningPad->m_hWnd)
        (*g_pCheck)(*g_pRunningPad);
    if (g_pRunningPad->m_hWnd)
        g_pRunningPad->PostMessage(WM_CLOSE);
}
} // namespace

void RunPadInProcess(const std::string& path, const std::function<void(CPadDlg&)>& check) {
    CWinApp* pApp = AfxGetApp();
    const char* pszOldCmdLine = pApp->m_lpCmdLine;
    pApp->m_lpCmdLine = path.c_str();
    {
        CPadDlg dlg;
        pApp->m_pMainWnd = &dlg;
        g_pRunningPad = &dlg;
        g_pCheck = &check;
        // A thread timer runs the check from inside the dialog's own modal loop.
        SetTimer(NULL, 0, 100, CheckRunningPad);
        dlg.DoModal();
        pApp->m_pMainWnd = NULL;
        g_pRunningPad = NULL;
        g_pCheck = NULL;
    }
    pApp->m_lpCmdLine = pszOldCmdLine;
}

} // namespace padtest
