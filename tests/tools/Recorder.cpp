// A stand-in for Quillow.exe in launcher tests: records how it was started into
// "recorded.txt" beside itself, then exits. The file holds three lines: the raw command
// line, the arguments after the program name, and the current folder.
#include <windows.h>

#include <string>

#include "framework/CommandLine.h"

namespace {

std::string OwnFolder() {
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH + 1);
    std::string folder(path, length <= MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string CurrentFolder() {
    const DWORD size = GetCurrentDirectoryA(0, NULL);
    std::string folder(size, '\0');
    const DWORD length = GetCurrentDirectoryA(size, &folder[0]);
    folder.resize(length < size ? length : 0);
    return folder;
}

bool WriteWhole(const std::string& path, const std::string& data) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, NULL);
    CloseHandle(file);
    return ok && written == data.size();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* commandLine = GetCommandLineA();
    const std::string record = std::string(commandLine) + "\r\n" + SkipProgramName(commandLine) +
                               "\r\n" + CurrentFolder() + "\r\n";

    // Written aside and then renamed, so a test never reads half a record.
    const std::string folder = OwnFolder();
    const std::string temporary = folder + "\\recorded.tmp";
    if (!WriteWhole(temporary, record))
        return 1;
    if (!MoveFileExA(temporary.c_str(), (folder + "\\recorded.txt").c_str(),
                     MOVEFILE_REPLACE_EXISTING))
        return 1;

    // Tell a launcher waiting for this process to become idle that it may go on.
    MSG msg;
    PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
    return 0;
}
