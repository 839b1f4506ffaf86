#include "report_commands.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "child_window.h"
#include "file_dialogs.h"
#include "form_registry.h"
#include "form_report.h"
#include "path_text.h"
#include "program_state.h"
#include "resource.h"
#include "string_ids.h"
#include "table_form.h"

namespace {

constexpr wchar_t kResultsCurrentProperty[] = L"TessaraResultsCurrent";

const TableForm* DefinitionOf(HWND form) {
  const FormState* state =
      reinterpret_cast<const FormState*>(GetWindowLongPtrW(form, kFormStateOffset));
  if (state == nullptr || !IsCalculatorForm(state->form_kind)) return nullptr;
  return FormEntryOf(state->form_kind).form;
}

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::wstring ShownText(HWND form, const PlacedControl& control) {
  HWND window = GetDlgItem(form, control.id);
  if (window == nullptr) return L"";
  if (control.kind != ControlKind::DropDownList) return WindowTextOf(window);
  const LRESULT selected = SendMessageW(window, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return L"";
  const LRESULT length = SendMessageW(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length == CB_ERR) return L"";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::wstring Today() {
  wchar_t date[128] = L"";
  wchar_t time[64] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
  GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, 64);
  return std::wstring(date) + L" " + time;
}

FormReport ReportOf(HWND form) {
  const TableForm* definition = DefinitionOf(form);
  std::vector<ShownControl> shown;
  if (definition != nullptr) {
    RECT client = {};
    GetClientRect(form, &client);
    for (const PlacedControl& control : PlaceControls(*definition->table, client.right, client.bottom))
      shown.push_back({control, ShownText(form, control)});
  }
  return ComposeReport(WindowTextOf(form), Today(), shown);
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size,
                      nullptr, nullptr);
  return bytes;
}

// Written whole to a temporary file beside the target and moved over it, so
// an earlier file survives a failed write.
bool WriteUtf8File(const std::wstring& path, const std::wstring& text) {
  const std::string bytes = "\xEF\xBB\xBF" + Utf8(text);  // the mark lets editors and spreadsheets tell UTF-8
  const std::wstring temporary = path + L".tessara-tmp";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  if (ok && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileW(temporary.c_str());
  return false;
}

std::wstring LoadString(int string_id) {
  wchar_t text[kShortTextCapacity] = L"";
  LoadText(string_id, text, kShortTextCapacity);
  return text;
}

void ShowWriteFailure() {
  const DWORD error = GetLastError();
  wchar_t* message = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                     FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  MessageBoxW(Program().frame, message != nullptr ? message : L"An unknown error ocurred!",
              L"Tessara Error", MB_OK | MB_ICONERROR);
  if (message != nullptr) LocalFree(message);
}

// Prints lines of tab-separated cells, a page at a time, in a 10-point
// face at the printer's resolution.
void PrintLines(HDC printer, const std::wstring& document, const std::wstring& text) {
  DOCINFOW info = {};
  info.cbSize = sizeof(info);
  info.lpszDocName = document.c_str();
  if (StartDocW(printer, &info) <= 0) return;
  const int dpi = GetDeviceCaps(printer, LOGPIXELSY);
  HFONT font = CreateFontW(-MulDiv(10, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial Unicode MS");
  const int margin = dpi;  // an inch
  const int bottom = GetDeviceCaps(printer, VERTRES) - margin;
  const int tab = dpi * 3 / 2;
  TEXTMETRICW metrics = {};
  bool page_open = false;
  int y = margin;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    if (!page_open) {
      StartPage(printer);
      SelectObject(printer, font);
      GetTextMetricsW(printer, &metrics);
      page_open = true;
      y = margin;
    }
    const std::wstring line = text.substr(start, end - start);
    TabbedTextOutW(printer, margin, y, line.c_str(), static_cast<int>(line.size()), 1, &tab, margin);
    y += metrics.tmHeight + metrics.tmExternalLeading;
    if (y > bottom) {
      EndPage(printer);
      page_open = false;
    }
    if (end == text.size()) break;
    start = end + 2;
  }
  if (page_open) EndPage(printer);
  EndDoc(printer);
  DeleteObject(font);
}

}  // namespace

void SetResultsCurrent(HWND form, bool current) {
  if (current) {
    SetPropW(form, kResultsCurrentProperty, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropW(form, kResultsCurrentProperty);
  }
}

HWND FormWithCurrentResults() {
  HWND mdi_client = Program().mdi_client;
  if (mdi_client == nullptr) return nullptr;
  HWND active = reinterpret_cast<HWND>(SendMessageW(mdi_client, WM_MDIGETACTIVE, 0, 0));
  if (active == nullptr || DefinitionOf(active) == nullptr) return nullptr;
  return GetPropW(active, kResultsCurrentProperty) != nullptr ? active : nullptr;
}

void CopyResults(HWND form) {
  const std::wstring text = ReportAsText(ReportOf(form));
  if (!OpenClipboard(Program().frame)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* target = GlobalLock(memory)) {
      CopyMemory(target, text.c_str(), bytes);
      GlobalUnlock(memory);
      if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

void SaveResults(HWND form) {
  const std::wstring text_files = LoadString(IDS_REPORT_TEXT_FILES);
  const std::wstring csv_files = LoadString(IDS_REPORT_CSV_FILES);
  bool csv = false;
  std::wstring path;
  if (!ChooseReportFile(form, text_files.c_str(), csv_files.c_str(), &path, &csv)) return;
  const FormReport report = ReportOf(form);
  const std::wstring text = csv ? ReportAsCsv(report, Program().list_separator) : ReportAsText(report);
  if (!WriteUtf8File(path, text)) ShowWriteFailure();
}

void PrintResults(HWND form) {
  PRINTDLGW request = {};
  request.lStructSize = sizeof(request);
  request.hwndOwner = Program().frame;
  request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
  if (!PrintDlgW(&request)) return;
  if (request.hDC != nullptr) {
    PrintLines(request.hDC, WindowTextOf(form), ReportAsText(ReportOf(form)));
    DeleteDC(request.hDC);
  }
  if (request.hDevMode != nullptr) GlobalFree(request.hDevMode);
  if (request.hDevNames != nullptr) GlobalFree(request.hDevNames);
}

void EnableReportCommands(HMENU menu) {
  const UINT state = MF_BYCOMMAND | (FormWithCurrentResults() != nullptr ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(menu, IDM_COPY_RESULTS, state);
  EnableMenuItem(menu, IDM_SAVE_RESULTS, state);
  EnableMenuItem(menu, IDM_PRINT_RESULTS, state);
}
