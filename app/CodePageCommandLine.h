// The command line is read in Unicode and handed on in the code page (ToCodePageExactly),
// where every later step names files. The ANSI form that Windows makes puts a look-alike in
// place of a character the code page cannot hold ("a" for "ā"), and so may name another file:
// such a line is refused.
#pragma once
#include "framework/CString.h"

// Tells the user, naming the path as given, that Quillow cannot open it.
void RefuseUnnamablePad(const wchar_t* pszArgs, const char* pszCaption);
