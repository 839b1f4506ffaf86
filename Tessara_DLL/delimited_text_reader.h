// The reading of the library's input files: one record per line, the fields
// of a record divided by the list separator. Shared by the cluster data
// file and the two unit lists; each of them adds its own checks.
//
// Lines are widened one to one (each byte is the wide character with the
// same code, no code page applied), so a line is kept as its bytes: byte b
// stands for the character b. This halves or quarters the memory of a
// wide copy and changes nothing that can be seen.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "delimited_fields.h"
#include "file_system.h"
#include "result_codes.h"

// What a reader returns: the failure's code (0 when the whole file was
// read), the 1-based row and item to blame (-1 where none is), and the
// number of records read.
struct ReadResult {
  ResultCode code;
  std::int32_t row;
  std::int32_t item;
  std::int32_t records;
};

// One line of a file, without its line feed and without a carriage return
// just before it.
struct Line {
  // The characters of the line up to its first zero character.
  std::string_view text;
  // The line had more than kLineCharacters characters (counted before any
  // zero): it is outside the format, and `text` is not the whole line.
  bool too_long;

  // A line of zero characters: the end of the records of a list.
  bool IsEmpty() const { return !too_long && text.empty(); }
};

// Splits the bytes of a source into lines. The last line needs no line
// end; a line of any length is read without holding more than
// kLineCharacters + 1 of its characters.
class LineReader {
 public:
  explicit LineReader(ByteSource& source);
  // Reads the next line; false at the end of the file. Throws ReadFailure
  // when the source fails.
  bool Next();
  // The line read last; its text lasts until the next call of Next.
  const Line& Current() const { return line_; }

 private:
  bool Refill();

  ByteSource& source_;
  std::unique_ptr<char[]> buffer_;
  std::size_t position_ = 0;
  std::size_t end_ = 0;
  bool at_end_ = false;
  std::string spill_;  // the start of a line that runs past the buffer
  Line line_{};
};

// The list separator the library chose when it was loaded.
Separators LibrarySeparators();

// The records of a list: the lines before the first empty line (or the end
// of the file), at most INT32_MAX. Read failures give 0, as does a path
// that cannot be opened.
std::int32_t CountRecords(ByteSource& source);
std::int32_t CountRecords(const wchar_t* path);

// The reading loop: hands the first `count` lines (fewer when the file
// ends sooner) to `read_record(line, row)`, which returns rc::Success or
// the failure of its line as a ReadResult. The first failure ends the
// reading. A failure of the source or of memory gives UnexpectedFailure
// with the row where the reading stood.
template <class RecordReader>
ReadResult ReadRecords(ByteSource& source, std::int32_t count, RecordReader&& read_record) {
  std::int32_t row = 0;  // the row being read
  try {
    LineReader lines(source);
    while (row < count) {
      ++row;
      if (!lines.Next()) return {rc::Success, -1, -1, row - 1};
      const ReadResult line_result = read_record(lines.Current(), row);
      if (line_result.code != rc::Success) return {line_result.code, row, line_result.item, row - 1};
    }
    return {rc::Success, -1, -1, row};
  } catch (...) {
    return {rc::UnexpectedFailure, row > 0 ? row : -1, -1, row > 0 ? row - 1 : 0};
  }
}

// What a record reader returns for a line that passes.
inline constexpr ReadResult kLineAccepted{rc::Success, -1, -1, 0};
