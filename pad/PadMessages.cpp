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

CString PadSaveFailedMessage(const CString& strName, DWORD dwError) {
    return "Unable to save " + strName +
           ". The text stays in the window; Quillow tries again when you next leave it." +
           ErrorCodeLine(dwError);
}
