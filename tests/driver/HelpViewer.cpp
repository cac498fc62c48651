#include "HelpViewer.h"

#include "Files.h"

#include <windows.h>

namespace driver {

namespace {

const char kExtensionKey[] = ".htm";
const char kPageClassKey[] = "QuillowTest.HelpPage";
const char kOpenCommandKey[] = "QuillowTest.HelpPage\\shell\\open\\command";

std::string RecordPath() { return ExeFolder() + "\\recorder\\recorded.txt"; }

bool SetDefaultValue(const char* keyName, const std::string& value) {
    HKEY key = NULL;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyName, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) !=
        ERROR_SUCCESS)
        return false;
    const LONG result =
        RegSetValueExA(key, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool GetDefaultValue(const char* keyName, std::string& value) {
    char buffer[1024];
    LONG size = sizeof buffer;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, keyName, buffer, &size) != ERROR_SUCCESS)
        return false;
    value.assign(buffer, size > 0 ? size - 1 : 0);
    return true;
}

} // namespace

ScopedHelpViewer::ScopedHelpViewer()
    : m_hadExtension(GetDefaultValue(kExtensionKey, m_oldExtensionValue)) {
    const std::string command = "\"" + ExeFolder() + "\\recorder\\Quillow.exe\" \"%1\"";
    m_ready =
        SetDefaultValue(kOpenCommandKey, command) && SetDefaultValue(kExtensionKey, kPageClassKey);
    Forget();
}

ScopedHelpViewer::~ScopedHelpViewer() {
    Forget();
    if (m_hadExtension)
        SetDefaultValue(kExtensionKey, m_oldExtensionValue);
    else
        RegDeleteKeyA(HKEY_CLASSES_ROOT, kExtensionKey);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, kOpenCommandKey);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "QuillowTest.HelpPage\\shell\\open");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "QuillowTest.HelpPage\\shell");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, kPageClassKey);
}

std::string ScopedHelpViewer::WaitForOpenedPage(DWORD ms) {
    // The record's second line holds the arguments: the page, in quotes.
    std::string record;
    if (!WaitUntil([&] { return ReadFileBytes(RecordPath(), record); }, ms))
        return std::string();
    const std::string::size_type start = record.find("\r\n");
    const std::string::size_type end =
        start == std::string::npos ? start : record.find("\r\n", start + 2);
    if (end == std::string::npos)
        return std::string();
    std::string page = record.substr(start + 2, end - start - 2);
    if (page.size() >= 2 && page.front() == '"' && page.back() == '"')
        page = page.substr(1, page.size() - 2);
    return page;
}

void ScopedHelpViewer::Forget() { DeleteFileA(RecordPath().c_str()); }

} // namespace driver
