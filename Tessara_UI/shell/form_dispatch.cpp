#include "form_dispatch.h"

#include "form_registry.h"
#include "table_form.h"

// Every child reaches its form through the registry: a form not built yet
// opens empty and takes no command (Escape still closes it, in the child
// window procedure).

HWND BuildForm(HWND window, int form_kind) {
  const FormEntry& entry = FormEntryOf(form_kind);
  if (entry.form != nullptr) return BuildTableForm(window, *entry.form);
  return entry.build != nullptr ? entry.build(window) : nullptr;
}

bool DispatchFormCommand(HWND window, int form_kind, WORD command, WORD notification) {
  const FormEntry& entry = FormEntryOf(form_kind);
  if (entry.form != nullptr) return HandleTableFormCommand(window, *entry.form, command, notification);
  return entry.handle_command != nullptr && entry.handle_command(window, command, notification);
}
