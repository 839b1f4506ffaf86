// Text operations on paths and file contents that the file operations of
// the forms build on; plain C++, no file is touched.
#pragma once

#include <string>

// The text before the last backslash of path; empty when it holds none.
std::wstring DirectoryOfPath(const std::wstring& path);

// The number of lines of a file's content before its first empty line (or
// its end). Lines end with "\n" or "\r\n"; a last line without an ending
// counts; a line holding only "\r" is empty.
int CountLinesBeforeEmpty(const std::string& content);
