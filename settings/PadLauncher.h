// Handing work to another process: a new pad process, the browser, the mail program.
// Each reports its own failure in a message box owned by the given window.
#pragma once
#include <windows.h>

#include "framework/CString.h"

bool LaunchPad(HWND hWndOwner, CString strPath);
int OpenHomePage(HWND hWndOwner);
int OpenFeedbackMail(HWND hWndOwner);
