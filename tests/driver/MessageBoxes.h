// Message boxes shown by the program: finding them, reading them and answering them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Processes.h"
#include "Wait.h"

namespace driver {

// True for a message box: a dialog (#32770) whose only controls are buttons, an optional
// icon and one text with the message box's text id (0xFFFF) that does not interpret "&".
// The program's own dialogs fail this: they hold edits, check boxes or more than one text,
// or their single text interprets "&".
bool IsMessageBox(HWND window);

// The first visible message box of the process, or of any process of the group.
HWND FindMessageBox(DWORD pid);
HWND WaitForMessageBox(DWORD pid, DWORD ms = kWaitMs);
HWND WaitForMessageBox(ProcessGroup& group, DWORD ms = kWaitMs);

std::string MessageBoxText(HWND box);
// The text as UTF-16, every character kept.
std::wstring MessageBoxWideText(HWND box);
std::string MessageBoxCaption(HWND box);
// Ids of its buttons (IDOK, IDYES, IDNO...), in the order of its controls.
std::vector<int> MessageBoxButtons(HWND box);
// Whether it shows an icon (MB_ICONQUESTION, MB_ICONSTOP...); which one cannot be told apart
// from outside.
bool HasIcon(HWND box);
// Chooses the button with this id and waits until the box is gone.
bool AnswerMessageBox(HWND box, int id, DWORD ms = kWaitMs);

// What a message box showed before it was answered; shown is false, and the rest empty, when
// none came.
struct SeenMessageBox {
    bool shown = false;
    std::string text;
    std::string caption;
    std::vector<int> buttons;
    bool icon = false;
};

// Waits for the process's next message box, records what it shows, runs meanwhile (when
// given) while the box is still up, then answers it with the button id.
SeenMessageBox AnswerNextMessageBox(DWORD pid, int answer, DWORD ms = kWaitMs,
                                    const std::function<void()>& meanwhile = nullptr);

} // namespace driver
