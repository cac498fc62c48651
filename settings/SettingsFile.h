// Where the settings file lives. Every process must find the same file, so this is the one
// place that decides it: QUILLOW.INI beside Quillow.exe when that file exists there (an
// installed or unpacked copy keeps its settings in its own folder, which a standard user may
// write), else QUILLOW.INI in the Windows folder.
#pragma once
#include "framework/CString.h"

// The full path of QUILLOW.INI.
CString SettingsFilePath();

// The folder of the running program, without a trailing backslash. A folder whose name the
// ANSI code page cannot hold exactly is given in its short (8.3) form.
CString GetRunningProgramFolder();

// The Windows folder, without a trailing backslash.
CString GetWindowsFolder();
