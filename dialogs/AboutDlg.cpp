#include "dialogs/AboutDlg.h"

#include "launch/PadLauncher.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

// The box stays open: a failure to start the browser is reported over it.
void CAboutDlg::OnHomePage() { OpenHomePage(m_hWnd); }
