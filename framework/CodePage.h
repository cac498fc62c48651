// Text between UTF-16 and the system's code page, in which the program names files and keeps
// its settings.
#pragma once
#include <windows.h>

#include "framework/CString.h"

// The text in UTF-16; empty when it cannot be converted.
CStringW FromCodePage(const char* psz);
// The text, every character of it (NULs too), in the code page nCodePage (CP_ACP, CP_UTF8...),
// with the page's default character for any it cannot hold; empty when it cannot be converted.
CString ToMultiByte(const CStringW& strText, UINT nCodePage);
// The text in the code page, but only when every character comes back from it as it was: a
// best-fit look-alike ("a" for "ā"), the default character "?" and a lost half of a pair all
// come back as something else, and would name another file. FALSE, with str empty, otherwise.
BOOL ToCodePageExactly(const wchar_t* psz, CString& str);
