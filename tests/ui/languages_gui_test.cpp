// The program in each of its languages: frame and main window titles, menu
// captions, the About box and the help file follow the user's locale.
//
// The locale of a Wine session is fixed when it starts, so each language
// has its own suite and its own test entry (run with LC_ALL set). The texts
// expected are read from the program's own string tables at StringId +
// LanguageOffset, independently of the program's code.
#include <gtest/gtest.h>

#include <string>

#include "gui_test_support.h"

namespace {

struct Language {
  WORD primary_language;  // of the user locale the suite must run under
  int offset;             // LanguageOffset of its texts
  const wchar_t* help_file;
  int character_set;      // of the program's fonts
};

constexpr Language kEnglish = {LANG_ENGLISH, 0, L"Tessara_en.chm", DEFAULT_CHARSET};
constexpr Language kSpanish = {LANG_SPANISH, 2500, L"Tessara_es.chm", DEFAULT_CHARSET};
constexpr Language kThai = {LANG_THAI, 5000, L"Tessara_en.chm", THAI_CHARSET};

std::wstring VersionText() {
  return std::to_wstring(TESSARA_VERSION_MAJOR) + L"." + std::to_wstring(TESSARA_VERSION_MINOR) +
         L"." + std::to_wstring(TESSARA_VERSION_PATCH) + L"." + std::to_wstring(TESSARA_VERSION_BUILD);
}

// The program started under one language, with the fake help viewer
// registered so that its help file can be seen.
class LanguageStart : public ::testing::Test {
 protected:
  explicit LanguageStart(const Language& language) : language_(language) {}

  void SetUp() override {
    ASSERT_EQ(ui::UserPrimaryLanguage(), language_.primary_language)
        << "this suite must run under its own user locale (LC_ALL of its test entry)";
    ASSERT_TRUE(viewer_.registered());
    program_ = std::make_unique<ui::TessaraProcess>();
    ASSERT_TRUE(program_->started());
    frame_ = program_->WaitForStartedFrame();
    ASSERT_NE(frame_, nullptr);
  }

  void TearDown() override {
    if (program_ && program_->running()) {
      EXPECT_EQ(program_->CloseAll(), std::optional<DWORD>(0));
    }
  }

  std::wstring Text(int string_id) const { return texts_.Text(string_id, language_.offset); }

  void ExpectTitles() {
    // The window title is the same in every language.
    EXPECT_EQ(ui::WindowText(frame_), texts_.Text(IDS_WINDOW_TITLE, 0));
    const std::wstring main_title = Text(IDS_MAIN_WINDOW_TITLE);
    ASSERT_FALSE(main_title.empty());
    EXPECT_NE(ui::WaitForMdiChild(frame_, main_title), nullptr)
        << "no main window titled in this language";
  }

  void ExpectMenuCaptions() {
    const std::vector<ui::MenuEntry> menu = ui::ReadMenu(frame_);
    ASSERT_FALSE(menu.empty()) << "the probe could not read the frame's menu";
    EXPECT_EQ(ui::DropDownCaption(menu, 0), Text(IDS_MENU_FILE));
    EXPECT_EQ(ui::DropDownCaption(menu, 1), Text(IDS_HELP));
    EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_COPY_RESULTS), Text(IDS_MENU_COPY_RESULTS));
    EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_SAVE_RESULTS), Text(IDS_MENU_SAVE_RESULTS));
    EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_PRINT_RESULTS), Text(IDS_MENU_PRINT_RESULTS));
    EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_EXIT), Text(IDS_MENU_EXIT));
    EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_HELP_GENERAL), Text(IDS_HELP));
    EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_ABOUT), Text(IDS_ABOUT_CAPTION));
  }

  void ExpectAboutBox() {
    ui::PostCommand(frame_, IDM_ABOUT);
    const std::wstring caption = Text(IDS_ABOUT_CAPTION);
    HWND about = program_->WaitForDialog(caption.c_str());
    ASSERT_NE(about, nullptr) << "no About box captioned in this language";
    const struct {
      int control;
      int string_id;
    } labels[] = {{IDC_ABOUT_FULL_TITLE, IDS_ABOUT_FULL_TITLE},
                  {IDC_ABOUT_PURPOSE, IDS_ABOUT_PURPOSE},
                  {IDC_ABOUT_DEVELOPED_BY, IDS_ABOUT_DEVELOPED_BY},
                  {IDC_ABOUT_AUTHORS, IDS_ABOUT_AUTHORS},
                  {IDC_ABOUT_SUGGESTIONS, IDS_ABOUT_SUGGESTIONS},
                  {IDC_ABOUT_CONTACT, IDS_ABOUT_CONTACT},
                  {IDC_ABOUT_COPYRIGHT, IDS_ABOUT_COPYRIGHT}};
    for (const auto& label : labels) {
      HWND control = ui::Control(about, label.control);
      ASSERT_NE(control, nullptr) << "control " << label.control;
      EXPECT_EQ(ui::WindowText(control), Text(label.string_id)) << "control " << label.control;
    }
    EXPECT_EQ(ui::WindowText(ui::Control(about, IDC_ABOUT_VERSION)),
              Text(IDS_ABOUT_VERSION) + L" " + VersionText());
    // Fixed in the template, whatever the language.
    EXPECT_EQ(ui::WindowText(ui::Control(about, IDC_ABOUT_PRODUCT)), L"Tessara");
    EXPECT_EQ(ui::WindowText(ui::Control(about, IDOK)), L"OK");

    const std::optional<ui::FontDescription> label_font =
        ui::ReadFont(ui::Control(about, IDC_ABOUT_PURPOSE));
    ASSERT_TRUE(label_font.has_value());
    EXPECT_EQ(label_font->face, L"Arial Unicode MS");
    EXPECT_EQ(label_font->character_set, language_.character_set);

    ASSERT_TRUE(ui::PressOk(about));
    EXPECT_TRUE(ui::WaitForWindowGone(about));
  }

  void ExpectHelpFile() {
    ui::PostCommand(frame_, IDM_HELP_GENERAL);
    const std::vector<ui::HelpCall> calls = viewer_.WaitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, language_.help_file);
    EXPECT_EQ(calls[0].topic, 1190u);
  }

  // The language really differs from English where the test relies on it.
  void ExpectCatalogueDiffersFromEnglish() {
    EXPECT_NE(Text(IDS_MENU_FILE), texts_.Text(IDS_MENU_FILE, 0));
    EXPECT_NE(Text(IDS_ABOUT_PURPOSE), texts_.Text(IDS_ABOUT_PURPOSE, 0));
  }

  const Language language_;
  ui::FakeHelpViewer viewer_;
  ui::ProgramTexts texts_;
  std::unique_ptr<ui::TessaraProcess> program_;
  HWND frame_ = nullptr;
};

class EnglishStart : public LanguageStart {
 protected:
  EnglishStart() : LanguageStart(kEnglish) {}
};

class SpanishStart : public LanguageStart {
 protected:
  SpanishStart() : LanguageStart(kSpanish) {}
};

class ThaiStart : public LanguageStart {
 protected:
  ThaiStart() : LanguageStart(kThai) {}
};

TEST_F(EnglishStart, TitlesAndMenuAreEnglish) {
  ExpectTitles();
  ExpectMenuCaptions();
}
TEST_F(EnglishStart, AboutBoxIsEnglishWithTheVersion) { ExpectAboutBox(); }
TEST_F(EnglishStart, HelpFileIsEnglish) { ExpectHelpFile(); }

TEST_F(SpanishStart, TitlesAndMenuAreSpanish) {
  ExpectCatalogueDiffersFromEnglish();
  ExpectTitles();
  ExpectMenuCaptions();
}
TEST_F(SpanishStart, AboutBoxIsSpanishWithTheVersion) { ExpectAboutBox(); }
TEST_F(SpanishStart, HelpFileIsSpanish) { ExpectHelpFile(); }

TEST_F(ThaiStart, TitlesAndMenuAreThai) {
  ExpectCatalogueDiffersFromEnglish();
  ExpectTitles();
  ExpectMenuCaptions();
}
TEST_F(ThaiStart, AboutBoxIsThaiInThaiFonts) { ExpectAboutBox(); }
TEST_F(ThaiStart, HelpFileIsTheEnglishOne) { ExpectHelpFile(); }

// The About box's layout beyond its texts, in English.
class AboutBoxLayout : public StartedProgram {};

TEST_F(AboutBoxLayout, HeadingFontsAndSeparatorLine) {
  HDC screen = GetDC(nullptr);
  const int pixels_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(pixels_per_inch, 96) << "the heights below are the ones for 96 pixels per inch";

  ui::PostCommand(frame_, IDM_ABOUT);
  HWND about = program_->WaitForDialog(L"About");
  ASSERT_NE(about, nullptr);
  const struct {
    int control;
    int height;
    int weight;
  } fonts[] = {{IDC_ABOUT_PRODUCT, -17, FW_BOLD},
               {IDC_ABOUT_FULL_TITLE, -17, FW_NORMAL},
               {IDC_ABOUT_PURPOSE, -13, FW_NORMAL},
               {IDC_ABOUT_VERSION, -13, FW_NORMAL},
               {IDOK, -13, FW_NORMAL}};
  for (const auto& expected : fonts) {
    const std::optional<ui::FontDescription> font = ui::ReadFont(ui::Control(about, expected.control));
    ASSERT_TRUE(font.has_value()) << "control " << expected.control;
    EXPECT_EQ(font->face, L"Arial Unicode MS") << "control " << expected.control;
    EXPECT_EQ(font->height, expected.height) << "control " << expected.control;
    EXPECT_EQ(font->weight, expected.weight) << "control " << expected.control;
    EXPECT_FALSE(font->italic) << "control " << expected.control;
  }

  HWND separator = ui::Control(about, IDC_ABOUT_SEPARATOR);
  ASSERT_NE(separator, nullptr);
  RECT client = {};
  GetClientRect(about, &client);
  RECT line = {};
  GetWindowRect(separator, &line);
  MapWindowPoints(HWND_DESKTOP, about, reinterpret_cast<POINT*>(&line), 2);
  EXPECT_EQ(line.left, 10);
  EXPECT_EQ(line.top, 55);
  EXPECT_EQ(line.right - line.left, client.right - 20);
  EXPECT_EQ(line.bottom - line.top, 2);

  ASSERT_TRUE(ui::PressOk(about));
  EXPECT_TRUE(ui::WaitForWindowGone(about));
  ExpectCleanClose();
}

}  // namespace
