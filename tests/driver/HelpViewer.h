// Seeing the help page open: for one test the recorder (tests/tools/Recorder.cpp) becomes the
// program that opens ".htm" pages, and writes down the page it was given.
#pragma once

#include <string>

#include "Wait.h"

namespace driver {

class ScopedHelpViewer {
  public:
    ScopedHelpViewer();
    ~ScopedHelpViewer();
    ScopedHelpViewer(const ScopedHelpViewer&) = delete;
    ScopedHelpViewer& operator=(const ScopedHelpViewer&) = delete;

    bool Ready() const { return m_ready; }
    // Waits for the viewer to be started; the page it was asked to open, "" when none was.
    std::string WaitForOpenedPage(DWORD ms = kWaitMs);
    // Forgets the page opened last, before the next attempt.
    void Forget();

  private:
    bool m_ready;
    bool m_hadExtension;
    std::string m_oldExtensionValue;
};

} // namespace driver
