// How fast the contents window's search field answers over a home folder of 5,000 pads of
// about 1 KB each, next to the floor: listing the folder with FindFirstFile/FindNextFile and
// reading every file once with CreateFile/ReadFile. It prints the first search (which reads
// every pad), each further keystroke (which reads none), and the memory the words take.
//   contents_search_bench.exe
#include <windows.h>

#include <psapi.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/Clock.h"
#include "bench/BenchContentsDlg.h"
#include "contents/ContentsSearch.h"
#include "framework/CFileFind.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

const int kPadCount = 5000;
const int kPadBytes = 1000;
const int kRuns = 3;
// What a user types, one keystroke at a time, after the first character.
const wchar_t kTyped[] = L"meeting tu";

// A made-up word: the pads draw on a few thousand of them, as notes draw on a vocabulary.
std::string Word(unsigned n) {
    static const char* const kSyllables[] = {"ka",  "ti", "ro",  "men", "sa", "lu", "po",  "ve",
                                             "dra", "ne", "qui", "sto", "ba", "el", "gor", "fi"};
    std::string word;
    for (int i = 0; i < 3; ++i, n /= 16)
        word += kSyllables[n % 16];
    return word;
}

std::string MakePadFolder() {
    char temp[MAX_PATH + 1] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "quillow-search-bench";
    CreateDirectoryA(folder.c_str(), NULL);
    unsigned seed = 12345;
    for (int i = 0; i < kPadCount; ++i) {
        std::string text = i % 50 == 0 ? "Meeting on Tuesday\r\n" : "";
        while (text.size() < kPadBytes) {
            seed = seed * 1103515245 + 12345;
            text += Word((seed >> 8) % 4096) + ((seed >> 20) % 10 ? " " : ".\r\n");
        }
        char name[64];
        snprintf(name, sizeof name, "\\Monday, 03-02-98 at %05d.ql", i);
        HANDLE file = CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, NULL);
        CloseHandle(file);
    }
    return folder;
}

void ListAndRead(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.ql").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    std::vector<char> buffer(64 * 1024);
    do {
        const std::string path = folder + "\\" + data.cFileName;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        DWORD read = 0;
        ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, NULL);
        CloseHandle(file);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

// The matching alone, without the list: the median time to test every pad against each
// search typed, once the texts are in memory.
double MatchingMs(const std::string& folder) {
    CContentsSearch search;
    SetCurrentDirectoryA(folder.c_str());
    search.BeginListing();
    CFileFind finder;
    for (BOOL found = finder.FindFile("*.ql"); found; found = finder.FindNextFile()) {
        CString name;
        if (finder.GetFileName(name))
            search.AddPad(name, FALSE, finder.GetFindData());
    }
    search.EndListing();
    search.SetSearch(L"m");
    std::vector<double> times;
    std::wstring typed = L"m";
    for (const wchar_t* p = kTyped + 1; *p; ++p) {
        typed += *p;
        const double start = NowMs();
        search.SetSearch(typed.c_str());
        int matches = 0;
        for (int i = 0; i < search.GetCount(); ++i)
            matches += search.Matches(i);
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double PrivateMb() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage / (1024.0 * 1024.0);
}

struct Figures {
    double firstMs = 0;
    std::vector<double> keystrokeMs;
    double memoryBeforeMb = 0;
    double memoryAfterMb = 0;
    int matches = 0;
};

// Types into the search field, a keystroke at a time.
class CSearchBenchDlg : public CBenchContentsDlg {
  public:
    explicit CSearchBenchDlg(Figures& figures) : m_figures(figures) {}

  private:
    void Measure() override {
        HWND field = GetDlgItem(IDC_CONTENTS_SEARCH);
        RefreshList();
        m_figures.memoryBeforeMb = PrivateMb();
        std::wstring typed = L"m";
        double start = NowMs();
        SetWindowTextW(field, typed.c_str());
        m_figures.firstMs = NowMs() - start;
        for (const wchar_t* p = kTyped + 1; *p; ++p) {
            typed += *p;
            start = NowMs();
            SetWindowTextW(field, typed.c_str());
            m_figures.keystrokeMs.push_back(NowMs() - start);
        }
        m_figures.matches = m_lstPads.GetCount();
        m_figures.memoryAfterMb = PrivateMb();
    }

    Figures& m_figures;
};

} // namespace

int main() {
    CWinApp app(IDS_APP_TITLE);
    app.InitApplication(GetModuleHandleA(NULL), "");
    // The benchmarks run in a Wine prefix of their own, so these settings touch no user's.
    WriteSettingInt(QUILLOW_GLOBAL_SECTION, KEY_NEXT_UPDATE_REMINDER, 13);
    WriteSettingInt(QUILLOW_GLOBAL_SECTION, KEY_SHOW_ON_STARTUP, 1);

    const std::string folder = MakePadFolder();
    WriteSettingString(QUILLOW_GLOBAL_SECTION, KEY_HOME_FOLDER, folder.c_str());
    ListAndRead(folder);
    // The floor and a new window's first search in turn, so that both see the same load.
    std::vector<double> floorTimes;
    std::vector<double> firstTimes;
    Figures figures;
    for (int runIndex = 0; runIndex < kRuns; ++runIndex) {
        const double start = NowMs();
        ListAndRead(folder);
        floorTimes.push_back(NowMs() - start);
        Figures run;
        CSearchBenchDlg dlg(run);
        dlg.DoModal();
        firstTimes.push_back(run.firstMs);
        // The memory of the first run only: the heap keeps what later runs free and reuse.
        if (runIndex == 0)
            figures = run;
        else
            figures.keystrokeMs = run.keystrokeMs;
    }
    std::sort(floorTimes.begin(), floorTimes.end());
    std::sort(firstTimes.begin(), firstTimes.end());
    const double floorMs = floorTimes[kRuns / 2];
    figures.firstMs = firstTimes[kRuns / 2];

    const double matchingMs = MatchingMs(folder);
    std::vector<double> sorted = figures.keystrokeMs;
    std::sort(sorted.begin(), sorted.end());
    printf("%d pads of about %d bytes, milliseconds; floor and first search: median of %d runs,\n"
           "keystrokes: the last run, memory: the first\n",
           kPadCount, kPadBytes, kRuns);
    printf("floor (list the folder, read every file): %8.1f\n", floorMs);
    printf("first search, \"m\" (reads every pad):      %8.1f  (%.2f x floor)\n", figures.firstMs,
           figures.firstMs / floorMs);
    printf("further keystrokes to \"m%ls\": median %.1f, slowest %.1f; %d matches at the end\n",
           kTyped + 1, sorted[sorted.size() / 2], sorted.back(), figures.matches);
    printf("of which matching alone, without the list: median %.1f\n", matchingMs);
    printf("private memory: %.1f MB with the list, %.1f MB with the words (+%.1f MB)\n",
           figures.memoryBeforeMb, figures.memoryAfterMb,
           figures.memoryAfterMb - figures.memoryBeforeMb);
    return 0;
}
