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

#include "file_system.h"
#include "result_codes.h"

// A line holds at most this many characters.
inline constexpr std::size_t kLineCharacters = 255;

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

// The characters of the list separator that a widened line can hold (codes
// below 256); each of them divides fields.
class Separators {
 public:
  explicit Separators(const wchar_t* list_separator);
  // The library's own ListSeparator, chosen when it was loaded.
  static Separators OfLibrary();

  bool Contains(char character) const {
    return is_separator_[static_cast<unsigned char>(character)];
  }

 private:
  bool is_separator_[256] = {};
};

// The separators in the line from its second character on, plus one.
std::int32_t FieldCount(std::string_view line, const Separators& separators);

// Field n (from 1) of the line: the n-th run of characters between
// separators, so that leading, trailing and repeated separators make no
// empty field. False when the line has fewer than n fields.
bool GetField(std::string_view line, std::int32_t n, const Separators& separators,
              std::string_view* field);

// The number of a field: leading white space, an optional sign, then the
// decimal digits up to the first other character; no digits read as 0.
struct FieldNumber {
  std::int32_t value;
  bool fits;  // false when the digits give a value outside the int32 range
};
FieldNumber NumberOfField(std::string_view field);

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
