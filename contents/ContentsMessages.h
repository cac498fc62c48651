// The texts the contents window shows: its messages, its own tray menu items and its tip.
#pragma once
#include "framework/CString.h"

// The window's caption, the tray tip and the tray menu item that shows the window.
const char kContentsTitle[] = "Quillow Contents";
const char kShowAllPadsItem[] = "Show All Pads";
const char kHideAllPadsItem[] = "Hide All Pads";
const char kExitMenuItem[] = "Exit Quillow...";
const char kExitQuestion[] = "Exit Quillow Contents?";
// Appended to a listed pad whose file another process holds.
const char kInUseMark[] = "*";
// How many pads match a search, of how many there are.
const char kSearchCountFormat[] = "%d of %d";

inline CString OpenInUseMessage(const CString& strName) { return strName + " is already in use."; }
inline CString InUseMessage(const CString& strName) { return strName + " is in use."; }
inline CString EraseQuestion(const CString& strName) { return "Erase " + strName + "?"; }
inline CString UnableToEraseMessage(const CString& strName) {
    return "Unable to erase " + strName + ".";
}
