// The program's folders and the paths and names of pad files.
#pragma once
#include "framework/CString.h"
#include "framework/CTime.h"
#include "framework/PathParts.h"

// The folder that holds Quillow.exe: "ProgramFolder", without one trailing backslash.
CString GetProgramFolder();
// The folder that holds the pads: "HomeFolder", without one trailing backslash (a drive's root
// keeps it), and taken from the settings file's folder when it is relative. When it is not
// set, the Desktop folder in the Windows folder if that exists, which then becomes the
// current folder; otherwise the program folder, which is then written as "HomeFolder".
CString GetHomeFolder();
// The file name of a pad made at the given moment, e.g. "Monday, 03-02-98 at 10-15-30PM.ql".
CString NewPadFileName(const CTime& time);
// The full path of a new pad in the home folder, named after the current time; it has the
// effects of GetHomeFolder.
CString MakeNewPadPath();
// The full path of the file a path names, as the file system has it: relative to the current
// folder, and without the trailing dots and blanks that the file system drops.
CString FullPath(CString strPath);
// The text without one pair of quotes around it.
CString StripQuotes(CString strText);
