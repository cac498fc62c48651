// Reaching the pads that already run. Any process may ask which pad window holds a file, bring
// it forward, or show or hide every pad; the pads answer in their own windows.
//
// The protocol between Quillow processes:
// - WM_COPYDATA whose dwData is kHoldsFileRequest and whose data is a PadFileIdentity: a pad
//   returns TRUE when the file it holds is that file, and does nothing else.
// - The registered message PadCommandMessage() with a PadCommand in wParam and the asking
//   process's id in lParam, posted.
#pragma once
#include <windows.h>

#include "padfile/PadFileIdentity.h"

// Tells Quillow's question apart from other programs' WM_COPYDATA ("QPF1").
const ULONG_PTR kHoldsFileRequest = 0x51504631;

enum PadCommand {
    // Show, restore, bring to the front and take the activation.
    padComeForward = 1,
    // Show a hidden pad without taking the activation.
    padReveal = 2,
    // Save and hide; a pad whose save fails stays shown with its message. The hidden pad
    // shows itself again when the asking process ends.
    padHide = 3,
};

UINT PadCommandMessage();

// The identity a WM_COPYDATA request asks about; FALSE for any other WM_COPYDATA.
BOOL ReadHoldsFileRequest(LPARAM lParam, PadFileIdentity& identity);

// The window of the running pad, hidden or not, that holds the file the path names; NULL when
// no pad does (the file may still be held by another program).
HWND FindPadHolding(const char* pszPath);
// Lets the pad's process take the foreground and tells the pad to come forward.
BOOL BringPadForward(HWND hWndPad);
// Finds the pad that holds the file and brings it forward; FALSE when no pad holds it.
BOOL BringRunningPadForward(const char* pszPath);

// Every running pad of this session comes forward.
void ShowAllPads();
// Every hidden pad shows itself again.
void RevealHiddenPads();
// Every shown pad saves and hides.
void HideAllPads();
