#include "path_text.h"

std::wstring DirectoryOfPath(const std::wstring& path) {
  const std::size_t last = path.rfind(L'\\');
  if (last == std::wstring::npos) return std::wstring();
  return path.substr(0, last);
}

int CountLinesBeforeEmpty(const std::string& content) {
  int lines = 0;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::size_t length = end - start;
    if (length > 0 && content[start + length - 1] == '\r') --length;
    if (length == 0) break;
    ++lines;
    start = end + 1;
  }
  return lines;
}
