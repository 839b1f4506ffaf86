#include "version_info.h"

#include <cwchar>
#include <vector>

namespace {

// The whole version resource of the program's own file; empty when absent.
std::vector<BYTE> OwnVersionResource() {
  wchar_t path[MAX_PATH] = L"";
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return {};
  std::vector<BYTE> resource(size);
  if (!GetFileVersionInfoW(path, 0, size, resource.data())) return {};
  return resource;
}

void CopyText(const wchar_t* text, UINT length, wchar_t* buffer, int capacity) {
  if (capacity < 1) return;
  const UINT limit = static_cast<UINT>(capacity - 1);
  const UINT copied = length < limit ? length : limit;
  wmemcpy(buffer, text, copied);
  buffer[copied] = L'\0';
}

void QueryString(std::vector<BYTE>& resource, WORD language, WORD code_page, const wchar_t* name,
                 wchar_t* buffer, int capacity) {
  wchar_t path[64];
  swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", language, code_page, name);
  wchar_t* text = nullptr;
  UINT length = 0;
  if (VerQueryValueW(resource.data(), path, reinterpret_cast<void**>(&text), &length) &&
      text != nullptr) {
    // The length counts the terminating zero when there is one.
    while (length > 0 && text[length - 1] == L'\0') --length;
    CopyText(text, length, buffer, capacity);
  }
}

}  // namespace

void FormatFileVersion(DWORD most_significant, DWORD least_significant, wchar_t* buffer,
                       int capacity) {
  if (capacity < 1) return;
  // Four numbers below 65536 and three points always fit in 32 characters;
  // the copy then cuts to the caller's capacity (a cut printf may leave the
  // buffer unterminated).
  wchar_t version[32];
  swprintf(version, 32, L"%u.%u.%u.%u", HIWORD(most_significant), LOWORD(most_significant),
           HIWORD(least_significant), LOWORD(least_significant));
  lstrcpynW(buffer, version, capacity);
}

bool ReadVersionText(wchar_t* buffer, int capacity) {
  if (capacity < 1) return false;
  buffer[0] = L'\0';
  std::vector<BYTE> resource = OwnVersionResource();
  if (resource.empty()) return false;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(resource.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  FormatFileVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS, buffer, capacity);
  return true;
}

bool ReadVersionStrings(wchar_t* product, wchar_t* company, wchar_t* copyright,
                        wchar_t* comments, int capacity) {
  if (capacity < 1) return false;
  for (wchar_t* text : {product, company, copyright, comments}) text[0] = L'\0';
  std::vector<BYTE> resource = OwnVersionResource();
  if (resource.empty()) return false;
  struct Translation {
    WORD language;
    WORD code_page;
  };
  Translation* table = nullptr;
  UINT bytes = 0;
  if (!VerQueryValueW(resource.data(), L"\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&table), &bytes) ||
      table == nullptr) {
    return false;
  }
  for (UINT entry = 0; entry < bytes / sizeof(Translation); ++entry) {
    if (table[entry].language != kVersionLanguage) continue;
    const WORD code_page = table[entry].code_page;
    QueryString(resource, kVersionLanguage, code_page, L"ProductName", product, capacity);
    QueryString(resource, kVersionLanguage, code_page, L"CompanyName", company, capacity);
    QueryString(resource, kVersionLanguage, code_page, L"LegalCopyright", copyright, capacity);
    QueryString(resource, kVersionLanguage, code_page, L"Comments", comments, capacity);
  }
  return copyright[0] != L'\0';
}
