// Prints the control table of every built form as JSON, placed on the client
// area the forms are drawn for: the catalogue check reads it to know which
// texts each form shows and in how much room.
#include <cstdio>
#include <string>

#include "form_tables.h"

namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::Rule: return "rule";
    case ControlKind::InputEdit: return "input";
    case ControlKind::ResultEdit: return "edit";
    case ControlKind::NoteEdit: return "edit";
    case ControlKind::DropDownList: return "list";
    case ControlKind::GroupBox: return "group";
    case ControlKind::PushButton: return "button";
    case ControlKind::DefaultButton: return "button";
  }
  return "?";
}

char FontLetter(FontRole font) {
  switch (font) {
    case FontRole::Regular: return 'R';
    case FontRole::Bold: return 'B';
    case FontRole::Italic: return 'I';
    case FontRole::Default: break;
  }
  return 'D';
}

std::string Literal(const ControlText& text) {
  if (text.is_number) return std::to_string(text.number);
  std::string ascii;
  for (const wchar_t* c = text.literal; c != nullptr && *c != 0; ++c) ascii.push_back(static_cast<char>(*c));
  return ascii;
}

}  // namespace

int main() {
  std::printf("[\n");
  bool first = true;
  for (int form_kind = 0; form_kind < 16; ++form_kind) {
    const FormTable* table = FormTableOf(form_kind);
    if (table == nullptr) continue;
    for (const PlacedControl& c : PlaceControls(*table, kFormClientWidth, kFormClientHeight)) {
      std::printf("%s  {\"form\": %d, \"id\": %d, \"kind\": \"%s\", \"string_id\": %d, \"literal\": \"%s\", "
                  "\"x\": %d, \"y\": %d, \"width\": %d, \"height\": %d, \"font\": \"%c\"}",
                  first ? "" : ",\n", form_kind, c.id, KindName(c.kind), c.text.string_id,
                  Literal(c.text).c_str(), c.x, c.y, c.width, c.height, FontLetter(c.font));
      first = false;
    }
  }
  std::printf("\n]\n");
  return 0;
}
