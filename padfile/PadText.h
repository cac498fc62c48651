// How a pad's text is kept on disk. Files as they have always been, without a byte-order
// mark in the system's code page, stay exactly so; text the code page cannot hold goes into
// UTF-8 with a byte-order mark, which other programs read too; a file that came with a
// byte-order mark keeps its encoding.
#pragma once
#include <windows.h>

#include "framework/CString.h"

enum PadEncoding {
    padCodePage,
    // These two with their byte-order mark.
    padUtf8,
    padUtf16
};

// The text of a file's bytes: UTF-8 after its byte-order mark, UTF-16 (little-endian) after
// its own, the code page otherwise, even where the bytes would also be valid UTF-8. FALSE
// for bytes that are no text a pad could show and write back unchanged: a NUL, bytes that
// are no characters of their encoding, half a UTF-16 character, or big-endian UTF-16.
BOOL DecodePadText(const CString& strBytes, CStringW& strText, PadEncoding& encoding,
                   UINT nCodePage = CP_ACP);

// The bytes of a text for a file whose encoding is the given one. A file in the code page
// stays in it when every character of the text fits it exactly and its bytes do not begin
// like a byte-order mark; otherwise it becomes UTF-8 with a byte-order mark, and encoding
// says so.
CString EncodePadText(const CStringW& strText, PadEncoding& encoding, UINT nCodePage = CP_ACP);
