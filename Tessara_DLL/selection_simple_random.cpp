// Simple random selection without replacement of units from a list file:
// every line of the list is a unit, written whole to the output in the
// order in which it was drawn.
#include <cstdint>
#include <new>
#include <numeric>
#include <string>
#include <vector>

#include "delimited_text_reader.h"
#include "file_system.h"
#include "selection_line_store.h"
#include "selection_output.h"
#include "selection_shuffle.h"
#include "tessara.h"

namespace {
// A unit keeps at most this many characters of its line.
constexpr std::size_t kUnitRecordCharacters = 254;

// Every counted line is a unit. An empty one can only appear when the file
// changed after it was counted; a line beyond the format is refused rather
// than cut, so that no unit is silently changed.
ReadResult ReadUnit(const Line& line, LineStore& units) {
  if (line.too_long) return {rc::InvalidInputRecord, 0, -1, 0};
  if (line.IsEmpty()) return {rc::InvalidInputRecord, 0, 1, 0};
  units.Add(line.text.substr(0, kUnitRecordCharacters));
  return kLineAccepted;
}

ReadResult ReadUnitList(const wchar_t* path, std::int32_t count, LineStore& units) {
  const std::unique_ptr<ByteSource> file = OpenSharedForReading(path);
  if (file == nullptr) return {rc::Success, -1, -1, 0};  // read as a file without records
  return ReadRecords(*file, count, [&units](const Line& line, std::int32_t) {
    return ReadUnit(line, units);
  });
}

ResultCode WriteSelection(const wchar_t* path, const LineStore& units,
                          const std::vector<std::int32_t>& order, std::int32_t selected) {
  SelectionOutput output(path);
  if (!output.IsOpen()) return rc::OutputWriteFailed;
  for (std::int32_t i = 0; i < selected; ++i) {
    if (!output.AddLine(units[static_cast<std::size_t>(order[i])])) return rc::OutputWriteFailed;
  }
  return output.Finish() ? rc::Success : rc::OutputWriteFailed;
}

ResultCode SelectSimpleRandom(std::int32_t units, const wchar_t* input, const wchar_t* output,
                              std::int32_t* error_row) {
  if (units < 1) return rc::InvalidUnitsToSelect;
  if (!PathExists(input)) return rc::InputFileNotFound;
  const std::int32_t count = CountRecords(input);
  if (count == 0) return rc::InputFileEmpty;
  // Asked for more units than the list holds: there is no such sample, and
  // writing one would mean writing lines that are not in the list.
  if (units > count) return rc::MoreUnitsThanRecords;

  LineStore list;
  std::vector<std::int32_t> order;
  try {
    list.Reserve(static_cast<std::size_t>(count));
    order.reserve(static_cast<std::size_t>(count));
  } catch (const std::bad_alloc&) {
    return rc::OutOfMemory;
  }
  const ReadResult read = ReadUnitList(input, count, list);
  if (read.code != rc::Success) {
    if (error_row != nullptr) *error_row = read.row;
    return read.code;
  }
  // The file may have shrunk since it was counted: draw from what was read.
  if (read.records == 0) return rc::InputFileEmpty;
  if (units > read.records) return rc::MoreUnitsThanRecords;

  order.resize(static_cast<std::size_t>(read.records));
  std::iota(order.begin(), order.end(), 0);
  ShuffleIndices(order);
  return WriteSelection(output, list, order, units);
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL Selection_SimpleRandom(std::int32_t units,
                                                              const wchar_t* input_path,
                                                              const wchar_t* output_path,
                                                              std::int32_t* error_row) {
  return CatchAll([&] { return SelectSimpleRandom(units, input_path, output_path, error_row); });
}

TESSARA_EXPORT ResultCode TESSARA_CALL Selection_SimpleRandom_A(std::int32_t units,
                                                                const char* input_path,
                                                                const char* output_path,
                                                                std::int32_t* error_row) {
  return CatchAll([&] {
    const std::wstring input = WidePathFromNarrow(input_path);
    const std::wstring output = WidePathFromNarrow(output_path);
    return Selection_SimpleRandom(units, input.c_str(), output.c_str(), error_row);
  });
}
