// A pad's text font and colour: chosen through the options dialog and the system font
// chooser, stepped by the quick sizes, and read back from what QUILLOW.INI holds.
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;

namespace {

// Two lines of four characters, narrow and wide: equally wide only in a monospaced font.
const char kTwoLines[] = "iiii\r\nWWWW";
const int kLineLength = 4;
const COLORREF kBlue = RGB(0, 0, 255);

class PadFontChoice : public padtest::PadEndToEndTest {
  protected:
    // Opens the options, chooses each font in turn in the font chooser, ticks "Set as
    // default" when asked, and ends with OK. (The options dialog's tests see that the
    // chooser starts from the font in play.)
    bool ChooseFonts(const Pad& pad, const std::vector<FontChoice>& choices, bool asDefault) {
        HWND options = OpenDialog(pad, ID_PAD_OPTIONS, "Quillow Options");
        if (!options)
            return false;
        for (const FontChoice& choice : choices) {
            ClickButton(options, IDC_OPTIONS_FONT);
            HWND chooser = WaitForTopWindow(pad.pid, "#32770", "Font");
            if (!chooser || !FillFontChooser(chooser, choice) || !ClickButton(chooser, IDOK) ||
                !WaitForWindowGone(chooser))
                return false;
        }
        if (asDefault)
            ClickButton(options, IDC_OPTIONS_FONT_DEFAULT);
        return PostCommand(options, IDOK) && WaitForWindowGone(options);
    }

    // Whether the pad shows its two lines monospaced, taller than before, and blue (on the
    // first line only: the caret, inverted on yellow, is blue too).
    bool ShowsChosenFont(const Pad& pad, int plainLineHeight) {
        return WaitUntil([&] {
            TextLayout layout = MeasureTwoLines(pad.edit, kLineLength);
            RECT firstLine = ClientRectOnScreen(pad.edit);
            firstLine.bottom = firstLine.top + layout.lineHeight;
            return layout.firstLineWidth == layout.secondLineWidth &&
                   layout.lineHeight > plainLineHeight && ScreenShowsColour(firstLine, kBlue);
        });
    }
};

TEST_F(PadFontChoice,
       AChosenFontShowsAtOnceStaysThroughReopeningAndRenameCanBeTheDefaultAndQuickSizesStepIt) {
    Pad pad = OpenPadOn("Styled.ql", kTwoLines);
    ASSERT_TRUE(pad.window);
    const TextLayout plain = MeasureTwoLines(pad.edit, kLineLength);
    ASSERT_NE(plain.firstLineWidth, plain.secondLineWidth);
    const RECT frame = WindowRect(pad.window);

    // Two choices in one opening: the last one counts.
    const FontChoice first = {L"Tahoma", FW_NORMAL, false, 20, RGB(255, 0, 0)};
    const FontChoice chosen = {L"DejaVu Sans Mono", FW_BOLD, false, 14, kBlue, true};
    ASSERT_TRUE(ChooseFonts(pad, {first, chosen}, false));
    EXPECT_TRUE(ShowsChosenFont(pad, plain.lineHeight));
    const TextLayout styled = MeasureTwoLines(pad.edit, kLineLength);
    const RECT after = WindowRect(pad.window);
    EXPECT_EQ(frame.right - frame.left, after.right - after.left) << "the window keeps its size";
    EXPECT_EQ(frame.bottom - frame.top, after.bottom - after.top);
    EXPECT_EQ((std::vector<std::string>{"ShowOnStartup=1", "AlwaysOnTop=0", "BkColor=65535",
                                        "FontFace=DejaVu Sans Mono", "FontSize=14",
                                        "FontWeight=700", "FontItalic=0", "FontUnderline=1",
                                        "FontStrikeOut=0", "TextColor=16711680"}),
              IniSectionLines("Styled.ql"));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "FontFace"));
    ASSERT_TRUE(ClosePad(pad));

    Pad again = OpenPad(pad.path, "Styled.ql");
    ASSERT_TRUE(again.window);
    EXPECT_TRUE(ShowsChosenFont(again, plain.lineHeight));
    EXPECT_EQ(styled, MeasureTwoLines(again.edit, kLineLength));
    HWND rename = OpenDialog(again, ID_PAD_RENAME, "Enter New Name");
    ASSERT_TRUE(rename);
    ASSERT_TRUE(SetText(ControlOf(rename, IDC_RENAME_NAME), "Renamed"));
    ASSERT_TRUE(ClickButton(rename, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return CaptionOf(again.window) == "Renamed.ql"; }));
    EXPECT_TRUE(ShowsChosenFont(again, plain.lineHeight));

    // "Set as default" with no new choice makes the pad's font the default of new pads.
    ASSERT_TRUE(ChooseFonts(again, {}, true));
    EXPECT_EQ("DejaVu Sans Mono", IniGetString(kGlobalSection, "FontFace"));
    EXPECT_EQ("14", IniGetString(kGlobalSection, "FontSize"));
    ASSERT_TRUE(ClosePad(again));
    Pad fresh = OpenPadOn("Fresh.ql", kTwoLines);
    ASSERT_TRUE(fresh.window);
    EXPECT_TRUE(ShowsChosenFont(fresh, plain.lineHeight));
    EXPECT_EQ(styled, MeasureTwoLines(fresh.edit, kLineLength));

    // The quick sizes: two steps up, 14 to 18 points, then one notch of the wheel down to 16.
    ASSERT_TRUE(Activate(fresh.window));
    auto lineHeight = [&] { return MeasureTwoLines(fresh.edit, kLineLength).lineHeight; };
    int larger = styled.lineHeight;
    for (int step = 0; step < 2; ++step) {
        const int before = larger;
        ASSERT_TRUE(PressKeys({VK_CONTROL, VK_SHIFT, VK_OEM_PERIOD}));
        EXPECT_TRUE(WaitUntil([&] { return (larger = lineHeight()) > before; })) << step;
    }
    ASSERT_TRUE(PostMessageA(fresh.edit, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), 0));
    EXPECT_TRUE(
        WaitUntil([&] { return lineHeight() < larger && lineHeight() > styled.lineHeight; }));
    EXPECT_FALSE(IniHasKey("Fresh.ql", "FontSize")) << "stored at the next save, not at each step";
    EXPECT_EQ(kTwoLines, WindowText(fresh.edit)) << "the keys type nothing";
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return IniGetString("Fresh.ql", "FontSize") == "16"; }));
    ASSERT_TRUE(ClosePad(fresh));
    EXPECT_FALSE(IniHasKey("Fresh.ql", "FontFace"))
        << "a pad that follows the default keeps no font, only a quick size";
}

using PadInProcess = padtest::PadInProcessTest;

const char* const kFontKeys[] = {"FontFace",      "FontSize",      "FontWeight", "FontItalic",
                                 "FontUnderline", "FontStrikeOut", "TextColor"};

void Store(const std::string& section, const std::vector<std::string>& lines) {
    for (const char* key : kFontKeys)
        IniDeleteKey(section, key);
    for (const std::string& line : lines)
        IniSetString(section, line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
}

TEST_F(PadInProcess, EachFontKeyIsThePadsElseTheDefaultsElseTheBuiltInOneAndBadValuesNeverStopIt) {
    struct Case {
        std::vector<std::string> global, own;
        std::wstring face;
        int tenths, weight;
        bool italic, underline, strikeOut;
        COLORREF colour;
    };
    const COLORREF black = RGB(0, 0, 0);
    const std::vector<std::string> courier = {"FontFace=Courier New", "FontSize=12",
                                              "FontWeight=700", "TextColor=255"};
    // clang-format off
    const Case cases[] = {
        {{}, {}, L"Tahoma", 80, 400, false, false, false, black},
        {courier, {}, L"Courier New", 120, 700, false, false, false, RGB(255, 0, 0)},
        {courier, {"FontFace=DejaVu Sans Mono", "FontSize=10.5", "FontWeight=400", "FontItalic=1",
                   "FontUnderline=1", "FontStrikeOut=1", "TextColor=16711680"},
         L"DejaVu Sans Mono", 105, 400, true, true, true, RGB(0, 0, 255)},
        // A pad that keeps only a size, and values that cannot be read: the default's.
        {courier, {"FontSize=14", "TextColor=blue", "FontWeight=heavy"},
         L"Courier New", 140, 700, false, false, false, RGB(255, 0, 0)},
        {{}, {"FontFace=No Such Face", "FontSize=huge", "FontItalic=yes", "TextColor=0x00FF00"},
         L"No Such Face", 80, 400, false, false, false, black},
        {{}, {"FontSize=12pt", "FontFace=utf-8:%ZZ"}, L"Tahoma", 80, 400, false, false, false, black},
        // Out of range: the nearest bound; a colour that is no colour: none.
        {{}, {"FontSize=200", "FontWeight=5000", "TextColor=-1"},
         L"Tahoma", 720, 900, false, false, false, black},
        {{}, {"FontSize=2.5", "FontWeight=0", "TextColor=16777216", "FontUnderline=2"},
         L"Tahoma", 60, 100, false, true, false, black},
        // A face the code page cannot hold, stored escaped.
        {{}, {"FontFace=utf-8:%CE%95%CE%BB%CE%BB%CE%B7%CE%BD%CE%B9%CE%BA%CE%AC"},
         L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC", 80, 400, false, false, false, black},
    };
    // clang-format on
    HDC screen = GetDC(NULL);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.own.empty() ? "" : c.own[0]));
        Store(kGlobalSection, c.global);
        Store("Inside.ql", c.own);
        LOGFONTW font = {};
        COLORREF text = CLR_INVALID;
        Run([&](CPadDlg& pad) {
            HFONT hFont = reinterpret_cast<HFONT>(pad.m_edit.SendMessage(WM_GETFONT));
            GetObjectW(hFont, sizeof font, &font);
            HDC dc = GetDC(pad.m_edit);
            pad.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(pad.m_edit.m_hWnd));
            text = GetTextColor(dc);
            ReleaseDC(pad.m_edit, dc);
        });
        EXPECT_TRUE(c.face == font.lfFaceName);
        EXPECT_EQ(-MulDiv(c.tenths, dpi, 720), font.lfHeight);
        EXPECT_EQ(c.weight, font.lfWeight);
        EXPECT_EQ(c.italic, font.lfItalic != 0);
        EXPECT_EQ(c.underline, font.lfUnderline != 0);
        EXPECT_EQ(c.strikeOut, font.lfStrikeOut != 0);
        EXPECT_EQ(DEFAULT_CHARSET, font.lfCharSet);
        EXPECT_EQ(c.colour, text);
        // The pad writes back nothing it did not choose.
        for (const std::string& line : c.own)
            EXPECT_EQ(line.substr(line.find('=') + 1),
                      IniGetString("Inside.ql", line.substr(0, line.find('='))));
    }
}

} // namespace
