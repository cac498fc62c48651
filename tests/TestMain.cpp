// Entry of every test program: the framework expects one application object to
// exist, as in Quillow.exe, before any window or settings code runs.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/CWinApp.h"
#include "res/resource.h"

int main(int argc, char **argv) {
  CWinApp app(IDS_APP_TITLE);
  app.InitApplication(GetModuleHandle(NULL), "");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
