// Every read and write of the settings file, QUILLOW.INI. All processes (the contents window
// and every pad) read and write it at the moment they need a value, a key or a whole section
// at a time; only a starting pad keeps what it read until its window is in place. The file's
// place is looked up once per process. Section and key names ignore case; integers are
// stored as signed decimal text.
//
// Each call holds a lock for one read or write, or for one group of sections read together,
// never across a message box, so that the calls of all processes take turns: the named
// mutex "Marrowdale.Quillow.Settings:" followed by the file's full path in capitals with "/"
// for "\" (its last characters, when the name would be too long). Another program that
// writes the file should take it too.
#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "settings/SettingsSection.h"

// The value, or nDefault when the key or the file is missing.
int ReadSettingInt(const char* pszSection, const char* pszKey, int nDefault);
CString ReadSettingString(const char* pszSection, const char* pszKey, const char* pszDefault);
// Every line of the section: one reading of the file for a reader that wants several keys.
CSettingsSection ReadSettingsSection(const char* pszSection);
// Several sections in one hold of the lock, so that they belong together.
void ReadSettingsSections(const char* const* ppszSections, CSettingsSection* pSections, int nCount);
// Creates the section and the file when needed. The first write in a process that fails tells
// the user which file could not be written, and why.
BOOL WriteSettingInt(const char* pszSection, const char* pszKey, int nValue);
BOOL WriteSettingString(const char* pszSection, const char* pszKey, const char* pszValue);
// Removes the section with all its keys; a missing section leaves the file as it was.
BOOL DeleteSettingsSection(const char* pszSection);
