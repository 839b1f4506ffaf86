#include "form_fonts.h"

#include "string_ids.h"

namespace {

constexpr wchar_t kFontFace[] = L"Arial Unicode MS";
constexpr int kFormFontTenths = 95;
constexpr int kLargeFontTenths = 130;

HFONT CreateSizedFont(HDC screen, int tenths_of_point, int weight, bool italic, BYTE character_set) {
  // A plain mapping so that device and logical units agree whatever the
  // context held before.
  const int saved = SaveDC(screen);
  SetGraphicsMode(screen, GM_ADVANCED);
  ModifyWorldTransform(screen, nullptr, MWT_IDENTITY);
  SetViewportOrgEx(screen, 0, 0, nullptr);
  SetWindowOrgEx(screen, 0, 0, nullptr);
  POINT height = {0, DeviceUnitsForTenthsOfPoint(tenths_of_point, GetDeviceCaps(screen, LOGPIXELSY))};
  DPtoLP(screen, &height, 1);
  LOGFONTW description = {};
  description.lfHeight = FontHeightFromDeviceUnits(height.y);
  description.lfWeight = weight;
  description.lfItalic = italic ? TRUE : FALSE;
  description.lfCharSet = character_set;
  lstrcpynW(description.lfFaceName, kFontFace, LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&description);
  RestoreDC(screen, saved);
  return font;
}

void DeleteFont(HFONT& font) {
  if (font != nullptr) DeleteObject(font);
  font = nullptr;
}

}  // namespace

FormFonts& Fonts() {
  static FormFonts fonts;
  return fonts;
}

int DeviceUnitsForTenthsOfPoint(int tenths_of_point, int pixels_per_inch) {
  // 72 points per inch; truncated toward zero as integer division does.
  return tenths_of_point * pixels_per_inch / 72;
}

int FontHeightFromDeviceUnits(int device_units) {
  // From tenths to whole pixels, rounded half up.
  return -static_cast<int>(device_units / 10.0 + 0.5);
}

BYTE FontCharacterSet(int language_offset) {
  return language_offset == kLanguageOffsetThai ? THAI_CHARSET : DEFAULT_CHARSET;
}

void CreateFormFonts(BYTE character_set) {
  HDC screen = GetDC(nullptr);
  FormFonts& fonts = Fonts();
  fonts.regular = CreateSizedFont(screen, kFormFontTenths, FW_NORMAL, false, character_set);
  fonts.bold = CreateSizedFont(screen, kFormFontTenths, FW_BOLD, false, character_set);
  fonts.italic = CreateSizedFont(screen, kFormFontTenths, FW_NORMAL, true, character_set);
  fonts.large_bold = CreateSizedFont(screen, kLargeFontTenths, FW_BOLD, false, character_set);
  fonts.large = CreateSizedFont(screen, kLargeFontTenths, FW_NORMAL, false, character_set);
  ReleaseDC(nullptr, screen);
}

void DeleteFormFonts() {
  FormFonts& fonts = Fonts();
  DeleteFont(fonts.regular);
  DeleteFont(fonts.bold);
  DeleteFont(fonts.italic);
  DeleteFont(fonts.large_bold);
  DeleteFont(fonts.large);
}
