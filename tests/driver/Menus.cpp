#include "Menus.h"

namespace driver {

namespace {

std::string RowText(HMENU menu, int position) {
    const int length = GetMenuStringA(menu, position, NULL, 0, MF_BYPOSITION);
    if (length <= 0)
        return std::string();
    std::string text(length + 1, '\0');
    const int copied = GetMenuStringA(menu, position, &text[0], length + 1, MF_BYPOSITION);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

} // namespace

std::vector<MenuRow> MenuRows(HMENU menu) {
    std::vector<MenuRow> rows;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        if (info.fType & MFT_SEPARATOR)
            rows.push_back(MenuRow(0, ""));
        else
            rows.push_back(MenuRow(info.wID, RowText(menu, i)));
    }
    return rows;
}

} // namespace driver
