// Which settings file Quillow uses, and which program starts its next pad, seen on a copy of
// Quillow.exe in a folder of its own: a QUILLOW.INI beside the build's own Quillow.exe would
// redirect every other test.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/driver/Driver.h"

using namespace driver;

namespace {

// The settings of the portable copy: pads in "Pads" beside the program.
const char kPortableSettings[] = "[Quillow Contents]\r\nHomeFolder=Pads\r\n";

bool WriteWide(const std::wstring& path, const std::string& data) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, NULL);
    CloseHandle(file);
    return ok && written == data.size();
}

std::string ReadWide(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string data;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, NULL) && read > 0)
        data.append(chunk, read);
    CloseHandle(file);
    return data;
}

void RemoveTreeWide(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTreeWide(folder + L"\\" + name);
            else
                DeleteFileW((folder + L"\\" + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// A copy of Quillow.exe in a folder of its own, with pads beside it in "Pads". The folder's name
// may lie outside the ANSI code page.
class ProgramCopy {
  public:
    explicit ProgramCopy(const std::wstring& folderName)
        : m_folder(Widen(m_temp.Path()) + L"\\" + folderName),
          m_ready(CreateDirectoryW(m_folder.c_str(), NULL) &&
                  CreateDirectoryW(File(L"Pads").c_str(), NULL) &&
                  CopyFileW(Widen(QuillowExePath()).c_str(), Exe().c_str(), TRUE)) {}
    ~ProgramCopy() { RemoveTreeWide(m_folder); }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    bool Ready() const { return m_ready; }
    std::wstring Exe() const { return File(L"Quillow.exe"); }
    std::wstring File(const std::wstring& name) const { return m_folder + L"\\" + name; }

  private:
    TempFolder m_temp;
    std::wstring m_folder;
    bool m_ready;
};

std::string IniBytes() {
    std::string data;
    return ReadFileBytes(IniPath(), data) ? data : "<missing>";
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

} // namespace

TEST(SettingsFile, AFileBesideTheProgramWinsOverTheWindowsFoldersWhichIsThenLeftAlone) {
    const struct {
        std::wstring folderName;
        bool beside;
    } cases[] = {
        {L"Own Copy", true},
        // Reached through the folder's short name, which the code page holds.
        {L"\u03A9mega Copy", true},
        {L"Own Copy", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.folderName) + (c.beside ? ", settings beside" : ", none beside"));
        TempFolder windowsHome;
        ScopedIni windowsIni(windowsHome.Path());
        ASSERT_TRUE(WriteFileBytes(windowsHome.File("Windows.ql"), "text"));
        ProgramCopy copy(c.folderName);
        ASSERT_TRUE(copy.Ready());
        ASSERT_TRUE(WriteWide(copy.File(L"Pads\\Beside.ql"), "text"));
        if (c.beside) {
            ASSERT_TRUE(WriteWide(copy.File(L"QUILLOW.INI"), kPortableSettings));
        }
        const std::string windowsBefore = IniBytes();

        ProcessGroup group;
        const HWND window =
            WaitForTopWindow(group.StartExe(copy.Exe(), "/tray"), "#32770", "Quillow Contents");
        ASSERT_TRUE(window);
        EXPECT_EQ(std::vector<std::string>{c.beside ? "Beside.ql" : "Windows.ql"},
                  ListBoxItems(ControlOf(window, IDC_CONTENTS_LIST)));
        // The first start schedules the update reminder in the file in use.
        if (c.beside) {
            EXPECT_TRUE(WaitUntil([&] {
                return ReadWide(copy.File(L"QUILLOW.INI")).find("NextUpdateReminder=") !=
                       std::string::npos;
            }));
            group.KillAll();
            EXPECT_EQ(windowsBefore, IniBytes());
        } else {
            EXPECT_TRUE(WaitUntil([] { return IniHasKey(kGlobalSection, "NextUpdateReminder"); }));
            EXPECT_EQ("<missing>", ReadWide(copy.File(L"QUILLOW.INI")));
        }
    }
}

TEST(SettingsFile, APadWithNoProgramFolderStartsTheNextPadWithItsOwnProgram) {
    // The Windows folder's settings name the build's own folder; the copy must not use them.
    ScopedIni windowsIni;
    ProgramCopy copy(L"Own Copy");
    ASSERT_TRUE(copy.Ready());
    ASSERT_TRUE(WriteWide(copy.File(L"QUILLOW.INI"), kPortableSettings));
    ASSERT_TRUE(WriteWide(copy.File(L"Pads\\First.ql"), "text"));

    ProcessGroup group;
    const HWND first = WaitForTopWindow(
        group.StartExe(copy.Exe(), "\"" + Narrow(copy.File(L"Pads\\First.ql")) + "\""), "#32770",
        "First.ql");
    ASSERT_TRUE(first);
    const std::vector<HWND> known = TopWindows(group);
    ASSERT_TRUE(PostSysCommand(first, ID_PAD_NEW));
    const HWND next = WaitForNewWindow(group, known, "#32770", nullptr);
    ASSERT_TRUE(next);
    EXPECT_PRED2(SamePath, Narrow(copy.Exe()), ProcessImagePath(ProcessOfWindow(next)));
    const std::string name = CaptionOf(next);
    EXPECT_TRUE(WaitUntil([&] {
        return ReadWide(copy.File(L"Pads\\" + Widen(name))) != "<missing>";
    })) << name;
}
