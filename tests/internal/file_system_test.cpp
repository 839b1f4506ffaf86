// The file-system glue: shared reading, replacement of an output only when
// it is complete, narrow paths, and paths with non-ASCII characters.
#include <gtest/gtest.h>

#include <string>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

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

  // A folder at the target is refused before anything is written, and
  // keeps its file.
  const std::wstring a_folder = folder.File("a folder");
  std::filesystem::create_directory(file_test::FsPath(a_folder));
  WriteBytes(folder.File("a folder/kept.txt"), "kept");
  {
    ReplacingOutputFile onto_folder(a_folder.c_str());
    EXPECT_FALSE(onto_folder.IsOpen());
    EXPECT_FALSE(onto_folder.Write("x", 1));
    EXPECT_FALSE(onto_folder.Commit());
  }
  EXPECT_EQ(ReadBytes(folder.File("a folder/kept.txt")), "kept");
  EXPECT_EQ(folder.EntryCount(), 1u);
}

// A read-only file is not replaced, though the move could (natively, and
// under Wine, a move replaces a read-only file).
TEST(ReplacingOutputFile, AReadOnlyTargetIsRefusedAndKept) {
  namespace fs = std::filesystem;
  TempFolder folder;
  const std::wstring target = folder.File("protegido.txt");
  WriteBytes(target, "kept\r\n");
  fs::permissions(file_test::FsPath(target), fs::perms::owner_read | fs::perms::group_read,
                  fs::perm_options::replace);
  {
    ReplacingOutputFile output(target.c_str());
    EXPECT_FALSE(output.IsOpen());
    EXPECT_FALSE(output.Commit());
  }
  // Made read-only while the output was written: still refused.
  const std::wstring later = folder.File("later.txt");
  WriteBytes(later, "kept too");
  {
    ReplacingOutputFile output(later.c_str());
    ASSERT_TRUE(output.IsOpen());
    EXPECT_TRUE(output.Write("x", 1));
    fs::permissions(file_test::FsPath(later), fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_FALSE(output.Commit());
  }
  EXPECT_EQ(ReadBytes(target), "kept\r\n");
  EXPECT_EQ(ReadBytes(later), "kept too");
  EXPECT_EQ(folder.EntryCount(), 2u);  // no temporary file is left
  for (const std::wstring& path : {target, later}) {
    fs::permissions(file_test::FsPath(path), fs::perms::owner_write, fs::perm_options::add);
  }
}

#if !defined(_WIN32)
// What is not a regular file would be swapped for one by the move: a
// symbolic link (even to a writable file), a FIFO, a device.
TEST(ReplacingOutputFile, OnlyARegularFileIsReplaced) {
  namespace fs = std::filesystem;
  TempFolder folder;
  const std::wstring linked = folder.File("linked.txt");
  WriteBytes(linked, "linked");
  const std::wstring link = folder.File("link.txt");
  fs::create_symlink(file_test::FsPath(linked), file_test::FsPath(link));
  const std::wstring dangling = folder.File("dangling.txt");
  fs::create_symlink(file_test::FsPath(folder.File("nowhere.txt")), file_test::FsPath(dangling));
  const std::wstring fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(file_test::FsPath(fifo).c_str(), 0600), 0);
  // Never committed, so that a fault could replace no device of the system.
  for (const std::wstring& target : {link, dangling, fifo, std::wstring(L"/dev/null")}) {
    ReplacingOutputFile output(target.c_str());
    EXPECT_FALSE(output.IsOpen()) << file_test::FsPath(target);
  }
  EXPECT_TRUE(fs::is_symlink(file_test::FsPath(link)));
  EXPECT_TRUE(fs::is_symlink(file_test::FsPath(dangling)));
  EXPECT_TRUE(fs::is_fifo(file_test::FsPath(fifo)));
  EXPECT_EQ(ReadBytes(linked), "linked");
  EXPECT_EQ(folder.EntryCount(), 4u);
}

// The temporary file holds the output before it is complete: it is created
// with the permissions the output will have, never wider ones, whatever
// the user's mask; and they are exactly the replaced file's.
TEST(ReplacingOutputFile, TheTemporaryFileHasItsFinalPermissionsFromTheStart) {
  TempFolder folder;
  const struct {
    mode_t target, mask;
  } cases[] = {{0600, 022}, {0640, 0}, {0604, 077}, {0664, 022}};
  for (const auto& c : cases) {
    const std::wstring target = folder.File("out.txt");
    WriteBytes(target, "old");
    ASSERT_EQ(::chmod(file_test::FsPath(target).c_str(), c.target), 0);
    const mode_t previous_mask = ::umask(c.mask);
    {
      ReplacingOutputFile output(target.c_str());
      ASSERT_TRUE(output.IsOpen());
      const auto entries = std::filesystem::directory_iterator(file_test::FsPath(folder.Path()));
      for (const auto& entry : entries) {
        struct stat status;
        ASSERT_EQ(::stat(entry.path().c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.target) << entry.path() << " mask " << c.mask;
      }
      EXPECT_TRUE(output.Commit());
    }
    ::umask(previous_mask);
    struct stat status;
    ASSERT_EQ(::stat(file_test::FsPath(target).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, c.target) << "mask " << c.mask;
  }
}

// An input that is not a regular file could block the call (a FIFO with no
// writer) or never end (/dev/zero): it is not opened, like a file that
// cannot be, and so has no records.
TEST(FileSystem, OnlyARegularFileIsRead) {
  TempFolder folder;
  const std::wstring fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(file_test::FsPath(fifo).c_str(), 0600), 0);
  for (const std::wstring& path : {fifo, folder.Path(), std::wstring(L"/dev/zero")}) {
    EXPECT_TRUE(PathExists(path.c_str()));
    EXPECT_EQ(OpenSharedForReading(path.c_str()), nullptr) << file_test::FsPath(path);
    EXPECT_EQ(CountRecords(path.c_str()), 0);
  }
}
#endif

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
