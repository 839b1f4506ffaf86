// The output file of a selection: one line per selected unit, ended by
// CR LF, written beside the target and put in its place only when every
// line was written (ReplacingOutputFile).
#pragma once
#include <string>
#include <string_view>

#include "file_system.h"

// A unit keeps at most this many of its characters in the output.
inline constexpr std::size_t kOutputUnitCharacters = 252;

class SelectionOutput {
 public:
  explicit SelectionOutput(const wchar_t* path) : file_(path) {}

  // False when the output could not be created.
  bool IsOpen() const { return file_.IsOpen(); }
  // The unit's characters (at most 252, each the byte of its code), then
  // `tail`, then CR LF. False when writing failed.
  bool AddLine(std::string_view unit, std::string_view tail = {});
  // Writes what is pending and puts the file in place. False on failure,
  // in which case the file that was at the path is still there.
  bool Finish();

 private:
  bool Flush();

  ReplacingOutputFile file_;
  std::string pending_;
};
