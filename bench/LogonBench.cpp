// A logon with N start-up pads: fills a pad folder with N pads marked to show at start-up,
// starts "Quillow.exe /tray" and times until every one of them has its window shown. In the
// same run it starts N floor programs at once on the same files and times until all are
// shown. It prints both medians and their ratio for N = 5, 20 and 50. A logon in which some
// pad never shows is counted as failed and run again.
//
// Usage: logon_bench [runs]   (run from the folder that holds Quillow.exe; it rewrites
// QUILLOW.INI in the Windows folder, so give it a Wine prefix of its own)
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "bench/Clock.h"
#include "res/resource.h"

namespace {

const int kPadCounts[] = {5, 20, 50};
// A run in which no further window shows for this long has failed.
const double kStallMs = 15000;
// A failed logon is tried again, up to this many times the runs asked for.
const int kMaxAttemptsPerRun = 4;
const char kGlobalSection[] = "Quillow Contents";

std::string ExeFolder() {
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string IniPath() {
    char folder[MAX_PATH + 1] = "";
    GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\QUILLOW.INI";
}

bool WriteFileBytes(const std::string& path, const std::string& data) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, NULL);
    CloseHandle(file);
    return ok && written == data.size();
}

// The pad names of a folder of count pads, each with a few lines of text of its own.
std::vector<std::string> MakePadFolder(const std::string& folder, int count) {
    CreateDirectoryA(folder.c_str(), NULL);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[32];
        snprintf(name, sizeof name, "Pad %02d.ql", i + 1);
        std::string text;
        for (int line = 0; line < 10; ++line)
            text += std::string(name) + ", line " + std::to_string(line) + " of a note.\r\n";
        WriteFileBytes(folder + "\\" + name, text);
        names.push_back(name);
    }
    return names;
}

void WriteInt(const std::string& section, const char* key, int value) {
    WritePrivateProfileStringA(section.c_str(), key, std::to_string(value).c_str(),
                               IniPath().c_str());
}

// Fresh settings for one logon: the folders, no update reminder ever, and every pad marked
// to show at start-up at a place of its own.
void WriteSettings(const std::string& folder, const std::vector<std::string>& names) {
    const std::string ini = IniPath();
    WritePrivateProfileStringA(NULL, NULL, NULL, ini.c_str());
    DeleteFileA(ini.c_str());
    WritePrivateProfileStringA(kGlobalSection, "ProgramFolder", ExeFolder().c_str(), ini.c_str());
    WritePrivateProfileStringA(kGlobalSection, "HomeFolder", folder.c_str(), ini.c_str());
    WriteInt(kGlobalSection, "NextUpdateReminder", 13);
    for (size_t i = 0; i < names.size(); ++i) {
        const int column = static_cast<int>(i % 8);
        const int row = static_cast<int>(i / 8);
        WriteInt(names[i], "ShowOnStartup", 1);
        WriteInt(names[i], "Row", 20 + 150 * column + 8 * row);
        WriteInt(names[i], "Column", 20 + 120 * row);
        WriteInt(names[i], "Width", 180);
        WriteInt(names[i], "Height", 140);
    }
    WritePrivateProfileStringA(NULL, NULL, NULL, ini.c_str());
}

// The processes of one run, in a job that takes along every process they start and ends
// them all at once.
class Job {
  public:
    Job() : m_job(CreateJobObjectA(NULL, NULL)) {
        // Touching the desktop first makes the benchmark, not a program in the job, the one
        // that brings up Wine's desktop process when it is not running: otherwise each run
        // would end it with the job, and the next run would wait for a new one.
        GetDesktopWindow();
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    ~Job() {
        EndAll();
        CloseHandle(m_job);
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // Returns the process id, 0 on failure. The process starts suspended until it is in the
    // job, so nothing it starts escapes it.
    DWORD Start(const std::string& commandLine) {
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, CREATE_SUSPENDED, NULL, NULL,
                            &startup, &process))
            return 0;
        AssignProcessToJobObject(m_job, process.hProcess);
        ResumeThread(process.hThread);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return process.dwProcessId;
    }

    void EndAll() {
        TerminateJobObject(m_job, 1);
        const double start = NowMs();
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
        while (NowMs() - start < 10000 &&
               QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &info,
                                         sizeof info, NULL) &&
               info.ActiveProcesses > 0)
            Sleep(10);
    }

  private:
    HANDLE m_job;
};

struct ShownWindow {
    DWORD pid;
    std::string caption;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM lParam) {
    if (!IsWindowVisible(window))
        return TRUE;
    ShownWindow shown = {0, ""};
    GetWindowThreadProcessId(window, &shown.pid);
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof caption);
    shown.caption = caption;
    reinterpret_cast<std::vector<ShownWindow>*>(lParam)->push_back(shown);
    return TRUE;
}

// Polls the visible top-level windows until expected of them count; returns the time from
// start, or a negative value when no further window came for a while.
double WaitUntilShown(double start, const std::function<bool(const ShownWindow&)>& counts,
                      size_t expected) {
    size_t lastShown = 0;
    double lastChange = start;
    for (;;) {
        std::vector<ShownWindow> windows;
        EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
        const double now = NowMs();
        const size_t shown = std::count_if(windows.begin(), windows.end(), counts);
        if (shown >= expected)
            return now - start;
        if (shown != lastShown) {
            lastShown = shown;
            lastChange = now;
        } else if (now - lastChange > kStallMs) {
            return -1;
        }
        Sleep(5);
    }
}

// Takes the contents window's icon out of the notification area, as its Exit does. Under
// Wine, ending a process whose icon is still there holds up the next program's start by
// about two seconds, which would fall on the floor.
void RemoveContentsTrayIcon() {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = FindWindowA("#32770", "Quillow Contents");
    icon.uID = IDR_MAINFRAME;
    if (icon.hWnd)
        Shell_NotifyIconA(NIM_DELETE, &icon);
}

// One logon: the contents process, then every start-up pad shown.
double RunLogon(const std::string& folder, const std::vector<std::string>& names) {
    WriteSettings(folder, names);
    Job job;
    const std::set<std::string> padCaptions(names.begin(), names.end());
    const double start = NowMs();
    if (!job.Start("\"" + ExeFolder() + "\\Quillow.exe\" /tray"))
        return -1;
    const double ms = WaitUntilShown(
        start, [&](const ShownWindow& w) { return padCaptions.count(w.caption) > 0; },
        names.size());
    RemoveContentsTrayIcon();
    return ms;
}

// The floor: one bare dialog program per pad file, all started at once.
double RunFloor(const std::string& folder, const std::vector<std::string>& names) {
    Job job;
    std::set<DWORD> pids;
    const double start = NowMs();
    for (const std::string& name : names) {
        const DWORD pid =
            job.Start("\"" + ExeFolder() + "\\QuillowFloor.exe\" " + folder + "\\" + name);
        if (!pid)
            return -1;
        pids.insert(pid);
    }
    return WaitUntilShown(
        start, [&](const ShownWindow& w) { return pids.count(w.pid) > 0; }, names.size());
}

struct Figures {
    double median;
    double low;
    double high;
};

// Medians over the runs that succeeded, in seconds.
Figures Summarise(std::vector<double> ms) {
    ms.erase(std::remove_if(ms.begin(), ms.end(), [](double v) { return v < 0; }), ms.end());
    if (ms.empty())
        return {0, 0, 0};
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return {median / 1000, ms.front() / 1000, ms.back() / 1000};
}

// Lets the last run's processes go and Wine settle before the next start.
void Settle() { Sleep(1000); }

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    char temp[MAX_PATH + 1] = "";
    GetTempPathA(sizeof temp, temp);

    printf("Logon: from starting Quillow.exe /tray until every start-up pad is shown, next to\n"
           "the floor, as many bare dialog programs on the same files started at once.\n"
           "Median of %d runs (fastest to slowest), seconds; %lu cores\n",
           runs, static_cast<unsigned long>(system.dwNumberOfProcessors));
    printf("%6s  %22s  %22s  %6s  %s\n", "pads", "Quillow.exe /tray", "floor", "ratio",
           "failed logons");
    fflush(stdout);
    bool complete = true;
    for (int count : kPadCounts) {
        const std::string folder = std::string(temp) + "quillow-logon-" + std::to_string(count);
        const std::vector<std::string> names = MakePadFolder(folder, count);
        // One of each first, so that both find Wine and the files warm.
        RunLogon(folder, names);
        Settle();
        RunFloor(folder, names);
        Settle();
        // A logon in which a pad never shows (its start failed, or the settings file lost its
        // section) is counted and tried again; the floor cannot fail that way.
        std::vector<double> logon, floor;
        int failed = 0;
        for (int attempt = 0;
             static_cast<int>(logon.size()) < runs && attempt < kMaxAttemptsPerRun * runs;
             ++attempt) {
            const double ms = RunLogon(folder, names);
            Settle();
            if (ms < 0) {
                ++failed;
                continue;
            }
            logon.push_back(ms);
            floor.push_back(RunFloor(folder, names));
            Settle();
        }
        complete = complete && static_cast<int>(logon.size()) == runs &&
                   std::count(floor.begin(), floor.end(), -1.0) == 0;
        const Figures q = Summarise(logon);
        const Figures f = Summarise(floor);
        printf("%6d  %6.2f (%5.2f to %5.2f)  %6.2f (%5.2f to %5.2f)  %6.2f  %d of %d\n", count,
               q.median, q.low, q.high, f.median, f.low, f.high,
               f.median > 0 ? q.median / f.median : 0, failed,
               failed + static_cast<int>(logon.size()));
        fflush(stdout);
    }
    DeleteFileA(IniPath().c_str());
    if (!complete)
        printf("Too few runs showed every window.\n");
    return complete ? 0 : 1;
}
