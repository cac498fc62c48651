// The setup and the uninstaller, run for real under Wine as an administrator's script would
// (silently) and as a user meets them while Quillow runs, and the program they install.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <map>
#include <vector>

#include "res/Links.h"
#include "res/resource.h"
#include "tests/installer/InstallerSession.h"

using namespace driver;
using namespace installer_test;

namespace {

// The bytes of each file, by path; kMissing for a file that is not there.
std::map<std::string, std::string> Snapshot(const std::vector<std::string>& paths) {
    std::map<std::string, std::string> files;
    for (const std::string& path : paths) {
        std::string data;
        files[path] = ReadFileBytes(path, data) ? data : kMissing;
    }
    return files;
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

} // namespace

TEST(Installer, ASilentInstallPutsProgramSettingsShortcutsAndRegistryValuesInPlace) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());

    for (const char* name : {"Quillow.exe", "Quillow.htm", "Uninstall.exe"})
        EXPECT_TRUE(FileExists(session.Installed(name))) << name;
    EXPECT_EQ(session.PadFolder(), Setting(session.Settings(), "HomeFolder"));
    EXPECT_EQ(kMissing, Setting(session.Settings(), "ProgramFolder"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(session.PadFolder().c_str()));

    EXPECT_PRED2(SamePath, session.Program() + " /tray",
                 ShortcutCommand(ShortcutFolder() + "\\Quillow.lnk"));
    EXPECT_PRED2(SamePath, session.Installed("Quillow.htm") + " ",
                 ShortcutCommand(ShortcutFolder() + "\\Quillow Help.lnk"));
    EXPECT_EQ("\"" + session.Program() + "\" /tray", UserString(kRunKey, "Quillow"));

    const std::string uninstaller = "\"" + session.Installed("Uninstall.exe") + "\"";
    const std::map<std::string, std::string> strings = {
        {"DisplayName", "Quillow"},
        {"DisplayVersion", "2.30"},
        {"Publisher", "Marrowdale"},
        {"DisplayIcon", session.Program() + ",0"},
        {"InstallLocation", session.Folder()},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
        {"URLInfoAbout", QUILLOW_HOME_PAGE_URL},
    };
    for (const auto& expected : strings)
        EXPECT_EQ(expected.second, UserString(kUninstallKey, expected.first)) << expected.first;
    EXPECT_EQ(1u, UserDword(kUninstallKey, "NoModify"));
    EXPECT_EQ(1u, UserDword(kUninstallKey, "NoRepair"));
    EXPECT_LT(0u, UserDword(kUninstallKey, "EstimatedSize"));
}

TEST(Installer, TheInstalledContentsWindowListsThePadFolderAndNewMakesAPadThere) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    ASSERT_TRUE(WriteFileBytes(session.PadFolder() + "\\Shopping.ql", "milk\r\n"));

    const DWORD contents = session.Group().StartExe(session.Program(), "/tray");
    const HWND window = WaitForTopWindow(contents, "#32770", "Quillow Contents");
    ASSERT_TRUE(window);
    EXPECT_EQ(std::vector<std::string>{"Shopping.ql"},
              ListBoxItems(ControlOf(window, IDC_CONTENTS_LIST)));

    // With no "ProgramFolder" the new pad runs the installed program.
    const std::vector<HWND> known = TopWindows(session.Group());
    ASSERT_TRUE(ClickButton(window, IDC_CONTENTS_NEW));
    const HWND pad = WaitForNewWindow(session.Group(), known, "#32770", nullptr);
    ASSERT_TRUE(pad);
    EXPECT_PRED2(SamePath, session.Program(), ProcessImagePath(ProcessOfWindow(pad)));
    EXPECT_TRUE(FileExists(session.PadFolder() + "\\" + CaptionOf(pad)));
}

TEST(Installer, AReinstallKeepsChangedSettingsEveryPadAndTheChoiceNotToStartAtLogon) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    TempFolder otherPads;
    const std::string ini = session.Settings();
    ASSERT_TRUE(WritePrivateProfileStringA(kGlobalSection, "HomeFolder", otherPads.Path().c_str(),
                                           ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Shopping.ql", "Row", "40", ini.c_str()));
    WritePrivateProfileStringA(NULL, NULL, NULL, ini.c_str());
    const std::vector<std::string> files = {ini, otherPads.File("Shopping.ql"),
                                            session.PadFolder() + "\\Old.ql",
                                            session.Installed("Stray.ql")};
    for (size_t i = 1; i < files.size(); ++i)
        ASSERT_TRUE(WriteFileBytes(files[i], "pad " + std::to_string(i) + "\r\n"));
    ASSERT_EQ(ERROR_SUCCESS, SHDeleteValueA(HKEY_CURRENT_USER, kRunKey, "Quillow"));
    const auto before = Snapshot(files);

    ASSERT_EQ(0u, session.Install());
    EXPECT_EQ(before, Snapshot(files));
    EXPECT_EQ(kMissing, UserString(kRunKey, "Quillow"));
}

TEST(Installer, SetupAndUninstallerRefuseWhileTheInstalledProgramRunsAndChangeNothing) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    const DWORD pad =
        session.Group().StartExe(session.Program(), session.PadFolder() + "\\Open.ql");
    ASSERT_TRUE(WaitForTopWindow(pad, "#32770", "Open.ql"));
    // Two things a completed setup would put back.
    ASSERT_TRUE(DeleteFileA(session.Installed("Quillow.htm").c_str()));
    ASSERT_EQ(ERROR_SUCCESS, SHDeleteValueA(HKEY_CURRENT_USER, kRunKey, "Quillow"));
    const std::vector<std::string> files = {session.Settings(), session.Program(),
                                            session.Installed("Quillow.htm"),
                                            ShortcutFolder() + "\\Quillow.lnk"};
    const auto before = Snapshot(files);

    EXPECT_EQ(2u, session.Install());
    EXPECT_EQ(2u, session.Uninstall());
    // A user is told, and offered Retry and Cancel; Cancel ends setup.
    const DWORD setup = session.Group().StartExe(SetupPath(), "");
    const HWND box = WaitForMessageBox(setup);
    ASSERT_TRUE(box);
    EXPECT_EQ(0u, MessageBoxText(box).find("Quillow is running."));
    EXPECT_EQ((std::vector<int>{IDRETRY, IDCANCEL}), MessageBoxButtons(box));
    ASSERT_TRUE(AnswerMessageBox(box, IDCANCEL));
    EXPECT_TRUE(session.Group().WaitForExit(setup, kWaitMs));
    EXPECT_EQ(2u, session.Group().ExitCode(setup));

    EXPECT_EQ(before, Snapshot(files));
    EXPECT_EQ(kMissing, UserString(kRunKey, "Quillow"));
    EXPECT_EQ(session.Folder(), UserString(kUninstallKey, "InstallLocation"));
}

TEST(Installer, ASilentUninstallRemovesProgramShortcutsAndValuesButKeepsEveryPadAndTheSettings) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    // Pads in the pad folder, in a pad folder inside the install folder, and beside the program.
    ASSERT_TRUE(CreateDirectoryA(session.Installed("Pads").c_str(), NULL));
    const std::vector<std::string> kept = {session.Settings(), session.PadFolder() + "\\A.ql",
                                           session.Installed("Pads\\B.ql"),
                                           session.Installed("C.ql")};
    for (size_t i = 1; i < kept.size(); ++i)
        ASSERT_TRUE(WriteFileBytes(kept[i], "text\r\n"));
    const auto before = Snapshot(kept);

    ASSERT_EQ(0u, session.Uninstall());
    EXPECT_FALSE(FileExists(session.Program()));
    EXPECT_FALSE(FileExists(session.Installed("Quillow.htm")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ShortcutFolder().c_str()));
    EXPECT_EQ(kMissing, UserString(kRunKey, "Quillow"));
    EXPECT_EQ(kMissing, UserString(kUninstallKey, "DisplayName"));
    EXPECT_EQ(before, Snapshot(kept));
}

TEST(Installer, AFirstInstallCarriesOverTheEarlierSettingsPreferringTheVirtualStoresCopy) {
    char localAppData[MAX_PATH + 1] = "";
    ASSERT_EQ(S_OK, SHGetFolderPathA(NULL, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, NULL,
                                     SHGFP_TYPE_CURRENT, localAppData));
    const std::string store = std::string(localAppData) + "\\VirtualStore";
    CreateDirectoryA(store.c_str(), NULL);
    CreateDirectoryA((store + "\\Windows").c_str(), NULL);
    const std::string virtualCopy = store + "\\Windows\\QUILLOW.INI";
    TempFolder oldPads;
    ASSERT_TRUE(WriteFileBytes(virtualCopy, "[Quillow Contents]\r\nProgramFolder=C:\\Old\r\n"
                                            "HomeFolder=" +
                                                oldPads.Path() +
                                                "\r\n[Shopping.ql]\r\nRow=40\r\n"));
    ScopedIni windowsCopy("C:\\Elsewhere");

    InstallerSession session;
    const DWORD exitCode = session.Install();
    DeleteFileA(virtualCopy.c_str());
    RemoveDirectoryA((store + "\\Windows").c_str());
    RemoveDirectoryA(store.c_str());
    ASSERT_EQ(0u, exitCode);
    EXPECT_EQ(oldPads.Path(), Setting(session.Settings(), "HomeFolder"));
    EXPECT_EQ(kMissing, Setting(session.Settings(), "ProgramFolder"));
    EXPECT_EQ(40, GetPrivateProfileIntA("Shopping.ql", "Row", 0, session.Settings().c_str()));
}
