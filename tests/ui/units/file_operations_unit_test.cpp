// The file operations of the file-based forms on real files of a
// temporary folder.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "file_dialogs.h"
#include "file_operations.h"

namespace {

class TemporaryFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t folder[MAX_PATH] = L"";
    ASSERT_GT(GetTempPathW(MAX_PATH, folder), 0u);
    folder_ = folder;
  }
  std::wstring Write(const wchar_t* name, const std::string& content) {
    const std::wstring path = folder_ + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    written_.push_back(path);
    return path;
  }
  void TearDown() override {
    for (const std::wstring& path : written_) DeleteFileW(path.c_str());
  }
  std::wstring folder_;
  std::vector<std::wstring> written_;
};

TEST_F(TemporaryFiles, ExistenceByAttributes) {
  const std::wstring path = Write(L"tessara_exists.txt", "x\n");
  EXPECT_TRUE(FileExists(path.c_str()));
  EXPECT_TRUE(FileExists(folder_.c_str()));  // a folder has attributes too
  EXPECT_FALSE(FileExists((folder_ + L"tessara_no_such_file.txt").c_str()));
  EXPECT_FALSE(FileExists(nullptr));
}

TEST_F(TemporaryFiles, LineCountStopsAtTheFirstEmptyLine) {
  EXPECT_EQ(CountFileLines(Write(L"tessara_three.txt", "1,A,20\r\n2,B,35\r\n3,C,12\r\n").c_str()), 3);
  EXPECT_EQ(CountFileLines(Write(L"tessara_gap.txt", "1,A\n2,B\n\n3,C\n").c_str()), 2);
  EXPECT_EQ(CountFileLines(Write(L"tessara_empty.txt", "").c_str()), -1);
  EXPECT_EQ(CountFileLines(Write(L"tessara_blank_first.txt", "\r\n1,A\r\n").c_str()), -1);
  EXPECT_EQ(CountFileLines((folder_ + L"tessara_no_such_file.txt").c_str()), -1);
}

TEST(SpecialFolder, TheSystemFolderIsKnown) {
  wchar_t path[MAX_PATH] = L"";
  ASSERT_TRUE(GetSpecialFolder(CSIDL_SYSTEM, path));
  EXPECT_TRUE(FileExists(path));
}

TEST(FileDialogs, NoLastDirectoryBeforeAChoice) { EXPECT_STREQ(LastDirectory(), L""); }

}  // namespace
