// Properties every form's control table must have, checked on each built
// form: identifiers in the form's own block and each used once, the buttons
// and the first focus present, and every control inside the client area
// without covering another.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "form_tables.h"

namespace {

std::vector<int> BuiltForms() {
  std::vector<int> kinds;
  for (int form_kind = 0; form_kind < 16; ++form_kind) {
    if (FormTableOf(form_kind) != nullptr) kinds.push_back(form_kind);
  }
  return kinds;
}

class FormTableTest : public testing::TestWithParam<int> {
 protected:
  const FormTable& table() const { return *FormTableOf(GetParam()); }
  std::vector<PlacedControl> Placed() const {
    return PlaceControls(table(), kFormClientWidth, kFormClientHeight);
  }
  const PlacedControl* Find(int id) const {
    static thread_local std::vector<PlacedControl> placed;
    placed = Placed();
    auto found = std::find_if(placed.begin(), placed.end(), [&](const PlacedControl& c) { return c.id == id; });
    return found == placed.end() ? nullptr : &*found;
  }
};

// The part of a control that shows: a drop-down list is as high as a line
// until it opens.
int ShownHeight(const PlacedControl& c) {
  return c.kind == ControlKind::DropDownList ? std::min(c.height, 24) : c.height;
}

bool Overlap(const PlacedControl& a, const PlacedControl& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + ShownHeight(b) &&
         b.y < a.y + ShownHeight(a);
}

TEST_P(FormTableTest, IdentifiersLieInTheFormsBlockEachOnce) {
  std::set<int> seen;
  for (const PlacedControl& c : Placed()) {
    // A rule is a drawn line that nothing addresses: the two lines of the
    // simple random detection form share the identifier after its block.
    if (c.kind == ControlKind::Rule) continue;
    EXPECT_GE(c.id, table().id_block) << c.id;
    EXPECT_LE(c.id, table().id_block + 99) << c.id;
    EXPECT_TRUE(seen.insert(c.id).second) << "identifier used twice: " << c.id;
  }
}

TEST_P(FormTableTest, RunHelpAndFirstFocusAreControlsOfTheForm) {
  const PlacedControl* run = Find(table().run_button);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->kind, ControlKind::DefaultButton) << "Enter presses Run";
  const PlacedControl* help = Find(table().help_button);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->kind, ControlKind::PushButton);
  const PlacedControl* focus = Find(table().first_focus);
  ASSERT_NE(focus, nullptr);
  // An input, or the button that chooses the input file of a form that
  // reads one.
  const bool chooses_input = focus->kind == ControlKind::PushButton &&
                             focus->id != table().run_button && focus->id != table().help_button;
  EXPECT_TRUE(focus->kind == ControlKind::InputEdit || focus->kind == ControlKind::DropDownList ||
              chooses_input)
      << "the first focus is an input";
}

TEST_P(FormTableTest, EveryControlLiesInsideTheClientArea) {
  for (const PlacedControl& c : Placed()) {
    SCOPED_TRACE(c.id);
    EXPECT_GE(c.x, 0);
    EXPECT_GE(c.y, 0);
    EXPECT_GT(c.width, 0);
    EXPECT_GT(c.height, 0);
    EXPECT_LE(c.x + c.width, kFormClientWidth);
    EXPECT_LE(c.y + ShownHeight(c), kFormClientHeight);
  }
}

TEST_P(FormTableTest, NoControlCoversAnother) {
  const std::vector<PlacedControl> placed = Placed();
  for (std::size_t i = 0; i < placed.size(); ++i) {
    for (std::size_t j = i + 1; j < placed.size(); ++j) {
      const PlacedControl& a = placed[i];
      const PlacedControl& b = placed[j];
      // Group boxes frame other controls by design.
      if (a.kind == ControlKind::GroupBox || b.kind == ControlKind::GroupBox) continue;
      EXPECT_FALSE(Overlap(a, b)) << a.id << " and " << b.id;
    }
  }
}

TEST_P(FormTableTest, TextsSitOnControlsThatShowThem) {
  for (const PlacedControl& c : Placed()) {
    SCOPED_TRACE(c.id);
    if (c.kind == ControlKind::Rule || c.kind == ControlKind::DropDownList) {
      EXPECT_TRUE(c.text.empty());
    }
    if (c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultButton) {
      EXPECT_FALSE(c.text.empty());
    }
    if (c.text.string_id != 0) {
      EXPECT_GE(c.text.string_id, 11000) << "a form text of the catalogue";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltForms, FormTableTest, testing::ValuesIn(BuiltForms()),
                         [](const testing::TestParamInfo<int>& info) {
                           return "FormKind" + std::to_string(info.param);
                         });

// Repeated rows: a block of rows repeated down a column and across columns,
// with identifiers counting up and numbered or listed texts.
TEST(PlaceControls, RepeatsBlocksDownColumnsThenAcross) {
  static constexpr ControlText kTexts[] = {L"a", L"b", L"c"};
  static constexpr ControlRow kRows[] = {
      {100, ControlKind::Label, {}, {10, kHalfH, 50, 20}, FontRole::Regular, Align::Right,
       ListFill::None, Repeat{3, 2, 21, 2, 200, kTexts}},
      {110, ControlKind::ResultEdit, {}, {70, kHalfH, 50, 20}},
      {120, ControlKind::Label, {}, {kW - 60, kH - 30, 50, 20}, FontRole::Regular, Align::Left,
       ListFill::None, Repeat{2, 1, 25, 0, 0, nullptr, true}},
  };
  static constexpr FormTable kTable = MakeFormTable(kRows, 100, 110, 100, 100);
  const std::vector<PlacedControl> placed = PlaceControls(kTable, 301, 201);
  struct Expected {
    int id, x, y;
    std::wstring text;
  } expected[] = {
      {100, 10, 100, L"a"}, {110, 70, 100, L""}, {101, 10, 121, L"b"},
      {111, 70, 121, L""},  {102, 210, 100, L"c"}, {112, 270, 100, L""},
      {120, 241, 171, L"1"}, {121, 241, 196, L"2"},
  };
  ASSERT_EQ(placed.size(), std::size(expected));
  for (std::size_t k = 0; k < placed.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(placed[k].id, expected[k].id);
    EXPECT_EQ(placed[k].x, expected[k].x);
    EXPECT_EQ(placed[k].y, expected[k].y);
    EXPECT_EQ(placed[k].text.literal ? std::wstring(placed[k].text.literal) : L"", expected[k].text);
  }
}

TEST(Measure, IntegerHalvesOfTheClientArea) {
  constexpr Measure kExpression = kW - kHalfW + kHalfH - 7;
  EXPECT_EQ(kExpression.At(301, 201), 301 - 150 + 100 - 7);
  EXPECT_EQ((kH - (kHalfH + 24) + 60).At(0, 433), 433 - 216 - 24 + 60);
}

}  // namespace
