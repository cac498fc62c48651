// How the process start-up finds the arguments in the raw command line.
#pragma once

// Skips the program name (quoted: up to and including the closing quote; unquoted: up to
// the first character of code 32 or less), then every following character of code 1 to 32.
// The rest is returned unchanged, trailing blanks included.
const char* SkipProgramName(const char* pszCommandLine);
// The same on the Unicode command line.
const wchar_t* SkipProgramName(const wchar_t* pszCommandLine);
