// The settings file QUILLOW.INI, read and written from outside the program as another process
// would. It is the one beside Quillow.exe when there is one, else the one in the Windows folder.
#pragma once

#include <string>
#include <vector>

namespace driver {

// The global section of the settings file.
extern const char* const kGlobalSection;

std::string IniPath();

// Every read first drops this process's cached copy of the file, so that what Quillow's
// processes wrote a moment ago is seen.
int IniGetInt(const std::string& section, const std::string& key, int defaultValue);
std::string IniGetString(const std::string& section, const std::string& key,
                         const std::string& defaultValue = "");
bool IniSetInt(const std::string& section, const std::string& key, int value);
bool IniSetString(const std::string& section, const std::string& key, const std::string& value);
bool IniDeleteKey(const std::string& section, const std::string& key);

// Letters compared without regard to case, as the profile functions do.
bool IniHasKey(const std::string& section, const std::string& key);
bool IniHasSection(const std::string& section);
std::vector<std::string> IniSectionNames();
// The section's lines as "key=value", in file order.
std::vector<std::string> IniSectionLines(const std::string& section);

// Deletes the settings file.
void IniReset();

// Gives a test a settings file of its own: empty but for "ProgramFolder" (the test program's
// folder, where Quillow.exe is) and, when given, "HomeFolder"; deleted again at the end.
class ScopedIni {
  public:
    explicit ScopedIni(const std::string& homeFolder = "");
    ~ScopedIni();
    ScopedIni(const ScopedIni&) = delete;
    ScopedIni& operator=(const ScopedIni&) = delete;
};

} // namespace driver
