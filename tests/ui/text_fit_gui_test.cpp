// Every text of the open windows fits its control in the user's language:
// the main window, the About box and each form the main window lets the user
// open, measured inside the running program with the faces Wine draws them
// with. The forms are found through the main window's enabled buttons, so a
// form that becomes available is measured without a change here.
//
// With TESSARA_SCREENSHOTS set to a folder, the same walk also leaves a
// picture of each window there (LANGUAGE-main.bmp, LANGUAGE-about.bmp,
// LANGUAGE-form-BUTTON.bmp): scripts/take-screenshots.sh runs it that way.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "form_test_support.h"

namespace {

// The screen's pixels under a window, as a 24-bit BMP file (what the user
// sees, painted by the program).
bool SaveWindowImage(HWND window, const std::wstring& path) {
  RECT frame = {};
  if (!GetWindowRect(window, &frame)) return false;
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP image = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                   DIB_RGB_COLORS, &bits, nullptr, 0);
  bool saved = false;
  if (image != nullptr) {
    HGDIOBJ previous = SelectObject(memory, image);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory, previous);
    const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
    BITMAPFILEHEADER file_header = {};
    file_header.bfType = 0x4d42;
    file_header.bfOffBits = sizeof(file_header) + sizeof(header);
    file_header.bfSize = file_header.bfOffBits + row * static_cast<DWORD>(height);
    if (FILE* file = _wfopen(path.c_str(), L"wb")) {
      saved = fwrite(&file_header, sizeof(file_header), 1, file) == 1 &&
              fwrite(&header, sizeof(header), 1, file) == 1 &&
              fwrite(bits, row * static_cast<DWORD>(height), 1, file) == 1;
      fclose(file);
    }
    DeleteObject(image);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

constexpr int kFirstFormButton = 3001;
constexpr int kLastFormButton = 3016;

class TextsFit : public form_test::OpenProgram {
 protected:
  // Measures every text of the window; a line per text that does not fit.
  void ExpectTextsFit(HWND window, const std::wstring& where) {
    ASSERT_NE(window, nullptr) << Narrow(where);
    const std::optional<std::vector<ui::TextMeasure>> measures = ui::MeasureTexts(window);
    ASSERT_TRUE(measures.has_value()) << "the probe did not measure " << Narrow(where);
    EXPECT_FALSE(measures->empty()) << "no text measured in " << Narrow(where);
    for (const ui::TextMeasure& measure : *measures) {
      EXPECT_TRUE(measure.Fits())
          << Narrow(where) << ", control " << measure.control << " (" << Narrow(measure.kind)
          << ") in " << Narrow(LanguageName()) << ": \"" << Narrow(measure.text) << "\" needs "
          << measure.needed.cx << "x" << measure.needed.cy << " pixels, has "
          << measure.room.cx << "x" << measure.room.cy;
    }
    measured_ += static_cast<int>(measures->size());
  }

  static std::string Narrow(const std::wstring& text) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(length > 0 ? length - 1 : 0, '\0');
    if (length > 1) {
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    }
    return narrow;
  }

  static std::wstring LanguageName() {
    switch (form_test::LanguageOffset()) {
      case kLanguageOffsetSpanish: return L"Spanish";
      case kLanguageOffsetThai: return L"Thai";
      default: return L"English";
    }
  }

  // The MDI child that is not among those before.
  HWND WaitForNewChild(const std::vector<HWND>& before) const {
    HWND found = nullptr;
    ui::WaitUntil([&] {
      for (HWND child : ui::MdiChildren(frame_)) {
        if (std::find(before.begin(), before.end(), child) == before.end()) found = child;
      }
      return found != nullptr;
    });
    return found;
  }

  // Leaves a picture of the window when screenshots are asked for.
  void Picture(HWND window, const std::wstring& name) const {
    wchar_t folder[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"TESSARA_SCREENSHOTS", folder, MAX_PATH) == 0) return;
    // Let the window finish painting.
    Sleep(800);
    const std::wstring language = form_test::LanguageOffset() == kLanguageOffsetSpanish ? L"es"
                                  : form_test::LanguageOffset() == kLanguageOffsetThai  ? L"th"
                                                                                        : L"en";
    const std::wstring path = std::wstring(folder) + L"\\" + language + L"-" + name + L".bmp";
    EXPECT_TRUE(SaveWindowImage(window, path)) << Narrow(path);
  }

  int measured_ = 0;
};

TEST_F(TextsFit, MainWindowAboutBoxAndEveryOpenableForm) {
  HWND main_window = MainWindowOfProgram();
  ASSERT_NE(main_window, nullptr);
  ExpectTextsFit(main_window, L"main window");
  Picture(frame_, L"main");

  ui::PostCommand(frame_, IDM_ABOUT);
  HWND about = program_->WaitForDialog(Text(IDS_ABOUT_CAPTION).c_str());
  ExpectTextsFit(about, L"About box");
  Picture(about, L"about");
  ASSERT_TRUE(ui::PressOk(about));
  ASSERT_TRUE(ui::WaitForWindowGone(about));

  int forms = 0;
  for (int button_id = kFirstFormButton; button_id <= kLastFormButton; ++button_id) {
    HWND button = ui::Control(main_window, button_id);
    ASSERT_NE(button, nullptr) << button_id;
    if (!IsWindowEnabled(button)) continue;
    const std::vector<HWND> before = ui::MdiChildren(frame_);
    ui::PressButton(button);
    HWND form = WaitForNewChild(before);
    ASSERT_NE(form, nullptr) << "button " << button_id << " opened no form";
    ExpectTextsFit(form, L"form \"" + ui::WindowText(form) + L"\" (button " +
                             std::to_wstring(button_id) + L")");
    Picture(frame_, L"form-" + std::to_wstring(button_id));
    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(ui::WaitForWindowGone(form));
    ++forms;
  }
  EXPECT_GT(forms, 0) << "no form is enabled on the main window";
  RecordProperty("texts_measured", measured_);
  ExpectCleanClose();
}

}  // namespace
