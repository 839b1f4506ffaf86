// The fields of one line of a list or data file: divided by the characters
// of the list separator, the size field read as a number. The library reads
// its input files with these, and the program reads a list the same way
// when it adds up the sizes for the selection's header.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// A line holds at most this many characters (one per byte); a longer one
// is outside the format.
inline constexpr std::size_t kLineCharacters = 255;

// The characters of the list separator that a line read one character per
// byte can hold (codes below 256); each of them divides fields.
class Separators {
 public:
  explicit Separators(const wchar_t* list_separator);

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
