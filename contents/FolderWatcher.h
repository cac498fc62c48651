// Watches the home folder, while the contents window is shown, for pad files that appear,
// vanish or are renamed there (by a sync client, Explorer, another Quillow) or whose text is
// written, and tells the window once per burst of such changes. Only "*.ql" names count:
// every save of every pad makes and removes a recovery file beside it, and those must not
// refresh the list.
#pragma once
#include <windows.h>

#include "framework/CHandle.h"

// What a burst changed, in the posted message's wParam.
enum FolderChanges { folderNamesChanged = 1, folderTextsChanged = 2 };

class CFolderWatcher {
  public:
    CFolderWatcher() : m_hWnd(NULL), m_nMessage(0) {}
    CFolderWatcher(const CFolderWatcher&) = delete;
    CFolderWatcher& operator=(const CFolderWatcher&) = delete;
    ~CFolderWatcher() { Stop(); }

    // Starts watching the folder, after ending any earlier watch, from a thread of its own
    // that posts nMessage to hWnd. FALSE when the folder cannot be watched.
    BOOL Start(HWND hWnd, UINT nMessage, const char* pszFolder);
    // Ends the watch and its thread; no message is posted after it returns.
    void Stop();

  private:
    static DWORD WINAPI ThreadProc(void* pParam);
    void Watch();

    HWND m_hWnd;
    UINT m_nMessage;
    CHandle m_folder;
    CHandle m_changed;
    CHandle m_stop;
    CHandle m_thread;
};
