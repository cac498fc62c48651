// The contents window's search field: what it finds, what it counts and what its keys do.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "ContentsSession.h"
#include "contents/ContentsSearch.h"
#include "framework/CFileFind.h"

using namespace driver;
using namespace contents_test;

namespace {

const char kMonday[] = "Monday, 03-02-98 at 10-15-30PM.ql";

// Lists the folder's pads into the search, as the contents window does.
void ListFolder(CContentsSearch& search, const std::string& folder) {
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    search.BeginListing();
    CFileFind finder;
    for (BOOL found = finder.FindFile("*.ql"); found; found = finder.FindNextFile()) {
        CString name;
        ASSERT_TRUE(finder.GetFileName(name));
        search.AddPad(name, FALSE, finder.GetFindData());
    }
    search.EndListing();
}

std::string CountLine(ContentsSession& session) {
    return WindowText(ControlOf(session.Window(), IDC_CONTENTS_SEARCH_COUNT));
}

} // namespace

TEST(ContentsSearch, TheFieldFiltersByNameAndTextAsTypedAndItsKeysClearOpenAndHide) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Shopping.ql", "milk\r\nbread\r\n"));
    ASSERT_TRUE(session.AddPad(kMonday, "Call the plumber about the sink\r\n"));
    ASSERT_TRUE(session.AddPad("Sink.ql", "nothing here\r\n"));
    ASSERT_TRUE(session.AddPad("Running.ql", "the PLUMBER'S number\r\n"));
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Group().Start("Running.ql", session.Home()));
    HWND pad = WaitForWindowInGroup(session.Group(), nullptr, "Running.ql");
    ASSERT_TRUE(pad);
    ASSERT_TRUE(session.Refresh());
    const HWND field = ControlOf(session.Window(), IDC_CONTENTS_SEARCH);

    ASSERT_TRUE(Activate(session.Window()));
    ASSERT_TRUE(PressKeys({VK_CONTROL, 'F'}));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(session.Window()) == field; })) << "Ctrl+F";
    ASSERT_TRUE(PostWideText(field, L"plumb"));
    EXPECT_TRUE(session.Shows({kMonday, "Running.ql*"})) << "a running pad's text is searched too";
    EXPECT_EQ(CountLine(session), "2 of 4");
    EXPECT_TRUE(IsPadLocked(session.PadPath("Running.ql"))) << "the pad keeps its lock";
    ASSERT_TRUE(PostWideText(field, L" SINK"));
    EXPECT_TRUE(session.Shows({kMonday})) << "every word";

    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(session.Shows({kMonday, "Running.ql*", "Shopping.ql", "Sink.ql"}))
        << "Escape clears the field";
    EXPECT_EQ(WindowText(field), "");
    EXPECT_EQ(CountLine(session), "");
    EXPECT_TRUE(IsWindowVisible(session.Window()));

    ASSERT_TRUE(PostWideText(field, L"milk"));
    EXPECT_TRUE(session.Shows({"Shopping.ql"}));
    ASSERT_TRUE(session.AddPad("Errands.ql", "more MILK\r\n"));
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Items(), (Items{"Errands.ql", "Shopping.ql"}))
        << "a refresh keeps the search";
    EXPECT_EQ(CountLine(session), "2 of 5");

    ASSERT_TRUE(SelectListItem(session.List(), -1));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(WaitForWindowInGroup(session.Group(), nullptr, "Errands.ql"))
        << "Enter opens the first match when none is selected";
    EXPECT_TRUE(IsWindowVisible(session.Window()));

    ASSERT_TRUE(Activate(session.Window()));
    ASSERT_TRUE(PressKeys({VK_CONTROL, 'F'}));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(session.Window()) == field; }));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(field).empty(); }));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(WaitForWindowGone(session.Window(), kWaitMs, true))
        << "Escape in an empty field hides the window";
    EXPECT_TRUE(IsWindow(pad));
}

TEST(ContentsSearch, WordsMatchNamesAndTextsInAnyCaseAndScript) {
    TempFolder home;
    const struct {
        const char* name;
        std::string bytes;
    } pads[] = {
        {"Recipes.ql", "Apple PIE\r\nflour"},
        {"Greek.ql",
         "\xEF\xBB\xBF\xCE\x9A\xCE\x91\xCE\x9B\xCE\x97\xCE\x9C\xCE\x95\xCE\xA1\xCE\x91"},
        {"Cyrillic.ql",
         std::string("\xFF\xFE\x1F\x04\x40\x04\x38\x04\x32\x04\x35\x04\x42\x04", 14)},
        {"Western.ql", "caf\xC9 cr\xC8me"},
        {"Broken.ql", "\xEF\xBB\xBF\xFF\xFE broken pie"},
        {"Empty.ql", ""},
    };
    for (const auto& pad : pads)
        ASSERT_TRUE(WriteFileBytes(home.File(pad.name), pad.bytes));

    CContentsSearch search;
    ASSERT_NO_FATAL_FAILURE(ListFolder(search, home.Path()));

    const Items all = {"Broken.ql", "Cyrillic.ql", "Empty.ql",
                       "Greek.ql",  "Recipes.ql",  "Western.ql"};
    const struct {
        const wchar_t* words;
        Items found;
    } searches[] = {
        {L"", all},
        {L"  \t ", all},
        {L"pie", {"Recipes.ql"}},
        {L"apple pie", {"Recipes.ql"}},
        {L"pie\x3000"
         L"FLOUR recipes",
         {"Recipes.ql"}},
        {L"apple cake", {}},
        {L"\x03BA\x03B1\x03BB\x03B7\x03BC\x03B5\x03C1\x03B1", {"Greek.ql"}},
        {L"\x043F\x0420\x0418\x0432\x0415\x0442", {"Cyrillic.ql"}},
        {L"CAF\xE9 cr\xE8ME", {"Western.ql"}},
        {L"BROKEN", {"Broken.ql"}},
        {L"broken pie", {}},
        {L".QL", all},
    };
    for (const auto& s : searches) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(s.words)));
        search.SetSearch(s.words);
        Items found;
        for (int i = 0; i < search.GetCount(); ++i) {
            if (search.Matches(i))
                found.push_back(search.GetName(i).GetString());
        }
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, s.found);
    }
}

// The list takes the pads in the search's order as they come, so it must be the sorted list
// box's order (the locale's, without regard to case) whatever the punctuation and letters.
TEST(ContentsSearch, PadsComeInTheOrderOfASortedListBox) {
    TempFolder home;
    const char* const names[] = {"a-b.ql",       "ab.ql",     "A c.ql",     "a_b.ql",
                                 "\xC4pfel.ql",  "apple.ql",  "Apple 2.ql", "apple10.ql",
                                 "apple9.ql",    "'quote.ql", "zebra.ql",   "Zoo.ql",
                                 "\351clair.ql", "10.ql",     "2.ql",       "~tilde.ql",
                                 "(paren).ql",   "co-op.ql",  "coop.ql",    "COOP.ql"};
    for (const char* name : names)
        ASSERT_TRUE(WriteFileBytes(home.File(name), "x"));
    CContentsSearch search;
    ASSERT_NO_FATAL_FAILURE(ListFolder(search, home.Path()));
    ASSERT_EQ(static_cast<int>(std::size(names)) - 1, search.GetCount()); // coop and COOP
    for (int i = 1; i < search.GetCount(); ++i)
        EXPECT_NE(CSTR_GREATER_THAN,
                  CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, search.GetName(i - 1), -1,
                                 search.GetName(i), -1))
            << search.GetName(i - 1).GetString() << " before " << search.GetName(i).GetString();
}
