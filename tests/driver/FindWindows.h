// Finding the top-level windows of the program's processes from outside, as a user sees them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Processes.h"
#include "Wait.h"

namespace driver {

// What a top-level window must match. A null class name or caption matches any; the caption
// must match exactly. Hidden windows count only when includeHidden is set.
struct WindowQuery {
    const char* className = nullptr;
    const char* caption = nullptr;
    bool includeHidden = false;
};

// Top-level windows of one process, or of every process of the group, in Z order (top first).
std::vector<HWND> TopWindows(DWORD pid, const WindowQuery& query = WindowQuery());
std::vector<HWND> TopWindows(ProcessGroup& group, const WindowQuery& query = WindowQuery());

HWND FindTopWindow(DWORD pid, const char* className, const char* caption,
                   bool includeHidden = false);
HWND WaitForTopWindow(DWORD pid, const char* className, const char* caption, DWORD ms = kWaitMs,
                      bool includeHidden = false);
// The same over every process of the group, including processes that start while it waits.
HWND WaitForWindowInGroup(ProcessGroup& group, const char* className, const char* caption,
                          DWORD ms = kWaitMs, bool includeHidden = false);
// Waits for a matching window of the group that is not among known (taken before the action
// that should open it, with TopWindows).
HWND WaitForNewWindow(ProcessGroup& group, const std::vector<HWND>& known, const char* className,
                      const char* caption, DWORD ms = kWaitMs, bool includeHidden = false);
// Waits until the window is destroyed (or hidden, when untilHidden is set).
bool WaitForWindowGone(HWND window, DWORD ms = kWaitMs, bool untilHidden = false);

DWORD ProcessOfWindow(HWND window);
std::string ClassOf(HWND window);
// The caption of a top-level window (WindowText reads controls of other processes).
std::string CaptionOf(HWND window);

} // namespace driver
