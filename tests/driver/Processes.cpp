#include "Processes.h"

#include <psapi.h>

#include "Files.h"
#include "Wait.h"

#include <algorithm>

namespace driver {

namespace {

// Wide enough for the processes of a test; the list reports how many did not fit.
constexpr DWORD kMaxJobProcesses = 256;

struct JobProcessList {
    JOBOBJECT_BASIC_PROCESS_ID_LIST header;
    ULONG_PTR more[kMaxJobProcesses - 1];
};

} // namespace

ProcessGroup::ProcessGroup() : m_job(CreateJobObjectA(NULL, NULL)) {
    // Touching the desktop now makes this process, not a program in the job, the one that
    // brings up Wine's desktop process if it is not running yet; otherwise it would join the
    // job and be listed and ended with the test's processes.
    GetDesktopWindow();
    if (!m_job)
        return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
}

ProcessGroup::~ProcessGroup() {
    KillAll();
    for (const auto& entry : m_processes)
        CloseHandle(entry.second);
    if (m_job)
        CloseHandle(m_job);
}

DWORD ProcessGroup::Start(const std::string& args, const std::string& folder) {
    return Launch("\"" + QuillowExePath() + "\" " + args, folder);
}

DWORD ProcessGroup::Start(const std::wstring& args, const std::string& folder) {
    return Launch(L"\"" + Widen(QuillowExePath()) + L"\" " + args, folder);
}

DWORD ProcessGroup::StartExe(const std::string& exePath, const std::string& args,
                             const std::string& folder) {
    return StartExe(Widen(exePath), args, folder);
}

DWORD ProcessGroup::StartExe(const std::wstring& exePath, const std::string& args,
                             const std::string& folder) {
    return Launch(L"\"" + exePath + L"\"" + (args.empty() ? L"" : L" " + Widen(args)), folder);
}

DWORD ProcessGroup::Launch(const std::string& commandLine, const std::string& folder) {
    return Launch(Widen(commandLine), folder);
}

DWORD ProcessGroup::Launch(const std::wstring& commandLine, const std::string& folder) {
    if (!m_job)
        return 0;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // Suspended until it is in the job, so that nothing it starts can escape the job.
    if (!CreateProcessW(NULL, line.data(), NULL, NULL, FALSE, CREATE_SUSPENDED, NULL,
                        folder.empty() ? NULL : Widen(folder).c_str(), &startup, &info))
        return 0;
    if (!AssignProcessToJobObject(m_job, info.hProcess)) {
        TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return 0;
    }
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    m_processes[info.dwProcessId] = info.hProcess;
    return info.dwProcessId;
}

HANDLE ProcessGroup::Remember(DWORD pid) {
    const auto found = m_processes.find(pid);
    if (found != m_processes.end())
        return found->second;
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (process)
        m_processes[pid] = process;
    return process;
}

std::vector<DWORD> ProcessGroup::Pids() {
    std::vector<DWORD> pids;
    if (!m_job)
        return pids;
    JobProcessList list = {};
    list.header.NumberOfAssignedProcesses = kMaxJobProcesses;
    if (!QueryInformationJobObject(m_job, JobObjectBasicProcessIdList, &list, sizeof list, NULL))
        return pids;
    const ULONG_PTR* ids = list.header.ProcessIdList;
    for (DWORD i = 0; i < list.header.NumberOfProcessIdsInList; ++i) {
        const DWORD pid = static_cast<DWORD>(ids[i]);
        HANDLE process = Remember(pid);
        if (process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT)
            pids.push_back(pid);
    }
    return pids;
}

std::vector<DWORD> ProcessGroup::NewPids(const std::vector<DWORD>& known) {
    std::vector<DWORD> fresh;
    for (DWORD pid : Pids()) {
        if (std::find(known.begin(), known.end(), pid) == known.end())
            fresh.push_back(pid);
    }
    return fresh;
}

bool ProcessGroup::IsRunning(DWORD pid) {
    Remember(pid);
    return ExitCode(pid) == kStillRunning;
}

bool ProcessGroup::WaitForExit(DWORD pid, DWORD ms) {
    const auto found = m_processes.find(pid);
    if (found == m_processes.end())
        return Remember(pid) ? WaitForExit(pid, ms) : true;
    return WaitForSingleObject(found->second, ms) == WAIT_OBJECT_0;
}

bool ProcessGroup::WaitForAllExit(DWORD ms) {
    return WaitUntil([&] { return Pids().empty(); }, ms);
}

DWORD ProcessGroup::ExitCode(DWORD pid) {
    const auto found = m_processes.find(pid);
    if (found == m_processes.end())
        return kUnknownExitCode;
    DWORD code = kUnknownExitCode;
    if (!GetExitCodeProcess(found->second, &code))
        return kUnknownExitCode;
    return code;
}

std::string ProcessImagePath(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return std::string();
    char path[MAX_PATH + 1] = "";
    const DWORD length = GetModuleFileNameExA(process, NULL, path, sizeof path);
    CloseHandle(process);
    return std::string(path, length);
}

void ProcessGroup::KillAll() {
    if (!m_job)
        return;
    TerminateJobObject(m_job, 1);
    for (const auto& entry : m_processes)
        WaitForSingleObject(entry.second, 5000);
    WaitForAllExit(5000);
}

bool ProcessGroup::Kill(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    if (!process)
        return false;
    const bool ended = TerminateProcess(process, 1) != FALSE;
    CloseHandle(process);
    return ended && WaitForExit(pid, kWaitMs);
}

} // namespace driver
