// The options dialog over a stand-in pad window, with the system colour picker answered for
// real.
#include <gtest/gtest.h>
#include <windows.h>
#include <colordlg.h>
#include <dlgs.h>

#include <string>

#include "UserThread.h"
#include "dialogs/OptionsDlg.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "res/resource.h"
#include "tests/driver/Driver.h"

using namespace driver;
using namespace dialogs_test;

namespace {

const char kCaption[] = "Quillow Options";
// The system colour dialog: its caption; its grid of basic colours (COLOR_BOX1, 6 rows of 8)
// and its button that opens the custom-colour editor (COLOR_MIX) come from colordlg.h.
const char kPickerCaption[] = "Color";
// The system font chooser; the ids of its lists come from dlgs.h.
const char kChooserCaption[] = "Font";

// A resizable window standing in for the pad: the main window that owns the dialog.
class StandInPad {
  public:
    StandInPad() {
        m_wnd.m_hWnd =
            CreateWindowExA(0, "Static", "Pad", WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE,
                            120, 90, 333, 222, NULL, NULL, GetModuleHandleA(NULL), NULL);
        AfxGetApp()->m_pMainWnd = &m_wnd;
    }
    ~StandInPad() {
        AfxGetApp()->m_pMainWnd = NULL;
        ::DestroyWindow(m_wnd.m_hWnd);
        m_wnd.m_hWnd = NULL;
    }
    HWND Handle() const { return m_wnd.m_hWnd; }

  private:
    CWnd m_wnd;
};

// Clicks the basic colour at row and column in the colour dialog, as the mouse would.
void PickBasicColour(HWND picker, int row, int column) {
    HWND grid = GetDlgItem(picker, COLOR_BOX1);
    RECT rect;
    GetWindowRect(grid, &rect);
    const int cellWidth = (rect.right - rect.left) / 8;
    const int cellHeight = (rect.bottom - rect.top) / 6;
    POINT point = {rect.left + column * cellWidth + cellWidth / 3,
                   rect.top + row * cellHeight + cellHeight / 3};
    ScreenToClient(picker, &point);
    PostMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(picker, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

class OptionsDlgTest : public testing::Test {
  protected:
    // Runs the dialog, returning its end code.
    INT_PTR Run(const std::function<void()>& user) {
        INT_PTR result = -1;
        RunWithUser([&] { result = m_dlg.DoModal(); }, user);
        return result;
    }

    ScopedIni m_ini;
    StandInPad m_pad;
    COptionsDlg m_dlg;
};

} // namespace

TEST_F(OptionsDlgTest, OkWithBothBoxesTickedWritesTheDefaultsAndTheNextOpeningStartsCleared) {
    m_dlg.m_crBkColor = RGB(1, 2, 3);
    HWND owner = NULL;
    INT_PTR result = Run([&] {
        HWND dialog = WaitForDialog(kCaption);
        owner = GetParent(dialog);
        Click(dialog, IDC_OPTIONS_BKCOLOR_DEFAULT);
        Click(dialog, IDC_OPTIONS_SIZE_DEFAULT);
        PostCommand(dialog, IDOK);
    });

    RECT rect;
    GetWindowRect(m_pad.Handle(), &rect);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(m_pad.Handle(), owner);
    EXPECT_EQ(static_cast<int>(RGB(1, 2, 3)), IniGetInt(kGlobalSection, "BkColor", -1));
    EXPECT_EQ(rect.right - rect.left, IniGetInt(kGlobalSection, "Width", -1));
    EXPECT_EQ(rect.bottom - rect.top, IniGetInt(kGlobalSection, "Height", -1));
    // The frame counts: the outer size is larger than the window's client area.
    RECT client;
    GetClientRect(m_pad.Handle(), &client);
    EXPECT_GT(IniGetInt(kGlobalSection, "Width", -1), client.right);
    EXPECT_EQ(RGB(1, 2, 3), m_dlg.m_crBkColor);

    bool cleared = false;
    bool fontBoxEnabled = false;
    Run([&] {
        HWND dialog = WaitForDialog(kCaption);
        cleared = !IsChecked(dialog, IDC_OPTIONS_BKCOLOR_DEFAULT) &&
                  !IsChecked(dialog, IDC_OPTIONS_FONT_DEFAULT) &&
                  !IsChecked(dialog, IDC_OPTIONS_SIZE_DEFAULT);
        fontBoxEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_OPTIONS_FONT_DEFAULT));
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_TRUE(cleared);
    EXPECT_TRUE(fontBoxEnabled);
}

TEST_F(OptionsDlgTest,
       TheFontButtonOpensTheChooserAtTheFontInPlayAndOkWithNothingTickedWritesNothing) {
    m_dlg.m_crBkColor = RGB(1, 2, 3);
    lstrcpynW(m_dlg.m_font.szFace, L"DejaVu Sans", LF_FACESIZE);
    m_dlg.m_font.nSize = 120;
    m_dlg.m_font.nWeight = FW_BOLD;
    m_dlg.m_font.crText = RGB(0, 0, 255);
    std::wstring face;
    bool scriptsOffered = true;
    Run([&] {
        HWND dialog = WaitForDialog(kCaption);
        // Cancel in the chooser keeps the font in play.
        Click(dialog, IDC_OPTIONS_FONT);
        HWND chooser = WaitForDialog(kChooserCaption);
        face = ChosenFace(chooser);
        scriptsOffered = IsWindowEnabled(GetDlgItem(chooser, cmb5));
        ClickButton(chooser, IDCANCEL);
        WaitForWindowGone(chooser);
        PostCommand(dialog, IDOK);
    });

    EXPECT_TRUE(face == L"DejaVu Sans");
    EXPECT_FALSE(scriptsOffered);
    EXPECT_FALSE(m_dlg.m_bFontChosen);
    EXPECT_EQ(RGB(1, 2, 3), m_dlg.m_crBkColor);
    EXPECT_FALSE(IniHasKey(kGlobalSection, "BkColor"));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "Width"));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "Height"));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "FontFace"));
}

TEST_F(OptionsDlgTest, TheColourPickedInTheSystemPickerBecomesTheColourInPlayUnlessCancelled) {
    m_dlg.m_crBkColor = RGB(1, 2, 3);
    // A colour picked and both boxes ticked, then Cancel: nothing is kept.
    EXPECT_EQ(IDCANCEL, Run([&] {
                  HWND dialog = WaitForDialog(kCaption);
                  Click(dialog, IDC_OPTIONS_BKCOLOR);
                  HWND picker = WaitForDialog(kPickerCaption);
                  PickBasicColour(picker, 1, 0);
                  ClickButton(picker, IDOK);
                  WaitForWindowGone(picker);
                  Click(dialog, IDC_OPTIONS_BKCOLOR_DEFAULT);
                  Click(dialog, IDC_OPTIONS_SIZE_DEFAULT);
                  ClickButton(dialog, IDCANCEL);
              }));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "BkColor"));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "Width"));

    m_dlg.m_crBkColor = RGB(1, 2, 3);
    bool pickerShown = false;
    bool customColoursOffered = true;
    COLORREF afterCancel = 0;
    INT_PTR result = Run([&] {
        HWND dialog = WaitForDialog(kCaption);
        // Cancel in the picker keeps the colour...
        Click(dialog, IDC_OPTIONS_BKCOLOR);
        HWND picker = WaitForDialog(kPickerCaption);
        PickBasicColour(picker, 3, 4);
        ClickButton(picker, IDCANCEL);
        WaitForWindowGone(picker);
        afterCancel = m_dlg.m_crBkColor;
        // ...and OK takes the colour clicked: row 2, column 1 of the basic colours is red.
        Click(dialog, IDC_OPTIONS_BKCOLOR);
        picker = WaitForDialog(kPickerCaption);
        pickerShown = picker != NULL;
        customColoursOffered = IsWindowEnabled(GetDlgItem(picker, COLOR_MIX));
        PickBasicColour(picker, 1, 0);
        ClickButton(picker, IDOK);
        WaitForWindowGone(picker);
        Click(dialog, IDC_OPTIONS_BKCOLOR_DEFAULT);
        PostCommand(dialog, IDOK);
    });

    EXPECT_EQ(RGB(1, 2, 3), afterCancel);
    EXPECT_TRUE(pickerShown);
    EXPECT_FALSE(customColoursOffered);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(RGB(255, 0, 0), m_dlg.m_crBkColor);
    EXPECT_EQ(static_cast<int>(RGB(255, 0, 0)), IniGetInt(kGlobalSection, "BkColor", -1));
}
