#include "splash_screen.h"

#include <cwchar>
#include <string>

#include "resource.h"
#include "splash_font_fit.h"
#include "version_info.h"

namespace {

constexpr wchar_t kSplashClass[] = L"SplashScreen";
constexpr wchar_t kFontFace[] = L"Arial";
constexpr UINT_PTR kDismissTimer = 1;
// Puts the splash screen back on top every 250 ms for its first 2 seconds.
constexpr UINT_PTR kKeepOnTopTimer = 2;
constexpr UINT kKeepOnTopPeriodMs = 250;
constexpr int kKeepOnTopTicks = 8;
constexpr int kVersionTextCapacity = 256;
constexpr COLORREF kNameColour = RGB(109, 140, 44);
constexpr COLORREF kStatusColour = RGB(0, 0, 255);

// The text areas of the picture and how their fonts are fitted.
enum Area { kNameArea, kVersionArea, kStatusArea, kAreaCount };

struct FontChoice {
  bool computed = false;
  FittedFont font;
};

// Values that outlive one splash object: the texts drawn, the status line
// and the fonts fitted at the first painting.
struct SplashValues {
  CSplashScreen* shown = nullptr;
  bool has_status = false;
  std::wstring status;
  UINT display_time_ms = 0;
  bool class_registered = false;
  wchar_t product[kVersionTextCapacity] = L"";
  wchar_t version_line[kVersionTextCapacity + 8] = L"";
  wchar_t copyright[kVersionTextCapacity] = L"";
  wchar_t comments[kVersionTextCapacity] = L"";
  FontChoice fonts[kAreaCount];
};

SplashValues& Values() {
  static SplashValues values;
  return values;
}

void ReplaceStatus(const wchar_t* status_text) {
  SplashValues& values = Values();
  values.has_status = status_text != nullptr;
  values.status = status_text != nullptr ? status_text : L"";
}

void ReadVersionTexts() {
  SplashValues& values = Values();
  wchar_t version[kVersionTextCapacity] = L"";
  ReadVersionText(version, kVersionTextCapacity);
  swprintf(values.version_line, kVersionTextCapacity + 8, L"Version %ls", version);
  wchar_t company[kVersionTextCapacity] = L"";
  ReadVersionStrings(values.product, company, values.copyright, values.comments,
                     kVersionTextCapacity);
}

HFONT CreateArial(HDC context, int points) {
  LOGFONTW description = {};
  description.lfHeight = -(points * GetDeviceCaps(context, LOGPIXELSY) / 72);
  lstrcpynW(description.lfFaceName, kFontFace, LF_FACESIZE);
  return CreateFontIndirectW(&description);
}

TextExtent WidestExtent(HDC context, int points, const wchar_t* const* texts, int count) {
  HFONT font = CreateArial(context, points);
  HGDIOBJ previous = SelectObject(context, font);
  TextExtent widest;
  for (int i = 0; i < count; ++i) {
    SIZE size = {};
    GetTextExtentPoint32W(context, texts[i], lstrlenW(texts[i]), &size);
    if (i == 0 || size.cx > widest.width) widest = {size.cx, size.cy};
  }
  SelectObject(context, previous);
  DeleteObject(font);
  return widest;
}

const FittedFont& FontFor(HDC context, Area area, int picture_width) {
  SplashValues& values = Values();
  FontChoice& choice = values.fonts[area];
  if (choice.computed) return choice.font;
  const wchar_t* version_texts[] = {values.version_line, values.copyright, values.comments};
  const wchar_t* name_texts[] = {values.product};
  const wchar_t* status_texts[] = {values.status.c_str()};
  const wchar_t* const* texts = area == kNameArea ? name_texts
                                : area == kVersionArea ? version_texts
                                                       : status_texts;
  const int count = area == kVersionArea ? 3 : 1;
  auto measure = [&](int points) { return WidestExtent(context, points, texts, count); };
  switch (area) {
    case kNameArea: choice.font = FitSplashFont(measure, picture_width - 40, 70, 1); break;
    case kVersionArea: choice.font = FitSplashFont(measure, picture_width - 20, 100, 3); break;
    default: choice.font = FitSplashFont(measure, picture_width - 60, 20, 1); break;
  }
  choice.computed = true;
  return choice.font;
}

void DrawCentred(HDC context, const wchar_t* text, RECT area, int points, COLORREF colour) {
  HFONT font = CreateArial(context, points);
  HGDIOBJ previous = SelectObject(context, font);
  SetTextColor(context, colour);
  SetBkMode(context, TRANSPARENT);
  DrawTextW(context, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(context, previous);
  DeleteObject(font);
}

void ShowError(const wchar_t* format) {
  wchar_t text[128];
  swprintf(text, 128, format, static_cast<int>(GetLastError()));
  MessageBoxW(nullptr, text, L"Error", MB_OK | MB_ICONERROR);
}

}  // namespace

CSplashScreen::CSplashScreen(HWND owner, HINSTANCE module) : owner_(owner), module_(module) {}

CSplashScreen::~CSplashScreen() {
  ReplaceStatus(nullptr);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (Values().shown == this) Values().shown = nullptr;
}

HWND CSplashScreen::Window() {
  CSplashScreen* shown = Values().shown;
  return shown != nullptr ? shown->window_ : nullptr;
}

void CSplashScreen::Show(HWND owner, const wchar_t* status_text, UINT display_time_ms) {
  SplashValues& values = Values();
  ReplaceStatus(status_text);
  values.display_time_ms = display_time_ms;
  if (values.shown == nullptr) {
    auto* splash = new CSplashScreen(owner, GetModuleHandleW(nullptr));
    ReadVersionTexts();
    values.shown = splash;
    if (!splash->CreateSplashWindow()) {
      delete splash;
      return;
    }
  }
  CSplashScreen* splash = values.shown;
  if (splash->owner_ != nullptr) UpdateWindow(splash->owner_);
  if (values.display_time_ms != 0) SetTimer(splash->window_, kDismissTimer, values.display_time_ms, nullptr);
  splash->keep_on_top_ticks_ = 0;
  SetTimer(splash->window_, kKeepOnTopTimer, kKeepOnTopPeriodMs, nullptr);
  ShowWindow(splash->window_, SW_SHOW);
  UpdateWindow(splash->window_);
  InvalidateRect(splash->window_, nullptr, TRUE);
  // Paint now: the message loop that would otherwise do it starts later.
  MSG message;
  while (splash == values.shown && PeekMessageW(&message, splash->window_, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool CSplashScreen::CreateSplashWindow() {
  bitmap_ = static_cast<HBITMAP>(
      LoadImageW(module_, MAKEINTRESOURCEW(IDB_SPLASH), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  BITMAP description = {};
  if (bitmap_ != nullptr && GetObjectW(bitmap_, sizeof(description), &description) != 0) {
    bitmap_size_ = {description.bmWidth, description.bmHeight};
  }
  SplashValues& values = Values();
  if (!values.class_registered) {
    WNDCLASSW window_class = {};
    window_class.style = CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = WindowProcedure;
    window_class.hInstance = module_;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = kSplashClass;
    if (RegisterClassW(&window_class) == 0) {
      ShowError(L"Failed to register class - error %d");
      return false;
    }
    values.class_registered = true;
  }
  RECT centre_on = {};
  GetWindowRect(owner_ != nullptr ? owner_ : GetDesktopWindow(), &centre_on);
  const int left = centre_on.left + (centre_on.right - centre_on.left - bitmap_size_.cx) / 2;
  const int top = centre_on.top + (centre_on.bottom - centre_on.top - bitmap_size_.cy) / 2;
  const DWORD extended_style = WS_EX_DLGMODALFRAME | (owner_ == nullptr ? WS_EX_TOPMOST : 0);
  window_ = CreateWindowExW(extended_style, kSplashClass, L"", WS_POPUP | WS_VISIBLE, left, top,
                            bitmap_size_.cx, bitmap_size_.cy, owner_, nullptr, module_, nullptr);
  if (window_ == nullptr) {
    ShowError(L"Failed to create window- error %d");
    return false;
  }
  return true;
}

void CSplashScreen::Paint(HDC context) const {
  HDC picture = CreateCompatibleDC(context);
  HGDIOBJ previous = SelectObject(picture, bitmap_);
  BitBlt(context, 0, 0, bitmap_size_.cx, bitmap_size_.cy, picture, 0, 0, SRCCOPY);
  SelectObject(picture, previous);
  DeleteDC(picture);

  const SplashValues& values = Values();
  const int width = bitmap_size_.cx;
  const FittedFont& name_font = FontFor(context, kNameArea, width);
  DrawCentred(context, values.product, {20, 60, width - 20, 130}, name_font.points, kNameColour);
  const FittedFont& version_font = FontFor(context, kVersionArea, width);
  const wchar_t* version_texts[] = {values.version_line, values.copyright, values.comments};
  const int h = version_font.line_height;
  for (int k = 0; k < 3; ++k) {
    DrawCentred(context, version_texts[k], {10, 180 + k * h, width - 10, 180 + (k + 1) * h},
                version_font.points, kNameColour);
  }
  if (values.has_status) {
    const FittedFont& status_font = FontFor(context, kStatusArea, width);
    DrawCentred(context, values.status.c_str(), {0, 290, width, 310}, status_font.points,
                kStatusColour);
  }
}

// Windows keeps a topmost window above the others by itself. Some window
// systems (Wine's X11 driver among them) stack a window shown later above
// it, so while the program starts the splash screen puts itself back on
// top a few times.
void CSplashScreen::KeepOnTop() const {
  // A move that changes nothing is skipped: step out of the top band and
  // back, so that the window system stacks the window again.
  constexpr UINT kPlaceOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  if (owner_ == nullptr) {
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, kPlaceOnly);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, kPlaceOnly);
  } else {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, kPlaceOnly);
  }
}

void CSplashScreen::Dismiss() {
  HWND owner = owner_;
  KillTimer(window_, kDismissTimer);
  KillTimer(window_, kKeepOnTopTimer);
  // The object goes with its window (final destruction): touch nothing after.
  DestroyWindow(window_);
  if (owner != nullptr && IsWindow(owner)) UpdateWindow(owner);
}

LRESULT CALLBACK CSplashScreen::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                                LPARAM lparam) {
  CSplashScreen* splash = Values().shown;
  if (splash == nullptr || splash->window_ != window) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC context = BeginPaint(window, &paint);
      splash->Paint(context);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
      if (wparam == kKeepOnTopTimer) {
        splash->KeepOnTop();
        if (++splash->keep_on_top_ticks_ >= kKeepOnTopTicks) KillTimer(window, kKeepOnTopTimer);
        return 0;
      }
      if (wparam != kDismissTimer) break;
      splash->Dismiss();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      splash->Dismiss();
      return 0;
    case WM_NCDESTROY:
      delete splash;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}
