#include "harness.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <thread>

#include "probe_protocol.h"

namespace ui {

namespace {

constexpr Milliseconds kPollInterval{25};
constexpr UINT kSendTimeoutMs = 3000;
constexpr wchar_t kFrameClass[] = L"TESSARA";
constexpr wchar_t kSplashClass[] = L"SplashScreen";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kProbeFileName[] = L"tessara_ui_probe.dll";

std::wstring WindowsPath(std::wstring path) {
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
  if (length > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  return wide;
}

struct WindowSearch {
  DWORD process_id;
  const wchar_t* class_name;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM argument) {
  auto* search = reinterpret_cast<WindowSearch*>(argument);
  DWORD owner_process = 0;
  GetWindowThreadProcessId(window, &owner_process);
  if (owner_process != search->process_id || !IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != search->class_name) return TRUE;
  if (search->title != nullptr && WindowText(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM argument) {
  reinterpret_cast<std::vector<HWND>*>(argument)->push_back(window);
  return TRUE;
}

bool IsControlId(HWND window, int id) {
  const int own = GetDlgCtrlID(window);
  // A dialog template stores -1 as the 16-bit 0xFFFF.
  return own == id || (id == -1 && own == 0xFFFF);
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  std::wstring part;
  std::wistringstream stream(text);
  while (std::getline(stream, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back(L"");
  return parts;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

// The built program, unless TESSARA_PROGRAM names another copy (an installed
// one, for the tests of the installer).
std::wstring ProgramPath() {
  wchar_t other[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(L"TESSARA_PROGRAM", other, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return other;
  return WindowsPath(Widen(TESSARA_PROGRAM_PATH));
}

std::wstring BesideTestProgram(const std::wstring& file_name) {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return FolderOf(path) + L"\\" + file_name;
}

// --- The program's process ---------------------------------------------------

TessaraProcess::TessaraProcess(const StartOptions& options) {
  const std::wstring program = WindowsPath(options.program);
  const std::wstring folder =
      options.working_directory.empty() ? FolderOf(program) : WindowsPath(options.working_directory);
  std::wstring command_line = L"\"" + program + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION information = {};
  if (CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.c_str(), &startup, &information)) {
    process_ = information.hProcess;
    id_ = information.dwProcessId;
    CloseHandle(information.hThread);
  }
}

TessaraProcess::~TessaraProcess() {
  if (process_ == nullptr) return;
  if (running()) {
    if (HWND frame = FindWindowOfClass(kFrameClass)) PostMessageW(frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
    }
  }
  CloseHandle(process_);
}

bool TessaraProcess::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> TessaraProcess::WaitForExit(Milliseconds timeout) {
  if (process_ == nullptr) return std::nullopt;
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

HWND TessaraProcess::FindWindowOfClass(const wchar_t* class_name, const wchar_t* title) const {
  WindowSearch search = {id_, class_name, title, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TessaraProcess::WaitForWindow(const wchar_t* class_name, const wchar_t* title,
                                   Milliseconds timeout) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOfClass(class_name, title)) != nullptr; }, timeout);
  return found;
}

HWND TessaraProcess::WaitForFrame(Milliseconds timeout) const {
  return WaitForWindow(kFrameClass, nullptr, timeout);
}

HWND TessaraProcess::WaitForSplash(Milliseconds timeout) const {
  return WaitForWindow(kSplashClass, nullptr, timeout);
}

HWND TessaraProcess::WaitForDialog(const wchar_t* title, Milliseconds timeout) const {
  return WaitForWindow(kDialogClass, title, timeout);
}

bool TessaraProcess::DismissSplash(Milliseconds timeout) const {
  HWND splash = FindWindowOfClass(kSplashClass);
  if (splash == nullptr) return true;
  PostMessageW(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  return WaitForWindowGone(splash, timeout);
}

HWND TessaraProcess::WaitForStartedFrame(Milliseconds timeout) const {
  HWND frame = WaitForFrame(timeout);
  if (frame == nullptr) return nullptr;
  if (!WaitUntil([&] { return !MdiChildren(frame).empty(); }, timeout)) return nullptr;
  return DismissSplash(timeout) ? frame : nullptr;
}

std::optional<DWORD> TessaraProcess::CloseAll(Milliseconds timeout) {
  HWND frame = FindWindowOfClass(kFrameClass);
  if (frame == nullptr) return std::nullopt;
  PostMessageW(frame, WM_CLOSE, 0, 0);
  return WaitForExit(timeout);
}

// --- Windows and controls -----------------------------------------------------

std::wstring ClassName(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length)) {
    return L"";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
    return L"";
  }
  text.resize(std::min<size_t>(copied, length));
  return text;
}

DWORD WindowStyle(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }

SIZE WindowSize(HWND window) {
  RECT rectangle = {};
  GetWindowRect(window, &rectangle);
  return {rectangle.right - rectangle.left, rectangle.bottom - rectangle.top};
}

bool WaitForWindowGone(HWND window, Milliseconds timeout) {
  return WaitUntil([&] { return !IsWindow(window); }, timeout);
}

bool Responsive(HWND window, Milliseconds timeout) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(timeout.count()), &ignored) != 0;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND Control(HWND parent, int id) {
  for (HWND child : ChildWindows(parent)) {
    if (IsControlId(child, id)) return child;
  }
  return nullptr;
}

HWND WaitForControl(HWND parent, int id, Milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = Control(parent, id)) != nullptr; }, timeout);
  return found;
}

HWND MdiClient(HWND frame) {
  for (HWND child = GetWindow(frame, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(ClassName(child).c_str(), L"MDIClient") == 0) return child;
  }
  return nullptr;
}

std::vector<HWND> MdiChildren(HWND frame) {
  std::vector<HWND> children;
  HWND client = MdiClient(frame);
  if (client == nullptr) return children;
  for (HWND child = GetWindow(client, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    // Minimized children leave icon-title windows behind; those are not forms.
    if (ClassName(child) != L"#32772") children.push_back(child);
  }
  return children;
}

HWND FindMdiChild(HWND frame, const std::wstring& title) {
  for (HWND child : MdiChildren(frame)) {
    if (WindowText(child) == title) return child;
  }
  return nullptr;
}

HWND WaitForMdiChild(HWND frame, const std::wstring& title, Milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindMdiChild(frame, title)) != nullptr; }, timeout);
  return found;
}

void PostCommand(HWND window, WORD command) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void PressButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool SetEditText(HWND edit, const std::wstring& text) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0 &&
         result != 0;
}

void TypeText(HWND edit, const std::wstring& text) {
  for (wchar_t character : text) PostMessageW(edit, WM_CHAR, character, 1);
}

bool ChooseListItem(HWND combo, int index) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &result) ||
      static_cast<int>(result) != index) {
    return false;
  }
  const WORD id = static_cast<WORD>(GetDlgCtrlID(combo));
  PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  return true;
}

int ListSelection(HWND combo) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(combo, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
    return CB_ERR;
  }
  return static_cast<int>(result);
}

std::wstring ListItemText(HWND combo, int index) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0,
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &length) ||
      static_cast<LRESULT>(length) == CB_ERR) {
    return L"";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                      &copied);
  text.resize(std::min<size_t>(copied, length));
  return text;
}

HWND FocusedWindow(HWND window_of_thread) {
  GUITHREADINFO information = {};
  information.cbSize = sizeof(information);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_of_thread, nullptr), &information)) {
    return nullptr;
  }
  return information.hwndFocus;
}

HWND ActiveWindow(HWND window_of_thread) {
  GUITHREADINFO information = {};
  information.cbSize = sizeof(information);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_of_thread, nullptr), &information)) {
    return nullptr;
  }
  return information.hwndActive;
}

bool BringToForeground(HWND top_level) {
  if (IsIconic(top_level)) ShowWindow(top_level, SW_RESTORE);
  SetForegroundWindow(top_level);
  return WaitUntil([&] { return GetForegroundWindow() == top_level; }, Milliseconds{5000});
}

bool PressKeys(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    inputs.push_back(down);
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    INPUT up = {};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *key;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(up);
  }
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

// --- Message boxes --------------------------------------------------------------

MessageBoxContent ReadMessageBox(HWND box) {
  MessageBoxContent content;
  content.title = WindowText(box);
  HWND icon = nullptr;
  for (HWND child : ChildWindows(box)) {
    if (_wcsicmp(ClassName(child).c_str(), L"static") != 0) continue;
    if ((WindowStyle(child) & SS_TYPEMASK) == SS_ICON) {
      icon = child;
    } else if (content.text.empty()) {
      content.text = WindowText(child);
    }
  }
  if (icon == nullptr) {
    content.icon = BoxIcon::kNone;
    return content;
  }
  Probe probe(box);
  const std::optional<std::wstring> answer = probe.Ask(probe::kReadIcon, icon);
  if (!answer) return content;
  if (*answer == L"none") content.icon = BoxIcon::kNone;
  else if (*answer == L"error") content.icon = BoxIcon::kError;
  else if (*answer == L"warning") content.icon = BoxIcon::kWarning;
  else if (*answer == L"information") content.icon = BoxIcon::kInformation;
  else if (*answer == L"question") content.icon = BoxIcon::kQuestion;
  else content.icon = BoxIcon::kOther;
  return content;
}

bool PressOk(HWND box) {
  HWND ok = Control(box, IDOK);
  if (ok == nullptr) return false;
  PressButton(ok);
  return true;
}

// --- Inside the program: the probe ---------------------------------------------

Probe::Probe(HWND window_of_thread) {
  DWORD process_id = 0;
  const DWORD thread_id = GetWindowThreadProcessId(window_of_thread, &process_id);
  if (thread_id == 0) return;
  block_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                              sizeof(probe::ReplyBlock), probe::ReplyBlockName(process_id).c_str());
  done_ = CreateEventW(nullptr, FALSE, FALSE, probe::ReplyEventName(process_id).c_str());
  module_ = LoadLibraryW(BesideTestProgram(kProbeFileName).c_str());
  if (block_ == nullptr || done_ == nullptr || module_ == nullptr) return;
  auto procedure = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(GetProcAddress(module_, probe::kHookProcedureName)));
  if (procedure != nullptr) hook_ = SetWindowsHookExW(WH_GETMESSAGE, procedure, module_, thread_id);
}

Probe::~Probe() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (module_ != nullptr) FreeLibrary(module_);
  if (done_ != nullptr) CloseHandle(done_);
  if (block_ != nullptr) CloseHandle(block_);
}

std::optional<std::wstring> Probe::Ask(unsigned request, HWND window, Milliseconds timeout) {
  if (!ready()) return std::nullopt;
  static const UINT request_message = RegisterWindowMessageW(probe::kRequestMessageName);
  ResetEvent(done_);
  if (!PostMessageW(window, request_message, request, reinterpret_cast<LPARAM>(window))) {
    return std::nullopt;
  }
  if (WaitForSingleObject(done_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  auto* view = static_cast<probe::ReplyBlock*>(
      MapViewOfFile(block_, FILE_MAP_READ, 0, 0, sizeof(probe::ReplyBlock)));
  if (view == nullptr) return std::nullopt;
  std::wstring reply(view->text, wcsnlen(view->text, probe::kReplyCapacity));
  UnmapViewOfFile(view);
  return reply;
}

std::vector<MenuEntry> ReadMenu(HWND frame) {
  std::vector<MenuEntry> menu;
  Probe probe(frame);
  const std::optional<std::wstring> answer = probe.Ask(probe::kReadMenu, frame);
  if (!answer) return menu;
  for (const std::wstring& line : Split(*answer, L'\n')) {
    const std::vector<std::wstring> fields = Split(line, L'\t');
    if (fields.size() < 5) continue;
    MenuEntry entry;
    entry.drop_down = std::stoi(fields[0]);
    entry.item = std::stoi(fields[1]);
    entry.command = static_cast<UINT>(std::stoul(fields[2]));
    entry.state = static_cast<UINT>(std::stoul(fields[3]));
    // The caption is the rest of the line: a menu caption may hold a tab.
    entry.caption = fields[4];
    for (std::size_t k = 5; k < fields.size(); ++k) entry.caption += L"\t" + fields[k];
    menu.push_back(entry);
  }
  return menu;
}

std::optional<std::wstring> MenuCaptionOfCommand(const std::vector<MenuEntry>& menu, UINT command) {
  for (const MenuEntry& entry : menu) {
    if (entry.item >= 0 && entry.command == command) return entry.caption;
  }
  return std::nullopt;
}

std::optional<std::wstring> DropDownCaption(const std::vector<MenuEntry>& menu, int drop_down) {
  for (const MenuEntry& entry : menu) {
    if (entry.item < 0 && entry.drop_down == drop_down) return entry.caption;
  }
  return std::nullopt;
}

std::optional<FontDescription> ReadFont(HWND control) {
  Probe probe(control);
  const std::optional<std::wstring> answer = probe.Ask(probe::kReadFont, control);
  if (!answer) return std::nullopt;
  const std::vector<std::wstring> fields = Split(*answer, L'\t');
  if (fields.size() != 5) return std::nullopt;
  FontDescription font;
  font.face = fields[0];
  font.height = std::stoi(fields[1]);
  font.weight = std::stoi(fields[2]);
  font.italic = std::stoi(fields[3]) != 0;
  font.character_set = std::stoi(fields[4]);
  return font;
}

std::optional<std::vector<TextMeasure>> MeasureTexts(HWND window) {
  Probe probe(window);
  const std::optional<std::wstring> answer = probe.Ask(probe::kMeasureTexts, window);
  if (!answer) return std::nullopt;
  std::vector<TextMeasure> measures;
  for (const std::wstring& line : Split(*answer, L'\n')) {
    const std::vector<std::wstring> fields = Split(line, L'\t');
    if (fields.size() < 7) continue;
    TextMeasure measure;
    measure.control = std::stoi(fields[0]);
    measure.kind = fields[1];
    measure.needed = {std::stol(fields[2]), std::stol(fields[3])};
    measure.room = {std::stol(fields[4]), std::stol(fields[5])};
    measure.text = fields[6];
    measures.push_back(measure);
  }
  return measures;
}

// --- The program's texts ----------------------------------------------------------

ProgramTexts::ProgramTexts(const std::wstring& program)
    : module_(LoadLibraryExW(WindowsPath(program).c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

ProgramTexts::~ProgramTexts() {
  if (module_ != nullptr) FreeLibrary(module_);
}

std::wstring ProgramTexts::Text(int string_id, int language_offset) const {
  wchar_t text[4096] = L"";
  if (module_ != nullptr) {
    LoadStringW(module_, static_cast<UINT>(string_id + language_offset), text, 4096);
  }
  return text;
}

// --- Help ------------------------------------------------------------------------

namespace {

constexpr wchar_t kHelpControlServerKey[] =
    L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

std::optional<std::wstring> DefaultValue(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  wchar_t value[MAX_PATH + 1] = L"";
  DWORD bytes = MAX_PATH * sizeof(wchar_t);
  DWORD type = 0;
  const LONG status =
      RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return std::wstring(value);
}

bool SetDefaultValue(HKEY root, const wchar_t* path, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const LONG status =
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace

FakeHelpViewer::FakeHelpViewer() {
  const std::wstring viewer = BesideTestProgram(L"fake_help_viewer.dll");
  log_path_ = BesideTestProgram(L"fake_help_viewer.log");
  DeleteFileW(log_path_.c_str());
  if (std::optional<std::wstring> previous = DefaultValue(HKEY_CLASSES_ROOT, kHelpControlServerKey)) {
    had_previous_ = true;
    previous_ = *previous;
  }
  registered_ = SetDefaultValue(HKEY_CLASSES_ROOT, kHelpControlServerKey, viewer);
}

FakeHelpViewer::~FakeHelpViewer() {
  if (registered_ && had_previous_) SetDefaultValue(HKEY_CLASSES_ROOT, kHelpControlServerKey, previous_);
  DeleteFileW(log_path_.c_str());
}

std::vector<HelpCall> FakeHelpViewer::Calls() const {
  std::vector<HelpCall> calls;
  FILE* log = _wfopen(log_path_.c_str(), L"r");
  if (log == nullptr) return calls;
  wchar_t line[1024];
  while (fgetws(line, 1024, log) != nullptr) {
    std::wstring text = line;
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    const std::vector<std::wstring> fields = Split(text, L'|');
    if (fields.size() != 4) continue;
    HelpCall call;
    call.file = fields[0];
    call.command = static_cast<unsigned>(std::stoul(fields[1]));
    call.topic = std::stoull(fields[2]);
    call.owner_is_desktop = fields[3] == L"desktop";
    calls.push_back(call);
  }
  fclose(log);
  return calls;
}

std::vector<HelpCall> FakeHelpViewer::WaitForCalls(size_t count, Milliseconds timeout) const {
  std::vector<HelpCall> calls;
  WaitUntil([&] { return (calls = Calls()).size() >= count; }, timeout);
  return calls;
}

// --- The test prefix --------------------------------------------------------------

namespace {

void SetUserValue(const wchar_t* path, const wchar_t* name, const wchar_t* value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

}  // namespace

void PrepareWinePrefix() {
  SetUserValue(L"Software\\Wine\\X11 Driver", L"Managed", L"N");
}

WORD UserPrimaryLanguage() { return PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())); }

}  // namespace ui
