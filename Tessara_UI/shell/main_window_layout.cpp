#include "main_window_layout.h"

namespace {

constexpr CategoryLayout kCategories[kCategoryCount] = {
    {3023, 11200, 10, 3024, 80, 3020, 279},   // prevalence
    {3025, 11202, 291, 3026, 40, 3021, 357},  // mean
    {3027, 11204, 369, 3028, 80, 3022, 464},  // detection
    {3029, 11206, 476, 3030, 80, 0, 0},       // selection
};

// Each family's first button is level with its heading; the others follow
// 29 pixels apart.
constexpr CategoryButton kButtons[kCategoryButtonCount] = {
    {3001, 10, 10},  {3002, 39, 11},  {3003, 68, 12},  {3004, 97, 2},
    {3005, 126, 3},  {3006, 155, 4},  {3007, 184, 1},  {3008, 213, 0},
    {3009, 242, 15}, {3010, 291, 9},  {3011, 320, 8},  {3012, 369, 6},
    {3013, 398, 7},  {3014, 427, 5},  {3015, 476, 14}, {3016, 505, 13},
};

}  // namespace

const CategoryLayout* CategoryLayouts() { return kCategories; }

const CategoryButton* CategoryButtons() { return kButtons; }

int FormKindOfButton(int id) {
  for (const CategoryButton& button : kButtons) {
    if (button.id == id) return button.form_kind;
  }
  return -1;
}
