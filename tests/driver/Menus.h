// Reading menus. Under Wine only the process that owns a menu can read it, so these serve the
// tests that run the program's windows inside the test program.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace driver {

// A menu row: its command id and its text, or 0 and "" for a separator.
using MenuRow = std::pair<UINT, std::string>;

// Every row of the menu, top to bottom, with texts of any length.
std::vector<MenuRow> MenuRows(HMENU menu);

} // namespace driver
