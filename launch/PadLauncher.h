// Handing work to another process: a new pad process, the browser, the mail program.
// Each reports its own failure in a message box owned by the given window.
#pragma once
#include <windows.h>

#include "framework/CString.h"

// How long LaunchPad waits for the new pad.
enum LaunchWait {
    // Until the pad waits for input, which it does once it holds its file, or a short time
    // at most: a list refreshed afterwards shows the pad in use.
    launchWaitForIdle,
    // Not at all, so that pads started one after another start together.
    launchNoWait,
};

// Starts a pad process on the path; false after a failure message.
bool LaunchPad(HWND hWndOwner, CString strPath, LaunchWait wait = launchWaitForIdle);
int OpenHomePage(HWND hWndOwner);
int OpenFeedbackMail(HWND hWndOwner);
