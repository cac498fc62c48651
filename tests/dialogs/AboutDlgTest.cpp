// The about box and the update reminder, run from their templates as the program runs them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "UserThread.h"
#include "dialogs/AboutDlg.h"
#include "framework/CDialog.h"
#include "res/Links.h"
#include "res/resource.h"
#include "tests/driver/Driver.h"

using namespace driver;
using namespace dialogs_test;

TEST(AboutDlgTest, TheHomePageButtonKeepsTheBoxOpenAndEnterEndsIt) {
    CAboutDlg dlg;
    INT_PTR result = -1;
    bool openAfterClick = false;
    SeenMessageBox failure;
    RunWithUser([&] { result = dlg.DoModal(); },
                [&] {
                    HWND about = WaitForDialog("About Quillow");
                    Click(about, IDC_ABOUT_HOME_PAGE);
                    // Without a browser the shell may report a failure over the box; any
                    // such message is answered, and the box must still be there after it.
                    failure = AnswerNextMessageBox(GetCurrentProcessId(), IDOK, 3000);
                    openAfterClick = IsWindowVisible(about) != FALSE;
                    // Enter on the default button ends the box.
                    PostMessageA(GetDlgItem(about, IDOK), WM_KEYDOWN, VK_RETURN, 0);
                });
    if (failure.shown) {
        EXPECT_EQ(0u, failure.text.find("Unable to start your internet browser."));
    }
    EXPECT_TRUE(openAfterClick);
    EXPECT_EQ(IDOK, result);
}

TEST(UpdateReminderTest, StaysOnTopAndYesEndsWithOkWhileEscapeAndTheCloseBoxCountAsNo) {
    struct Case {
        const char* name;
        std::function<void(HWND)> act;
        INT_PTR expected;
    };
    const Case cases[] = {
        {"Yes", [](HWND dialog) { ClickButton(dialog, IDOK); }, IDOK},
        {"No", [](HWND dialog) { ClickButton(dialog, IDCANCEL); }, IDCANCEL},
        {"Escape",
         [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); },
         IDCANCEL},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
         IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDialog reminder(IDD_UPDATE_REMINDER);
        INT_PTR result = -1;
        std::string yesText;
        bool topMost = false;
        RunWithUser([&] { result = reminder.DoModal(); },
                    [&] {
                        HWND dialog = WaitForDialog("Quillow Update");
                        yesText = WindowText(GetDlgItem(dialog, IDOK));
                        topMost = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                        c.act(dialog);
                    });
        EXPECT_EQ(c.expected, result);
        EXPECT_EQ("Yes, take me to " QUILLOW_HOME_PAGE_URL, yesText);
        EXPECT_TRUE(topMost);
    }
}
