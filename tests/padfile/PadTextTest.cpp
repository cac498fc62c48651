// How a pad's text is kept on disk: which bytes open as which text, and which bytes a text is
// saved as, for the code page of this machine (Western), a double-byte one and UTF-8.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "padfile/PadFile.h"
#include "padfile/PadText.h"

namespace {

const UINT kWestern = 1252;
const UINT kJapanese = 932;
const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kUtf16Mark = "\xFF\xFE";

std::string Bytes(const CString& bytes) {
    return std::string(bytes.GetString(), bytes.GetLength());
}
std::wstring Text(const CStringW& text) { return std::wstring(text.GetString(), text.GetLength()); }

std::string Utf16(const std::wstring& text) {
    return kUtf16Mark + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

const char* Name(PadEncoding encoding) {
    return encoding == padUtf8 ? "UTF-8" : encoding == padUtf16 ? "UTF-16" : "code page";
}

TEST(PadText, FilesOpenInTheirEncodingAndGiveBackTheirVeryBytes) {
    const struct {
        const char* name;
        UINT codePage;
        std::string bytes;
        std::wstring text;
        PadEncoding encoding;
    } files[] = {
        {"code page", kWestern, "caf\xE9\r\nline two", L"caf\xE9\r\nline two", padCodePage},
        {"UTF-8 with its mark", kWestern, kUtf8Mark + "\xE2\x86\x92 done \xE2\x9C\x93",
         L"\x2192 done \x2713", padUtf8},
        {"UTF-16 with CR LF", kWestern, Utf16(L"\x0395\x03BB\r\n\xD83D\xDE00"),
         L"\x0395\x03BB\r\n\xD83D\xDE00", padUtf16},
        {"valid UTF-8 without a mark stays the code page", kWestern, "caf\xC3\xA9", L"caf\xC3\xA9",
         padCodePage},
        {"double-byte code page", kJapanese, "\x93\xFA\x96\x7B", L"\x65E5\x672C", padCodePage},
        {"the UTF-8 code page", CP_UTF8, "\xE2\x86\x92", L"\x2192", padCodePage},
        {"nothing at all", kWestern, "", L"", padCodePage},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        CStringW text;
        PadEncoding encoding = padUtf16;
        ASSERT_TRUE(DecodePadText(CString(file.bytes.data(), static_cast<int>(file.bytes.size())),
                                  text, encoding, file.codePage));
        EXPECT_EQ(file.text, Text(text));
        EXPECT_STREQ(Name(file.encoding), Name(encoding));
        EXPECT_EQ(file.bytes, Bytes(EncodePadText(text, encoding, file.codePage)));
        EXPECT_STREQ(Name(file.encoding), Name(encoding));
    }
}

TEST(PadText, BytesThatWouldNotComeBackUnchangedAreRefused) {
    const struct {
        const char* name;
        UINT codePage;
        std::string bytes;
    } files[] = {
        {"a NUL in the code page", kWestern, std::string("a\0b", 3)},
        {"a NUL in UTF-8", kWestern, kUtf8Mark + std::string("a\0b", 3)},
        {"invalid UTF-8 after the mark", kWestern, kUtf8Mark + "caf\xE9"},
        {"UTF-16 of odd length", kWestern, kUtf16Mark + "a\0b"},
        {"a lone half of a UTF-16 character", kWestern, Utf16(L"a\xD83D")},
        {"a lone second half", kWestern, Utf16(L"\xDE00z")},
        {"big-endian UTF-16", kWestern, "\xFE\xFF\0a"},
        {"half a double-byte character", kJapanese, "ab\x93"},
        {"invalid bytes in the UTF-8 code page", CP_UTF8, "caf\xE9"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        CStringW text;
        PadEncoding encoding = padCodePage;
        EXPECT_FALSE(DecodePadText(CString(file.bytes.data(), static_cast<int>(file.bytes.size())),
                                   text, encoding, file.codePage));
    }
}

TEST(PadText, TextIsSavedInTheCodePageWhenItFitsElseAsUtf8AndMarkedFilesKeepTheirEncoding) {
    const struct {
        const char* name;
        UINT codePage;
        std::wstring text;
        PadEncoding opened;
        std::string bytes;
        PadEncoding saved;
    } saves[] = {
        {"fits the code page", kWestern, L"caf\xE9\r\n", padCodePage, "caf\xE9\r\n", padCodePage},
        {"does not fit it", kWestern, L"caf\xE9 \x2192", padCodePage,
         kUtf8Mark + "caf\xC3\xA9 \xE2\x86\x92", padUtf8},
        {"a character beyond the BMP", kWestern, L"\xD83D\xDE00", padCodePage,
         kUtf8Mark + "\xF0\x9F\x98\x80", padUtf8},
        {"a look-alike is no fit", kWestern, L"\x0101", padCodePage, kUtf8Mark + "\xC4\x81",
         padUtf8},
        {"UTF-8 stays UTF-8", kWestern, L"plain", padUtf8, kUtf8Mark + "plain", padUtf8},
        {"UTF-16 stays UTF-16", kWestern, L"a\r\nb", padUtf16, Utf16(L"a\r\nb"), padUtf16},
        {"fits a double-byte code page", kJapanese, L"\x65E5\x672C", padCodePage,
         "\x93\xFA\x96\x7B", padCodePage},
        {"the UTF-8 code page needs no mark", CP_UTF8, L"\x2192", padCodePage, "\xE2\x86\x92",
         padCodePage},
        {"typed like a UTF-16 mark", kWestern, L"\xFF\xFE my note", padCodePage,
         kUtf8Mark + "\xC3\xBF\xC3\xBE my note", padUtf8},
        {"typed like a big-endian mark", kWestern, L"\xFE\xFF my note", padCodePage,
         kUtf8Mark + "\xC3\xBE\xC3\xBF my note", padUtf8},
        {"typed like a UTF-8 mark", kWestern, L"\xEF\xBB\xBF my note", padCodePage,
         kUtf8Mark + "\xC3\xAF\xC2\xBB\xC2\xBF my note", padUtf8},
        {"a mark character in the UTF-8 code page", CP_UTF8, L"\xFEFFx", padCodePage,
         kUtf8Mark + "\xEF\xBB\xBFx", padUtf8},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.name);
        PadEncoding encoding = save.opened;
        EXPECT_EQ(save.bytes, Bytes(EncodePadText(save.text.c_str(), encoding, save.codePage)));
        EXPECT_STREQ(Name(save.saved), Name(encoding));
    }
}

TEST(PadText, EveryTypedTextComesBackExactly) {
    // Heavy on the characters whose bytes make up byte-order marks.
    const std::wstring alphabet = L"a \r\n\xFF\xFE\xEF\xBB\xBF\x2192\xFEFF";
    std::mt19937 random(17);
    for (int round = 0; round < 20000; ++round) {
        std::wstring text;
        for (size_t length = random() % 6; length > 0; --length)
            text += alphabet[random() % alphabet.size()];
        PadEncoding encoding = padCodePage;
        PadEncoding read = padUtf16;
        CStringW back;
        const CString bytes = EncodePadText(text.c_str(), encoding, kWestern);
        ASSERT_TRUE(DecodePadText(bytes, back, read, kWestern)) << round;
        ASSERT_EQ(text, Text(back));
        ASSERT_STREQ(Name(encoding), Name(read));
    }
}

TEST(PadText, TheLimitCountsBytesOnDiskMarkIncludedInEveryEncoding) {
    const struct {
        const char* name;
        std::wstring text;
        PadEncoding opened;
    } fullest[] = {
        {"code page", std::wstring(kMaxPadLength, L'x'), padCodePage},
        {"UTF-8", L"\x2192" + std::wstring(kMaxPadLength - 6, L'x'), padCodePage},
        {"UTF-16", std::wstring(kMaxPadLength / 2 - 1, L'x'), padUtf16},
    };
    for (const auto& full : fullest) {
        SCOPED_TRACE(full.name);
        PadEncoding encoding = full.opened;
        EXPECT_EQ(kMaxPadLength, EncodePadText(full.text.c_str(), encoding, kWestern).GetLength());
        encoding = full.opened;
        EXPECT_LT(kMaxPadLength,
                  EncodePadText((full.text + L"x").c_str(), encoding, kWestern).GetLength());
    }
}

} // namespace
