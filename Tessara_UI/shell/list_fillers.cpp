#include "list_fillers.h"

#include "catalogue.h"
#include "string_ids.h"

namespace {

struct FixedItem {
  const wchar_t* text;
  int data;
};

// An item whose text comes from the catalogue; string_id 0 is the empty item.
struct CatalogueItem {
  int string_id;
  int data;
};

constexpr FixedItem kConfidenceItems[] = {{L"90%", 90}, {L"95%", 95}, {L"99%", 99}};
constexpr int kConfidenceDefault = 1;
constexpr FixedItem kPowerItems[] = {{L"80%", 80}, {L"85%", 85}, {L"90%", 90}, {L"95%", 95}};
constexpr int kPowerDefault = 0;
constexpr CatalogueItem kHomogeneityItems[] = {
    {0, 0}, {11054, 1}, {11055, 2}, {11056, 3}, {11057, 4}};  // Low, Medium, High, Unknown
constexpr CatalogueItem kInterpretationItems[] = {{0, 0}, {11125, 1}, {11126, 2}};  // Serial, Parallel

void AddItem(HWND list, const wchar_t* text, int data) {
  const LRESULT index = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  if (index >= 0) SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

template <std::size_t N>
void FillFixed(HWND form, int list_id, const FixedItem (&items)[N], int selected) {
  HWND list = GetDlgItem(form, list_id);
  for (const FixedItem& item : items) AddItem(list, item.text, item.data);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

template <std::size_t N>
void FillFromCatalogue(HWND form, int list_id, const CatalogueItem (&items)[N]) {
  HWND list = GetDlgItem(form, list_id);
  for (const CatalogueItem& item : items) {
    wchar_t text[kShortTextCapacity] = L"";
    if (item.string_id != 0) LoadText(item.string_id, text, kShortTextCapacity);
    AddItem(list, text, item.data);
  }
}

}  // namespace

void FillConfidenceList(HWND form, int list_id) {
  FillFixed(form, list_id, kConfidenceItems, kConfidenceDefault);
}

void FillPowerList(HWND form, int list_id) { FillFixed(form, list_id, kPowerItems, kPowerDefault); }

void FillHomogeneityList(HWND form, int list_id) {
  FillFromCatalogue(form, list_id, kHomogeneityItems);
}

void FillInterpretationList(HWND form, int list_id) {
  FillFromCatalogue(form, list_id, kInterpretationItems);
}

int ReadListSelection(HWND form, int list_id) {
  HWND list = GetDlgItem(form, list_id);
  const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return -1;
  return static_cast<int>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}
