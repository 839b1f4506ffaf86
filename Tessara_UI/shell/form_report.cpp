#include "form_report.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace {

// Lines of one group are the labels and values whose middles lie this close.
constexpr int kLineTolerance = 8;
// A value without a label beside it takes the label at most this far above.
constexpr int kLabelAboveReach = 30;
// A label that begins at most this far right of a value names its unit.
constexpr int kUnitReach = 8;

bool IsValue(const PlacedControl& c) {
  return c.kind == ControlKind::InputEdit || c.kind == ControlKind::ResultEdit ||
         c.kind == ControlKind::NoteEdit || c.kind == ControlKind::DropDownList;
}

int Middle(const PlacedControl& c) {
  // A drop-down list shows one line until it opens.
  const int height = c.kind == ControlKind::DropDownList ? std::min(c.height, 24) : c.height;
  return c.y + height / 2;
}

bool Inside(const PlacedControl& inner, const PlacedControl& group) {
  const int x = inner.x + inner.width / 2;
  const int y = Middle(inner);
  return x >= group.x && x < group.x + group.width && y >= group.y && y < group.y + group.height;
}

// Labels stand on one line when they break; the report keeps them on one.
std::wstring OneLine(const std::wstring& text) {
  std::wstring line;
  for (wchar_t c : text) {
    if (c == L'\r') continue;
    if (c == L'\n') {
      if (!line.empty() && line.back() != L' ') line.push_back(L' ');
      continue;
    }
    if (c == L'&') continue;  // an accelerator's marker
    line.push_back(c);
  }
  const std::size_t first = line.find_first_not_of(L' ');
  if (first == std::wstring::npos) return L"";
  return line.substr(first, line.find_last_not_of(L' ') - first + 1);
}

struct Unit {
  int middle;
  int x;
  ReportLine cells;
};

// The label a value belongs to: the nearest one on its left whose height
// spans the value's middle; else none when a label stands right after it
// on its line (a unit, "39 | false positive results", read on one line);
// else the nearest one just above it.
std::ptrdiff_t LabelOf(const ShownControl& value, const std::vector<const ShownControl*>& labels) {
  const PlacedControl& v = value.control;
  std::ptrdiff_t best = -1;
  int best_right = std::numeric_limits<int>::min();
  bool unit_after = false;
  for (std::size_t k = 0; k < labels.size(); ++k) {
    const PlacedControl& l = labels[k]->control;
    const bool spans = l.y <= Middle(v) && Middle(v) < l.y + l.height;
    if (spans && l.x + l.width <= v.x + 4 && l.x + l.width > best_right) {
      best = static_cast<std::ptrdiff_t>(k);
      best_right = l.x + l.width;
    }
    const int gap = l.x - (v.x + v.width);
    if (spans && gap >= -4 && gap <= kUnitReach) unit_after = true;
  }
  if (best >= 0 || unit_after) return best;
  int best_bottom = std::numeric_limits<int>::min();
  for (std::size_t k = 0; k < labels.size(); ++k) {
    const PlacedControl& l = labels[k]->control;
    const int bottom = l.y + l.height;
    const bool overlaps = l.x < v.x + v.width && v.x < l.x + l.width;
    if (overlaps && bottom <= v.y + 4 && v.y - bottom <= kLabelAboveReach && bottom > best_bottom) {
      best = static_cast<std::ptrdiff_t>(k);
      best_bottom = bottom;
    }
  }
  return best;
}

std::vector<ReportLine> LinesOf(const std::vector<const ShownControl*>& members) {
  std::vector<const ShownControl*> labels;
  for (const ShownControl* m : members) {
    if (!IsValue(m->control)) labels.push_back(m);
  }
  std::vector<Unit> units;
  for (const ShownControl* label : labels)
    units.push_back({Middle(label->control), label->control.x, {OneLine(label->text)}});
  for (const ShownControl* m : members) {
    if (!IsValue(m->control)) continue;
    const std::ptrdiff_t label = LabelOf(*m, labels);
    if (label >= 0) {
      units[static_cast<std::size_t>(label)].cells.push_back(m->text);
    } else {
      units.push_back({Middle(m->control), m->control.x, {m->text}});
    }
  }
  std::stable_sort(units.begin(), units.end(),
                   [](const Unit& a, const Unit& b) { return a.middle < b.middle; });
  std::vector<ReportLine> lines;
  std::size_t first = 0;
  while (first < units.size()) {
    std::size_t end = first;
    while (end < units.size() && units[end].middle - units[first].middle <= kLineTolerance) ++end;
    std::vector<Unit> line(units.begin() + static_cast<std::ptrdiff_t>(first),
                           units.begin() + static_cast<std::ptrdiff_t>(end));
    std::stable_sort(line.begin(), line.end(), [](const Unit& a, const Unit& b) { return a.x < b.x; });
    ReportLine cells;
    for (const Unit& unit : line) cells.insert(cells.end(), unit.cells.begin(), unit.cells.end());
    lines.push_back(cells);
    first = end;
  }
  return lines;
}

// A line drawn down a group: it parts blocks that stand side by side (the
// results beside a table, a table beside its sentences), read one after
// the other rather than line by line across.
bool IsVerticalRule(const PlacedControl& c) {
  return c.kind == ControlKind::Rule && c.height > c.width;
}

// The members of a group in the columns its vertical rules part, from left
// to right; a member belongs to the column its middle lies in.
std::vector<std::vector<const ShownControl*>> ColumnsOf(
    const std::vector<const ShownControl*>& members, std::vector<int> dividers) {
  std::sort(dividers.begin(), dividers.end());
  std::vector<std::vector<const ShownControl*>> columns(dividers.size() + 1);
  for (const ShownControl* m : members) {
    const int x = m->control.x + m->control.width / 2;
    const auto column = std::upper_bound(dividers.begin(), dividers.end(), x) - dividers.begin();
    columns[static_cast<std::size_t>(column)].push_back(m);
  }
  return columns;
}

// What the report leaves out: buttons, rules, and labels or notes that show
// nothing.
bool Reported(const ShownControl& shown) {
  switch (shown.control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultButton:
    case ControlKind::Rule:
    case ControlKind::GroupBox:
      return false;
    case ControlKind::Label:
    case ControlKind::NoteEdit:
      return !OneLine(shown.text).empty();
    default:
      return true;
  }
}

int HorizontalOverlap(const PlacedControl& a, const PlacedControl& b) {
  return std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
}

// A label that stands just above a group box, over part of its width.
bool HeadsDirectly(const PlacedControl& label, const PlacedControl& group) {
  const int gap = group.y - (label.y + label.height);
  return HorizontalOverlap(label, group) > 0 && gap >= -4 && gap <= kLabelAboveReach;
}

// The heading of a group: of the headings above it, the one that spans
// most of its width (the nearest of equals).
std::ptrdiff_t HeadingOf(const PlacedControl& group,
                         const std::vector<const ShownControl*>& headings) {
  std::ptrdiff_t best = -1;
  int best_overlap = 0;
  int best_bottom = std::numeric_limits<int>::min();
  for (std::size_t k = 0; k < headings.size(); ++k) {
    const PlacedControl& h = headings[k]->control;
    const int overlap = HorizontalOverlap(h, group);
    const int bottom = h.y + h.height;
    if (overlap <= 0 || bottom > group.y + 4) continue;
    if (overlap > best_overlap || (overlap == best_overlap && bottom > best_bottom)) {
      best = static_cast<std::ptrdiff_t>(k);
      best_overlap = overlap;
      best_bottom = bottom;
    }
  }
  return best;
}

std::wstring CsvField(const std::wstring& cell, const std::wstring& separator) {
  const bool quoted = cell.find(separator) != std::wstring::npos ||
                      cell.find_first_of(L"\"\r\n") != std::wstring::npos;
  if (!quoted) return cell;
  std::wstring field = L"\"";
  for (wchar_t c : cell) {
    if (c == L'"') field.push_back(L'"');
    field.push_back(c);
  }
  return field + L"\"";
}

std::wstring Joined(const FormReport& report, const std::wstring& separator, bool csv) {
  std::wstring text = (csv ? CsvField(report.title, separator) : report.title) + L"\r\n" +
                      (csv ? CsvField(report.date, separator) : report.date) + L"\r\n";
  for (const ReportLine& line : report.lines) {
    for (std::size_t k = 0; k < line.size(); ++k) {
      if (k > 0) text += separator;
      text += csv ? CsvField(line[k], separator) : line[k];
    }
    text += L"\r\n";
  }
  return text;
}

}  // namespace

FormReport ComposeReport(const std::wstring& title, const std::wstring& date,
                         const std::vector<ShownControl>& shown) {
  // Each control belongs to the smallest group box around it.
  std::vector<const ShownControl*> groups;
  for (const ShownControl& s : shown) {
    if (s.control.kind == ControlKind::GroupBox) groups.push_back(&s);
  }
  auto group_of = [&](const ShownControl& s) -> std::ptrdiff_t {
    std::ptrdiff_t best = -1;
    long long best_area = std::numeric_limits<long long>::max();
    for (std::size_t g = 0; g < groups.size(); ++g) {
      const PlacedControl& box = groups[g]->control;
      const long long area = static_cast<long long>(box.width) * box.height;
      if (Inside(s.control, box) && area < best_area) {
        best = static_cast<std::ptrdiff_t>(g);
        best_area = area;
      }
    }
    return best;
  };
  // Calculators side by side: a label outside every group that stands just
  // above a group heads the groups of its column.
  std::vector<const ShownControl*> headings;
  for (const ShownControl& s : shown) {
    if (s.control.kind != ControlKind::Label || !Reported(s) || group_of(s) >= 0) continue;
    for (const ShownControl* g : groups) {
      if (HeadsDirectly(s.control, g->control)) {
        headings.push_back(&s);
        break;
      }
    }
  }
  std::vector<std::ptrdiff_t> heading_of(groups.size(), -1);
  for (std::size_t g = 0; g < groups.size(); ++g)
    heading_of[g] = HeadingOf(groups[g]->control, headings);
  // Sections (a heading and its groups, or what has no heading) and, in
  // each, groups in the order of their first reported control, as the form
  // is read. Slot groups.size() holds what lies in no group.
  struct Section {
    std::ptrdiff_t heading;
    std::vector<std::ptrdiff_t> groups;
  };
  std::vector<Section> sections;
  auto section_for = [&](std::ptrdiff_t heading) -> Section& {
    for (Section& section : sections) {
      if (section.heading == heading) return section;
    }
    sections.push_back({heading, {}});
    return sections.back();
  };
  std::vector<std::vector<const ShownControl*>> members(groups.size() + 1);
  std::vector<std::vector<int>> dividers(groups.size() + 1);
  for (const ShownControl& s : shown) {
    const std::ptrdiff_t g = group_of(s);
    const std::size_t slot = g < 0 ? groups.size() : static_cast<std::size_t>(g);
    if (IsVerticalRule(s.control)) dividers[slot].push_back(s.control.x);
    if (!Reported(s)) continue;
    const auto heading = std::find(headings.begin(), headings.end(), &s);
    if (heading != headings.end()) {
      section_for(heading - headings.begin());
      continue;
    }
    if (members[slot].empty()) section_for(g < 0 ? -1 : heading_of[slot]).groups.push_back(g);
    members[slot].push_back(&s);
  }
  FormReport report{title, date, {}};
  for (const Section& section : sections) {
    report.lines.push_back({});
    if (section.heading >= 0)
      report.lines.push_back({OneLine(headings[static_cast<std::size_t>(section.heading)]->text)});
    for (std::size_t k = 0; k < section.groups.size(); ++k) {
      const std::ptrdiff_t g = section.groups[k];
      if (k > 0) report.lines.push_back({});
      const std::size_t slot = g < 0 ? groups.size() : static_cast<std::size_t>(g);
      const std::wstring caption = g >= 0 ? OneLine(groups[slot]->text) : L"";
      if (!caption.empty()) report.lines.push_back({caption});
      for (const std::vector<const ShownControl*>& column : ColumnsOf(members[slot], dividers[slot]))
        for (ReportLine& line : LinesOf(column)) report.lines.push_back(std::move(line));
    }
  }
  return report;
}

std::wstring ReportAsText(const FormReport& report) { return Joined(report, L"\t", false); }

std::wstring ReportAsCsv(const FormReport& report, const std::wstring& separator) {
  return Joined(report, separator, true);
}
