// Starting Quillow.exe (and other programs) for a test, and ending everything they started.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace driver {

// Exit code reported while a process still runs, and when the group never saw the process.
constexpr DWORD kStillRunning = STILL_ACTIVE;
constexpr DWORD kUnknownExitCode = 0xFFFFFFFF;

// The processes of one test, held in a job object that ends them all when the group goes
// away. Processes they start in turn (a pad started by another pad or by the contents
// window) join the job too, so Pids() finds them.
class ProcessGroup {
  public:
    ProcessGroup();
    ~ProcessGroup();
    ProcessGroup(const ProcessGroup&) = delete;
    ProcessGroup& operator=(const ProcessGroup&) = delete;

    // Starts Quillow.exe with the quoted path of the program, a blank and args, as the
    // program's own launcher does (so an empty args leaves a trailing blank). An empty folder
    // means the test program's current folder. Returns the process id, 0 on failure.
    DWORD Start(const std::string& args, const std::string& folder = "");
    // The same with arguments the code page may not hold, passed on in Unicode.
    DWORD Start(const std::wstring& args, const std::string& folder = "");
    // Starts another program: the quoted path, then a blank and args when args is not empty.
    DWORD StartExe(const std::string& exePath, const std::string& args,
                   const std::string& folder = "");
    // The same for a program whose path the ANSI code page cannot hold.
    DWORD StartExe(const std::wstring& exePath, const std::string& args,
                   const std::string& folder = "");

    // Every process of the job that is still running, in no particular order.
    std::vector<DWORD> Pids();
    // Process ids of the job that are not in known: the processes started since known was taken.
    std::vector<DWORD> NewPids(const std::vector<DWORD>& known);
    bool IsRunning(DWORD pid);

    bool WaitForExit(DWORD pid, DWORD ms);
    bool WaitForAllExit(DWORD ms);
    // The exit code of a process this group has seen (started it, or listed it in Pids());
    // kStillRunning while it runs, kUnknownExitCode for a process it never saw.
    DWORD ExitCode(DWORD pid);
    // Ends every process of the job and waits until they are gone.
    void KillAll();
    // Ends one process at once, as a crash would, and waits until it is gone.
    bool Kill(DWORD pid);

  private:
    DWORD Launch(const std::string& commandLine, const std::string& folder);
    DWORD Launch(const std::wstring& commandLine, const std::string& folder);
    // Keeps a handle to every process seen, so its exit code stays readable after it ends.
    HANDLE Remember(DWORD pid);

    HANDLE m_job;
    std::map<DWORD, HANDLE> m_processes;
};

// The path of the program a process runs; empty when it cannot be read.
std::string ProcessImagePath(DWORD pid);

} // namespace driver
