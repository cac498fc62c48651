// The texts a pad shows in its message boxes, each naming the pad by its section name.
#pragma once
#include <windows.h>

#include "framework/CString.h"

CString PadTooLargeMessage(const CString& strName);
CString PadInUseMessage(const CString& strName);
CString PadEraseQuestion(const CString& strName);
// The pad's file could be opened but not read, or its text not written.
CString PadReadFailedMessage(const CString& strName, DWORD dwError);
CString PadSaveFailedMessage(const CString& strName, DWORD dwError);
