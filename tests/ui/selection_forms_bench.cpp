// A benchmark of the selection forms under Wine, not a test: a list of a
// million lines (about 40 MB) run through each form, timed from the press of
// Run to the completed output and to the text editor showing it, with the
// growth of the program's peak memory during the run
// (scripts/bench-selection-forms.sh).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "form_session.h"
#include "selection_controls.h"

namespace {

using namespace selection;
using Clock = std::chrono::steady_clock;

constexpr int kLines = 1000000;

std::string ReadSmallFile(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char block[65536];
  DWORD read = 0;
  while (ReadFile(file, block, sizeof(block), &read, nullptr) && read > 0) bytes.append(block, read);
  CloseHandle(file);
  return bytes;
}

bool WriteSmallFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return written == bytes.size();
}

// The Linux process that runs the program: its /proc entry, reached through
// Wine's drive Z:, whose command line names Tessara.exe.
std::wstring ProgramProcFolder() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return L"";
  std::wstring result;
  do {
    const std::wstring name = found.cFileName;
    if (name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    const std::wstring folder = L"Z:\\proc\\" + name + L"\\";
    const std::string command = ReadSmallFile(folder + L"cmdline");
    if (command.find("Tessara.exe") != std::string::npos) result = folder;
  } while (result.empty() && FindNextFileW(search, &found));
  FindClose(search);
  return result;
}

// A line of /proc/<pid>/status in kB.
long StatusKilobytes(const std::wstring& folder, const char* field) {
  const std::string status = ReadSmallFile(folder + L"status");
  const std::size_t at = status.find(field);
  return at == std::string::npos ? -1 : std::strtol(status.c_str() + at + std::strlen(field) + 1, nullptr, 10);
}

// A farm per line: its identifier, its size (1 to 250 animals) and a
// further column, which both selections leave to the user.
std::wstring WriteList(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  std::string block;
  char line[64];
  for (int k = 1; k <= kLines; ++k) {
    std::snprintf(line, sizeof(line), "farm%07d,%d,district %03d north\r\n", k, 1 + k % 250, k % 997);
    block += line;
    if (block.size() > (1 << 20) || k == kLines) {
      DWORD written = 0;
      WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
      block.clear();
    }
  }
  CloseHandle(file);
  return path;
}

class SelectionFormBenchmark : public form_test::FormTest {};

TEST_F(SelectionFormBenchmark, MillionLineList) {
  wchar_t temporary[MAX_PATH] = L"";
  ASSERT_GT(GetTempPathW(MAX_PATH, temporary), 0u);
  const std::wstring list = WriteList(std::wstring(temporary) + L"tessara-bench-list.txt");
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  ASSERT_TRUE(GetFileAttributesExW(list.c_str(), GetFileExInfoStandard, &attributes));
  const double list_mb = attributes.nFileSizeLow / 1e6 + attributes.nFileSizeHigh * 4294.967296;
  const std::wstring proc = ProgramProcFolder();
  std::printf("list: %d lines, %.1f MB; program process %ls\n", kLines, list_mb,
              proc.empty() ? L"(not found)" : proc.c_str());
  std::printf("%-32s %8s %14s %14s %16s\n", "form, units", "output", "Run->complete", "Run->editor",
              "peak RSS growth");

  struct Case {
    int form_kind;
    const wchar_t* units;
    const char* name;
  } cases[] = {
      {selection_simple_random::kFormKind, L"1000", "simple random, 1000"},
      {selection_simple_random::kFormKind, L"100000", "simple random, 100000"},
      {selection_proportional::kFormKind, L"1000", "proportional to size, 1000"},
      {selection_proportional::kFormKind, L"100000", "proportional to size, 100000"},
  };
  int run = 0;
  for (const Case& c : cases) {
    ASSERT_NE(Open(c.form_kind), nullptr);
    const std::wstring output = std::wstring(temporary) + L"tessara-bench-out" + std::to_wstring(++run) + L".txt";
    ASSERT_TRUE(Type(kInputPathEdit, list));
    ASSERT_TRUE(Type(kUnitsEdit, c.units));
    ASSERT_TRUE(Type(kOutputPathEdit, output));
    SetWindowTextW(Item(kStatusLine), L"");
    // The peak resident size starts again from the present one.
    if (!proc.empty()) WriteSmallFile(proc + L"clear_refs", "5");
    const long before = proc.empty() ? -1 : StatusKilobytes(proc, "VmRSS:");
    const Clock::time_point start = Clock::now();
    Press(kRunButton);
    ASSERT_TRUE(ui::WaitUntil([&] { return ItemText(kStatusLine) == Text(11160); }, std::chrono::seconds(120)));
    const Clock::time_point completed = Clock::now();
    HWND editor = nullptr;
    const std::wstring name = output.substr(output.find_last_of(L'\\') + 1);
    ui::WaitUntil(
        [&] {
          editor = FindWindowW(L"Notepad", nullptr);
          return editor != nullptr && ui::WindowText(editor).find(name) != std::wstring::npos;
        },
        std::chrono::seconds(120));
    const Clock::time_point shown = Clock::now();
    const long peak = proc.empty() ? -1 : StatusKilobytes(proc, "VmHWM:");
    WIN32_FILE_ATTRIBUTE_DATA out_attributes;
    GetFileAttributesExW(output.c_str(), GetFileExInfoStandard, &out_attributes);
    // A line per drawn unit after the header (no degenerate run is timed).
    EXPECT_GT(out_attributes.nFileSizeLow, 10000u) << c.name;
    std::printf("%-32s %6.1f MB %12.2f s %12.2f s %13.1f MB\n", c.name, out_attributes.nFileSizeLow / 1e6,
                std::chrono::duration<double>(completed - start).count(),
                std::chrono::duration<double>(shown - start).count(), (peak - before) / 1024.0);
    std::fflush(stdout);
    if (editor != nullptr) {
      PostMessageW(editor, WM_CLOSE, 0, 0);
      ui::WaitForWindowGone(editor);
    }
    DeleteFileW(output.c_str());
  }
  DeleteFileW(list.c_str());
}

}  // namespace
