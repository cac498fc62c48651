// A path taken apart the way the program's file names are read.
#pragma once

#include "framework/CString.h"

// The parts of a path: drive ("C:"), folder (up to and including the last "\" or "/"),
// name, and extension (from the last "." of the rest). No part is longer than 255
// characters; a longer one is cut.
struct PathParts {
    CString strDrive;
    CString strFolder;
    CString strName;
    CString strExtension;
};
PathParts SplitPath(const char* pszPath);
