// StringIds of the catalogue that the shell names, and the LanguageOffsets.
//
// Every text is the string resource StringId + LanguageOffset. The form
// texts (11020 to 11174, 11208) are used by number in the forms, each of
// which quotes its own; the constants below are the ones shared by several
// parts of the program.
#pragma once

// Every StringId of the catalogue, as inclusive ranges: each has a text in
// the three tables (the catalogue tests read this list, the C++ one as code
// and the Python one as text).
constexpr int kCatalogueRanges[][2] = {
    {10103, 10105}, {10110, 10116}, {11001, 11017}, {11020, 11046}, {11048, 11093},
    {11095, 11174}, {11200, 11208}, {11998, 11999}, {12000, 12047}, {13000, 13008},
};

// Added to every StringId: the English, Spanish and Thai tables.
constexpr int kLanguageOffsetEnglish = 0;
constexpr int kLanguageOffsetSpanish = 2500;
constexpr int kLanguageOffsetThai = 5000;

// Frame (loaded before the language is chosen: the same in every language).
constexpr int IDS_WINDOW_TITLE = 10103;       // "Tessara"
constexpr int IDS_FRAME_CLASS = 10104;        // "TESSARA"
constexpr int IDS_CHILD_CLASS = 10105;        // "TESSARACHILD"
// Menu captions.
constexpr int IDS_MENU_FILE = 10110;          // "&File"
constexpr int IDS_MENU_EXIT = 10111;          // "E&xit"
// The report of the active form: three commands of the File menu and the
// two kinds of file it can be saved as.
constexpr int IDS_MENU_COPY_RESULTS = 10112;
constexpr int IDS_MENU_SAVE_RESULTS = 10113;
constexpr int IDS_MENU_PRINT_RESULTS = 10114;
constexpr int IDS_REPORT_TEXT_FILES = 10115;
constexpr int IDS_REPORT_CSV_FILES = 10116;

// Window title of a FormKind k (0 to 16) is IDS_FORM_TITLE_FIRST + k.
constexpr int IDS_FORM_TITLE_FIRST = 11001;
constexpr int IDS_MAIN_WINDOW_TITLE = 11017;  // FormKind 16, "Tessara - Main"

// Shared by every form (and the Help menu).
constexpr int IDS_RUN = 11024;                // "&Run"
constexpr int IDS_HELP = 11025;               // "&Help"
constexpr int IDS_INPUT = 11027;              // group box "Input"
constexpr int IDS_INVALID_INPUT = 11032;      // title of the input message
constexpr int IDS_RESULTS = 11037;            // group box "Results"

// Main window: heading k (0 to 3) is IDS_CATEGORY_HEADING_FIRST + 2k, its
// description the StringId after it.
constexpr int IDS_CATEGORY_HEADING_FIRST = 11200;

// Library error report.
constexpr int IDS_LIBRARY_ERROR_TITLE = 11998;   // "Tessara DLL Error"
constexpr int IDS_LIBRARY_ERROR_PREFIX = 11999;  // "Error in function:"
constexpr int IDS_UNKNOWN_ERROR = 12000;         // message of any unlisted ResultCode

// About box and splash screen.
constexpr int IDS_ABOUT_FULL_TITLE = 13000;
constexpr int IDS_ABOUT_PURPOSE = 13001;
constexpr int IDS_ABOUT_AUTHORS = 13002;
constexpr int IDS_ABOUT_DEVELOPED_BY = 13003;
constexpr int IDS_ABOUT_SUGGESTIONS = 13004;
constexpr int IDS_ABOUT_CONTACT = 13005;
constexpr int IDS_ABOUT_COPYRIGHT = 13006;
constexpr int IDS_ABOUT_VERSION = 13007;      // "Version:"
constexpr int IDS_ABOUT_CAPTION = 13008;      // "About" (also the Help menu item)

// Buffer capacities of the callers, in characters with the terminating zero.
constexpr int kShortTextCapacity = 255;    // titles, labels, captions, list items
constexpr int kLongTextCapacity = 2048;    // messages, descriptions, About texts
