// The texts a pad shows in its message boxes, each naming the pad by its section name.
#pragma once
#include <windows.h>

#include "framework/CString.h"

CString PadTooLargeMessage(const CString& strName);
// The file holds bytes that are no plain text, or the name opens a device.
CString PadNotTextMessage(const CString& strName);
CString PadInUseMessage(const CString& strName);
CString PadEraseQuestion(const CString& strName);
// The pad's file, or its recovery file, could be opened but not read.
CString PadReadFailedMessage(const CString& strName, DWORD dwError);
// The text of a save cut short went to a pad of its own, because the pad file was changed
// after it.
CString PadKeptApartMessage(const CString& strName, const CString& strKeptName);

// Why a save failed: the disk refused it, or the text is nExcess bytes more than a pad holds.
CString PadWriteFailure(const CString& strName, DWORD dwError);
CString PadTooLongFailure(const CString& strName, int nExcess);
// What follows the reason: after a failed save, and when the pad is being closed.
extern const char kTextStaysNote[];
extern const char kCloseAnywayQuestion[];
