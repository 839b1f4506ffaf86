// The main window's buttons and the families they are placed with.
#include <gtest/gtest.h>

#include <set>

#include "main_window_layout.h"

namespace {
const CategoryButton& Button(int index) { return CategoryButtons()[index]; }

TEST(MainWindowButtons, OneButtonForEachCalculatorForm) {
  std::set<int> form_kinds;
  std::set<int> ids;
  for (int i = 0; i < kCategoryButtonCount; ++i) {
    EXPECT_GE(Button(i).form_kind, 0);
    EXPECT_LE(Button(i).form_kind, 15);
    form_kinds.insert(Button(i).form_kind);
    ids.insert(Button(i).id);
  }
  EXPECT_EQ(form_kinds.size(), 16u);
  EXPECT_EQ(*ids.begin(), kFirstCategoryButton);
  EXPECT_EQ(*ids.rbegin(), kLastCategoryButton);
  EXPECT_EQ(ids.size(), 16u);
}

TEST(MainWindowButtons, WhichFormEachButtonOpens) {
  struct Case {
    int id;
    int form_kind;
  } cases[] = {
      {3001, 10}, {3002, 11}, {3003, 12}, {3004, 2},  {3005, 3},  {3006, 4},
      {3007, 1},  {3008, 0},  {3009, 15}, {3010, 9},  {3011, 8},  {3012, 6},
      {3013, 7},  {3014, 5},  {3015, 14}, {3016, 13}, {3000, -1}, {3017, -1},
      {3020, -1}, {2, -1},    {32774, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(FormKindOfButton(c.id), c.form_kind) << c.id;
}

// Each family's first button stands level with its heading, the others
// follow without overlapping, and a family's buttons end above the
// separator line that closes it.
TEST(MainWindowButtons, FamiliesOfNineTwoThreeAndTwo) {
  const int family_sizes[kCategoryCount] = {9, 2, 3, 2};
  int index = 0;
  for (int family = 0; family < kCategoryCount; ++family) {
    const CategoryLayout& category = CategoryLayouts()[family];
    EXPECT_EQ(Button(index).y, category.heading_y) << family;
    for (int k = 1; k < family_sizes[family]; ++k) {
      EXPECT_GE(Button(index + k).y, Button(index + k - 1).y + kButtonHeight) << index + k;
    }
    index += family_sizes[family];
    if (category.separator_id != 0) {
      EXPECT_LE(Button(index - 1).y + kButtonHeight, category.separator_y) << family;
      EXPECT_LT(category.separator_y, CategoryLayouts()[family + 1].heading_y) << family;
    }
  }
  EXPECT_EQ(index, kCategoryButtonCount);
}
}  // namespace
