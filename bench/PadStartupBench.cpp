// Starts a pad on a file with text N times, and the floor program N times, alternating, and
// prints for each the time from process start to its window being shown and the peak
// memory of the process, with the ratio pad / floor. The floor runs twice: bare, and with
// Quillow's manifest (the themed common controls cost memory of their own under Wine).
//
// Usage: pad_startup_bench [runs] [pad file]   (run from the folder that holds Quillow.exe)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double msToShown;
    SIZE_T peakWorkingSet;
    SIZE_T peakPagefile;
};

struct FindState {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lParam) {
    FindState* state = reinterpret_cast<FindState*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == state->pid && IsWindowVisible(window)) {
        state->window = window;
        return FALSE;
    }
    return TRUE;
}

std::string ExeFolder() {
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

// One start: false when the program did not show a window in time.
bool RunOnce(const std::string& exe, const std::string& file, Sample& sample) {
    std::string commandLine = "\"" + exe + "\" " + file;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return false;
    FindState state = {process.dwProcessId, NULL};
    for (;;) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&state));
        QueryPerformanceCounter(&now);
        if (state.window || now.QuadPart - start.QuadPart > frequency.QuadPart * 20)
            break;
        Sleep(1);
    }
    sample.msToShown = 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
    // Let it settle (paint, placement) before its memory is read.
    Sleep(300);
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
    sample.peakWorkingSet = counters.PeakWorkingSetSize;
    sample.peakPagefile = counters.PeakPagefileUsage;
    if (state.window)
        PostMessageA(state.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return state.window != NULL;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

struct Summary {
    double ms;
    double workingSetKb;
    double pagefileKb;
};

Summary Summarise(const std::vector<Sample>& samples) {
    std::vector<double> ms, ws, pf;
    for (const Sample& s : samples) {
        ms.push_back(s.msToShown);
        ws.push_back(s.peakWorkingSet / 1024.0);
        pf.push_back(s.peakPagefile / 1024.0);
    }
    return {Median(ms), Median(ws), Median(pf)};
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? atoi(argv[1]) : 20;
    std::string folder = ExeFolder();
    std::string file = argc > 2 ? argv[2] : folder + "\\Bench pad.ql";
    if (argc <= 2) {
        std::string text;
        for (int i = 0; i < 40; ++i)
            text +=
                "A line of a note, as a user would type it, number " + std::to_string(i) + ".\r\n";
        HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, NULL);
        DWORD written = 0;
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, NULL);
        CloseHandle(handle);
    }
    const std::string pad = folder + "\\Quillow.exe";
    const std::string floors[2] = {folder + "\\QuillowFloor.exe",
                                   folder + "\\QuillowFloorThemed.exe"};

    // One start of each first, so all find Wine and the files warm.
    Sample warm;
    RunOnce(pad, file, warm);
    RunOnce(floors[0], file, warm);
    RunOnce(floors[1], file, warm);

    std::vector<Sample> padSamples, floorSamples[2];
    for (int i = 0; i < runs; ++i) {
        Sample sample;
        if (RunOnce(pad, file, sample))
            padSamples.push_back(sample);
        for (int f = 0; f < 2; ++f)
            if (RunOnce(floors[f], file, sample))
                floorSamples[f].push_back(sample);
    }
    Summary p = Summarise(padSamples);
    printf("%d runs each, medians\n", runs);
    printf("%-22s %12s %12s %8s %14s %8s\n", "", "Quillow.exe", "floor", "ratio", "floor+manifest",
           "ratio");
    Summary f[2] = {Summarise(floorSamples[0]), Summarise(floorSamples[1])};
    auto row = [&](const char* name, double pv, double f0, double f1) {
        printf("%-22s %12.1f %12.1f %8.3f %14.1f %8.3f\n", name, pv, f0, f0 ? pv / f0 : 0, f1,
               f1 ? pv / f1 : 0);
    };
    row("start to shown (ms)", p.ms, f[0].ms, f[1].ms);
    row("peak working set (KB)", p.workingSetKb, f[0].workingSetKb, f[1].workingSetKb);
    row("peak pagefile (KB)", p.pagefileKb, f[0].pagefileKb, f[1].pagefileKb);
    return padSamples.empty() || floorSamples[0].empty() || floorSamples[1].empty() ? 1 : 0;
}
