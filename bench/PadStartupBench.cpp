// Starts a pad on a file with text N times, and each floor program N times, in turn, and
// prints for each the median time from process start to its window being shown and the peak
// memory of the process, with its ratio to each floor. The floors: bare; with this build's
// manifest (the themed common controls cost memory of their own); and "like a pad", which also
// shows its text in a Unicode window in the pad's text font. Each program's loaded comctl32
// version tells whether its manifest took effect.
//
// Usage: pad_startup_bench [runs] [program.exe...]   (run from the folder that holds Quillow.exe;
// further programs, such as an earlier build of Quillow, are measured in the same turns)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Clock.h"

namespace {

struct Sample {
    double msToShown;
    SIZE_T peakWorkingSet;
    SIZE_T peakPagefile;
};

struct Program {
    std::string name;
    std::string path;
    std::string comctl32;
    std::vector<Sample> samples;
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

// The file version of the comctl32 the process loaded, e.g. "6.0.2600.2982", marked "sxs"
// when it came from the side-by-side store, as the manifest's version 6 does.
std::string LoadedComctlVersion(HANDLE process) {
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &needed))
        return "?";
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
        char path[MAX_PATH + 1] = "";
        if (!GetModuleFileNameExA(process, modules[i], path, MAX_PATH))
            continue;
        std::string name = path;
        name = name.substr(name.find_last_of('\\') + 1);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        if (name != "comctl32.dll")
            continue;
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(path, &handle);
        std::vector<char> data(size ? size : 1);
        VS_FIXEDFILEINFO* info = NULL;
        UINT length = 0;
        if (!size || !GetFileVersionInfoA(path, 0, size, data.data()) ||
            !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length))
            return "?";
        std::string lowerPath = path;
        std::transform(lowerPath.begin(), lowerPath.end(), lowerPath.begin(), ::tolower);
        return std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
               std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
               std::to_string(HIWORD(info->dwFileVersionLS)) +
               (lowerPath.find("winsxs") != std::string::npos ? " sxs" : "");
    }
    return "none";
}

// One start: false when the program did not show a window in time.
bool RunOnce(Program& program, const std::string& file, bool keep) {
    std::string commandLine = "\"" + program.path + "\" " + file;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = NowMs();
    if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return false;
    FindState state = {process.dwProcessId, NULL};
    double now = start;
    while (!state.window && now - start < 20000) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&state));
        now = NowMs();
        if (!state.window)
            Sleep(1);
    }
    Sample sample = {now - start, 0, 0};
    // Let it settle (paint, placement) before its memory is read.
    Sleep(300);
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
    sample.peakWorkingSet = counters.PeakWorkingSetSize;
    sample.peakPagefile = counters.PeakPagefileUsage;
    if (program.comctl32.empty())
        program.comctl32 = LoadedComctlVersion(process.hProcess);
    if (state.window)
        PostMessageA(state.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (state.window && keep)
        program.samples.push_back(sample);
    return state.window != NULL;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// The median of one figure over a program's samples.
double MedianOf(const Program& program, double (*figure)(const Sample&)) {
    std::vector<double> values;
    for (const Sample& s : program.samples)
        values.push_back(figure(s));
    return Median(values);
}

void WriteBenchPad(const std::string& file) {
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "A line of a note, as a user would type it, number " + std::to_string(i) + ".\r\n";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, NULL);
    CloseHandle(handle);
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    std::string folder = ExeFolder();
    std::string file = folder + "\\Bench pad.ql";
    WriteBenchPad(file);

    // The floors come first: every other program is compared with them.
    std::vector<Program> programs = {
        {"floor", folder + "\\QuillowFloor.exe", "", {}},
        {"floor+manifest", folder + "\\QuillowFloorThemed.exe", "", {}},
        {"floor like a pad", folder + "\\QuillowFloorPad.exe", "", {}},
        {"Quillow.exe", folder + "\\Quillow.exe", "", {}},
    };
    const size_t kFloors = 3;
    for (int i = 2; i < argc; ++i) {
        std::string path = argv[i];
        programs.push_back({path.substr(path.find_last_of("\\/") + 1), path, "", {}});
    }

    // One start of each first, so all find Wine and the files warm.
    for (Program& program : programs)
        RunOnce(program, file, false);
    for (int i = 0; i < runs; ++i)
        for (Program& program : programs)
            RunOnce(program, file, true);

    printf("%d runs each, medians; ratios to each floor\n", runs);
    printf("%-18s %-14s %9s %9s %9s %7s %7s %7s\n", "", "comctl32", "ms", "WS KB", "PF KB", "ms",
           "WS", "PF");
    bool complete = true;
    for (const Program& program : programs) {
        complete = complete && !program.samples.empty();
        double ms = MedianOf(program, [](const Sample& s) { return s.msToShown; });
        double ws = MedianOf(program, [](const Sample& s) { return s.peakWorkingSet / 1024.0; });
        double pf = MedianOf(program, [](const Sample& s) { return s.peakPagefile / 1024.0; });
        printf("%-18s %-14s %9.1f %9.0f %9.0f\n", program.name.c_str(), program.comctl32.c_str(),
               ms, ws, pf);
        if (&program - &programs[0] < static_cast<long>(kFloors))
            continue;
        for (size_t f = 0; f < kFloors; ++f) {
            const Program& floor = programs[f];
            double fms = MedianOf(floor, [](const Sample& s) { return s.msToShown; });
            double fws = MedianOf(floor, [](const Sample& s) { return s.peakWorkingSet / 1024.0; });
            double fpf = MedianOf(floor, [](const Sample& s) { return s.peakPagefile / 1024.0; });
            printf("%-18s %-14s %9s %9s %9s %7.3f %7.3f %7.3f\n", ("  / " + floor.name).c_str(), "",
                   "", "", "", fms ? ms / fms : 0, fws ? ws / fws : 0, fpf ? pf / fpf : 0);
        }
    }
    return complete ? 0 : 1;
}
