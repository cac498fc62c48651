// The rename dialog on real pad files in a folder of their own, worked as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "UserThread.h"
#include "dialogs/RenameDlg.h"
#include "framework/CFile.h"
#include "padfile/PadRecovery.h"
#include "res/resource.h"
#include "tests/driver/Driver.h"

using namespace driver;
using namespace dialogs_test;

namespace {

const char kCaption[] = "Enter New Name";

// The rename dialog with the code its modal run ended with, which DoRename drops.
class CTestRenameDlg : public CRenameDlg {
  public:
    INT_PTR DoModal() override {
        m_nEndCode = CRenameDlg::DoModal();
        return m_nEndCode;
    }
    INT_PTR m_nEndCode = -1;
};

enum class Ending { Ok, Cancel, Escape };

// Types the name into the dialog and ends it as asked; returns the name the dialog showed
// first, or "<no dialog>".
std::string EnterName(const std::string& name, Ending ending) {
    HWND dialog = WaitForDialog(kCaption);
    if (!dialog)
        return "<no dialog>";
    HWND edit = ControlOf(dialog, IDC_RENAME_NAME);
    const std::string initialName = WindowText(edit);
    SetText(edit, name);
    if (ending == Ending::Escape)
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    else if (ending == Ending::Cancel)
        ClickButton(dialog, IDCANCEL);
    else
        PostCommand(dialog, IDOK);
    return initialName;
}

class RenameDlgTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.Path().empty());
        ASSERT_TRUE(WriteFileBytes(Path("Shopping.ql"), "milk\r\nbread"));
    }

    std::string Path(const std::string& name) const { return m_folder.File(name); }

    // Renames the pad at path with a fresh dialog while the user types name and ends the
    // dialog as asked, then answers the message boxes the rename raises, in turn.
    std::vector<SeenMessageBox> Rename(const std::string& path, const std::string& name,
                                       const std::vector<int>& answers = {},
                                       Ending ending = Ending::Ok) {
        m_dlg.reset(new CTestRenameDlg);
        std::vector<SeenMessageBox> boxes;
        RunWithUser([&] { m_dlg->DoRename(path.c_str()); },
                    [&] {
                        m_initialName = EnterName(name, ending);
                        for (int answer : answers)
                            boxes.push_back(AnswerBox(answer));
                    });
        return boxes;
    }

    // A closed pad Plans.ql beside Shopping.ql, both with a section.
    void AddPlans() {
        ASSERT_TRUE(WriteFileBytes(Path("Plans.ql"), "old plans"));
        IniSetInt("Plans.ql", "Row", 99);
        IniSetInt("Shopping.ql", "Row", 5);
    }

    void ExpectNotRenamed(INT_PTR endCode) {
        EXPECT_EQ(endCode, m_dlg->m_nEndCode);
        EXPECT_FALSE(m_dlg->m_bRenamed);
        EXPECT_EQ("milk\r\nbread", FileText(Path("Shopping.ql")));
    }

    TempFolder m_folder;
    ScopedIni m_ini;
    std::unique_ptr<CTestRenameDlg> m_dlg;
    std::string m_initialName;
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(RenameDlgTest, RenamingMovesTheFileInItsFolderAndCarriesTheSixKeysAndTheColour) {
    for (const auto& key : std::vector<std::pair<const char*, int>>{{"Row", 10},
                                                                    {"Column", 20},
                                                                    {"Width", 300},
                                                                    {"Height", 200},
                                                                    {"ShowOnStartup", 0},
                                                                    {"AlwaysOnTop", 1},
                                                                    {"BkColor", 0xFF00}})
        IniSetInt("Shopping.ql", key.first, key.second);
    IniSetString("Shopping.ql", "Unknown", "stays behind");

    // A folder, drive or extension typed with the name is dropped, and so are blanks.
    Rename(Path("Shopping.ql"), "  D:\\Elsewhere\\Plans.txt \t");

    EXPECT_EQ("Shopping", m_initialName);
    EXPECT_EQ(IDOK, m_dlg->m_nEndCode);
    EXPECT_TRUE(m_dlg->m_bRenamed);
    EXPECT_STREQ(Path("Plans.ql").c_str(), m_dlg->m_strName);
    EXPECT_FALSE(FileExists(Path("Shopping.ql")));
    EXPECT_EQ("milk\r\nbread", FileText(Path("Plans.ql")));
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    EXPECT_EQ((Lines{"Row=10", "Column=20", "Width=300", "Height=200", "ShowOnStartup=0",
                     "AlwaysOnTop=1", "BkColor=65280"}),
              IniSectionLines("Plans.ql"));
}

TEST_F(RenameDlgTest, ABareNameIsRenamedInTheCurrentFolderAndAPadWithoutSettingsGetsDefaults) {
    // An unset colour (-1) is not carried over; a pad without a section gets the same.
    IniSetInt("Shopping.ql", "BkColor", -1);
    char previous[MAX_PATH + 1] = "";
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.Path().c_str()));

    Rename("Shopping.ql", "Plans");
    SetCurrentDirectoryA(previous);

    EXPECT_EQ("Shopping", m_initialName);
    EXPECT_TRUE(m_dlg->m_bRenamed);
    EXPECT_STREQ("Plans.ql", m_dlg->m_strName);
    EXPECT_EQ("milk\r\nbread", FileText(Path("Plans.ql")));
    EXPECT_FALSE(FileExists(Path("Shopping.ql")));
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    EXPECT_EQ(
        (Lines{"Row=0", "Column=0", "Width=0", "Height=0", "ShowOnStartup=1", "AlwaysOnTop=0"}),
        IniSectionLines("Plans.ql"));
}

TEST_F(RenameDlgTest, TheSameNameInAnotherCaseNoNameCancelAndEscapeChangeNothing) {
    IniSetInt("Shopping.ql", "Row", 7);
    const struct {
        const char* typed;
        Ending ending;
    } cases[] = {{"SHOPPING", Ending::Ok},
                 {"shopping.QL", Ending::Ok},
                 {"C:\\Other\\Shopping.txt", Ending::Ok},
                 {"", Ending::Ok},
                 {"   ", Ending::Ok},
                 {".ql", Ending::Ok},
                 {"D:\\Folder\\", Ending::Ok},
                 {"Plans", Ending::Cancel},
                 {"Plans", Ending::Escape}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Rename(Path("Shopping.ql"), c.typed, {}, c.ending);
        ExpectNotRenamed(IDCANCEL);
        EXPECT_FALSE(FileExists(Path("Plans.ql")));
        EXPECT_EQ(Lines{"Row=7"}, IniSectionLines("Shopping.ql"));
        EXPECT_EQ((Lines{"Quillow Contents", "Shopping.ql"}), IniSectionNames());
    }
}

TEST_F(RenameDlgTest, TheOverwriteQuestionNoChangesNothingAndYesReplacesTheClosedPadKeepingColour) {
    AddPlans();
    IniSetInt("Plans.ql", "BkColor", 255);

    const SeenMessageBox question = Rename(Path("Shopping.ql"), "plans", {IDNO}).front();
    EXPECT_TRUE(question.shown);
    EXPECT_EQ("plans.ql already exists.\nWould you like to overwrite this Quillow?", question.text);
    EXPECT_EQ("Quillow", question.caption);
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), question.buttons);
    EXPECT_TRUE(question.icon);
    ExpectNotRenamed(IDOK);
    EXPECT_EQ("old plans", FileText(Path("Plans.ql")));
    EXPECT_EQ(5, IniGetInt("Shopping.ql", "Row", -1));
    EXPECT_EQ(99, IniGetInt("Plans.ql", "Row", -1));

    // The renamed pad has no colour of its own, so the replaced pad's colour stays.
    EXPECT_TRUE(Rename(Path("Shopping.ql"), "Plans", {IDYES}).front().shown);
    EXPECT_EQ(IDOK, m_dlg->m_nEndCode);
    EXPECT_TRUE(m_dlg->m_bRenamed);
    EXPECT_STREQ(Path("Plans.ql").c_str(), m_dlg->m_strName);
    EXPECT_FALSE(FileExists(Path("Shopping.ql")));
    EXPECT_EQ("milk\r\nbread", FileText(Path("Plans.ql")));
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    EXPECT_EQ(5, IniGetInt("Plans.ql", "Row", -1));
    EXPECT_EQ(255, IniGetInt("Plans.ql", "BkColor", -1));
}

TEST_F(RenameDlgTest, ARecoveryFileGoesWithItsPadAndOneLeftUnderTheNewNameIsDropped) {
    // Plans.ql was erased from outside, leaving the recovery file of a save cut short.
    ASSERT_TRUE(WriteRecoveryFile(AfxGetFileSystem(), Path("Plans.ql").c_str(), "", "gone"));
    Rename(Path("Shopping.ql"), "Plans");
    ASSERT_TRUE(m_dlg->m_bRenamed);
    EXPECT_FALSE(FileExists(std::string(RecoveryFilePath(Path("Plans.ql").c_str()))));

    ASSERT_TRUE(WriteRecoveryFile(AfxGetFileSystem(), Path("Plans.ql").c_str(), "", "unsaved"));
    Rename(Path("Plans.ql"), "Notes");
    ASSERT_TRUE(m_dlg->m_bRenamed);
    EXPECT_FALSE(FileExists(std::string(RecoveryFilePath(Path("Plans.ql").c_str()))));
    RecoveredSave save;
    EXPECT_EQ(recoveryValid, ReadRecoveryFile(AfxGetFileSystem(), Path("Notes.ql").c_str(), save));
    EXPECT_STREQ("unsaved", save.strNew);
}

TEST_F(RenameDlgTest, AFailedRenameNamesBothFilesAndLeavesEveryPadAsItWas) {
    AddPlans();
    const struct {
        const char* name;
        const char* typed;
        const char* held;
        UINT heldMode;
    } cases[] = {
        // The lock a running pad holds on its file: the target cannot be replaced.
        {"target held by a running pad", "Plans", "Plans.ql",
         CFile::modeReadWrite | CFile::shareDenyWrite},
        // A handle on the renamed pad without delete sharing makes its rename fail after the
        // user agreed to overwrite the closed target, which must still be there.
        {"renamed pad held", "Plans", "Shopping.ql", CFile::modeRead | CFile::shareDenyWrite},
        {"a name the file system refuses", "a*b", nullptr, 0},
        // A device's name would reach the device, not a file.
        {"a device's name", "Con", nullptr, 0},
        {"a device's name with an extension", "lpt1.txt", nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CFile held;
        if (c.held) {
            ASSERT_TRUE(held.Open(Path(c.held).c_str(), c.heldMode));
        }
        const bool overwrite = std::string(c.typed) == "Plans";
        const std::vector<SeenMessageBox> boxes =
            Rename(Path("Shopping.ql"), c.typed,
                   overwrite ? std::vector<int>{IDYES, IDOK} : std::vector<int>{IDOK});
        held.Close();

        EXPECT_TRUE(boxes.front().shown);
        const SeenMessageBox& failure = boxes.back();
        const std::string typedName =
            std::string(c.typed).substr(0, std::string(c.typed).find('.'));
        EXPECT_EQ("Unable to rename Shopping.ql to " + typedName + ".ql.", failure.text);
        EXPECT_EQ("Quillow", failure.caption);
        EXPECT_EQ(std::vector<int>{IDOK}, failure.buttons);
        EXPECT_FALSE(failure.icon);
        ExpectNotRenamed(IDOK);
        EXPECT_EQ("old plans", FileText(Path("Plans.ql")));
        EXPECT_EQ(Lines{"Row=5"}, IniSectionLines("Shopping.ql"));
        EXPECT_EQ(Lines{"Row=99"}, IniSectionLines("Plans.ql"));
        EXPECT_FALSE(IniHasSection("a*b.ql"));
    }
}
