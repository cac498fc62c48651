// Which window a process runs is decided by its whole command line.
#include <gtest/gtest.h>

#include "app/QuillowApp.h"

TEST(ModeSelection, OnlyTheTraySwitchInAnyCaseSelectsTheContentsWindowAnythingElseIsAPadPath) {
    for (const char* tray : {"/tray", "/TRAY", "/Tray"})
        EXPECT_TRUE(IsTrayCommandLine(tray)) << tray;
    for (const char* path : {"", "/tray ", "-tray", "/trayx", "\"/tray\"",
                             "C:\\Pads\\Monday, 03-02-98 at 10-15-30PM.ql"})
        EXPECT_FALSE(IsTrayCommandLine(path)) << path;
}
