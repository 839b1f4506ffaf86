#include "table_form.h"

#include <string>
#include <vector>

#include "catalogue.h"
#include "control_layout.h"
#include "form_fonts.h"
#include "form_registry.h"
#include "frame_window.h"
#include "help_viewer.h"
#include "list_fillers.h"
#include "program_state.h"
#include "report_commands.h"
#include "resource.h"

namespace {

std::wstring TextOf(const PlacedControl& control) {
  const ControlText& text = control.text;
  if (text.is_number) return std::to_wstring(text.number);
  if (text.literal != nullptr) return text.literal;
  if (text.string_id == 0) return L"";
  std::vector<wchar_t> loaded(static_cast<std::size_t>(control.capacity > 0 ? control.capacity : 1));
  LoadText(text.string_id, loaded.data(), static_cast<int>(loaded.size()));
  return loaded.data();
}

DWORD TextAlignment(const PlacedControl& control) {
  const bool is_edit = control.kind == ControlKind::ResultEdit || control.kind == ControlKind::NoteEdit;
  switch (control.align) {
    case Align::Centre: return is_edit ? ES_CENTER : SS_CENTER;
    case Align::Right: return is_edit ? ES_RIGHT : SS_RIGHT;
    case Align::Left: break;
  }
  return is_edit ? ES_LEFT : SS_LEFT;
}

struct WindowKind {
  const wchar_t* window_class;
  DWORD style;
};

WindowKind KindOf(const PlacedControl& control) {
  switch (control.kind) {
    case ControlKind::Label: return {L"static", TextAlignment(control)};
    case ControlKind::Rule: return {L"static", WS_BORDER};
    case ControlKind::InputEdit: return {L"edit", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL};
    case ControlKind::ResultEdit:
      // Reached with Tab and selectable, to be copied as read-only fields are.
      return {L"edit", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP | TextAlignment(control)};
    case ControlKind::NoteEdit:
      return {L"edit", ES_READONLY | ES_MULTILINE | WS_TABSTOP | TextAlignment(control)};
    case ControlKind::DropDownList: return {L"combobox", WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST};
    case ControlKind::GroupBox:
      return {L"BUTTON", BS_GROUPBOX | (control.align == Align::Centre ? BS_CENTER : 0u)};
    case ControlKind::PushButton: return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER};
    case ControlKind::DefaultButton: return {L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON | BS_CENTER};
  }
  return {L"static", 0};
}

HFONT FontFor(FontRole role) {
  const FormFonts& fonts = Fonts();
  switch (role) {
    case FontRole::Regular: return fonts.regular;
    case FontRole::Bold: return fonts.bold;
    case FontRole::Italic: return fonts.italic;
    case FontRole::Default: break;
  }
  return nullptr;
}

void FillList(HWND form, int id, ListFill list) {
  switch (list) {
    case ListFill::Confidence: FillConfidenceList(form, id); break;
    case ListFill::Power: FillPowerList(form, id); break;
    case ListFill::Homogeneity: FillHomogeneityList(form, id); break;
    case ListFill::Interpretation: FillInterpretationList(form, id); break;
    case ListFill::None: break;
  }
}

void Create(HWND form, const PlacedControl& control) {
  const WindowKind kind = KindOf(control);
  const std::wstring text = TextOf(control);
  HWND window = CreateWindowExW(0, kind.window_class, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
                                control.x, control.y, control.width, control.height, form,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                Program().instance, nullptr);
  if (window == nullptr) return;
  if (HFONT font = FontFor(control.font)) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  FillList(form, control.id, control.list);
}

// The form whose run is under way, for NoteResultsShown.
HWND g_running_form = nullptr;

// A user's edit of an input, or another choice in a list: the results shown
// no longer belong to the inputs.
bool IsInputChange(const FormTable& table, WORD command, WORD notification) {
  if (notification != EN_CHANGE && notification != CBN_SELCHANGE) return false;
  // Identifiers do not depend on the size of the client area.
  for (const PlacedControl& control : PlaceControls(table, 0, 0)) {
    if (control.id != command) continue;
    return control.kind == ControlKind::InputEdit || control.kind == ControlKind::DropDownList;
  }
  return false;
}

}  // namespace

HWND BuildTableForm(HWND form, const TableForm& definition) {
  const RECT client = PrepareFormWindow(form);
  const FormTable& table = *definition.table;
  for (const PlacedControl& control :
       PlaceControls(table, client.right - client.left, client.bottom - client.top))
    Create(form, control);
  return GetDlgItem(form, table.first_focus);
}

void NoteResultsShown() {
  if (g_running_form != nullptr) SetResultsCurrent(g_running_form, true);
}

bool HandleTableFormCommand(HWND form, const TableForm& definition, WORD command,
                            WORD notification) {
  const FormTable& table = *definition.table;
  if (IsInputChange(table, command, notification)) SetResultsCurrent(form, false);
  if (command == table.run_button || command == IDM_RUN_FORM) {
    g_running_form = form;
    definition.read_and_run(form);
    g_running_form = nullptr;
    return true;
  }
  if (command == table.help_button || command == kFormHelpCommand) {
    ShowHelp(FormEntryOf(definition.form_kind).help_topic);
    return true;
  }
  return definition.more_commands != nullptr && definition.more_commands(form, command, notification);
}
