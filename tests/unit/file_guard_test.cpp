// What the file-based exports do with paths that are not plain files: an
// output that is read-only, a link, a FIFO, a device or a folder is left as
// it is and refused; an input that is not a regular file reads as a file
// without records instead of holding the call.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include "dynamic_library.h"
#include "file_test_support.h"
#include "tessara.h"

namespace {
namespace fs = std::filesystem;
using file_test::FsPath;
using file_test::ListText;
using file_test::ReadBytes;
using file_test::TempFolder;
using file_test::WriteBytes;

using SelectionExport = decltype(Selection_SimpleRandom);

// The two selections, each with a list it selects from without fault.
struct Selection {
  const char* name;
  SelectionExport* call;
  std::string list;
};

std::vector<Selection> Selections() {
  return {{"Selection_SimpleRandom", TESSARA_BIND(Selection_SimpleRandom), "u1\nu2\n"},
          {"Selection_ProbabilityProportional", TESSARA_BIND(Selection_ProbabilityProportional),
           ListText("a|5\nb|5\n")}};
}

ResultCode SelectOne(const Selection& selection, const std::wstring& input,
                     const std::wstring& output) {
  std::int32_t row = -7;
  const ResultCode code = selection.call(1, input.c_str(), output.c_str(), &row);
  EXPECT_EQ(row, -7) << selection.name;
  return code;
}

void MakeReadOnly(const std::wstring& path) {
  fs::permissions(FsPath(path), fs::perms::owner_read | fs::perms::group_read,
                  fs::perm_options::replace);
}

// So that the folder can be removed on Windows.
void MakeWritable(const std::wstring& path) {
  fs::permissions(FsPath(path), fs::perms::owner_write, fs::perm_options::add);
}

TEST(FileGuard, AReadOnlyOutputIsRefusedAndKeptWhole) {
  for (const Selection& selection : Selections()) {
    TempFolder folder;
    const std::wstring input = folder.File("list.txt");
    const std::wstring output = folder.File("sample.txt");
    WriteBytes(input, selection.list);
    WriteBytes(output, "previous\r\n");
    MakeReadOnly(output);
    EXPECT_EQ(SelectOne(selection, input, output), rc::OutputWriteFailed) << selection.name;
    EXPECT_EQ(ReadBytes(output), "previous\r\n") << selection.name;
    // The list itself, read-only, named as the output: read, and kept.
    MakeReadOnly(input);
    EXPECT_EQ(SelectOne(selection, input, input), rc::OutputWriteFailed) << selection.name;
    EXPECT_EQ(ReadBytes(input), selection.list) << selection.name;
    EXPECT_EQ(folder.EntryCount(), 2u) << selection.name;  // no temporary file is left
    MakeWritable(input);
    MakeWritable(output);
    // Writable again, the same output is replaced.
    EXPECT_EQ(SelectOne(selection, input, output), rc::Success) << selection.name;
    EXPECT_NE(ReadBytes(output), "previous\r\n") << selection.name;
  }
}

TEST(FileGuard, AFolderAtTheOutputPathIsRefused) {
  for (const Selection& selection : Selections()) {
    TempFolder folder;
    const std::wstring input = folder.File("list.txt");
    WriteBytes(input, selection.list);
    const std::wstring output = folder.File("sample.txt");
    fs::create_directory(FsPath(output));
    EXPECT_EQ(SelectOne(selection, input, output), rc::OutputWriteFailed) << selection.name;
    EXPECT_TRUE(fs::is_directory(FsPath(output))) << selection.name;
    EXPECT_EQ(folder.EntryCount(), 2u) << selection.name;
  }
}

TEST(FileGuard, AFolderAsTheInputReadsAsNoRecords) {
  TempFolder folder;
  const std::wstring output = folder.File("sample.txt");
  for (const Selection& selection : Selections()) {
    EXPECT_EQ(SelectOne(selection, folder.Path(), output), rc::InputFileEmpty) << selection.name;
  }
  std::int32_t row = -7;
  std::int32_t item = -7;
  TwoStageInterval out{};
  const auto interval = TESSARA_BIND(ConfidenceInterval_TwoStages);
  EXPECT_EQ(interval(95, folder.Path().c_str(), &row, &item, &out), rc::TooFewClusterRecords);
  EXPECT_FALSE(file_test::Exists(output));
}

#if !defined(_WIN32)
// A null device of the test's own, made in its folder, so that a fault can
// replace no device of the system. Making one takes the right to; without
// it the folder's own path stands in, which is refused as well.
std::wstring OwnNullDevice(const TempFolder& folder) {
  const std::wstring path = folder.File("null");
  if (::mknod(FsPath(path).c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) return path;
  return folder.Path();
}

TEST(FileGuard, AnOutputThatIsNoRegularFileIsLeftAsItIs) {
  for (const Selection& selection : Selections()) {
    TempFolder folder;
    const std::wstring input = folder.File("list.txt");
    WriteBytes(input, selection.list);
    // A link to a writable file: the move would put a file in the link's
    // place, the linked file unchanged.
    const std::wstring linked = folder.File("linked.txt");
    WriteBytes(linked, "linked");
    const std::wstring link = folder.File("link.txt");
    fs::create_symlink(FsPath(linked), FsPath(link));
    const std::wstring fifo = folder.File("fifo");
    ASSERT_EQ(::mkfifo(FsPath(fifo).c_str(), 0600), 0);
    const std::wstring device = OwnNullDevice(folder);
    for (const std::wstring& output : {link, fifo, device}) {
      EXPECT_EQ(SelectOne(selection, input, output), rc::OutputWriteFailed)
          << selection.name << " " << FsPath(output);
    }
    EXPECT_TRUE(fs::is_symlink(FsPath(link))) << selection.name;
    EXPECT_EQ(ReadBytes(linked), "linked") << selection.name;
    EXPECT_TRUE(fs::is_fifo(FsPath(fifo))) << selection.name;
    EXPECT_FALSE(fs::is_regular_file(FsPath(device))) << selection.name;
    EXPECT_EQ(folder.EntryCount(), device == folder.Path() ? 4u : 5u) << selection.name;
  }
}

TEST(FileGuard, AnOutputReplacedKeepsItsPermissions) {
  for (const Selection& selection : Selections()) {
    TempFolder folder;
    const std::wstring input = folder.File("list.txt");
    const std::wstring output = folder.File("sample.txt");
    WriteBytes(input, selection.list);
    WriteBytes(output, "previous\r\n");
    ASSERT_EQ(::chmod(FsPath(output).c_str(), 0600), 0);
    EXPECT_EQ(SelectOne(selection, input, output), rc::Success) << selection.name;
    struct stat status;
    ASSERT_EQ(::stat(FsPath(output).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u) << selection.name;
  }
}

// A FIFO with no writer used to hold the call for ever, /dev/zero to read
// without end: each export answers with its code for a list it cannot read.
TEST(FileGuard, AnInputThatIsNoRegularFileReadsAsNoRecords) {
  TempFolder folder;
  const std::wstring fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(FsPath(fifo).c_str(), 0600), 0);
  const std::wstring output = folder.File("sample.txt");
  for (const std::wstring& input : {fifo, std::wstring(L"/dev/zero")}) {
    for (const Selection& selection : Selections()) {
      EXPECT_EQ(SelectOne(selection, input, output), rc::InputFileEmpty)
          << selection.name << " " << FsPath(input);
    }
    std::int32_t row = -7;
    std::int32_t item = -7;
    TwoStageInterval out{};
    EXPECT_EQ(TESSARA_BIND(ConfidenceInterval_TwoStages)(95, input.c_str(), &row, &item, &out),
              rc::TooFewClusterRecords)
        << FsPath(input);
  }
  EXPECT_FALSE(file_test::Exists(output));
}
#endif
}  // namespace
