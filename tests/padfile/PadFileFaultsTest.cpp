// A pad's file under faults, in-process: every file operation of a save, and of a load after
// a crash, made to fail or to stop as a crash would. Whatever happens, what a pad opening
// afterwards finds (the pad file, finished from its recovery file) is exactly the old text or
// the new one: never a mixture, never nothing; and a text changed by another program since
// stays, with the recovered text kept beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/CFile.h"
#include "padfile/PadFile.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadRecovery.h"
#include "padfile/RecoveredPad.h"
#include "tests/driver/Driver.h"

using namespace driver;

namespace {

// The system's file calls, but once armed the N-th call (counted from 1) fails, or stops the
// "process" there: that call and every later one do nothing, and a stopped write gets only
// its first half onto the disk, as a power cut in the middle of it might.
class CFaultyFileSystem : public CFileSystem {
  public:
    enum Fault { failOne, crash };

    void Arm(int nAt, Fault fault) {
        m_nAt = nAt;
        m_fault = fault;
        m_nCalls = 0;
    }
    int Calls() const { return m_nCalls; }
    // Open dispositions of every Open asked for, allowed or not.
    const std::vector<DWORD>& Creations() const { return m_creations; }

    // The handles a crashed process leaves are closed by the system when it ends.
    ~CFaultyFileSystem() override {
        for (HANDLE hFile : m_handles)
            CFileSystem::Close(hFile);
    }

    HANDLE Open(const char* pszPath, DWORD dwAccess, DWORD dwShare, DWORD dwCreation) override {
        m_creations.push_back(dwCreation);
        if (!Allow())
            return INVALID_HANDLE_VALUE;
        HANDLE hFile = CFileSystem::Open(pszPath, dwAccess, dwShare, dwCreation);
        if (hFile != INVALID_HANDLE_VALUE)
            m_handles.push_back(hFile);
        return hFile;
    }
    BOOL Read(HANDLE hFile, void* pBuffer, DWORD nCount, DWORD* pnRead) override {
        return Allow() && CFileSystem::Read(hFile, pBuffer, nCount, pnRead);
    }
    BOOL Write(HANDLE hFile, const void* pBuffer, DWORD nCount, DWORD* pnWritten) override {
        if (Allow())
            return CFileSystem::Write(hFile, pBuffer, nCount, pnWritten);
        if (m_fault == crash && m_nCalls == m_nAt)
            CFileSystem::Write(hFile, pBuffer, nCount / 2, pnWritten);
        return FALSE;
    }
    BOOL Seek(HANDLE hFile, LONGLONG nOffset) override {
        return Allow() && CFileSystem::Seek(hFile, nOffset);
    }
    BOOL SetEnd(HANDLE hFile) override { return Allow() && CFileSystem::SetEnd(hFile); }
    BOOL Flush(HANDLE hFile) override { return Allow() && CFileSystem::Flush(hFile); }
    BOOL GetSize(HANDLE hFile, LONGLONG* pnSize) override {
        return Allow() && CFileSystem::GetSize(hFile, pnSize);
    }
    void Close(HANDLE hFile) override {
        if (!Allow())
            return;
        CFileSystem::Close(hFile);
        m_handles.erase(std::find(m_handles.begin(), m_handles.end(), hFile));
    }
    BOOL Remove(const char* pszPath) override { return Allow() && CFileSystem::Remove(pszPath); }

  private:
    bool Allow() {
        if (!m_nAt)
            return true;
        ++m_nCalls;
        if (m_nCalls == m_nAt || (m_fault == crash && m_nCalls > m_nAt)) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        return true;
    }

    int m_nAt = 0;
    Fault m_fault = failOne;
    int m_nCalls = 0;
    std::vector<HANDLE> m_handles;
    std::vector<DWORD> m_creations;
};

// What a pad opening the file now shows, with the real file system.
std::string TextAPadWouldShow(const std::string& path) {
    CFile file;
    CString failed;
    if (LockPadFile(file, path.c_str()) != padLockExisting)
        return "<no pad>";
    PadRecoveryResult recovery = RecoverPadFile(file, path.c_str(), failed);
    if (recovery == padRecoveryReadFailed || recovery == padRecoveryWriteFailed)
        return "<no pad>";
    CString bytes;
    if (ReadPadFile(file, bytes) != padReadOk)
        return "<unreadable>";
    return std::string(bytes.GetString(), bytes.GetLength());
}

bool RecoveryFileLeft(const std::string& path) {
    return FileExists(std::string(RecoveryFilePath(path.c_str())));
}

// The text of the n-th pad a recovered text is kept in, or "<missing>".
std::string Kept(const std::string& path, int n = 1) {
    return FileText(std::string(RecoveredPadPath(path.c_str(), n)));
}

// A recovery file of the first format, which held the new text only, with its CRC-32.
std::string NewTextOnlyRecovery(const std::string& text) {
    DWORD crc = 0xFFFFFFFF;
    for (unsigned char ch : text) {
        crc ^= ch;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    const DWORD header[] = {static_cast<DWORD>(text.size()), ~crc};
    return "QLRECOV1" + std::string(reinterpret_cast<const char*>(header), sizeof header) + text;
}

class PadFileFaults : public testing::Test {
  protected:
    // Runs action on the pad file, opened on a file system that fails, or stops, at its N-th
    // call, for each fault and N from 1 until a run no longer reaches that call; check then
    // gets what the action returned and what a pad opening the file would show.
    void AtEveryStep(const std::function<void()>& setUp, const std::function<BOOL(CFile&)>& action,
                     const std::function<void(BOOL, const std::string&)>& check) {
        for (CFaultyFileSystem::Fault fault :
             {CFaultyFileSystem::failOne, CFaultyFileSystem::crash}) {
            for (int nAt = 1;; ++nAt) {
                SCOPED_TRACE((fault ? "crash at " : "fail at ") + std::to_string(nAt));
                setUp();
                BOOL bDone = FALSE;
                int nCalls = 0;
                {
                    CFaultyFileSystem fileSystem;
                    CFile file(fileSystem);
                    ASSERT_EQ(padLockExisting, LockPadFile(file, m_path.c_str()));
                    fileSystem.Arm(nAt, fault);
                    bDone = action(file);
                    nCalls = fileSystem.Calls();
                }
                check(bDone, TextAPadWouldShow(m_path));
                EXPECT_FALSE(RecoveryFileLeft(m_path));
                for (int n : {1, 2})
                    DeleteFileA(RecoveredPadPath(m_path.c_str(), n));
                if (nCalls < nAt)
                    break;
            }
        }
    }

    TempFolder m_folder;
    std::string m_path = m_folder.File("Faults.ql");
};

TEST_F(PadFileFaults, ASaveStoppedOrFailingAtAnyStepLeavesTheOldOrTheNewText) {
    const std::string shortText = "the old text\r\nof two lines";
    const std::string longText = shortText + "\r\nand a third, longer than the rest put together";
    for (const auto& save :
         {std::make_pair(shortText, longText), std::make_pair(longText, shortText)}) {
        AtEveryStep([&] { ASSERT_TRUE(WriteFileBytes(m_path, save.first)); },
                    [&](CFile& file) {
                        return SavePadFile(file, m_path.c_str(), save.first.c_str(),
                                           save.second.c_str());
                    },
                    [&](BOOL bSaved, const std::string& shown) {
                        if (bSaved)
                            EXPECT_EQ(save.second, shown);
                        else
                            EXPECT_TRUE(shown == save.first || shown == save.second) << shown;
                        // Whatever a crash left is never taken for another program's change.
                        EXPECT_EQ("<missing>", Kept(m_path));
                    });
    }
}

TEST_F(PadFileFaults, ALoadAfterACrashFinishesTheSaveWhereverItStopsItself) {
    const std::string oldText = "old text, whole";
    const std::string newText = "new text that the crash cut short, and longer";
    // The start rewritten and half the room for the longer text claimed: the save is
    // finished. Another program's change since stays, and the new text is kept beside it.
    const std::string cutShort =
        newText.substr(0, 10) + oldText.substr(10) + newText.substr(15, 12);
    for (const std::string& pad : {cutShort, std::string("changed by another program")}) {
        CString kept;
        AtEveryStep(
            [&] {
                ASSERT_TRUE(WriteFileBytes(m_path, pad));
                ASSERT_TRUE(WriteRecoveryFile(AfxGetFileSystem(), m_path.c_str(), oldText.c_str(),
                                              newText.c_str()));
            },
            [&](CFile& file) { return RecoverPadFile(file, m_path.c_str(), kept); },
            [&](BOOL, const std::string& shown) {
                EXPECT_EQ(pad == cutShort ? newText : pad, shown);
                // A crash may stop the first try at keeping it halfway.
                EXPECT_EQ(pad != cutShort, Kept(m_path) == newText || Kept(m_path, 2) == newText);
            });
    }
}

TEST_F(PadFileFaults, ARecoveredTextIsAppliedOnlyIfItIsAPadsTextAndNoOtherProgramChangedThePad) {
    const std::string oldText = "old text";
    const std::string newText = "new words, longer";
    const std::string edited = "changed by another program";
    const struct {
        const char* name;
        std::string pad;
        char format; // '1' the first, which held the new text only; 'R' the second, read-only
        std::string text;
        std::string shown;
        std::string kept;
        bool left;
    } cases[] = {
        {"the old text", oldText, '2', newText, newText, "<missing>", false},
        {"a mix a rewrite leaves", "new text", '2', newText, newText, "<missing>", false},
        {"read-only", oldText, 'R', newText, newText, "<missing>", false},
        {"changed since", edited, '2', newText, edited, newText, false},
        {"first format", edited, '1', newText, newText, "<missing>", false},
        {"first format, too much", edited, '1', std::string(40000, 'y'), edited, "<missing>", true},
        {"first format, a NUL", oldText, '1', std::string("a\0b", 3), oldText, "<missing>", true},
    };
    const std::string recovery(RecoveryFilePath(m_path.c_str()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes(m_path, c.pad));
        ASSERT_TRUE(c.format == '1' ? WriteFileBytes(recovery, NewTextOnlyRecovery(c.text))
                                    : WriteRecoveryFile(AfxGetFileSystem(), m_path.c_str(),
                                                        oldText.c_str(), c.text.c_str()));
        SetFileAttributesA(recovery.c_str(),
                           c.format == 'R' ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(c.shown, TextAPadWouldShow(m_path));
        EXPECT_EQ(c.kept, Kept(m_path));
        EXPECT_EQ(c.left, RecoveryFileLeft(m_path));
        DeleteFileA(RecoveredPadPath(m_path.c_str(), 1));
    }
}

TEST_F(PadFileFaults, AnIncompleteRecoveryFileIsDroppedAndThePadKeepsItsText) {
    ASSERT_TRUE(WriteFileBytes(m_path, "untouched"));
    ASSERT_TRUE(
        WriteRecoveryFile(AfxGetFileSystem(), m_path.c_str(), "untouched", "never finished"));
    std::string recovery;
    ASSERT_TRUE(ReadFileBytes(std::string(RecoveryFilePath(m_path.c_str())), recovery));
    for (size_t cut : {size_t(3), recovery.size() - 1}) {
        ASSERT_TRUE(
            WriteFileBytes(RecoveryFilePath(m_path.c_str()).GetString(), recovery.substr(0, cut)));
        EXPECT_EQ("untouched", TextAPadWouldShow(m_path));
        EXPECT_FALSE(RecoveryFileLeft(m_path));
    }
    // And no search for pads ever finds a recovery file, by its long name or its short one.
    ASSERT_TRUE(WriteFileBytes(RecoveryFilePath(m_path.c_str()).GetString(), recovery));
    ASSERT_TRUE(DeleteFileA(m_path.c_str()));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(m_folder.File("*.ql").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

// Refuses the first opens with an error, as a file that another process holds.
class CBusyFileSystem : public CFileSystem {
  public:
    CBusyFileSystem(int nRefusals, DWORD dwError) : m_nRefusals(nRefusals), m_dwError(dwError) {}
    HANDLE Open(const char* pszPath, DWORD dwAccess, DWORD dwShare, DWORD dwCreation) override {
        m_creations.push_back(dwCreation);
        if (static_cast<int>(m_creations.size()) <= m_nRefusals) {
            SetLastError(m_dwError);
            return INVALID_HANDLE_VALUE;
        }
        return CFileSystem::Open(pszPath, dwAccess, dwShare, dwCreation);
    }
    std::vector<DWORD> m_creations;

  private:
    int m_nRefusals;
    DWORD m_dwError;
};

TEST_F(PadFileFaults, AFileHeldForAMomentIsWaitedForAndNeverTruncated) {
    const struct {
        int refusals;
        DWORD error;
        PadLockResult result;
        size_t opens;
        // The pad's recovery file, held the same way.
        RecoveryState recovery;
    } cases[] = {
        {1, ERROR_SHARING_VIOLATION, padLockExisting, 2, recoveryValid},
        {9, ERROR_LOCK_VIOLATION, padLockExisting, 10, recoveryValid},
        // Held for longer than a moment: in use.
        {99, ERROR_SHARING_VIOLATION, padLockFailed, 10, recoveryUnreadable},
        // No wait for what waiting cannot mend.
        {9, ERROR_ACCESS_DENIED, padLockFailed, 1, recoveryUnreadable},
        {9, ERROR_PATH_NOT_FOUND, padLockFailed, 1, recoveryNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.refusals) + " refusals with " + std::to_string(c.error));
        ASSERT_TRUE(WriteFileBytes(m_path, "keep me"));
        CBusyFileSystem fileSystem(c.refusals, c.error);
        {
            CFile file(fileSystem);
            EXPECT_EQ(c.result, LockPadFile(file, m_path.c_str()));
        }
        EXPECT_EQ(c.opens, fileSystem.m_creations.size());
        EXPECT_EQ(std::vector<DWORD>(fileSystem.m_creations.size(), OPEN_ALWAYS),
                  fileSystem.m_creations);
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(m_path, bytes));
        EXPECT_EQ("keep me", bytes);

        ASSERT_TRUE(WriteRecoveryFile(AfxGetFileSystem(), m_path.c_str(), "keep me", "new"));
        CBusyFileSystem recoveryFileSystem(c.refusals, c.error);
        RecoveredSave save;
        EXPECT_EQ(c.recovery, ReadRecoveryFile(recoveryFileSystem, m_path.c_str(), save));
        EXPECT_EQ(c.opens, recoveryFileSystem.m_creations.size());
    }
}

} // namespace
