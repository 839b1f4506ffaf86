#include "catalogue.h"

#include "string_ids.h"

namespace {

int g_language_offset = kLanguageOffsetEnglish;

// Resource numbers are 16-bit: the string loader keeps only the low word of
// an identifier, so a larger one would silently name another text.
constexpr int kLargestResourceNumber = 0xFFFF;

}  // namespace

void SetLanguageOffset(int language_offset) { g_language_offset = language_offset; }

int GetLanguageOffset() { return g_language_offset; }

void LoadText(HINSTANCE instance, int string_id, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity < 1) return;
  // The loader leaves the buffer untouched when the text does not exist.
  buffer[0] = L'\0';
  const long long resource_number = static_cast<long long>(string_id) + g_language_offset;
  if (resource_number < 0 || resource_number > kLargestResourceNumber) return;
  // With a positive capacity the loader copies at most capacity - 1
  // characters and always terminates the copy.
  LoadStringW(instance, static_cast<UINT>(resource_number), buffer, capacity);
}

void LoadText(int string_id, wchar_t* buffer, int capacity) {
  LoadText(GetModuleHandleW(nullptr), string_id, buffer, capacity);
}
