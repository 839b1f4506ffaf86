#include "form_table.h"

namespace {

// The texts of numbered rows ("1" to "5" beside the strata, for example).
constexpr const wchar_t* kNumbers[] = {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9",
                                       L"10", L"11", L"12", L"13", L"14", L"15", L"16"};

ControlText BlockText(const ControlRow& row, const Repeat& repeat, int block) {
  if (repeat.texts != nullptr) return repeat.texts[block];
  if (repeat.numbered && block < static_cast<int>(sizeof kNumbers / sizeof kNumbers[0]))
    return ControlText(kNumbers[block]);
  return row.text;
}

PlacedControl Place(const ControlRow& row, int width, int height) {
  return {row.id,
          row.kind,
          row.text,
          row.box.x.At(width, height),
          row.box.y.At(width, height),
          row.box.width.At(width, height),
          row.box.height.At(width, height),
          row.font,
          row.align,
          row.list,
          row.capacity};
}

}  // namespace

std::vector<PlacedControl> PlaceControls(const FormTable& table, int width, int height) {
  std::vector<PlacedControl> placed;
  std::size_t r = 0;
  while (r < table.row_count) {
    const Repeat& repeat = table.rows[r].repeat;
    const std::size_t block_rows = repeat.rows < 1 ? 1 : static_cast<std::size_t>(repeat.rows);
    for (int block = 0; block < repeat.count; ++block) {
      const int column = repeat.per_column > 0 ? block / repeat.per_column : 0;
      const int line = repeat.per_column > 0 ? block % repeat.per_column : block;
      for (std::size_t k = 0; k < block_rows && r + k < table.row_count; ++k) {
        const ControlRow& row = table.rows[r + k];
        PlacedControl control = Place(row, width, height);
        control.id += block;
        control.x += column * repeat.step_x;
        control.y += line * repeat.step_y;
        if (k == 0) control.text = BlockText(row, repeat, block);
        placed.push_back(control);
      }
    }
    r += block_rows;
  }
  return placed;
}
