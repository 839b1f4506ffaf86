#include "main_window.h"

#include "child_window.h"
#include "control_layout.h"
#include "form_fonts.h"
#include "form_registry.h"
#include "main_window_layout.h"
#include "string_ids.h"

namespace {

void CreateCategory(HWND window, const CategoryLayout& category, int width) {
  CreateCatalogueLabel(window, category.heading_id, category.heading_text,
                       {10, category.heading_y, width - 380, kHeadingHeight});
  CreateCatalogueLabel(window, category.description_id, category.heading_text + 1,
                       {20, category.heading_y + kDescriptionOffset, width - 390,
                        category.description_height},
                       LabelAlignment::Left, kLongTextCapacity);
  if (category.separator_id != 0)
    CreateSeparatorLine(window, category.separator_id, {5, category.separator_y, width - 10, 2});
}

void CreateButtons(HWND window, int width) {
  const CategoryButton* buttons = CategoryButtons();
  for (int i = 0; i < kCategoryButtonCount; ++i) {
    const CategoryButton& button = buttons[i];
    // The caption is the title of the form it opens.
    HWND control = CreatePushButton(window, button.id, IDS_FORM_TITLE_FIRST + button.form_kind,
                                    {width - 360, button.y, kButtonWidth, kButtonHeight});
    if (!IsFormBuilt(button.form_kind)) EnableWindow(control, FALSE);
  }
}

void SetFonts(HWND window) {
  const FormFonts& fonts = Fonts();
  const CategoryLayout* categories = CategoryLayouts();
  for (int i = 0; i < kCategoryCount; ++i) {
    SetFontOn(window, categories[i].heading_id, fonts.bold);
    SetFontOn(window, categories[i].description_id, fonts.regular);
  }
  SetFontOnRange(window, kFirstCategoryButton, kLastCategoryButton, fonts.regular);
}

}  // namespace

HWND BuildMainWindow(HWND window) {
  const RECT client = PrepareFormWindow(window);
  // Not even Close: the main window lives as long as the frame.
  if (HMENU menu = GetSystemMenu(window, FALSE)) DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
  const int width = client.right - client.left;
  const CategoryLayout* categories = CategoryLayouts();
  // Headings, descriptions and separators in their creation order.
  for (int i = 0; i < kCategoryCount; ++i) CreateCategory(window, categories[i], width);
  CreateButtons(window, width);
  SetFonts(window);
  return GetDlgItem(window, kFirstCategoryButton);
}

bool HandleMainWindowCommand(HWND, WORD command, WORD) {
  const int form_kind = FormKindOfButton(command);
  if (form_kind < 0) return false;
  OpenForm(form_kind);
  return true;
}
