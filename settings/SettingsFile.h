// Where the settings file lives. Every process must find the same file, so this is the one
// place that decides it.
#pragma once
#include "framework/CString.h"

// The full path of QUILLOW.INI.
CString SettingsFilePath();

// The Windows folder, without a trailing backslash.
CString GetWindowsFolder();
