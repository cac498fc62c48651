// A real contents window for the benchmarks: once it is up, it runs Measure, then goes away
// with its tray icon.
#pragma once
#include <windows.h>

#include "contents/ContentsDlg.h"
#include "contents/TrayIcon.h"
#include "res/resource.h"

class CBenchContentsDlg : public CContentsDlg {
  public:
    BEGIN_MSG_MAP(CBenchContentsDlg)
    ON_MESSAGE(WM_BENCH, OnBench)
    END_MSG_MAP(CContentsDlg)

  protected:
    static const UINT WM_BENCH = WM_APP + 1;

    BOOL OnInitDialog() override {
        BOOL result = CContentsDlg::OnInitDialog();
        PostMessage(WM_BENCH);
        return result;
    }
    virtual void Measure() = 0;

  private:
    LRESULT OnBench(WPARAM, LPARAM) {
        Measure();
        RemoveTrayIcon(m_hWnd, IDR_MAINFRAME);
        DestroyWindow();
        return 0;
    }
};
