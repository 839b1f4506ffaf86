// Where the main window places its controls and which form each of its
// buttons opens. Plain data, so that its properties can be tested without
// a window.
#pragma once

// One family of calculations: its heading and description labels (ids and
// StringIds), their top, the height of the description, and the separator
// line below the family (0 for the last family).
struct CategoryLayout {
  int heading_id;
  int heading_text;
  int heading_y;
  int description_id;
  int description_height;
  int separator_id;
  int separator_y;
};

struct CategoryButton {
  int id;
  int y;
  int form_kind;
};

inline constexpr int kCategoryCount = 4;
inline constexpr int kCategoryButtonCount = 16;
inline constexpr int kFirstCategoryButton = 3001;
inline constexpr int kLastCategoryButton = 3016;

// Pixel sizes of the window's controls (x and widths depend on the client
// width W: headings at 10 with W - 380, descriptions at 20 with W - 390,
// buttons at W - 360, separators at 5 with W - 10).
inline constexpr int kHeadingHeight = 20;
inline constexpr int kDescriptionOffset = 20;  // below its heading
inline constexpr int kButtonWidth = 350;
inline constexpr int kButtonHeight = 24;

const CategoryLayout* CategoryLayouts();  // kCategoryCount entries
const CategoryButton* CategoryButtons();  // kCategoryButtonCount entries, in creation order

// The FormKind a button opens, -1 for any other identifier.
int FormKindOfButton(int id);
