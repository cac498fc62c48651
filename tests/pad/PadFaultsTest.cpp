// A pad's note against what a careful user and other programs on the same machine do: a file
// that another program reads while the pad starts, or a sync client replaces, odd files and
// names, a text longer than a pad can open again, and many pads closing at once.
#include <atomic>
#include <thread>

#include "framework/CFileSystem.h"
#include "padfile/PadRecovery.h"
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::ExpectMessageBox;
using padtest::Pad;

namespace {

class PadFaults : public padtest::PadEndToEndTest {};

TEST_F(PadFaults, APadStartedWhileAnotherProgramReadsItsFileNeverEmptiesIt) {
    const std::string text = "a note that a backup program keeps reading";
    const std::string path = m_home.File("Busy.ql");
    ASSERT_TRUE(WriteFileBytes(path, text));
    // Opens and closes the file in a loop, refusing writers while it has it open.
    std::atomic<bool> stop(false);
    std::thread reader([&] {
        while (!stop) {
            HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
            if (file != INVALID_HANDLE_VALUE)
                CloseHandle(file);
        }
    });
    int loaded = 0;
    for (int start = 0; start < 10; ++start) {
        const DWORD pid = m_group.Start(path);
        HWND window = NULL;
        HWND box = NULL;
        ASSERT_TRUE(WaitUntil([&] {
            window = FindTopWindow(pid, "#32770", "Busy.ql");
            box = FindMessageBox(pid);
            return window || box;
        }));
        // A pad may find the file held for longer than it waits; it must never empty it.
        if (box) {
            ASSERT_TRUE(AnswerMessageBox(box, IDNO));
        } else {
            loaded += WindowText(ControlOf(window, IDC_PAD_EDIT)) == text;
            ASSERT_TRUE(PostClose(window));
        }
        ASSERT_TRUE(m_group.WaitForExit(pid, kWaitMs));
        ASSERT_EQ(text, FileText(path)) << "after start " << start;
    }
    stop = true;
    reader.join();
    EXPECT_GT(loaded, 0);
}

TEST_F(PadFaults, AnEditMadeElsewhereAfterACutShortSaveStaysAndTheSavedTextBecomesAPadOfItsOwn) {
    const std::string path = m_home.File("Edited.ql");
    ASSERT_TRUE(
        WriteRecoveryFile(AfxGetFileSystem(), path.c_str(), "the old note", "the new note"));
    ASSERT_TRUE(WriteFileBytes(m_home.File("Edited (recovered).ql"), "an earlier one"));
    ASSERT_TRUE(WriteFileBytes(path, "changed in another program"));
    const DWORD pid = m_group.Start(path);
    HWND box = ExpectMessageBox(
        pid,
        "Another program changed Edited.ql after a save of it was cut short. Quillow leaves "
        "Edited.ql as it is and keeps the text it was saving in Edited (recovered 2).ql.",
        {IDOK});
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    HWND window = WaitForTopWindow(pid, "#32770", "Edited.ql");
    ASSERT_TRUE(window);
    EXPECT_EQ("changed in another program", WindowText(ControlOf(window, IDC_PAD_EDIT)));
    EXPECT_FALSE(FileExists(std::string(RecoveryFilePath(path.c_str()))));
    EXPECT_EQ("an earlier one", FileText(m_home.File("Edited (recovered).ql")));
    EXPECT_EQ("the new note", FileText(m_home.File("Edited (recovered 2).ql")));
}

TEST_F(PadFaults, ARecoveryFileThatCannotBeReadNowNeverLocksThePadOut) {
    const std::string path = m_home.File("Held.ql");
    const std::string recovery(RecoveryFilePath(path.c_str()));
    // A folder can never be a recovery file: it is left alone.
    ASSERT_TRUE(CreateDirectoryA(recovery.c_str(), NULL));
    Pad pad = OpenPadOn("Held.ql", "the note");
    ASSERT_TRUE(pad.window);
    EXPECT_EQ("the note", WindowText(pad.edit));
    ASSERT_TRUE(ClosePad(pad));
    ASSERT_TRUE(RemoveDirectoryA(recovery.c_str()));
    // One held for longer than a moment (a shorter hold is waited for) is what the message
    // names.
    ASSERT_TRUE(WriteRecoveryFile(AfxGetFileSystem(), path.c_str(), "the note", "saved"));
    HANDLE held = CreateFileA(recovery.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    const DWORD pid = m_group.Start(path);
    HWND box =
        ExpectMessageBox(pid, "Unable to read Held.ql.recovery.\n\nError code = 32.", {IDOK});
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(m_group.WaitForExit(pid, kWaitMs));
    CloseHandle(held);
    EXPECT_EQ("the note", FileText(path));
    EXPECT_TRUE(FileExists(recovery));
}

TEST_F(PadFaults, AFileThatIsNoPlainTextIsRefusedAndLeftAlone) {
    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"Huge.ql", std::string(32768, 'y') + "\n", "Huge.ql is too large for Quillow to open."},
        {"Binary.ql", std::string("\0PK\x03\x04", 5),
         "Binary.ql is not a plain-text pad, so Quillow does not open it."},
        {"Cut.ql", std::string("before\0after", 12),
         "Cut.ql is not a plain-text pad, so Quillow does not open it."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = m_home.File(c.name);
        ASSERT_TRUE(WriteFileBytes(path, c.bytes));
        const DWORD pid = m_group.Start(path);
        HWND box = ExpectMessageBox(pid, c.message, {IDOK});
        ASSERT_TRUE(box);
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
        ASSERT_TRUE(m_group.WaitForExit(pid, kWaitMs));
        EXPECT_EQ(c.bytes, FileText(path));
        EXPECT_FALSE(IniHasSection(c.name));
    }
}

TEST_F(PadFaults, APadActsOnTheFileItOpenedWhereverItsCurrentFolderGoes) {
    // Without a home folder a new pad goes to the Desktop folder in the Windows folder, which
    // the pad that makes it enters; that folder holds a pad of the same name.
    IniDeleteKey(kGlobalSection, "HomeFolder");
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string desktop = std::string(windows) + "\\Desktop";
    const bool madeDesktop = CreateDirectoryA(desktop.c_str(), NULL) != FALSE;
    const std::string other = desktop + "\\Same.ql";
    ASSERT_TRUE(WriteFileBytes(other, "the other note"));
    ASSERT_TRUE(WriteFileBytes(m_home.File("Same.ql"), "mine"));

    Pad pad;
    pad.pid = m_group.Start("Same.ql", m_home.Path());
    pad.window = WaitForTopWindow(pad.pid, "#32770", "Same.ql");
    ASSERT_TRUE(pad.window);
    WindowQuery everyWindow;
    everyWindow.includeHidden = true;
    const std::vector<HWND> known = TopWindows(m_group, everyWindow);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_NEW));
    HWND fresh = WaitForNewWindow(m_group, known, "#32770", nullptr);
    ASSERT_TRUE(fresh);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ERASE));
    HWND box = ExpectMessageBox(pad.pid, "Erase Same.ql?", {IDYES, IDNO});
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(m_group.WaitForExit(pad.pid, kWaitMs));
    EXPECT_FALSE(FileExists(m_home.File("Same.ql")));
    EXPECT_EQ("the other note", FileText(other));

    ASSERT_TRUE(PostClose(fresh));
    m_group.WaitForAllExit(kWaitMs);
    DeleteFileA(other.c_str());
    if (madeDesktop)
        RemoveDirectoryA(desktop.c_str());
}

TEST_F(PadFaults, ANameTheFileSystemShortensTakesTheNameOfTheFileItOpens) {
    Pad pad = OpenPad(m_home.File("Dots.ql.. "), "Dots.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, "typed"));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("typed", FileText(m_home.File("Dots.ql")));
    EXPECT_TRUE(IniHasKey("Dots.ql", "Row"));
}

// Lines of text up to exactly this many bytes.
std::string TextOfLength(size_t length) {
    std::string text;
    while (text.size() < length)
        text += "a line of text that a pad wraps quickly\r\n";
    text.resize(length);
    return text;
}

TEST_F(PadFaults, ATextLongerThanAPadCanOpenIsNotSavedAndTheUserIsToldHowMuchMustGo) {
    const std::string bytes = TextOfLength(32760);
    Pad pad = OpenPadOn("Long.ql", bytes);
    ASSERT_TRUE(pad.window);
    // Text that arrives other than by typing can pass the edit's own limit.
    DWORD_PTR result = 0;
    ASSERT_TRUE(
        SendMessageTimeoutA(pad.edit, EM_SETLIMITTEXT, 40000, 0, SMTO_NORMAL, kWaitMs, &result));
    ASSERT_TRUE(TypeText(pad.edit, "0123456789"));
    ASSERT_TRUE(TakeFocusAway());
    HWND box = ExpectMessageBox(
        pad.pid,
        "Unable to save Long.ql: the text is 2 bytes longer than a pad can hold. Delete at least "
        "that much and try again.\n\nThe text stays in the window; Quillow tries again when you "
        "next leave it.",
        {IDOK});
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_EQ(bytes, FileText(pad.path));
    EXPECT_EQ(bytes.size() + 10, WindowText(pad.edit).size());
}

TEST_F(PadFaults, EnterWithRoomForOneCharacterLeavesNoLoneCarriageReturn) {
    const std::string bytes = TextOfLength(32767);
    Pad pad = OpenPadOn("Full.ql", bytes);
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, "\n"));
    ASSERT_TRUE(TakeFocusAway());
    ASSERT_TRUE(ClosePad(pad));
    const std::string saved = FileText(pad.path);
    EXPECT_EQ(bytes, saved.substr(0, bytes.size()));
    EXPECT_TRUE(saved.size() == bytes.size() || saved.substr(bytes.size()) == "\r\n")
        << saved.size();
}

TEST_F(PadFaults, ManyPadsClosingAtOnceAllKeepTheirPlaceAndTheGlobalSettingsStay) {
    std::vector<Pad> pads;
    for (int i = 0; i < 12; ++i) {
        pads.push_back(OpenPadOn("Pad" + std::to_string(i) + ".ql", "note " + std::to_string(i)));
        ASSERT_TRUE(pads.back().window);
    }
    const std::vector<std::string> global = IniSectionLines(kGlobalSection);
    for (const Pad& pad : pads)
        ASSERT_TRUE(PostClose(pad.window));
    ASSERT_TRUE(m_group.WaitForAllExit(kWaitMs));
    EXPECT_EQ(global, IniSectionLines(kGlobalSection));
    for (int i = 0; i < 12; ++i) {
        const std::string section = "Pad" + std::to_string(i) + ".ql";
        for (const char* key : {"Row", "Column", "Width", "Height", "ShowOnStartup", "AlwaysOnTop"})
            EXPECT_TRUE(IniHasKey(section, key)) << section << " " << key;
    }
}

} // namespace

namespace {

TEST_F(PadFaults, ASettingsFileThatCannotBeWrittenIsReportedOnceWithItsPathAndTheError) {
    const std::string ini = IniPath();
    IniReset();
    // A folder where the file should be: every write to it fails.
    ASSERT_TRUE(CreateDirectoryA(ini.c_str(), NULL));
    const std::string path = m_home.File("Unsaved.ql");
    ASSERT_TRUE(WriteFileBytes(path, "text"));
    const DWORD pid = m_group.Start(path);
    HWND box = WaitForMessageBox(pid);
    ASSERT_TRUE(box);
    const std::string text = MessageBoxText(box);
    EXPECT_EQ(0u, text.find("Quillow cannot save its settings in " + ini + ".")) << text;
    EXPECT_NE(std::string::npos, text.find("Error code = ")) << text;
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    HWND window = WaitForTopWindow(pid, "#32770", "Unsaved.ql");
    ASSERT_TRUE(window);
    ASSERT_TRUE(PostSysCommand(window, ID_PAD_ALWAYS_ON_TOP));
    ASSERT_TRUE(PostClose(window));
    EXPECT_FALSE(WaitForMessageBox(pid, 1000));
    EXPECT_TRUE(m_group.WaitForExit(pid, kWaitMs));
    RemoveDirectoryA(ini.c_str());
}

// A sync client replaces the file only while no pad holds it, and no save of a pad overwrites
// text that the pad did not read.
class PadSync : public padtest::PadEndToEndTest {};

TEST_F(PadSync, AReplacementWaitsUntilThePadIsClosedAndNoSaveOverwritesTextItDidNotRead) {
    const std::string path = m_home.File("Note.ql");
    ASSERT_TRUE(WriteFileBytes(path, "mine"));
    ASSERT_TRUE(ReplaceByRename(path, "theirs 1"));
    Pad pad = OpenPad(path, "Note.ql");
    ASSERT_TRUE(pad.window);
    EXPECT_EQ("theirs 1", WindowText(pad.edit));

    ASSERT_TRUE(TypeText(pad.edit, " + mine"));
    EXPECT_FALSE(ReplaceByRename(path, "theirs 2"));
    EXPECT_FALSE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return FileText(path) == "theirs 1 + mine"; }));
    EXPECT_EQ("theirs 1 + mine", WindowText(pad.edit));

    // The rename dialog lets the file go: what replaced it meanwhile is what the pad then shows.
    HWND dialog = OpenDialog(pad, ID_PAD_RENAME, "Enter New Name");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(ReplaceByRename(path, "theirs 3"));
    ASSERT_TRUE(PostCommand(dialog, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pad.edit) == "theirs 3"; }));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("theirs 3", FileText(path));

    EXPECT_TRUE(ReplaceByRename(path, "theirs 4"));
    Pad again = OpenPad(path, "Note.ql");
    ASSERT_TRUE(again.window);
    EXPECT_EQ("theirs 4", WindowText(again.edit));
    ASSERT_TRUE(ClosePad(again));
}

} // namespace
