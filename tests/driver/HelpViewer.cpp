#include "HelpViewer.h"

#include "Files.h"

#include <windows.h>

#include <shlwapi.h>

namespace driver {

namespace {

const char kPageClass[] = "QuillowTest.HelpPage";

std::string RecordPath() { return ExeFolder() + "\\recorder\\recorded.txt"; }

bool SetDefault(const std::string& key, const std::string& value) {
    return SHSetValueA(HKEY_CLASSES_ROOT, key.c_str(), NULL, REG_SZ, value.c_str(),
                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

} // namespace

ScopedHelpViewer::ScopedHelpViewer() {
    char old[1024] = "";
    DWORD size = sizeof old;
    m_hadExtension =
        SHGetValueA(HKEY_CLASSES_ROOT, ".htm", NULL, NULL, old, &size) == ERROR_SUCCESS;
    m_oldExtensionValue = old;
    m_ready = SetDefault(std::string(kPageClass) + "\\shell\\open\\command",
                         "\"" + ExeFolder() + "\\recorder\\Quillow.exe\" \"%1\"") &&
              SetDefault(".htm", kPageClass);
    Forget();
}

ScopedHelpViewer::~ScopedHelpViewer() {
    Forget();
    if (m_hadExtension)
        SetDefault(".htm", m_oldExtensionValue);
    else
        SHDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
    SHDeleteKeyA(HKEY_CLASSES_ROOT, kPageClass);
}

std::string ScopedHelpViewer::WaitForOpenedPage(DWORD ms) {
    // The record's second line holds the arguments: the page, in quotes.
    std::string record;
    if (!WaitUntil([&] { return ReadFileBytes(RecordPath(), record); }, ms))
        return std::string();
    const std::string::size_type start = record.find("\r\n") + 2;
    const std::string page = record.substr(start, record.find("\r\n", start) - start);
    return page.size() >= 2 ? page.substr(1, page.size() - 2) : page;
}

void ScopedHelpViewer::Forget() { DeleteFileA(RecordPath().c_str()); }

} // namespace driver
