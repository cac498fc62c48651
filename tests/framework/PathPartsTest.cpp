// Paths taken apart as the program reads file names.
#include <gtest/gtest.h>

#include <string>

#include "framework/PathParts.h"

namespace {

std::string Str(const CString& s) { return std::string(s.GetString(), s.GetLength()); }

} // namespace

TEST(SplitPathParts, EveryPartIsCutTo255CharactersAndTheExtensionStartsAtTheLastDot) {
    const std::string folder = "\\" + std::string(400, 'f') + "\\";
    const std::string extension = "." + std::string(300, 'e');
    PathParts parts = SplitPath(("C:" + folder + "name" + extension).c_str());
    EXPECT_EQ("C:", Str(parts.strDrive));
    EXPECT_EQ(folder.substr(0, 255), Str(parts.strFolder));
    EXPECT_EQ("name", Str(parts.strName));
    EXPECT_EQ(extension.substr(0, 255), Str(parts.strExtension));

    parts = SplitPath("C:\\Old.Pads/sub\\archive.2.ql");
    EXPECT_EQ("C:", Str(parts.strDrive));
    EXPECT_EQ("\\Old.Pads/sub\\", Str(parts.strFolder));
    EXPECT_EQ("archive.2", Str(parts.strName));
    EXPECT_EQ(".ql", Str(parts.strExtension));
}
