#include "selection_form.h"

#include <shlobj.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "edit_readers.h"
#include "file_dialogs.h"
#include "file_operations.h"
#include "form_inputs.h"
#include "library_binding.h"
#include "program_state.h"
#include "selection_controls.h"
#include "selection_output_text.h"
#include "tessara.h"

namespace selection {
namespace {

constexpr int kBadInputPath = 11077;   // "A path to a valid input file must be entered."
constexpr int kBadUnits = 11154;       // "The value for 'Number of Units' must be greater than 0."
constexpr int kNoOutputPath = 11155;   // "An Output File path must be entered."
constexpr int kOutputIsInput = 11174;  // the output would replace the list
constexpr int kOutputCompleted = 11160;

constexpr int kTextCapacity = 255;
// The files are read and copied in blocks of this many bytes.
constexpr DWORD kBlockBytes = 256 * 1024;

struct Request {
  std::int32_t units = 0;
  std::wstring input;
  std::wstring output;
};

std::wstring PathText(HWND form, int edit) {
  wchar_t path[kPathCapacity] = L"";
  GetDlgItemTextW(form, edit, path, kPathCapacity);
  return path;
}

std::wstring CatalogueText(int string_id) {
  wchar_t text[kTextCapacity] = L"";
  LoadText(string_id, text, kTextCapacity);
  return text;
}

void SetStatus(HWND form, const std::wstring& text) { SetDlgItemTextW(form, kStatusLine, text.c_str()); }

// --- Do two paths name one file? --------------------------------------------

struct FileIdentity {
  DWORD volume;
  DWORD index_high;
  DWORD index_low;
};

// The volume and file index of the file at path; false when it cannot be
// opened or the system gives no index. Opened without access to its
// contents, so that no sharing mode of another program stands in the way.
bool IdentityOf(const std::wstring& path, FileIdentity* identity) {
  const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information = {};
  const bool known = GetFileInformationByHandle(file, &information) != FALSE &&
                     (information.nFileIndexHigh != 0 || information.nFileIndexLow != 0);
  CloseHandle(file);
  *identity = {information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
  return known;
}

// The absolute form of a path, with its short names made long where the
// file exists.
std::wstring FullPath(const std::wstring& path) {
  std::vector<wchar_t> full(32768);
  const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  std::vector<wchar_t> long_form(32768);
  const DWORD long_length =
      GetLongPathNameW(full.data(), long_form.data(), static_cast<DWORD>(long_form.size()));
  if (long_length > 0 && long_length < long_form.size()) return long_form.data();
  return full.data();
}

// True when both paths name the same file: the same file identity, or,
// where the system gives none, the same full path without regard to case.
bool NameTheSameFile(const std::wstring& first, const std::wstring& second) {
  FileIdentity a = {};
  FileIdentity b = {};
  if (IdentityOf(first, &a) && IdentityOf(second, &b)) {
    return a.volume == b.volume && a.index_high == b.index_high && a.index_low == b.index_low;
  }
  const std::wstring full_first = FullPath(first);
  const std::wstring full_second = FullPath(second);
  return CompareStringOrdinal(full_first.c_str(), static_cast<int>(full_first.size()),
                              full_second.c_str(), static_cast<int>(full_second.size()),
                              TRUE) == CSTR_EQUAL;
}

// --- The inputs ---------------------------------------------------------------

// The check the two forms share, in this order: the input file, the units,
// the output path, and an output that is not the input.
bool ReadRequest(HWND form, Request* request) {
  request->input = PathText(form, kInputPathEdit);
  if (request->input.empty() || !FileExists(request->input.c_str())) {
    ShowInputMessage(form, kBadInputPath, kInputPathEdit);
    return false;
  }
  if (!ReadWholeInput(form, kUnitsEdit, kBadUnits, 1, &request->units)) return false;
  request->output = PathText(form, kOutputPathEdit);
  if (request->output.empty()) {
    ShowInputMessage(form, kNoOutputPath, kOutputPathEdit);
    return false;
  }
  // The library would replace the list by the selection.
  if (NameTheSameFile(request->input, request->output)) {
    ShowInputMessage(form, kOutputIsInput, kOutputPathEdit);
    return false;
  }
  return true;
}

// --- Completing the output file ----------------------------------------------

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes the handle now; false when the system reports a failure.
  bool Close() {
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// What the header says of a list, and how its text is written.
struct ListFacts {
  std::int32_t records = -1;
  std::int64_t total_size = 0;
  ListEncoding encoding = ListEncoding::Ascii;
};

// Reads the whole file (shared, as the library reads it). A file that
// cannot be read has no records and a total size of 0.
ListFacts ReadListFacts(const std::wstring& path, bool with_sizes) {
  ListFacts facts;
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) return facts;
  const Separators separators(Program().list_separator);
  ListScan scan(separators, with_sizes);
  std::vector<char> block(kBlockBytes);
  DWORD read = 0;
  for (;;) {
    if (!ReadFile(file.get(), block.data(), kBlockBytes, &read, nullptr)) return facts;
    if (read == 0) break;
    scan.Feed(block.data(), read);
  }
  scan.Finish();
  facts.records = scan.Records();
  facts.total_size = scan.TotalSize();
  facts.encoding = scan.Encoding();
  return facts;
}

std::wstring HeaderText(Method method, const ListFacts& list, std::int32_t selected) {
  if (method == Method::SimpleRandom) {
    return SimpleRandomHeader(CatalogueText(11161), CatalogueText(11162), CatalogueText(11163),
                              list.records, selected);
  }
  const ProportionalHeaderTexts texts = {CatalogueText(11166), CatalogueText(11167),
                                         CatalogueText(11168), CatalogueText(11169),
                                         CatalogueText(11170), CatalogueText(11172)};
  return ProportionalHeader(texts, list.records, list.total_size, selected);
}

// The text in the user's ANSI code page; false when a character has no
// exact form there.
bool ToAnsi(const std::wstring& text, std::string* bytes) {
  if (text.empty()) return true;
  const int length = static_cast<int>(text.size());
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), length, nullptr, 0,
                                       nullptr, &lost);
  if (size <= 0) return false;
  bytes->assign(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), length, &(*bytes)[0], size, nullptr,
                      &lost);
  return lost == FALSE;
}

// The header's bytes in the encoding of the drawn lines (see
// ChooseHeaderEncoding), followed by the empty line before them.
std::string HeaderBytes(const std::wstring& header, ListEncoding list) {
  std::string ansi;
  // Where the ANSI code page is UTF-8 itself, UTF-8 with its mark serves all.
  const bool fits = GetACP() != CP_UTF8 && ToAnsi(header, &ansi);
  if (GetACP() != CP_UTF8 && ChooseHeaderEncoding(list, fits) == HeaderEncoding::Ansi) {
    return ansi + "\r\n";
  }
  return kUtf8ByteOrderMark + ToUtf8(header) + "\r\n";
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, asked, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// The folder of the output file, where its new version is written, so that
// the final move is a rename on one volume and needs no other folder to be
// writable.
std::wstring FolderOf(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  const std::size_t end = full.find_last_of(L"\\/");
  return end == std::wstring::npos ? std::wstring(L".") : full.substr(0, end + 1);
}

DWORD WriteCompletedOutput(Method method, const Request& request) {
  const ListFacts list = ReadListFacts(request.input, method == Method::Proportional);
  const ListFacts drawn = ReadListFacts(request.output, false);

  FileHandle output(CreateFileW(request.output.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!output.valid()) return GetLastError();
  wchar_t temporary[MAX_PATH] = L"";
  if (GetTempFileNameW(FolderOf(request.output).c_str(), L"NEW", 0, temporary) == 0) return GetLastError();

  DWORD error = 0;
  {
    FileHandle completed(CreateFileW(temporary, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!completed.valid()) {
      error = GetLastError();
    } else {
      std::string bytes = HeaderBytes(HeaderText(method, list, drawn.records), list.encoding);
      LineStartMarkFilter marks;
      std::vector<char> block(kBlockBytes);
      DWORD read = 0;
      for (;;) {
        if (!WriteAll(completed.get(), bytes)) {
          error = GetLastError();
          break;
        }
        bytes.clear();
        if (!ReadFile(output.get(), block.data(), kBlockBytes, &read, nullptr)) {
          error = GetLastError();
          break;
        }
        if (read == 0) {
          marks.Finish(&bytes);
          if (!WriteAll(completed.get(), bytes)) error = GetLastError();
          break;
        }
        marks.Filter(block.data(), read, &bytes);
      }
      if (!completed.Close() && error == 0) error = GetLastError();
    }
  }
  if (!output.Close() && error == 0) error = GetLastError();
  if (error == 0 && !MoveFileExW(temporary, request.output.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    error = GetLastError();
  }
  if (error != 0) DeleteFileW(temporary);
  return error;
}

// The system's text editor with the output file, when the system has one
// in its folder.
void OpenInTextEditor(const std::wstring& output) {
  wchar_t system_folder[MAX_PATH] = L"";
  if (!GetSpecialFolder(CSIDL_SYSTEM, system_folder)) return;
  const std::wstring editor = std::wstring(system_folder) + L"\\NOTEPAD.EXE";
  if (!FileExists(editor.c_str())) return;
  OpenWithProgram(editor.c_str(), (L"\"" + FullPath(output) + L"\"").c_str());
}

void CompleteOutput(HWND form, Method method, const Request& request) {
  if (!FileExists(request.input.c_str()) || !FileExists(request.output.c_str())) return;
  DWORD error = 0;
  try {
    WaitCursor waiting;  // a list of a million lines takes a moment
    error = CompleteSelectionFile(method, request.input, request.output);
  } catch (...) {
    error = ERROR_NOT_ENOUGH_MEMORY;
  }
  if (error != 0) {
    SetStatus(form, L"");
    SetLastError(error);
    ShowLastErrorMessage();
    return;
  }
  SetStatus(form, CatalogueText(kOutputCompleted));
  OpenInTextEditor(request.output);
}

// Runs the export and, on its success, completes the output; a refusal is
// reported with the row of the bad line and empties the status line.
template <typename Export>
void RunSelection(HWND form, int form_kind, Method method, const Request& request) {
  bool called = false;
  bool succeeded = false;
  std::int32_t row = 0;
  RunExport<Export>(
      form_kind,
      [&](Export entry) {
        called = true;
        const std::uint32_t code = entry(request.units, request.input.c_str(), request.output.c_str(), &row);
        return LibraryAnswer{code, row};
      },
      [&] { succeeded = true; });
  if (succeeded) {
    CompleteOutput(form, method, request);
  } else if (called) {
    SetStatus(form, L"");
  }
}

}  // namespace

DWORD CompleteSelectionFile(Method method, const std::wstring& input_path,
                            const std::wstring& output_path) {
  Request request;
  request.input = input_path;
  request.output = output_path;
  return WriteCompletedOutput(method, request);
}

void ReadAndRun(HWND form, Method method) {
  Request request;
  if (!ReadRequest(form, &request)) return;
  if (method == Method::SimpleRandom) {
    RunSelection<decltype(&::Selection_SimpleRandom)>(form, selection_simple_random::kFormKind, method,
                                                     request);
  } else {
    RunSelection<decltype(&::Selection_ProbabilityProportional)>(form, selection_proportional::kFormKind,
                                                                method, request);
  }
}

bool HandleBrowseCommand(HWND form, WORD command, WORD /*notification*/) {
  wchar_t path[kPathCapacity] = L"";
  if (command == kInputBrowseButton) {
    SetDlgItemTextW(form, kInputPathEdit, ChooseFileToOpen(form, path) ? path : L"");
    return true;
  }
  if (command == kOutputBrowseButton) {
    if (ChooseFileToSave(form, path)) {
      SetDlgItemTextW(form, kOutputPathEdit, WithTextExtension(path).c_str());
    } else {
      SetDlgItemTextW(form, kOutputPathEdit, L"");
      SetStatus(form, L"");
    }
    return true;
  }
  return false;
}

}  // namespace selection
