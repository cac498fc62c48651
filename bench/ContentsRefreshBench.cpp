// How long the contents window takes to rebuild its pad list and its tray menu for a home
// folder of N pads, next to the floors: listing the same files with FindFirstFile/FindNextFile
// and opening and closing each with CreateFile/CloseHandle; and, for the tray menu, the same
// while appending each name to a new popup menu.
//   contents_refresh_bench.exe [runs]
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "bench/Clock.h"
#include "bench/BenchContentsDlg.h"
#include "contents/ContentsSearch.h"
#include "framework/CFileFind.h"
#include "framework/CWinApp.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "res/resource.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

const int kPadCounts[] = {100, 1000, 5000};

// The median time of each action over runs rounds, the actions taking turns in each round so
// that the machine's load falls alike on all of them.
std::vector<double> MedianMs(int runs, const std::vector<std::function<void()>>& actions) {
    std::vector<std::vector<double>> times(actions.size());
    for (int i = 0; i < runs; ++i) {
        for (size_t a = 0; a < actions.size(); ++a) {
            const double start = NowMs();
            actions[a]();
            times[a].push_back(NowMs() - start);
        }
    }
    std::vector<double> medians;
    for (std::vector<double>& t : times) {
        std::sort(t.begin(), t.end());
        medians.push_back(t[t.size() / 2]);
    }
    return medians;
}

std::string MakePadFolder(int count) {
    char temp[MAX_PATH + 1] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "quillow-bench-" + std::to_string(count);
    CreateDirectoryA(folder.c_str(), NULL);
    for (int i = 0; i < count; ++i) {
        char name[64];
        snprintf(name, sizeof name, "\\Monday, 03-02-98 at %05d.ql", i);
        const std::string path = folder + name;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        DWORD written = 0;
        WriteFile(file, "A pad.\r\n", 8, &written, NULL);
        CloseHandle(file);
    }
    return folder;
}

// Lists and opens every pad; with a menu, also appends each name to it, as the tray menu does.
void ListAndOpen(const std::string& folder, HMENU hMenu = NULL) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.ql").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string path = folder + "\\" + data.cFileName;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        if (hMenu)
            AppendMenuA(hMenu, MF_STRING, 1, data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

// Where a refresh's time goes: the steps RefreshList takes for each pad, with the same
// functions, each timed apart and summed over the folder, in milliseconds.
struct RefreshSteps {
    double home = 0;
    double find = 0;
    double name = 0;
    double held = 0;
    double add = 0;
    double sort = 0;
};

RefreshSteps TimeRefreshSteps() {
    RefreshSteps steps;
    CContentsSearch search;
    search.BeginListing();
    double last = NowMs();
    auto lap = [&last](double& total) {
        const double now = NowMs();
        total += now - last;
        last = now;
    };
    SetCurrentDirectoryA(GetHomeFolder());
    lap(steps.home);
    CFileFind finder;
    for (BOOL found = finder.FindFile("*.ql"); found; found = finder.FindNextFile()) {
        lap(steps.find);
        CString name;
        finder.GetFileName(name);
        lap(steps.name);
        const BOOL held = IsPadFileHeld(name);
        lap(steps.held);
        search.AddPad(name, held, finder.GetFindData());
        lap(steps.add);
    }
    lap(steps.find);
    search.EndListing();
    lap(steps.sort);
    return steps;
}

// The floors and the window's figures for one folder, in milliseconds.
struct Figures {
    double floor = 0;
    double refresh = 0;
    double floorMenu = 0;
    double menu = 0;
    RefreshSteps steps;
};

// Refreshes and builds the tray menu in turn with the floors.
class CRefreshBenchDlg : public CBenchContentsDlg {
  public:
    CRefreshBenchDlg(int runs, const std::string& folder, Figures& figures)
        : m_runs(runs), m_folder(folder), m_figures(figures) {}

  private:
    void Measure() override {
        const std::vector<double> medians =
            MedianMs(m_runs, {[this] { ListAndOpen(m_folder); }, [this] { RefreshList(); },
                              [this] {
                                  HMENU hMenu = CreatePopupMenu();
                                  ListAndOpen(m_folder, hMenu);
                                  DestroyMenu(hMenu);
                              },
                              [this] { BuildTrayMenu(); }});
        m_figures.floor = medians[0];
        m_figures.refresh = medians[1];
        m_figures.floorMenu = medians[2];
        m_figures.menu = medians[3];
        m_figures.steps = TimeRefreshSteps();
    }

    int m_runs;
    std::string m_folder;
    Figures& m_figures;
};

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    CWinApp app(IDS_APP_TITLE);
    app.InitApplication(GetModuleHandleA(NULL), "");
    // The benchmarks run in a Wine prefix of their own, so these settings touch no user's.
    WriteSettingInt(QUILLOW_GLOBAL_SECTION, KEY_NEXT_UPDATE_REMINDER, 13);
    WriteSettingInt(QUILLOW_GLOBAL_SECTION, KEY_SHOW_ON_STARTUP, 1);

    printf("Median of %d runs, milliseconds (microseconds per pad)\n", runs);
    printf("%6s  %18s  %18s  %18s  %18s\n", "pads", "floor", "RefreshList", "floor + menu",
           "tray menu build");
    for (int count : kPadCounts) {
        const std::string folder = MakePadFolder(count);
        WriteSettingString(QUILLOW_GLOBAL_SECTION, KEY_HOME_FOLDER, folder.c_str());
        Figures figures;
        CRefreshBenchDlg dlg(runs, folder, figures);
        dlg.DoModal();
        const RefreshSteps& steps = figures.steps;
        auto cell = [count](double ms) { printf("  %8.1f (%7.1f)", ms, 1000.0 * ms / count); };
        printf("%6d", count);
        cell(figures.floor);
        cell(figures.refresh);
        cell(figures.floorMenu);
        cell(figures.menu);
        printf("   ratios %.3f %.3f\n", figures.refresh / figures.floor,
               figures.menu / figures.floorMenu);
        const double listed =
            steps.home + steps.find + steps.name + steps.held + steps.add + steps.sort;
        printf("        home folder %.2f ms; per pad (us): find %.1f, name %.1f, in-use check "
               "%.1f, search cache %.1f, "
               "sort %.1f, list box and the rest %.1f\n",
               steps.home, 1000.0 * steps.find / count, 1000.0 * steps.name / count,
               1000.0 * steps.held / count, 1000.0 * steps.add / count, 1000.0 * steps.sort / count,
               1000.0 * (figures.refresh - listed) / count);
        fflush(stdout);
    }
    return 0;
}
