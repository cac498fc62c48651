// The setup and the uninstaller, run for real under Wine as an administrator's script would
// (silently) and as a user would meet them while Quillow runs, and the program they install.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <map>

#include "res/Links.h"
#include "res/resource.h"
#include "tests/installer/InstallerSession.h"

using namespace driver;
using namespace installer_test;

namespace {

// The bytes of each file, by path; "<missing>" for a file that is not there.
std::map<std::string, std::string> Snapshot(const std::vector<std::string>& paths) {
    std::map<std::string, std::string> files;
    for (const std::string& path : paths) {
        std::string data;
        files[path] = ReadFileBytes(path, data) ? data : "<missing>";
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

    for (const char* name : {"Quillow.exe", "Quillow.htm", "Uninstall.exe", "QUILLOW.INI"})
        EXPECT_TRUE(FileExists(session.Installed(name))) << name;
    EXPECT_EQ(session.DefaultPadFolder(), session.Setting("HomeFolder"));
    EXPECT_TRUE(FolderExists(session.DefaultPadFolder()));
    EXPECT_EQ("<missing>", session.Setting("ProgramFolder"));

    const Shortcut quillow = ReadShortcut(ShortcutFolder() + "\\Quillow.lnk");
    EXPECT_TRUE(quillow.found);
    EXPECT_PRED2(SamePath, session.ProgramPath(), quillow.target);
    EXPECT_EQ("/tray", quillow.arguments);
    EXPECT_PRED2(SamePath, session.ProgramPath(), quillow.icon);
    const Shortcut help = ReadShortcut(ShortcutFolder() + "\\Quillow Help.lnk");
    EXPECT_TRUE(help.found);
    EXPECT_PRED2(SamePath, session.Installed("Quillow.htm"), help.target);

    std::string run;
    EXPECT_TRUE(ReadUserString(kRunKey, "Quillow", run));
    EXPECT_EQ("\"" + session.ProgramPath() + "\" /tray", run);

    const std::string uninstaller = "\"" + session.Installed("Uninstall.exe") + "\"";
    const std::map<std::string, std::string> strings = {
        {"DisplayName", "Quillow"},
        {"DisplayVersion", "2.30"},
        {"Publisher", "Marrowdale"},
        {"DisplayIcon", session.ProgramPath() + ",0"},
        {"InstallLocation", session.InstallFolder()},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
        {"URLInfoAbout", QUILLOW_HOME_PAGE_URL},
    };
    for (const auto& expected : strings) {
        std::string value = "<missing>";
        ReadUserString(kUninstallKey, expected.first, value);
        EXPECT_EQ(expected.second, value) << expected.first;
    }
    for (const char* flag : {"NoModify", "NoRepair"}) {
        DWORD value = 0;
        EXPECT_TRUE(ReadUserDword(kUninstallKey, flag, value) && value == 1) << flag;
    }
    DWORD size = 0;
    EXPECT_TRUE(ReadUserDword(kUninstallKey, "EstimatedSize", size));
    EXPECT_GT(size, 0u);
}

TEST(Installer, TheInstalledContentsWindowListsThePadFolderAndNewMakesAPadThere) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    ASSERT_TRUE(WriteFileBytes(session.DefaultPadFolder() + "\\Shopping.ql", "milk\r\n"));

    const DWORD contents = session.Group().StartExe(session.ProgramPath(), "/tray");
    const HWND window = WaitForTopWindow(contents, "#32770", "Quillow Contents");
    ASSERT_TRUE(window);
    EXPECT_EQ(std::vector<std::string>{"Shopping.ql"},
              ListBoxItems(ControlOf(window, IDC_CONTENTS_LIST)));

    // With no "ProgramFolder" the new pad runs the installed program, from the pad folder.
    const std::vector<HWND> known = TopWindows(session.Group());
    ASSERT_TRUE(ClickButton(window, IDC_CONTENTS_NEW));
    const HWND pad = WaitForNewWindow(session.Group(), known, "#32770", nullptr);
    ASSERT_TRUE(pad);
    EXPECT_PRED2(SamePath, session.ProgramPath(), ProcessImagePath(ProcessOfWindow(pad)));
    const std::string name = CaptionOf(pad);
    EXPECT_TRUE(WaitUntil([&] { return FileExists(session.DefaultPadFolder() + "\\" + name); }))
        << name;
}

TEST(Installer, AReinstallKeepsChangedSettingsEveryPadAndTheChoiceNotToStartAtLogon) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    TempFolder otherPads;
    ASSERT_TRUE(session.WriteSetting(kGlobalSection, "HomeFolder", otherPads.Path()));
    ASSERT_TRUE(session.WriteSetting(kGlobalSection, "BkColor", "255"));
    ASSERT_TRUE(session.WriteSetting("Shopping.ql", "Row", "40"));
    const std::vector<std::string> files = {
        session.SettingsPath(),
        otherPads.File("Shopping.ql"),
        session.DefaultPadFolder() + "\\Old.ql",
        session.Installed("Stray.ql"),
    };
    for (std::string::size_type i = 1; i < files.size(); ++i)
        ASSERT_TRUE(WriteFileBytes(files[i], "pad " + std::to_string(i) + "\r\n"));
    ASSERT_TRUE(DeleteUserValue(kRunKey, "Quillow"));
    const auto before = Snapshot(files);

    ASSERT_EQ(0u, session.Install());
    EXPECT_EQ(before, Snapshot(files));
    std::string run;
    EXPECT_FALSE(ReadUserString(kRunKey, "Quillow", run)) << run;
    EXPECT_TRUE(FileExists(session.ProgramPath()));
}

TEST(Installer, SetupAndUninstallerRefuseWhileTheInstalledProgramRunsAndChangeNothing) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    const DWORD pad =
        session.Group().StartExe(session.ProgramPath(), session.DefaultPadFolder() + "\\Open.ql");
    ASSERT_TRUE(WaitForTopWindow(pad, "#32770", "Open.ql"));
    // Two things a completed setup would put back.
    ASSERT_TRUE(DeleteFileA(session.Installed("Quillow.htm").c_str()));
    ASSERT_TRUE(DeleteUserValue(kRunKey, "Quillow"));
    const std::vector<std::string> files = {session.SettingsPath(), session.ProgramPath(),
                                            session.Installed("Quillow.htm"),
                                            ShortcutFolder() + "\\Quillow.lnk"};
    const auto before = Snapshot(files);

    EXPECT_EQ(2u, session.Install());
    EXPECT_EQ(2u, session.Uninstall());
    EXPECT_EQ(before, Snapshot(files));
    std::string run;
    EXPECT_FALSE(ReadUserString(kRunKey, "Quillow", run)) << run;
    EXPECT_TRUE(UserKeyExists(kUninstallKey));

    // A user is told, and offered Retry and Cancel; Cancel ends setup before any change.
    const DWORD setup = session.Group().StartExe(SetupPath(), "");
    const HWND box = WaitForMessageBox(setup);
    ASSERT_TRUE(box);
    EXPECT_EQ(0u, MessageBoxText(box).find("Quillow is running."));
    EXPECT_EQ((std::vector<int>{IDRETRY, IDCANCEL}), MessageBoxButtons(box));
    ASSERT_TRUE(AnswerMessageBox(box, IDCANCEL));
    EXPECT_TRUE(session.Group().WaitForExit(setup, kWaitMs));
    EXPECT_EQ(2u, session.Group().ExitCode(setup));
    EXPECT_EQ(before, Snapshot(files));
}

TEST(Installer, ASilentUninstallRemovesProgramShortcutsAndValuesButKeepsEveryPadAndTheSettings) {
    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    // Pads in the pad folder, in a pad folder inside the install folder, and in the install
    // folder itself.
    ASSERT_TRUE(CreateDirectoryA(session.Installed("Pads").c_str(), NULL));
    const std::vector<std::string> kept = {
        session.DefaultPadFolder() + "\\Shopping.ql",
        session.Installed("Pads\\Inside.ql"),
        session.Installed("Beside.ql"),
    };
    for (const std::string& path : kept)
        ASSERT_TRUE(WriteFileBytes(path, "text\r\n"));
    std::vector<std::string> keptWithSettings = kept;
    keptWithSettings.push_back(session.SettingsPath());
    const auto before = Snapshot(keptWithSettings);

    ASSERT_EQ(0u, session.Uninstall());
    for (const char* name : {"Quillow.exe", "Quillow.htm"})
        EXPECT_FALSE(FileExists(session.Installed(name))) << name;
    EXPECT_FALSE(FolderExists(ShortcutFolder()));
    std::string run;
    EXPECT_FALSE(ReadUserString(kRunKey, "Quillow", run)) << run;
    EXPECT_FALSE(UserKeyExists(kUninstallKey));
    EXPECT_EQ(before, Snapshot(keptWithSettings));
}

TEST(Installer, AFirstInstallCarriesOverTheEarlierSettingsPreferringTheVirtualStoresCopy) {
    char localAppData[MAX_PATH + 1] = "";
    ASSERT_EQ(S_OK,
              SHGetFolderPathA(NULL, CSIDL_LOCAL_APPDATA, NULL, SHGFP_TYPE_CURRENT, localAppData));
    char windowsFolder[MAX_PATH + 1] = "";
    ASSERT_TRUE(GetWindowsDirectoryA(windowsFolder, sizeof windowsFolder));
    TempFolder oldPads;
    const ScopedFile virtualStore(
        std::string(localAppData) + "\\VirtualStore\\Windows\\QUILLOW.INI",
        "[Quillow Contents]\r\nProgramFolder=C:\\Old\r\nHomeFolder=" + oldPads.Path() +
            "\r\nBkColor=255\r\n[Shopping.ql]\r\nRow=40\r\n");
    const ScopedFile windows(std::string(windowsFolder) + "\\QUILLOW.INI",
                             "[Quillow Contents]\r\nHomeFolder=C:\\Elsewhere\r\n");
    ASSERT_TRUE(virtualStore.Written() && windows.Written());

    InstallerSession session;
    ASSERT_EQ(0u, session.Install());
    EXPECT_EQ(oldPads.Path(), session.Setting("HomeFolder"));
    EXPECT_EQ("<missing>", session.Setting("ProgramFolder"));
    EXPECT_EQ("255", session.Setting("BkColor"));
    EXPECT_EQ(40, GetPrivateProfileIntA("Shopping.ql", "Row", 0, session.SettingsPath().c_str()));
}
