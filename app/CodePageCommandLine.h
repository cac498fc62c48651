// The command line is read in Unicode and handed on in the code page, where every later step
// names files. The ANSI form that Windows makes puts a look-alike in place of a character the
// code page cannot hold ("a" for "ā"), and so may name another file: such a line is refused.
#pragma once
#include "framework/CString.h"

// Puts the arguments into strArgs in the code page; FALSE when a character of them has no
// exact place there, and strArgs then names nothing.
BOOL ToCodePage(const wchar_t* pszArgs, CString& strArgs);

// Tells the user, naming the path as given, that Quillow cannot open it.
void RefuseUnnamablePad(const wchar_t* pszArgs, const char* pszCaption);
