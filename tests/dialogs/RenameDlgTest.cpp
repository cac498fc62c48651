// The rename dialog on real pad files in a folder of their own, worked as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "UserThread.h"
#include "dialogs/RenameDlg.h"
#include "framework/CFile.h"
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

// What the user saw of the dialog itself.
struct DialogSeen {
    bool shown = false;
    std::string initialName;
};

// Types the name into the dialog and presses OK.
DialogSeen EnterName(const std::string& name) {
    DialogSeen seen;
    HWND dialog = WaitForDialog(kCaption);
    if (!dialog)
        return seen;
    seen.shown = true;
    seen.initialName = WindowText(ControlOf(dialog, IDC_RENAME_NAME));
    SetText(ControlOf(dialog, IDC_RENAME_NAME), name);
    PostCommand(dialog, IDOK);
    return seen;
}

class RenameDlgTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.Path().empty());
        ASSERT_TRUE(WriteFileBytes(Path("Shopping.ql"), "milk\r\nbread"));
    }

    std::string Path(const std::string& name) const { return m_folder.File(name); }

    std::string Contents(const std::string& name) const {
        std::string data;
        return ReadFileBytes(Path(name), data) ? data : "<missing>";
    }

    // Renames the pad at path while the user types name; the user then answers the message
    // box the rename raises, if any, with answer.
    BoxSeen Rename(const std::string& path, const std::string& name, int answer = 0) {
        BoxSeen box;
        RunWithUser([&] { m_dlg.DoRename(path.c_str()); },
                    [&] {
                        m_seen = EnterName(name);
                        if (answer)
                            box = AnswerBox(answer);
                    });
        return box;
    }

    // Like Rename, for a rename that must show the overwrite question and then, after Yes,
    // the failure message.
    void RenameOverwritingAndFailing(BoxSeen& question, BoxSeen& failure) {
        RunWithUser([&] { m_dlg.DoRename(Path("Shopping.ql").c_str()); },
                    [&] {
                        m_seen = EnterName("Plans");
                        question = AnswerBox(IDYES);
                        failure = AnswerBox(IDOK);
                    });
    }

    TempFolder m_folder;
    ScopedIni m_ini;
    CTestRenameDlg m_dlg;
    DialogSeen m_seen;
};

void WriteSection(const std::string& section,
                  const std::vector<std::pair<std::string, int>>& keys) {
    for (const auto& key : keys)
        IniSetInt(section, key.first, key.second);
}

} // namespace

TEST_F(RenameDlgTest, RenamingMovesTheFileInItsFolderAndCarriesTheSixKeysAndTheColour) {
    WriteSection("Shopping.ql", {{"Row", 10},
                                 {"Column", 20},
                                 {"Width", 300},
                                 {"Height", 200},
                                 {"ShowOnStartup", 0},
                                 {"AlwaysOnTop", 1},
                                 {"BkColor", 0xFF00}});
    IniSetString("Shopping.ql", "Unknown", "stays behind");

    // A folder, drive or extension typed with the name is dropped, and so are blanks.
    BoxSeen box = Rename(Path("Shopping.ql"), "  D:\\Elsewhere\\Plans.txt \t");

    EXPECT_TRUE(m_seen.shown);
    EXPECT_EQ("Shopping", m_seen.initialName);
    EXPECT_FALSE(box.shown);
    EXPECT_EQ(IDOK, m_dlg.m_nEndCode);
    EXPECT_TRUE(m_dlg.m_bRenamed);
    EXPECT_STREQ(Path("Plans.ql").c_str(), m_dlg.m_strName);
    EXPECT_FALSE(FileExists(Path("Shopping.ql")));
    EXPECT_EQ("milk\r\nbread", Contents("Plans.ql"));
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    EXPECT_EQ((std::vector<std::string>{"Row=10", "Column=20", "Width=300", "Height=200",
                                        "ShowOnStartup=0", "AlwaysOnTop=1", "BkColor=65280"}),
              IniSectionLines("Plans.ql"));
}

TEST_F(RenameDlgTest, APadWithoutSettingsGivesTheNewSectionTheDefaultsAndNoColour) {
    // An unset colour (-1) is not carried over; a pad without a section gets the same.
    IniSetInt("Shopping.ql", "BkColor", -1);

    Rename(Path("Shopping.ql"), "Plans");

    EXPECT_TRUE(m_dlg.m_bRenamed);
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    EXPECT_EQ((std::vector<std::string>{"Row=0", "Column=0", "Width=0", "Height=0",
                                        "ShowOnStartup=1", "AlwaysOnTop=0"}),
              IniSectionLines("Plans.ql"));
}

TEST_F(RenameDlgTest, ABareNameIsRenamedInTheCurrentFolderAndStaysBare) {
    char previous[MAX_PATH + 1] = "";
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.Path().c_str()));

    Rename("Shopping.ql", "Plans");
    SetCurrentDirectoryA(previous);

    EXPECT_EQ("Shopping", m_seen.initialName);
    EXPECT_TRUE(m_dlg.m_bRenamed);
    EXPECT_STREQ("Plans.ql", m_dlg.m_strName);
    EXPECT_EQ("milk\r\nbread", Contents("Plans.ql"));
    EXPECT_FALSE(FileExists(Path("Shopping.ql")));
    EXPECT_TRUE(IniHasSection("Plans.ql"));
}

TEST_F(RenameDlgTest, TheSameNameInAnotherCaseOrNoNameCancelsAndChangesNothing) {
    IniSetInt("Shopping.ql", "Row", 7);
    for (const char* typed :
         {"SHOPPING", "shopping.QL", "C:\\Other\\Shopping.txt", "", "   ", ".ql", "D:\\Folder\\"}) {
        SCOPED_TRACE(typed);
        CTestRenameDlg dlg;
        RunWithUser([&] { dlg.DoRename(Path("Shopping.ql").c_str()); }, [&] { EnterName(typed); });
        EXPECT_EQ(IDCANCEL, dlg.m_nEndCode);
        EXPECT_FALSE(dlg.m_bRenamed);
        EXPECT_EQ("milk\r\nbread", Contents("Shopping.ql"));
        EXPECT_EQ((std::vector<std::string>{"Row=7"}), IniSectionLines("Shopping.ql"));
        EXPECT_EQ((std::vector<std::string>{"Quillow Contents", "Shopping.ql"}), IniSectionNames());
    }
}

TEST_F(RenameDlgTest, CancelAndEscapeEndTheDialogWithoutChange) {
    for (bool escape : {false, true}) {
        CTestRenameDlg dlg;
        RunWithUser([&] { dlg.DoRename(Path("Shopping.ql").c_str()); },
                    [&] {
                        HWND dialog = WaitForDialog(kCaption);
                        HWND edit = ControlOf(dialog, IDC_RENAME_NAME);
                        SetText(edit, "Plans");
                        if (escape)
                            PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
                        else
                            ClickButton(dialog, IDCANCEL);
                    });
        EXPECT_EQ(IDCANCEL, dlg.m_nEndCode);
        EXPECT_FALSE(dlg.m_bRenamed);
        EXPECT_TRUE(FileExists(Path("Shopping.ql")));
        EXPECT_FALSE(FileExists(Path("Plans.ql")));
    }
}

TEST_F(RenameDlgTest, AnsweringNoToTheOverwriteQuestionEndsWithOkAndChangesNothing) {
    ASSERT_TRUE(WriteFileBytes(Path("Plans.ql"), "old plans"));
    IniSetInt("Plans.ql", "Row", 99);
    IniSetInt("Shopping.ql", "Row", 5);

    BoxSeen question = Rename(Path("Shopping.ql"), "plans", IDNO);

    EXPECT_TRUE(question.shown);
    EXPECT_EQ("plans.ql already exists.\nWould you like to overwrite this Quillow?", question.text);
    EXPECT_EQ("Quillow", question.caption);
    EXPECT_EQ((1 << IDYES) | (1 << IDNO), question.buttons);
    EXPECT_TRUE(question.icon);
    EXPECT_EQ(IDOK, m_dlg.m_nEndCode);
    EXPECT_FALSE(m_dlg.m_bRenamed);
    EXPECT_EQ("milk\r\nbread", Contents("Shopping.ql"));
    EXPECT_EQ("old plans", Contents("Plans.ql"));
    EXPECT_EQ(5, IniGetInt("Shopping.ql", "Row", -1));
    EXPECT_EQ(99, IniGetInt("Plans.ql", "Row", -1));
}

TEST_F(RenameDlgTest, AnsweringYesReplacesAClosedPadWhoseColourStaysWhenTheRenamedPadHasNone) {
    ASSERT_TRUE(WriteFileBytes(Path("Plans.ql"), "old plans"));
    WriteSection("Plans.ql", {{"Row", 99}, {"BkColor", 255}});
    IniSetInt("Shopping.ql", "Row", 5);

    BoxSeen question = Rename(Path("Shopping.ql"), "Plans", IDYES);

    EXPECT_TRUE(question.shown);
    EXPECT_EQ(IDOK, m_dlg.m_nEndCode);
    EXPECT_TRUE(m_dlg.m_bRenamed);
    EXPECT_STREQ(Path("Plans.ql").c_str(), m_dlg.m_strName);
    EXPECT_FALSE(FileExists(Path("Shopping.ql")));
    EXPECT_EQ("milk\r\nbread", Contents("Plans.ql"));
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    EXPECT_EQ(5, IniGetInt("Plans.ql", "Row", -1));
    EXPECT_EQ(255, IniGetInt("Plans.ql", "BkColor", -1));
}

TEST_F(RenameDlgTest, ATargetHeldByARunningPadIsNotReplacedAndTheFailureNamesBoth) {
    ASSERT_TRUE(WriteFileBytes(Path("Plans.ql"), "old plans"));
    IniSetInt("Plans.ql", "Row", 99);
    IniSetInt("Shopping.ql", "Row", 5);
    // The lock a running pad holds on its file.
    CFile padLock;
    ASSERT_TRUE(
        padLock.Open(Path("Plans.ql").c_str(), CFile::modeReadWrite | CFile::shareDenyWrite));

    BoxSeen question;
    BoxSeen failure;
    RenameOverwritingAndFailing(question, failure);
    padLock.Close();

    EXPECT_TRUE(question.shown);
    EXPECT_TRUE(failure.shown);
    EXPECT_EQ("Unable to rename Shopping.ql to Plans.ql.", failure.text);
    EXPECT_EQ("Quillow", failure.caption);
    EXPECT_EQ(1 << IDOK, failure.buttons);
    EXPECT_FALSE(failure.icon);
    EXPECT_EQ(IDOK, m_dlg.m_nEndCode);
    EXPECT_FALSE(m_dlg.m_bRenamed);
    EXPECT_EQ("milk\r\nbread", Contents("Shopping.ql"));
    EXPECT_EQ("old plans", Contents("Plans.ql"));
    EXPECT_EQ((std::vector<std::string>{"Row=5"}), IniSectionLines("Shopping.ql"));
    EXPECT_EQ((std::vector<std::string>{"Row=99"}), IniSectionLines("Plans.ql"));
}

TEST_F(RenameDlgTest, WhenTheReplacingRenameFailsTheOverwrittenPadIsStillThere) {
    ASSERT_TRUE(WriteFileBytes(Path("Plans.ql"), "old plans"));
    IniSetInt("Plans.ql", "Row", 99);
    // Another handle on the pad being renamed, without delete sharing, makes its rename fail
    // after the user agreed to overwrite the closed target.
    CFile sourceHeld;
    ASSERT_TRUE(
        sourceHeld.Open(Path("Shopping.ql").c_str(), CFile::modeRead | CFile::shareDenyWrite));

    BoxSeen question;
    BoxSeen failure;
    RenameOverwritingAndFailing(question, failure);
    sourceHeld.Close();

    EXPECT_TRUE(question.shown);
    EXPECT_EQ("Unable to rename Shopping.ql to Plans.ql.", failure.text);
    EXPECT_FALSE(m_dlg.m_bRenamed);
    EXPECT_EQ("old plans", Contents("Plans.ql"));
    EXPECT_EQ("milk\r\nbread", Contents("Shopping.ql"));
    EXPECT_EQ((std::vector<std::string>{"Row=99"}), IniSectionLines("Plans.ql"));
}

TEST_F(RenameDlgTest, ANameTheFileSystemRefusesGivesTheFailureMessageNamingIt) {
    IniSetInt("Shopping.ql", "Row", 5);

    BoxSeen failure = Rename(Path("Shopping.ql"), "a*b", IDOK);

    EXPECT_EQ("Unable to rename Shopping.ql to a*b.ql.", failure.text);
    EXPECT_EQ(IDOK, m_dlg.m_nEndCode);
    EXPECT_FALSE(m_dlg.m_bRenamed);
    EXPECT_EQ("milk\r\nbread", Contents("Shopping.ql"));
    EXPECT_EQ((std::vector<std::string>{"Row=5"}), IniSectionLines("Shopping.ql"));
    EXPECT_FALSE(IniHasSection("a*b.ql"));
}
