#include "pad/PadMessages.h"

namespace {
CString ErrorCodeLine(DWORD dwError) {
    return "\n\nError code = " + CString::FromInt(static_cast<int>(dwError)) + ".";
}
} // namespace

CString PadTooLargeMessage(const CString& strName) {
    return strName + " is too large for Quillow to open.";
}

CString PadInUseMessage(const CString& strName) {
    return strName + " is already in use.\nWould you like to open a new Quillow?";
}

CString PadEraseQuestion(const CString& strName) { return "Erase " + strName + "?"; }

CString PadReadFailedMessage(const CString& strName, DWORD dwError) {
    return "Unable to read " + strName + "." + ErrorCodeLine(dwError);
}

CString PadKeptApartMessage(const CString& strName, const CString& strKeptName) {
    return "Another program changed " + strName + " after a save of it was cut short. Quillow " +
           "leaves " + strName + " as it is and keeps the text it was saving in " + strKeptName +
           ".";
}

CString PadNotTextMessage(const CString& strName) {
    return strName + " is not a plain-text pad, so Quillow does not open it.";
}

CString PadWriteFailure(const CString& strName, DWORD dwError) {
    return "Unable to save " + strName + "." + ErrorCodeLine(dwError);
}

CString PadTooLongFailure(const CString& strName, int nExcess) {
    return "Unable to save " + strName + ": the text is " + CString::FromInt(nExcess) +
           " bytes longer than a pad can hold. Delete at least that much and try again.";
}

const char kTextStaysNote[] =
    "\n\nThe text stays in the window; Quillow tries again when you next leave it.";
const char kCloseAnywayQuestion[] = "\n\nClose it anyway and lose what is not saved?";
