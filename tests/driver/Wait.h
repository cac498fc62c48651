// Polling waits: every wait in an end-to-end test asks again and again until a condition
// holds or a time limit passes, so a slow machine slows the test down instead of failing it.
#pragma once

#include <windows.h>

#include <functional>

namespace driver {

// Default limit for waits on the program: generous, because Wine may be slow to start a process.
constexpr DWORD kWaitMs = 10000;

// Calls the condition every pollMs until it returns true (then true) or ms have passed (then
// false). Between calls it dispatches the calling thread's messages, so that windows the test
// itself owns stay responsive while it waits.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms = kWaitMs, DWORD pollMs = 20);

// Dispatches the calling thread's messages for about ms milliseconds, for a test that runs
// windows of its own on this thread.
void PumpMessages(DWORD ms);

} // namespace driver
