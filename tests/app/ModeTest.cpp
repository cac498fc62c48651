// Which window a process runs is decided by its whole command line.
#include <gtest/gtest.h>

#include "app/QuillowApp.h"

TEST(ModeSelection, TraySwitchInAnyCaseSelectsTheContentsWindow) {
    EXPECT_TRUE(IsTrayCommandLine("/tray"));
    EXPECT_TRUE(IsTrayCommandLine("/TRAY"));
    EXPECT_TRUE(IsTrayCommandLine("/Tray"));
}

TEST(ModeSelection, AnythingElseIsAPadPath) {
    EXPECT_FALSE(IsTrayCommandLine(""));
    EXPECT_FALSE(IsTrayCommandLine("/tray "));
    EXPECT_FALSE(IsTrayCommandLine("-tray"));
    EXPECT_FALSE(IsTrayCommandLine("/trayx"));
    EXPECT_FALSE(IsTrayCommandLine("\"/tray\""));
    EXPECT_FALSE(IsTrayCommandLine("C:\\Pads\\Monday, 03-02-98 at 10-15-30PM.ql"));
}
