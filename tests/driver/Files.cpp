#include "Files.h"

#include "Wait.h"

#include <cstdlib>
#include <vector>

namespace driver {

namespace {

// Closes a file or search handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }

  private:
    HANDLE m_handle;
};

class FindHandle {
  public:
    explicit FindHandle(HANDLE handle) : m_handle(handle) {}
    ~FindHandle() {
        if (m_handle != INVALID_HANDLE_VALUE)
            FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }

  private:
    HANDLE m_handle;
};

// Wide throughout: a name the code page cannot hold has a look-alike there that may name
// another file.
bool RemoveTreeOnce(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    {
        FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
        if (search.IsValid()) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring path = folder + L"\\" + name;
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTreeOnce(path);
                else
                    DeleteFileW(path.c_str());
            } while (FindNextFileW(search.Get(), &found));
        }
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    return RemoveDirectoryW(folder.c_str()) ||
           GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// Wine's own export, absent on Windows; the result is freed from the process heap.
std::string UnixPath(const std::string& path) {
    typedef char*(CDECL * UnixFileName)(const wchar_t*);
    UnixFileName toUnix = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return "";
    char* unix = toUnix(Widen(path).c_str());
    if (!unix)
        return "";
    std::string result(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

} // namespace

std::string ExeFolder() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(NULL, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::string();
        if (length < buffer.size()) {
            std::string path(buffer.data(), length);
            const std::string::size_type slash = path.find_last_of("\\/");
            return slash == std::string::npos ? std::string() : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string QuillowExePath() { return ExeFolder() + "\\Quillow.exe"; }

std::wstring Widen(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), NULL, 0);
    std::wstring wide(length > 0 ? length : 0, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                            length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           NULL, 0, NULL, NULL);
    std::string narrow(length > 0 ? length : 0, '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0],
                            length, NULL, NULL);
    return narrow;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadFileBytes(const std::string& path, std::string& data) {
    return ReadFileBytes(Widen(path), data);
}

bool ReadFileBytes(const std::wstring& path, std::string& data) {
    data.clear();
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL));
    if (!file.IsValid())
        return false;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, NULL) && read > 0)
        data.append(chunk, read);
    return true;
}

std::string FileText(const std::string& path) { return FileText(Widen(path)); }

std::string FileText(const std::wstring& path) {
    std::string data;
    return ReadFileBytes(path, data) ? data : "<missing>";
}

bool WriteFileBytes(const std::string& path, const std::string& data) {
    return WriteFileBytes(Widen(path), data);
}

bool WriteFileBytes(const std::wstring& path, const std::string& data) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, NULL));
    if (!file.IsValid())
        return false;
    DWORD written = 0;
    return data.empty() ||
           (WriteFile(file.Get(), data.data(), static_cast<DWORD>(data.size()), &written, NULL) &&
            written == data.size());
}

bool ReplaceByRename(const std::string& path, const std::string& data) {
    const std::string temporary = path + ".~new";
    if (!WriteFileBytes(temporary, data))
        return false;
    if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

TempFolder::TempFolder() {
    char temp[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH)
        return;
    std::string base(temp, length);
    if (!base.empty() && base.back() == '\\')
        base.pop_back();
    const std::string prefix =
        base + "\\quillow-test-" + std::to_string(GetCurrentProcessId()) + "-";
    for (DWORD attempt = GetTickCount() % 100000;; ++attempt) {
        const std::string candidate = prefix + std::to_string(attempt);
        if (CreateDirectoryA(candidate.c_str(), NULL)) {
            m_path = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return;
    }
}

TempFolder::~TempFolder() {
    // A process that was just ended may hold its files for a moment longer.
    if (!m_path.empty())
        WaitUntil([&] { return RemoveTreeOnce(Widen(m_path)); }, 3000, 50);
}

std::string TempFolder::File(const std::string& name) const { return m_path + "\\" + name; }

TestRecycleBin::TestRecycleBin() {
    const std::string trash = m_folder.File("Trash");
    m_files = trash + "\\files";
    const std::string unixPath = UnixPath(m_folder.Path());
    m_ready = !m_folder.Path().empty() && !unixPath.empty() &&
              CreateDirectoryA(trash.c_str(), NULL) && CreateDirectoryA(m_files.c_str(), NULL) &&
              CreateDirectoryA((trash + "\\info").c_str(), NULL) &&
              SetEnvironmentVariableA("XDG_DATA_HOME", unixPath.c_str());
}

// The C runtime's copy of the environment is the one the test program started with (NULL
// removes a variable that was not set).
TestRecycleBin::~TestRecycleBin() {
    SetEnvironmentVariableA("XDG_DATA_HOME", getenv("XDG_DATA_HOME"));
}

} // namespace driver
