// A Recycle Bin of the test's own. Under Wine the Recycle Bin is the desktop's trash folder,
// $XDG_DATA_HOME/Trash, used only where it exists (elsewhere an erase deletes for good, and
// says it succeeded). Wine reads the variable from the erasing process's own environment, which
// a process inherits from the one that starts it, so setting it here reaches every Quillow
// process the test starts from now on.
#pragma once

#include <string>

#include "Files.h"

namespace driver {

class TestRecycleBin {
  public:
    // Makes the trash folder in a fresh folder and points XDG_DATA_HOME at it.
    TestRecycleBin();
    // Puts XDG_DATA_HOME back as it was.
    ~TestRecycleBin();
    TestRecycleBin(const TestRecycleBin&) = delete;
    TestRecycleBin& operator=(const TestRecycleBin&) = delete;

    // False when the trash folder could not be made or has no Unix path (not under Wine).
    bool Ready() const { return m_ready; }
    // Where a file of this name lands in the bin.
    std::string File(const std::string& name) const { return m_files + "\\" + name; }

  private:
    TempFolder m_folder;
    std::string m_files;
    bool m_ready;
    bool m_hadValue;
    std::string m_oldValue;
};

} // namespace driver
