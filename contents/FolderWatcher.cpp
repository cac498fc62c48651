#include "contents/FolderWatcher.h"

namespace {

// A burst ends after this long without a change to a pad, or this long after its first
// change while changes keep coming, so the list follows within a second either way.
const DWORD kQuietMs = 200;
const DWORD kLongestBurstMs = 600;
// Room for a few hundred names per reading; more than fit are reported as an overflow.
const DWORD kBufferSize = 16384;
const DWORD kCancelPollMs = 10;

bool IsPadName(const FILE_NOTIFY_INFORMATION& info) {
    const int nLength = static_cast<int>(info.FileNameLength / sizeof(WCHAR));
    const WCHAR* pszEnd = info.FileName + nLength;
    return nLength >= 3 && pszEnd[-3] == L'.' && (pszEnd[-2] | 0x20) == L'q' &&
           (pszEnd[-1] | 0x20) == L'l';
}

// What the changes read did to pads; an overflow (no bytes) lost them, so anything may have.
UINT PadChanges(const BYTE* pBuffer, DWORD nBytes) {
    if (nBytes == 0)
        return folderNamesChanged | folderTextsChanged;
    UINT nChanges = 0;
    for (DWORD nOffset = 0; nOffset + sizeof(FILE_NOTIFY_INFORMATION) <= nBytes;) {
        const FILE_NOTIFY_INFORMATION& info =
            *reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(pBuffer + nOffset);
        if (IsPadName(info))
            nChanges |=
                info.Action == FILE_ACTION_MODIFIED ? folderTextsChanged : folderNamesChanged;
        if (info.NextEntryOffset == 0)
            break;
        nOffset += info.NextEntryOffset;
    }
    return nChanges;
}

} // namespace

BOOL CFolderWatcher::Start(HWND hWnd, UINT nMessage, const char* pszFolder) {
    Stop();
    m_hWnd = hWnd;
    m_nMessage = nMessage;
    m_folder.Attach(::CreateFileA(
        pszFolder, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        NULL, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, NULL));
    // Reset by the wait that sees it: a signal without a finished reading cannot recur.
    m_changed.Attach(::CreateEventA(NULL, FALSE, FALSE, NULL));
    m_stop.Attach(::CreateEventA(NULL, TRUE, FALSE, NULL));
    if (m_folder.IsOpen() && m_changed.IsOpen() && m_stop.IsOpen())
        m_thread.Attach(::CreateThread(NULL, 0, ThreadProc, this, 0, NULL));
    if (!m_thread.IsOpen()) {
        Stop();
        return FALSE;
    }
    return TRUE;
}

void CFolderWatcher::Stop() {
    if (m_thread.IsOpen()) {
        ::SetEvent(m_stop);
        ::WaitForSingleObject(m_thread, INFINITE);
    }
    m_thread.Close();
    m_stop.Close();
    m_changed.Close();
    m_folder.Close();
}

DWORD WINAPI CFolderWatcher::ThreadProc(void* pParam) {
    static_cast<CFolderWatcher*>(pParam)->Watch();
    return 0;
}

void CFolderWatcher::Watch() {
    // DWORD-aligned, as the system writes the changes.
    static_assert(kBufferSize % sizeof(DWORD) == 0, "whole DWORDs");
    DWORD buffer[kBufferSize / sizeof(DWORD)];
    OVERLAPPED overlapped = {};
    overlapped.hEvent = m_changed;
    const HANDLE handles[] = {m_stop, m_changed};
    bool bReading = false;
    // What the burst under way changed; none while there is none.
    UINT nChanges = 0;
    DWORD dwBurstStart = 0;
    DWORD dwLastChange = 0;

    for (;;) {
        if (!bReading) {
            if (!::ReadDirectoryChangesW(m_folder, buffer, sizeof buffer, FALSE,
                                         FILE_NOTIFY_CHANGE_FILE_NAME |
                                             FILE_NOTIFY_CHANGE_LAST_WRITE,
                                         NULL, &overlapped, NULL))
                break;
            bReading = true;
        }
        // Checked before waiting: while changes keep coming, the wait never times out.
        DWORD dwTimeout = INFINITE;
        if (nChanges) {
            const DWORD dwNow = ::GetTickCount();
            const DWORD dwQuiet = dwNow - dwLastChange;
            const DWORD dwLong = dwNow - dwBurstStart;
            if (dwQuiet >= kQuietMs || dwLong >= kLongestBurstMs) {
                ::PostMessageA(m_hWnd, m_nMessage, nChanges, 0);
                nChanges = 0;
            } else {
                const DWORD dwQuietLeft = kQuietMs - dwQuiet;
                const DWORD dwBurstLeft = kLongestBurstMs - dwLong;
                dwTimeout = dwQuietLeft < dwBurstLeft ? dwQuietLeft : dwBurstLeft;
            }
        }
        const DWORD dwWait = ::WaitForMultipleObjects(2, handles, FALSE, dwTimeout);
        if (dwWait == WAIT_TIMEOUT)
            continue;
        if (dwWait != WAIT_OBJECT_0 + 1)
            break;
        DWORD nBytes = 0;
        if (!::GetOverlappedResult(m_folder, &overlapped, &nBytes, FALSE)) {
            // The reading goes on into the buffer: the thread must not end before it does.
            if (::GetLastError() == ERROR_IO_INCOMPLETE)
                continue;
            bReading = false;
            // The folder went away or can no longer be read: a last refresh shows it so.
            if (::GetLastError() != ERROR_NOTIFY_ENUM_DIR) {
                ::PostMessageA(m_hWnd, m_nMessage, folderNamesChanged | folderTextsChanged, 0);
                return;
            }
            // More changes than the buffer holds: they count as an overflow.
            nBytes = 0;
        }
        bReading = false;
        const UINT nRead = PadChanges(reinterpret_cast<const BYTE*>(buffer), nBytes);
        if (nRead) {
            dwLastChange = ::GetTickCount();
            if (!nChanges)
                dwBurstStart = dwLastChange;
            nChanges |= nRead;
        }
    }
    // The system writes into the buffer until the cancelled reading has completed, and the
    // event alone may be signalled early.
    if (bReading) {
        ::CancelIo(m_folder);
        while (!HasOverlappedIoCompleted(&overlapped))
            ::WaitForSingleObject(m_changed, kCancelPollMs);
    }
}
