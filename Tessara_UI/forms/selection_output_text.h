// What the two selection forms work out from the files around a selection,
// without touching a window or a file: the reading of a unit list (its
// records, the total of its sizes, the encoding of its text), the header
// that is put in front of the drawn lines, and the name given to an output
// file. Plain C++, tested natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "delimited_fields.h"

// How the text of a list is written, as far as its bytes tell.
enum class ListEncoding {
  Ascii,  // bytes below 128 only: reads the same in any encoding
  Utf8,   // a UTF-8 byte-order mark, or valid UTF-8 with other characters
  Other,  // anything else: a single-byte code page, the user's ANSI one
};

// Reads a list the way the library reads it, fed in pieces of any size:
// lines end at a line feed (a carriage return just before it is dropped),
// a line of more than 255 characters is beyond the format, a line ends at
// its first zero byte, and the records are the lines before the first empty
// line. With sizes, each record is read by its first two fields as the
// selection proportional to size reads them (further fields ignored) and
// its size added to the total.
class ListScan {
 public:
  ListScan(const Separators& separators, bool with_sizes);
  void Feed(const char* bytes, std::size_t count);
  // After the last Feed.
  void Finish();

  // The records, or -1 when there is none (the header's count).
  std::int32_t Records() const { return records_ > 0 ? records_ : -1; }
  // The total of the sizes of the records; -1 when a record has no size
  // the library would read.
  std::int64_t TotalSize() const { return sizes_readable_ ? total_size_ : -1; }
  ListEncoding Encoding() const;

 private:
  void EndLine(bool ended_by_feed);
  void TakeRecord();
  void CheckUtf8(unsigned char byte);

  const Separators& separators_;
  bool with_sizes_;
  std::string line_;          // the line being read, its first 256 bytes
  std::size_t line_length_ = 0;
  bool records_over_ = false;  // the first empty line was read
  std::int32_t records_ = 0;
  std::int64_t total_size_ = 0;
  bool sizes_readable_ = true;
  // Encoding: how much of a byte-order mark began the file (-1: none),
  // and the state of the UTF-8 sequence being read.
  int bom_matched_ = 0;
  bool has_bom_ = false;
  bool non_ascii_ = false;
  bool valid_utf8_ = true;
  int continuation_expected_ = 0;
  unsigned char utf8_lead_ = 0;
  bool utf8_second_ = false;
};

// How the header of an output file is written.
enum class HeaderEncoding {
  Utf8,  // with a byte-order mark, so that every editor reads it as UTF-8
  Ansi,  // the user's ANSI code page
};

// The header follows the drawn lines: UTF-8 for a UTF-8 list; otherwise the
// ANSI code page, unless the header's text has characters that the code
// page lacks and the list is plain ASCII (which UTF-8 reads as well).
HeaderEncoding ChooseHeaderEncoding(ListEncoding list, bool header_fits_ansi);

// The text as UTF-8, without a byte-order mark (UTF-16 or UTF-32 wide
// characters; an unpaired surrogate becomes U+FFFD).
std::string ToUtf8(const std::wstring& text);

inline constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

// A header has at most this many characters.
inline constexpr std::size_t kHeaderCapacity = 8192;

// The header of a simple random selection: its title, a rule, the total
// and selected counts, a rule. Every line ends with CR LF; at most 8192
// characters.
std::wstring SimpleRandomHeader(const std::wstring& title, const std::wstring& total_label,
                                const std::wstring& selected_label, std::int32_t total,
                                std::int32_t selected);

// The catalogue texts of the header of a selection proportional to size.
struct ProportionalHeaderTexts {
  std::wstring title;       // 11166
  std::wstring how_to_use;  // 11167
  std::wstring units;       // 11168
  std::wstring animals;     // 11169
  std::wstring selected;    // 11170
  std::wstring format;      // 11172
};

std::wstring ProportionalHeader(const ProportionalHeaderTexts& texts, std::int32_t total_units,
                                std::int64_t total_animals, std::int32_t selected);

// The path a save dialog's choice is written as: with ".txt" added unless
// its file name already ends in ".txt" (in any case); a name ending in a
// dot gets "txt".
std::wstring WithTextExtension(const std::wstring& path);

// Drops a UTF-8 byte-order mark that stands at the start of a line of the
// library's output: the mark of the list's encoding, which the library
// copies with the list's first line. Once the file starts with a header,
// that line is no longer at the start of the file, where the mark belongs,
// and an editor would show the mark as a character of the unit. Fed in
// pieces of any size; a mark cut by the end of the file stays.
class LineStartMarkFilter {
 public:
  // Appends the bytes to out, without the marks.
  void Filter(const char* bytes, std::size_t count, std::string* out);
  // After the last piece: the start of a mark that did not complete.
  void Finish(std::string* out);

 private:
  bool at_line_start_ = true;
  std::size_t matched_ = 0;
};
