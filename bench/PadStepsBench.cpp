// Where a pad's start goes: runs the steps a pad takes from process start to its first paint,
// with the program's own functions and in the pad's order, in a fresh process each time, and
// prints the median of each step.
//   pad_steps_bench.exe [runs]   (run from the folder that holds Quillow.exe)
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "bench/Clock.h"
#include "framework/CFile.h"
#include "framework/CString.h"
#include "framework/CWinApp.h"
#include "padfile/PadFile.h"
#include "padfile/PadFileLock.h"
#include "padfile/PadFiles.h"
#include "padfile/PadText.h"
#include "res/resource.h"
#include "settings/PadSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

const char kChildSwitch[] = "--child";

std::string ExeFolder() {
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT uMsg, WPARAM, LPARAM) { return uMsg == WM_INITDIALOG; }

// One pad start, step by step; each line of the output file is "step<TAB>ms".
int RunChild(double startedMs, const char* pszPad, const char* pszOut) {
    std::vector<std::pair<std::string, double>> steps;
    double last = NowMs();
    steps.push_back({"process start to main", last - startedMs});
    auto step = [&](const char* name) {
        double now = NowMs();
        steps.push_back({name, now - last});
        last = now;
    };

    CWinApp app(IDS_APP_TITLE);
    app.InitApplication(GetModuleHandleA(NULL), pszPad);
    step("application object");
    CString strIni = SettingsFilePath();
    step("settings file's place");
    CString strPath = FullPath(pszPad);
    CString strSection = PadSectionName(strPath);
    step("full path and section");
    PadSections sections = ReadPadSections(strSection);
    ReadPadColor(sections);
    step("settings: one reading of both sections");
    GetPrivateProfileIntA(strSection, "BkColor", -1, strIni);
    step("one bare profile read");
    CFile file;
    LockPadFile(file, strPath);
    step("lock the pad file");
    CString strRecoveryPath;
    RecoverPadFile(file, strPath, strRecoveryPath);
    step("recovery check");
    CString strBytes;
    ReadPadFile(file, strBytes);
    CStringW strText;
    PadEncoding encoding;
    DecodePadText(strBytes, strText, encoding);
    step("read and decode");
    HWND hWnd = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_PAD), NULL,
                                   PlainDialogProc, 0);
    step("create the window");
    LOGFONTW font;
    HFONT hDialogFont = reinterpret_cast<HFONT>(SendMessageW(hWnd, WM_GETFONT, 0, 0));
    HFONT hTextFont = NULL;
    if (hDialogFont && GetObjectW(hDialogFont, sizeof font, &font)) {
        lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
        hTextFont = CreateFontIndirectW(&font);
        SendMessageW(GetDlgItem(hWnd, IDC_PAD_EDIT), WM_SETFONT,
                     reinterpret_cast<WPARAM>(hTextFont), FALSE);
    }
    step("linked text font");
    SetWindowTextW(GetDlgItem(hWnd, IDC_PAD_EDIT), strText);
    step("set the text");
    ReadShowOnStartup(sections.pad, 0);
    ReadAlwaysOnTop(sections.pad);
    const StoredPlacement none = {0, 0, 0, 0};
    ReadPlacement(sections.global, none);
    ReadPlacement(sections.pad, none);
    step("flags and placement (from the reading)");
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    step("show and first paint");
    DestroyWindow(hWnd);
    DeleteObject(hTextFont);

    FILE* out = fopen(pszOut, "a");
    if (!out)
        return 1;
    for (const auto& s : steps)
        fprintf(out, "%s\t%.3f\n", s.first.c_str(), s.second);
    fclose(out);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && strcmp(argv[1], kChildSwitch) == 0)
        return RunChild(atof(argv[2]), argv[3], argv[4]);

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const std::string folder = ExeFolder();
    const std::string pad = folder + "\\Bench steps.ql";
    const std::string out = folder + "\\pad-steps.txt";
    HANDLE handle = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "A line of a note, as a user would type it, number " + std::to_string(i) + ".\r\n";
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, NULL);
    CloseHandle(handle);
    DeleteFileA(out.c_str());

    char self[MAX_PATH + 1] = "";
    GetModuleFileNameA(NULL, self, MAX_PATH);
    // One warm start, not counted.
    for (int i = 0; i <= runs; ++i) {
        char started[64];
        snprintf(started, sizeof started, "%.3f", NowMs());
        std::string line = std::string("\"") + self + "\" " + kChildSwitch + " " + started + " \"" +
                           pad + "\" \"" + (i ? out : out + ".warm") + "\"";
        std::vector<char> buffer(line.begin(), line.end());
        buffer.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(NULL, buffer.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                            &process))
            return 1;
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    // The median of each step, in the order the steps ran.
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;
    FILE* in = fopen(out.c_str(), "r");
    char row[256];
    while (in && fgets(row, sizeof row, in)) {
        char* tab = strchr(row, '\t');
        if (!tab)
            continue;
        *tab = '\0';
        if (!times.count(row))
            order.push_back(row);
        times[row].push_back(atof(tab + 1));
    }
    if (in)
        fclose(in);
    double total = 0;
    printf("Median of %d pad starts, milliseconds per step\n", runs);
    for (const std::string& name : order) {
        std::vector<double>& v = times[name];
        std::sort(v.begin(), v.end());
        total += v[v.size() / 2];
        printf("%-40s %8.2f\n", name.c_str(), v[v.size() / 2]);
    }
    printf("%-40s %8.2f\n", "sum of medians", total);
    return order.empty() ? 1 : 0;
}
