// The tray menu and the system menu of a contents window run inside the test program, where
// its menus can be read.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ContentsSession.h"
#include "contents/ContentsDlg.h"
#include "contents/TrayIcon.h"

using namespace driver;
using namespace contents_test;

namespace {

const UINT WM_PROBE = WM_APP + 1;

// A contents window that runs a probe once it is up, then goes away with its icon.
class CProbeContentsDlg : public CContentsDlg {
  public:
    explicit CProbeContentsDlg(std::function<void(CProbeContentsDlg&)> probe) : m_probe(probe) {}

    HMENU TrayMenu() const { return m_menuTray; }

    BEGIN_MSG_MAP(CProbeContentsDlg)
    ON_MESSAGE(WM_PROBE, OnProbe)
    END_MSG_MAP(CContentsDlg)

  protected:
    BOOL OnInitDialog() override {
        BOOL result = CContentsDlg::OnInitDialog();
        PostMessage(WM_PROBE);
        return result;
    }

  private:
    LRESULT OnProbe(WPARAM, LPARAM) {
        m_probe(*this);
        RemoveTrayIcon(m_hWnd, IDR_MAINFRAME);
        DestroyWindow();
        return 0;
    }

    std::function<void(CProbeContentsDlg&)> m_probe;
};

class ContentsMenu : public ::testing::Test {
  protected:
    ContentsMenu() : m_ini(m_home.Path()) { IniSetInt(kGlobalSection, "NextUpdateReminder", 13); }
    ~ContentsMenu() override { SetCurrentDirectoryA(ExeFolder().c_str()); }

    void Run(std::function<void(CProbeContentsDlg&)> probe) {
        bool probed = false;
        CProbeContentsDlg dlg([&](CProbeContentsDlg& window) {
            probed = true;
            probe(window);
        });
        dlg.DoModal();
        EXPECT_TRUE(probed);
    }

    TempFolder m_home;
    ScopedIni m_ini;
};

std::string Loaded(UINT id) {
    CString text;
    text.LoadString(id);
    return text.GetString();
}

} // namespace

// With no pads the two separators around them stand in a row.
TEST_F(ContentsMenu, TheTrayMenuHoldsThePadsInSearchOrderBetweenTheFixedItems) {
    for (bool pads : {false, true}) {
        SCOPED_TRACE(pads ? "three pads" : "no pads");
        for (const char* name : {"zulu.ql", "Alpha.ql", "mike.ql"}) {
            if (pads) {
                ASSERT_TRUE(WriteFileBytes(m_home.File(name), "x"));
            }
        }
        PadLock held(m_home.File("mike.ql"));
        const std::vector<std::string> order = SearchOrder(m_home.Path());
        ASSERT_EQ(order.size(), pads ? 3u : 0u);

        Run([&](CProbeContentsDlg& dlg) {
            dlg.BuildTrayMenu();
            std::vector<MenuRow> expected = {{ID_TRAY_NEW, Loaded(IDS_NEW_PAD)},
                                             {ID_TRAY_CONTENTS, "Quillow Contents"},
                                             {ID_TRAY_SHOW_ALL_PADS, "Show All Pads"},
                                             {ID_TRAY_HIDE_ALL_PADS, "Hide All Pads"},
                                             {0, ""}};
            for (size_t i = 0; i < order.size(); ++i)
                expected.push_back({static_cast<UINT>(ID_TRAY_FIRST_PAD + i),
                                    order[i] == "mike.ql" ? "mike.ql*" : order[i]});
            expected.insert(expected.end(), {{0, ""},
                                             {ID_TRAY_HOME_PAGE, "Marrowdale Home &Page"},
                                             {ID_TRAY_FEEDBACK, "Email Us Your &Feedback"},
                                             {ID_TRAY_ABOUT, "&About Quillow..."},
                                             {0, ""},
                                             {ID_TRAY_EXIT, "Exit Quillow..."}});
            EXPECT_EQ(MenuRows(dlg.TrayMenu()), expected);

            // A second build starts again from nothing.
            dlg.BuildTrayMenu();
            EXPECT_EQ(MenuRows(dlg.TrayMenu()).size(), expected.size());
        });
    }
}

TEST_F(ContentsMenu, TheSystemMenuOffersNoMaximize) {
    Run([&](CProbeContentsDlg& dlg) {
        HMENU system = GetSystemMenu(dlg.m_hWnd, FALSE);
        ASSERT_TRUE(system);
        EXPECT_EQ(GetMenuState(system, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
        EXPECT_NE(GetMenuState(system, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
        EXPECT_NE(GetMenuState(system, SC_MINIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    });
}
