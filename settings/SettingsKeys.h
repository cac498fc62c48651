// Sections and keys of QUILLOW.INI, named once.
#pragma once

// The program's own section; every other section belongs to one pad.
#define QUILLOW_GLOBAL_SECTION "Quillow Contents"

#define KEY_SHOW_ON_STARTUP "ShowOnStartup"
#define KEY_NEXT_UPDATE_REMINDER "NextUpdateReminder"
// "Row" holds the left edge (x) and "Column" the top edge (y); stored files rely on it.
#define KEY_ROW "Row"
#define KEY_COLUMN "Column"
#define KEY_WIDTH "Width"
#define KEY_HEIGHT "Height"
#define KEY_ALWAYS_ON_TOP "AlwaysOnTop"
#define KEY_BKCOLOR "BkColor"
// The pad's text: each key on its own, so that a pad may keep only the size it stepped to.
#define KEY_FONT_FACE "FontFace"
#define KEY_FONT_SIZE "FontSize"
#define KEY_FONT_WEIGHT "FontWeight"
#define KEY_FONT_ITALIC "FontItalic"
#define KEY_FONT_UNDERLINE "FontUnderline"
#define KEY_FONT_STRIKEOUT "FontStrikeOut"
#define KEY_TEXT_COLOR "TextColor"
#define KEY_PROGRAM_FOLDER "ProgramFolder"
#define KEY_HOME_FOLDER "HomeFolder"
// The keys that work from anywhere, as "Win+Alt+N" or "none", and for each the value whose
// failure the user was last told of.
#define KEY_NEW_PAD_KEY "NewPadKey"
#define KEY_FIND_KEY "FindKey"
#define KEY_SHOW_ALL_PADS_KEY "ShowAllPadsKey"
#define KEY_HIDE_ALL_PADS_KEY "HideAllPadsKey"
#define KEY_NEW_PAD_KEY_REPORTED "NewPadKeyReported"
#define KEY_FIND_KEY_REPORTED "FindKeyReported"
#define KEY_SHOW_ALL_PADS_KEY_REPORTED "ShowAllPadsKeyReported"
#define KEY_HIDE_ALL_PADS_KEY_REPORTED "HideAllPadsKeyReported"

// A colour setting of -1 means "not set"; pads without any colour are yellow.
#define COLOR_NOT_SET (-1)
#define DEFAULT_PAD_COLOR RGB(255, 255, 0)
