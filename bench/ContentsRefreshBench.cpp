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
#include "contents/ContentsDlg.h"
#include "contents/ContentsSearch.h"
#include "contents/TrayIcon.h"
#include "framework/CFileFind.h"
#include "framework/CWinApp.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "res/resource.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

const int kPadCounts[] = {100, 1000, 5000};
const UINT WM_BENCH = WM_APP + 1;

// The median time of runs calls.
double MedianMs(int runs, const std::function<void()>& action) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        action();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    SetCurrentDirectoryA(GetHomeFolder());
    CFileFind finder;
    double last = NowMs();
    auto lap = [&last](double& total) {
        const double now = NowMs();
        total += now - last;
        last = now;
    };
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

// A contents window that runs the measurements once it is up, then goes away with its icon.
class CBenchContentsDlg : public CContentsDlg {
  public:
    CBenchContentsDlg(int runs, double& refreshMs, double& menuMs, RefreshSteps& steps)
        : m_runs(runs), m_refreshMs(refreshMs), m_menuMs(menuMs), m_steps(steps) {}

    BEGIN_MSG_MAP(CBenchContentsDlg)
    ON_MESSAGE(WM_BENCH, OnBench)
    END_MSG_MAP(CContentsDlg)

  protected:
    BOOL OnInitDialog() override {
        BOOL result = CContentsDlg::OnInitDialog();
        PostMessage(WM_BENCH);
        return result;
    }

  private:
    LRESULT OnBench(WPARAM, LPARAM) {
        m_refreshMs = MedianMs(m_runs, [this] { RefreshList(); });
        m_menuMs = MedianMs(m_runs, [this] { BuildTrayMenu(); });
        m_steps = TimeRefreshSteps();
        RemoveTrayIcon(m_hWnd, IDR_MAINFRAME);
        DestroyWindow();
        return 0;
    }

    int m_runs;
    double& m_refreshMs;
    double& m_menuMs;
    RefreshSteps& m_steps;
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
        const double floorMs = MedianMs(runs, [&] { ListAndOpen(folder); });
        const double floorMenuMs = MedianMs(runs, [&] {
            HMENU hMenu = CreatePopupMenu();
            ListAndOpen(folder, hMenu);
            DestroyMenu(hMenu);
        });
        double refreshMs = 0;
        double menuMs = 0;
        RefreshSteps steps;
        CBenchContentsDlg dlg(runs, refreshMs, menuMs, steps);
        dlg.DoModal();
        auto cell = [count](double ms) { printf("  %8.1f (%7.1f)", ms, 1000.0 * ms / count); };
        printf("%6d", count);
        cell(floorMs);
        cell(refreshMs);
        cell(floorMenuMs);
        cell(menuMs);
        printf("   ratios %.3f %.3f\n", refreshMs / floorMs, menuMs / floorMenuMs);
        const double listed = steps.find + steps.name + steps.held + steps.add + steps.sort;
        printf("        per pad (us): find %.1f, name %.1f, in-use check %.1f, search cache %.1f, "
               "sort %.1f, list box and the rest %.1f\n",
               1000.0 * steps.find / count, 1000.0 * steps.name / count,
               1000.0 * steps.held / count, 1000.0 * steps.add / count, 1000.0 * steps.sort / count,
               1000.0 * (refreshMs - listed) / count);
        fflush(stdout);
    }
    return 0;
}
