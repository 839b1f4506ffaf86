// The file-system glue: shared reading, replacement of an output only when
// it is complete, narrow paths, and paths with non-ASCII characters.
#include <gtest/gtest.h>

#include <string>

#include "../unit/file_test_support.h"
#include "delimited_text_reader.h"
#include "file_system.h"

namespace {
using file_test::ReadBytes;
using file_test::TempFolder;
using file_test::WriteBytes;

std::string ReadAll(ByteSource& source) {
  std::string bytes;
  char buffer[7];
  for (std::size_t got; (got = source.Read(buffer, sizeof buffer)) > 0;) bytes.append(buffer, got);
  return bytes;
}

TEST(FileSystem, ReadsBytesExactlyOnNonAsciiPaths) {
  TempFolder folder;
  const std::wstring path = folder.File("lista \xE0\xB8\x97\xE0\xB8\x94 \xC3\xB1.txt");
  const std::string bytes("a\r\nb\0\xFF\x1A" "c", 8);
  WriteBytes(path, bytes);
  EXPECT_TRUE(PathExists(path.c_str()));
  EXPECT_TRUE(PathExists(folder.Path().c_str()));
  const auto source = OpenSharedForReading(path.c_str());
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(ReadAll(*source), bytes);
  EXPECT_EQ(CountRecords(path.c_str()), 2);

  const std::wstring missing = folder.File("missing.txt");
  EXPECT_FALSE(PathExists(missing.c_str()));
  EXPECT_EQ(OpenSharedForReading(missing.c_str()), nullptr);
  EXPECT_FALSE(PathExists(nullptr));
  EXPECT_EQ(OpenSharedForReading(nullptr), nullptr);
  EXPECT_EQ(CountRecords(missing.c_str()), 0);
}

TEST(FileSystem, AnOpenInputStaysReadableAndWritableByOthers) {
  TempFolder folder;
  const std::wstring path = folder.File("shared.txt");
  WriteBytes(path, "u1\nu2\n");
  const auto source = OpenSharedForReading(path.c_str());
  ASSERT_NE(source, nullptr);
  const auto second = OpenSharedForReading(path.c_str());  // another reader
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(ReadBytes(path), "u1\nu2\n");
  WriteBytes(path, "changed\n");  // another program writes it meanwhile
  EXPECT_EQ(ReadBytes(path), "changed\n");
  EXPECT_EQ(ReadAll(*second), "changed\n");
}

TEST(ReplacingOutputFile, ReplacesOnlyWhenCommitted) {
  TempFolder folder;
  const std::wstring target = folder.File("salida \xC3\xA9.txt");
  WriteBytes(target, "previous contents\r\n");
  {
    ReplacingOutputFile output(target.c_str());
    ASSERT_TRUE(output.IsOpen());
    EXPECT_TRUE(output.Write("half", 4));
    // Given up before the commit: the previous file stays whole.
  }
  EXPECT_EQ(ReadBytes(target), "previous contents\r\n");
  EXPECT_EQ(folder.EntryCount(), 1u);  // no temporary file is left
  {
    ReplacingOutputFile output(target.c_str());
    EXPECT_TRUE(output.Write("a\r\n", 3));
    EXPECT_TRUE(output.Write("", 0));
    EXPECT_TRUE(output.Commit());
    EXPECT_FALSE(output.Commit());  // once only
    EXPECT_FALSE(output.Write("x", 1));
  }
  EXPECT_EQ(ReadBytes(target), "a\r\n");
  EXPECT_EQ(folder.EntryCount(), 1u);

  const std::wstring fresh = folder.File("fresh.txt");
  {
    ReplacingOutputFile output(fresh.c_str());
    EXPECT_TRUE(output.Commit());  // an empty file is a file
  }
  EXPECT_EQ(ReadBytes(fresh), "");
}

TEST(ReplacingOutputFile, FailuresLeaveEverythingAsItWas) {
  TempFolder folder;
  const std::wstring in_missing_folder = folder.File("missing/out.txt");
  ReplacingOutputFile nowhere(in_missing_folder.c_str());
  EXPECT_FALSE(nowhere.IsOpen());
  EXPECT_FALSE(nowhere.Write("x", 1));
  EXPECT_FALSE(nowhere.Commit());
  EXPECT_FALSE(ReplacingOutputFile(L"").IsOpen());
  EXPECT_FALSE(ReplacingOutputFile(nullptr).IsOpen());

  // A folder at the target: the move fails and the folder keeps its file.
  const std::wstring a_folder = folder.File("a folder");
  std::filesystem::create_directory(file_test::FsPath(a_folder));
  WriteBytes(folder.File("a folder/kept.txt"), "kept");
  {
    ReplacingOutputFile onto_folder(a_folder.c_str());
    ASSERT_TRUE(onto_folder.IsOpen());
    EXPECT_TRUE(onto_folder.Write("x", 1));
    EXPECT_FALSE(onto_folder.Commit());
  }
  EXPECT_EQ(ReadBytes(folder.File("a folder/kept.txt")), "kept");
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(FileSystem, NarrowPathsAreConvertedWhole) {
  EXPECT_EQ(WidePathFromNarrow(nullptr), L"");
  EXPECT_EQ(WidePathFromNarrow(""), L"");
  const std::string long_path = "C:/" + std::string(400, 'p') + ".txt";
  EXPECT_EQ(WidePathFromNarrow(long_path.c_str()).size(), long_path.size());  // nothing cut
#if !defined(_WIN32)
  // UTF-8, the encoding of file names here; a stray byte names no file.
  EXPECT_EQ(WidePathFromNarrow("/tmp/\xC3\xB1" "and\xC3\xBA \xE0\xB9\x84"), L"/tmp/\u00F1and\u00FA \u0E44");
  EXPECT_EQ(WidePathFromNarrow("a\xFF" "b"), L"a\uFFFDb");
  EXPECT_EQ(WidePathFromNarrow("\xC3"), L"\uFFFD");
#endif
}
}  // namespace
