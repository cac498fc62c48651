// Starting pad processes for real: a recorder program built as Quillow.exe stands in for
// the program and writes down how it was started.
#include <gtest/gtest.h>

#include <thread>

#include "framework/CWinApp.h"
#include "launch/PadLauncher.h"
#include "padfile/PadFiles.h"
#include "res/Links.h"
#include "settings/SettingsKeys.h"
#include "tests/driver/Driver.h"
#include "tests/settings/SettingsTestSupport.h"

using namespace driver;
using namespace settings_test;

namespace {

std::string RecorderFolder() { return ExeFolder() + "\\recorder"; }
std::string RecordPath() { return RecorderFolder() + "\\recorded.txt"; }

// What the recorder wrote: its raw command line, the arguments after the program name and
// its current folder.
struct Record {
    std::string commandLine;
    std::string arguments;
    std::string currentFolder;
};

bool WaitForRecord(Record& record) {
    std::string data;
    if (!WaitUntil([&] { return ReadFileBytes(RecordPath(), data); }))
        return false;
    std::string* lines[] = {&record.commandLine, &record.arguments, &record.currentFolder};
    size_t start = 0;
    for (std::string* line : lines) {
        const size_t end = data.find("\r\n", start);
        if (end == std::string::npos)
            return false;
        *line = data.substr(start, end - start);
        start = end + 2;
    }
    return true;
}

// A launcher test: a settings file whose "ProgramFolder" is the recorder's folder, and no
// record left over from an earlier launch.
class PadLauncher : public testing::Test {
  protected:
    void SetUp() override {
        IniSetString(kGlobalSection, KEY_PROGRAM_FOLDER, RecorderFolder());
        DeleteFileA(RecordPath().c_str());
    }
    void TearDown() override { DeleteFileA(RecordPath().c_str()); }

    ScopedIni m_ini;
};

// LaunchPad blocks in its message box, so it runs on a thread of its own while the test
// reads and answers the box.
struct FailedLaunch {
    bool result = true;
    SeenMessageBox box;
};

FailedLaunch LaunchExpectingFailure(const char* path) {
    FailedLaunch launch;
    std::thread launcher([&] { launch.result = LaunchPad(NULL, path); });
    launch.box = AnswerNextMessageBox(GetCurrentProcessId(), IDOK, 40000);
    launcher.join();
    return launch;
}

std::string LaunchFailureText(const std::string& folder, int code) {
    return "Unable to start \"" + folder +
           "\\Quillow.exe\". Please re-install Quillow. You can download Quillow from " +
           QUILLOW_HOME_PAGE_URL + ".\n\nError code = " + std::to_string(code) + ".";
}

} // namespace

TEST_F(PadLauncher, ThePathArrivesUnquotedAndUnchangedAfterOneBackslashAndTheProgram) {
    const std::string path = "C:\\Pads\\Monday, 03-02-98 at 10-15-30PM.ql";
    const struct {
        std::string storedFolder;
        std::string path;
        std::string sent;
    } cases[] = {
        {RecorderFolder(), path, path},
        // A stored trailing backslash is not doubled.
        {RecorderFolder() + "\\", "Shopping.ql", "Shopping.ql"},
        // An empty path gives the new process an empty argument string.
        {RecorderFolder(), "", ""},
        // Quoted only where the new process would otherwise change the path: it skips leading
        // blanks and takes off one pair of quotes.
        {RecorderFolder(), " Notes.ql", "\" Notes.ql\""},
        {RecorderFolder(), "\"Notes.ql\"", "\"\"Notes.ql\"\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.storedFolder + " " + c.path);
        DeleteFileA(RecordPath().c_str());
        IniSetString(kGlobalSection, KEY_PROGRAM_FOLDER, c.storedFolder);
        ASSERT_TRUE(LaunchPad(NULL, c.path.c_str()));
        Record record;
        ASSERT_TRUE(WaitForRecord(record));
        EXPECT_EQ("\"" + RecorderFolder() + "\\Quillow.exe\" " + c.sent, record.commandLine);
        EXPECT_EQ(c.sent, record.arguments);
        EXPECT_EQ(c.path, std::string(StripQuotes(record.arguments.c_str())));
    }
}

TEST_F(PadLauncher, ABareNameIsResolvedInTheLaunchersCurrentFolder) {
    TempFolder home;
    CurrentFolderGuard leaveHomeBeforeItGoes;
    ASSERT_TRUE(SetCurrentDirectoryA(home.Path().c_str()));
    ASSERT_TRUE(LaunchPad(NULL, "Shopping.ql"));
    Record record;
    ASSERT_TRUE(WaitForRecord(record));
    EXPECT_EQ("Shopping.ql", record.arguments);
    EXPECT_TRUE(SameFolder(home.Path(), record.currentFolder)) << record.currentFolder;
}

TEST_F(PadLauncher, AFailedStartIsReportedWithItsFolderAndTheCodeAsWinExecGaveIt) {
    TempFolder emptyFolder;
    TempFolder folderInItsPlace;
    ASSERT_TRUE(CreateDirectoryA(folderInItsPlace.File("Quillow.exe").c_str(), NULL));
    TempFolder notAProgram;
    ASSERT_TRUE(WriteFileBytes(notAProgram.File("Quillow.exe"), "not a program\r\n"));
    const struct {
        std::string folder;
        int code;
    } cases[] = {
        {emptyFolder.Path(), ERROR_FILE_NOT_FOUND},
        // System codes below 32 are shown as they are...
        {folderInItsPlace.Path(), ERROR_ACCESS_DENIED},
        // ...and every other one (here ERROR_BAD_EXE_FORMAT) as ERROR_BAD_FORMAT.
        {notAProgram.Path(), ERROR_BAD_FORMAT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        IniSetString(kGlobalSection, KEY_PROGRAM_FOLDER, c.folder + "\\");
        const FailedLaunch launch = LaunchExpectingFailure("Shopping.ql");
        EXPECT_FALSE(launch.result);
        EXPECT_EQ(LaunchFailureText(c.folder, c.code), launch.box.text);
        EXPECT_EQ("Quillow", launch.box.caption);
        EXPECT_EQ(std::vector<int>{IDOK}, launch.box.buttons);
        EXPECT_FALSE(launch.box.icon);
    }
}

TEST_F(PadLauncher, AVeryLongProgramFolderIsShownWholeInTheFailureMessage) {
    const std::string folder = "C:\\" + std::string(1200, 'q');
    IniSetString(kGlobalSection, KEY_PROGRAM_FOLDER, folder);
    const FailedLaunch launch = LaunchExpectingFailure("Shopping.ql");
    EXPECT_FALSE(launch.result);
    const std::string start = LaunchFailureText(folder, 0);
    const std::string expectedStart = start.substr(0, start.rfind("Error code = "));
    EXPECT_EQ(expectedStart, launch.box.text.substr(0, expectedStart.size()));
    EXPECT_EQ(".", launch.box.text.substr(launch.box.text.size() - 1));
}
