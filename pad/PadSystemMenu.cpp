#include "pad/PadSystemMenu.h"

#include "framework/CMenu.h"
#include "framework/CString.h"
#include "res/resource.h"

namespace {
struct PadMenuRow {
    UINT nStringID; // 0 for a separator
    UINT nCommandID;
};

const PadMenuRow kPadMenuRows[] = {
    {IDS_NEW_PAD, ID_PAD_NEW},
    {0, 0},
    {IDS_RENAME, ID_PAD_RENAME},
    {IDS_ERASE, ID_PAD_ERASE},
    {0, 0},
    {IDS_AUTO_STARTUP, ID_PAD_AUTO_STARTUP},
    {IDS_ALWAYS_ON_TOP, ID_PAD_ALWAYS_ON_TOP},
    {IDS_OPTIONS, ID_PAD_OPTIONS},
    {0, 0},
    {IDS_HELP, ID_PAD_HELP},
    {IDS_HOME_PAGE, ID_PAD_HOME_PAGE},
    {IDS_FEEDBACK, ID_PAD_FEEDBACK},
    {IDS_ABOUT, ID_PAD_ABOUT},
    {0, 0},
    // The platform's own commands, carried out by the default processing.
    {IDS_MOVE, SC_MOVE},
    {IDS_SIZE, SC_SIZE},
    {IDS_CLOSE, SC_CLOSE},
};
} // namespace

void BuildPadSystemMenu(HWND hWnd) {
    CMenuHandle menu(::GetSystemMenu(hWnd, FALSE));
    if (!menu)
        return;
    // The standard menu differs between platforms (seven rows on Windows, nine under Wine).
    while (menu.GetMenuItemCount() > 0)
        if (!menu.RemoveMenu(0, MF_BYPOSITION))
            break;
    for (const PadMenuRow& row : kPadMenuRows) {
        if (!row.nStringID) {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        CString strText;
        if (strText.LoadString(row.nStringID))
            menu.AppendMenu(MF_STRING, row.nCommandID, strText);
    }
}

void CheckPadMenuItem(HWND hWnd, UINT nID, BOOL bChecked) {
    CMenuHandle menu(::GetSystemMenu(hWnd, FALSE));
    if (menu)
        menu.CheckMenuItem(nID, MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED));
}
