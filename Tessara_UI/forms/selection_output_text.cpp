#include "selection_output_text.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
// Enough of a line to see a carriage return before the line feed of a line
// that still fits, and to tell one that does not.
constexpr std::size_t kLineBytesKept = kLineCharacters + 2;

const std::wstring kRule(49, L'_');
constexpr wchar_t kLineEnd[] = L"\r\n";

// The header is cut to its capacity, like every text buffer of the forms.
std::wstring Capped(std::wstring header) {
  if (header.size() > kHeaderCapacity) header.resize(kHeaderCapacity);
  return header;
}
}  // namespace

ListScan::ListScan(const Separators& separators, bool with_sizes)
    : separators_(separators), with_sizes_(with_sizes) {
  line_.reserve(kLineBytesKept);
}

void ListScan::Feed(const char* bytes, std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) CheckUtf8(static_cast<unsigned char>(bytes[k]));
  if (records_over_) return;
  const char* end = bytes + count;
  while (bytes < end && !records_over_) {
    const char* feed = std::find(bytes, end, '\n');
    const std::size_t taken = static_cast<std::size_t>(feed - bytes);
    if (line_.size() < kLineBytesKept)
      line_.append(bytes, std::min(taken, kLineBytesKept - line_.size()));
    line_length_ += taken;
    if (feed == end) return;
    EndLine(true);
    bytes = feed + 1;
  }
}

void ListScan::Finish() {
  if (!records_over_ && line_length_ > 0) EndLine(false);
  if (continuation_expected_ > 0) valid_utf8_ = false;
}

void ListScan::EndLine(bool ended_by_feed) {
  std::size_t characters = line_length_;
  if (ended_by_feed && characters > 0 && line_.size() == line_length_ && line_.back() == '\r')
    --characters;
  const bool too_long = characters > kLineCharacters;
  line_.resize(std::min(characters, kLineCharacters));
  const std::size_t zero = line_.find('\0');
  if (zero != std::string::npos) line_.resize(zero);
  if (!too_long && line_.empty()) {
    records_over_ = true;
  } else if (records_ < std::numeric_limits<std::int32_t>::max()) {
    ++records_;
    if (with_sizes_ && sizes_readable_) {
      if (too_long) {
        sizes_readable_ = false;
      } else {
        TakeRecord();
      }
    }
  }
  line_.clear();
  line_length_ = 0;
}

void ListScan::TakeRecord() {
  std::string_view identifier;
  std::string_view size_field;
  if (FieldCount(line_, separators_) < 2 || !GetField(line_, 1, separators_, &identifier) ||
      !GetField(line_, 2, separators_, &size_field)) {
    sizes_readable_ = false;
    return;
  }
  const FieldNumber size = NumberOfField(size_field);
  if (!size.fits) {
    sizes_readable_ = false;
    return;
  }
  total_size_ += size.value;
}

void ListScan::CheckUtf8(unsigned char byte) {
  // The byte-order mark can only be the first three bytes of the file.
  if (bom_matched_ >= 0 && bom_matched_ < 3) {
    if (byte == static_cast<unsigned char>(kUtf8ByteOrderMark[bom_matched_])) {
      if (++bom_matched_ == 3) has_bom_ = true;
    } else {
      bom_matched_ = -1;
    }
  }
  if (byte >= 0x80) non_ascii_ = true;
  if (!valid_utf8_) return;
  if (continuation_expected_ > 0) {
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (utf8_second_) {
      // The second byte excludes overlong forms, surrogates and code
      // points beyond U+10FFFF.
      if (utf8_lead_ == 0xE0) low = 0xA0;
      if (utf8_lead_ == 0xED) high = 0x9F;
      if (utf8_lead_ == 0xF0) low = 0x90;
      if (utf8_lead_ == 0xF4) high = 0x8F;
    }
    if (byte < low || byte > high) {
      valid_utf8_ = false;
      return;
    }
    utf8_second_ = false;
    --continuation_expected_;
    return;
  }
  if (byte < 0x80) return;
  utf8_lead_ = byte;
  utf8_second_ = true;
  if (byte >= 0xC2 && byte <= 0xDF) {
    continuation_expected_ = 1;
  } else if (byte >= 0xE0 && byte <= 0xEF) {
    continuation_expected_ = 2;
  } else if (byte >= 0xF0 && byte <= 0xF4) {
    continuation_expected_ = 3;
  } else {
    valid_utf8_ = false;
  }
}

ListEncoding ListScan::Encoding() const {
  if (has_bom_) return ListEncoding::Utf8;
  if (!non_ascii_) return ListEncoding::Ascii;
  return valid_utf8_ && continuation_expected_ == 0 ? ListEncoding::Utf8 : ListEncoding::Other;
}

HeaderEncoding ChooseHeaderEncoding(ListEncoding list, bool header_fits_ansi) {
  switch (list) {
    case ListEncoding::Utf8: return HeaderEncoding::Utf8;
    case ListEncoding::Ascii: return header_fits_ansi ? HeaderEncoding::Ansi : HeaderEncoding::Utf8;
    case ListEncoding::Other: break;
  }
  return HeaderEncoding::Ansi;
}

std::string ToUtf8(const std::wstring& text) {
  std::string bytes;
  bytes.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto code = static_cast<std::uint32_t>(text[i]);
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size()) {
      const auto low = static_cast<std::uint32_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) code = 0xFFFD;
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | (code >> 6));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      bytes += static_cast<char>(0xE0 | (code >> 12));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (code >> 18));
      bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}

std::wstring SimpleRandomHeader(const std::wstring& title, const std::wstring& total_label,
                                const std::wstring& selected_label, std::int32_t total,
                                std::int32_t selected) {
  std::wstring header = title + kLineEnd + kRule + kLineEnd + kLineEnd;
  header += total_label + L"\t\t" + std::to_wstring(total) + kLineEnd;
  header += selected_label + L"\t\t" + std::to_wstring(selected) + kLineEnd + kLineEnd;
  header += kRule + kLineEnd;
  return Capped(header);
}

std::wstring ProportionalHeader(const ProportionalHeaderTexts& texts, std::int32_t total_units,
                                std::int64_t total_animals, std::int32_t selected) {
  std::wstring header = texts.title + kLineEnd + texts.how_to_use + kLineEnd;
  header += kRule + kLineEnd + kLineEnd;
  header += texts.units + L"\t\t\t" + std::to_wstring(total_units) + kLineEnd;
  header += texts.animals + L"\t\t" + std::to_wstring(total_animals) + kLineEnd;
  header += texts.selected + L"\t\t" + std::to_wstring(selected) + kLineEnd + kLineEnd;
  header += texts.format + kLineEnd + kRule + kLineEnd;
  return Capped(header);
}

std::wstring WithTextExtension(const std::wstring& path) {
  const std::size_t name_start = path.find_last_of(L"\\/:");
  const std::size_t dot = path.rfind(L'.');
  const bool dot_in_name = dot != std::wstring::npos && (name_start == std::wstring::npos || dot > name_start);
  if (!dot_in_name) return path + L".txt";
  const std::wstring extension = path.substr(dot + 1);
  if (extension.empty()) return path + L"txt";
  std::wstring lower = extension;
  for (wchar_t& c : lower) c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  return lower == L"txt" ? path : path + L".txt";
}

void LineStartMarkFilter::Filter(const char* bytes, std::size_t count, std::string* out) {
  std::size_t i = 0;
  while (i < count) {
    if (at_line_start_) {
      const char byte = bytes[i++];
      if (byte == kUtf8ByteOrderMark[matched_]) {
        if (++matched_ == 3) {
          matched_ = 0;
          at_line_start_ = false;
        }
        continue;
      }
      out->append(kUtf8ByteOrderMark, matched_);
      matched_ = 0;
      out->push_back(byte);
      at_line_start_ = byte == '\n';
      continue;
    }
    const void* feed = std::memchr(bytes + i, '\n', count - i);
    const std::size_t stop =
        feed != nullptr ? static_cast<std::size_t>(static_cast<const char*>(feed) - bytes) + 1 : count;
    out->append(bytes + i, stop - i);
    at_line_start_ = feed != nullptr;
    i = stop;
  }
}

void LineStartMarkFilter::Finish(std::string* out) {
  out->append(kUtf8ByteOrderMark, matched_);
  matched_ = 0;
}
