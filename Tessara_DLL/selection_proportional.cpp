// Selection of units with probability proportional to size: systematic
// sampling along the cumulated sizes from one random start. The output
// lists each selected unit once, with the number of times r it was hit.
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "delimited_text_reader.h"
#include "file_system.h"
#include "random_source.h"
#include "selection_line_store.h"
#include "selection_output.h"
#include "selection_systematic_walk.h"
#include "tessara.h"

namespace {
struct SizedUnits {
  LineStore identifiers;
  std::vector<std::int32_t> sizes;
  std::int64_t total = 0;
};

// A record is read by its first two fields: the identifier, taken as it
// stands (blanks included), and the size; further columns are the user's
// own and are ignored. A line with fewer than two fields, a line beyond the
// format, and a size beyond the int32 range, are refused with the row like
// any other bad line.
ReadResult ReadSizedUnit(const Line& line, const Separators& separators, SizedUnits& units) {
  if (line.too_long || FieldCount(line.text, separators) < 2) {
    return {rc::InvalidInputRecordBySize, 0, -1, 0};
  }
  std::string_view identifier;
  if (!GetField(line.text, 1, separators, &identifier)) return {rc::InvalidInputRecordBySize, 0, 1, 0};
  std::string_view size_field;
  if (!GetField(line.text, 2, separators, &size_field)) return {rc::InvalidInputRecordBySize, 0, 2, 0};
  const FieldNumber size = NumberOfField(size_field);
  if (!size.fits) return {rc::InvalidInputRecordBySize, 0, 2, 0};
  units.identifiers.Add(identifier);
  units.sizes.push_back(size.value);
  units.total += size.value;
  return kLineAccepted;
}

ReadResult ReadSizedUnits(const wchar_t* path, std::int32_t count, SizedUnits& units) {
  const std::unique_ptr<ByteSource> file = OpenSharedForReading(path);
  if (file == nullptr) return {rc::Success, -1, -1, 0};  // read as a file without records
  const Separators separators = LibrarySeparators();
  return ReadRecords(*file, count, [&](const Line& line, std::int32_t) {
    return ReadSizedUnit(line, separators, units);
  });
}

// Walks the units and writes each selected one as "identifier,r" (a comma
// whatever the list separator is).
ResultCode WriteWalk(const wchar_t* path, const SizedUnits& units, std::int32_t asked,
                     std::int64_t interval, std::int64_t start) {
  SelectionOutput output(path);
  if (!output.IsOpen()) return rc::OutputWriteFailed;
  SystematicWalk walk(start, interval, asked);
  for (std::size_t i = 0; i < units.sizes.size(); ++i) {
    const std::int64_t times = walk.Visit(units.sizes[i]);
    if (times > 0 && !output.AddLine(units.identifiers[i], "," + std::to_string(times))) {
      return rc::OutputWriteFailed;
    }
  }
  return output.Finish() ? rc::Success : rc::OutputWriteFailed;
}

ResultCode SelectProportional(std::int32_t units, const wchar_t* input, const wchar_t* output,
                              std::int32_t* error_row) {
  if (units < 1) return rc::InvalidUnitsToSelectBySize;
  if (!PathExists(input)) {
    ShowMissingFileMessage(input);
    return rc::InputFileNotFound;
  }
  const std::int32_t count = CountRecords(input);
  if (count == 0) return rc::InputFileEmpty;
  if (units > count) return rc::MoreUnitsThanRecords;

  SizedUnits list;
  try {
    list.identifiers.Reserve(static_cast<std::size_t>(count));
    list.sizes.reserve(static_cast<std::size_t>(count));
  } catch (const std::bad_alloc&) {
    return rc::OutOfMemory;
  }
  const ReadResult read = ReadSizedUnits(input, count, list);
  if (read.code != rc::Success) {
    if (error_row != nullptr) *error_row = read.row;
    return read.code;
  }
  // The file may have shrunk since it was counted: select from what was read.
  if (read.records == 0) return rc::InputFileEmpty;
  if (units > read.records) return rc::MoreUnitsThanRecords;

  // A total of sizes below the units asked for gives an interval of 0: the
  // pointer would never move, and the first unit with a size would be hit
  // units + 1 times. Such a request cannot be met, and nothing is drawn.
  // (A total of 0 or less selects nothing and gives an empty output.)
  if (list.total > 0 && list.total < units) return rc::TotalSizeBelowUnits;

  const std::int64_t interval = SelectionInterval(list.total, units);
  const std::int64_t start = SelectionStart(NextRandom(), interval);
  return WriteWalk(output, list, units, interval, start);
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL Selection_ProbabilityProportional(
    std::int32_t units, const wchar_t* input_path, const wchar_t* output_path,
    std::int32_t* error_row) {
  return CatchAll([&] { return SelectProportional(units, input_path, output_path, error_row); });
}

TESSARA_EXPORT ResultCode TESSARA_CALL Selection_ProbabilityProportional_A(
    std::int32_t units, const char* input_path, const char* output_path, std::int32_t* error_row) {
  return CatchAll([&] {
    const std::wstring input = WidePathFromNarrow(input_path);
    const std::wstring output = WidePathFromNarrow(output_path);
    return Selection_ProbabilityProportional(units, input.c_str(), output.c_str(), error_row);
  });
}
