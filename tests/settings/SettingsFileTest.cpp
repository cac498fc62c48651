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

// A copy of Quillow.exe in a folder of its own, whose name may lie outside the ANSI code page,
// with a "Pads" folder beside it. The test reaches its files through the folder's short name.
class ProgramCopy {
  public:
    explicit ProgramCopy(const std::wstring& folderName)
        : m_folder(Widen(m_temp.Path()) + L"\\" + folderName) {
        wchar_t shortFolder[MAX_PATH + 1] = L"";
        if (CreateDirectoryW(m_folder.c_str(), NULL) &&
            CopyFileW(Widen(QuillowExePath()).c_str(), Exe().c_str(), TRUE) &&
            GetShortPathNameW(m_folder.c_str(), shortFolder, MAX_PATH))
            m_shortFolder = Narrow(shortFolder);
        m_ready = !m_shortFolder.empty() && CreateDirectoryA(File("Pads").c_str(), NULL);
    }
    // Under a name the ANSI API can remove along with the temporary folder.
    ~ProgramCopy() { MoveFileW(m_folder.c_str(), Widen(m_temp.File("copy")).c_str()); }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    bool Ready() const { return m_ready; }
    std::wstring Exe() const { return m_folder + L"\\Quillow.exe"; }
    std::string File(const std::string& name) const { return m_shortFolder + "\\" + name; }
    std::string Read(const std::string& name) const {
        std::string data;
        return ReadFileBytes(File(name), data) ? data : "<missing>";
    }

  private:
    TempFolder m_temp;
    std::wstring m_folder;
    std::string m_shortFolder;
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
        ASSERT_TRUE(WriteFileBytes(copy.File("Pads\\Beside.ql"), "text"));
        if (c.beside) {
            ASSERT_TRUE(WriteFileBytes(copy.File("QUILLOW.INI"), kPortableSettings));
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
                return copy.Read("QUILLOW.INI").find("NextUpdateReminder=") != std::string::npos;
            }));
            group.KillAll();
            EXPECT_EQ(windowsBefore, IniBytes());
        } else {
            EXPECT_TRUE(WaitUntil([] { return IniHasKey(kGlobalSection, "NextUpdateReminder"); }));
            EXPECT_EQ("<missing>", copy.Read("QUILLOW.INI"));
        }
    }
}

TEST(SettingsFile, APadWithNoProgramFolderStartsTheNextPadWithItsOwnProgram) {
    // The Windows folder's settings name the build's own folder; the copy must not use them.
    ScopedIni windowsIni;
    ProgramCopy copy(L"Own Copy");
    ASSERT_TRUE(copy.Ready());
    ASSERT_TRUE(WriteFileBytes(copy.File("QUILLOW.INI"), kPortableSettings));
    ASSERT_TRUE(WriteFileBytes(copy.File("Pads\\First.ql"), "text"));

    ProcessGroup group;
    const HWND first = WaitForTopWindow(group.StartExe(copy.Exe(), copy.File("Pads\\First.ql")),
                                        "#32770", "First.ql");
    ASSERT_TRUE(first);
    const std::vector<HWND> known = TopWindows(group);
    ASSERT_TRUE(PostSysCommand(first, ID_PAD_NEW));
    const HWND next = WaitForNewWindow(group, known, "#32770", nullptr);
    ASSERT_TRUE(next);
    EXPECT_PRED2(SamePath, Narrow(copy.Exe()), ProcessImagePath(ProcessOfWindow(next)));
    const std::string name = CaptionOf(next);
    EXPECT_TRUE(FileExists(copy.File("Pads\\" + name))) << name;
}
