// The completion of a selection's output file on real files: the header
// and the drawn lines written beside the output whatever the current
// folder, and on a failure the library's output left whole with no new
// file behind. (The texts of the header come from the program's catalogue,
// which this test program does not carry: they read as empty here; the GUI
// tests read them in every language.)
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "selection_form.h"

namespace {

using selection::CompleteSelectionFile;
using selection::Method;

const std::string kRule(49, '_');

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return written == bytes.size();
}

std::string ReadBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  char block[4096];
  DWORD read = 0;
  while (ReadFile(file, block, sizeof(block), &read, nullptr) && read > 0) bytes.append(block, read);
  CloseHandle(file);
  return bytes;
}

class SelectionCompletion : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temporary[MAX_PATH] = L"";
    ASSERT_GT(GetTempPathW(MAX_PATH, temporary), 0u);
    folder_ = std::wstring(temporary) + L"tessara completion " + std::to_wstring(GetCurrentProcessId()) + L"\\";
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    input_ = folder_ + L"farms.txt";
    output_ = folder_ + L"drawn.txt";
    ASSERT_TRUE(WriteBytes(input_, "f1,10\r\nf2,30\r\nf3,5\r\n\r\nf4,1\r\n"));
    ASSERT_TRUE(WriteBytes(output_, drawn_));
  }

  void TearDown() override {
    for (const std::wstring& name : FolderEntries()) DeleteFileW((folder_ + name).c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::vector<std::wstring> FolderEntries() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

  // The list and the output, and nothing else, are in the folder.
  void ExpectNoOtherFile() const {
    std::vector<std::wstring> names = FolderEntries();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"drawn.txt", L"farms.txt"}));
  }

  std::wstring folder_;
  std::wstring input_;
  std::wstring output_;
  std::string drawn_ = "f3,1\r\nf2,2\r\n";
};

TEST_F(SelectionCompletion, WritesBesideTheOutputWhenTheCurrentFolderIsReadOnly) {
  wchar_t previous[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, previous);
  // A folder of a file system that nobody can write, not even root.
  ASSERT_TRUE(SetCurrentDirectoryW(L"Z:\\proc"));
  const DWORD error = CompleteSelectionFile(Method::Proportional, input_, output_);
  SetCurrentDirectoryW(previous);
  ASSERT_EQ(error, 0u);
  EXPECT_EQ(ReadBytes(output_), "\r\n\r\n" + kRule + "\r\n\r\n\t\t\t3\r\n\t\t45\r\n\t\t2\r\n\r\n\r\n" + kRule +
                                    "\r\n\r\n" + drawn_);
  ExpectNoOtherFile();
}

TEST_F(SelectionCompletion, ARelativeOutputPathIsCompletedInItsOwnFolder) {
  wchar_t previous[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(folder_.c_str()));
  const DWORD error = CompleteSelectionFile(Method::SimpleRandom, L"farms.txt", L"drawn.txt");
  SetCurrentDirectoryW(previous);
  ASSERT_EQ(error, 0u);
  EXPECT_EQ(ReadBytes(output_),
            "\r\n" + kRule + "\r\n\r\n\t\t3\r\n\t\t2\r\n\r\n" + kRule + "\r\n\r\n" + drawn_);
  ExpectNoOtherFile();
}

TEST_F(SelectionCompletion, AFailureLeavesTheOutputWholeAndNoNewFile) {
  struct Case {
    const char* why;
    DWORD access;
    DWORD sharing;
  } cases[] = {
      // The output cannot be opened alone.
      {"another program reads the output", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE},
      // It can be read, but not replaced: the new file exists by then.
      {"another program holds the output without letting it be replaced", FILE_READ_ATTRIBUTES,
       FILE_SHARE_READ | FILE_SHARE_WRITE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    HANDLE held = CreateFileW(output_.c_str(), c.access, c.sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const DWORD error = CompleteSelectionFile(Method::SimpleRandom, input_, output_);
    CloseHandle(held);
    EXPECT_NE(error, 0u);
    EXPECT_EQ(ReadBytes(output_), drawn_);
    ExpectNoOtherFile();
  }
}

TEST_F(SelectionCompletion, AUtf8ListGetsAMarkedHeaderAndItsMarkLeavesTheUnit) {
  ASSERT_TRUE(WriteBytes(input_, "\xEF\xBB\xBFgranja \xC3\xB1u\r\nf2\r\n"));
  ASSERT_TRUE(WriteBytes(output_, "f2\r\n\xEF\xBB\xBFgranja \xC3\xB1u\r\n"));
  ASSERT_EQ(CompleteSelectionFile(Method::SimpleRandom, input_, output_), 0u);
  EXPECT_EQ(ReadBytes(output_), "\xEF\xBB\xBF\r\n" + kRule + "\r\n\r\n\t\t2\r\n\t\t2\r\n\r\n" + kRule +
                                    "\r\n\r\nf2\r\ngranja \xC3\xB1u\r\n");
}

TEST_F(SelectionCompletion, AnEmptySelectionCountsNoLine) {
  ASSERT_TRUE(WriteBytes(output_, ""));
  ASSERT_EQ(CompleteSelectionFile(Method::SimpleRandom, input_, output_), 0u);
  EXPECT_EQ(ReadBytes(output_), "\r\n" + kRule + "\r\n\r\n\t\t3\r\n\t\t-1\r\n\r\n" + kRule + "\r\n\r\n");
}

}  // namespace
