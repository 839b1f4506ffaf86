#include "form_dispatch.h"

#include "form_registry.h"

// Every child reaches its form through the registry: a form not built yet
// opens empty and takes no command (Escape still closes it, in the child
// window procedure).

HWND BuildForm(HWND window, int form_kind) {
  const FormEntry& form = FormEntryOf(form_kind);
  return form.build != nullptr ? form.build(window) : nullptr;
}

bool DispatchFormCommand(HWND window, int form_kind, WORD command, WORD notification) {
  const FormEntry& form = FormEntryOf(form_kind);
  return form.handle_command != nullptr && form.handle_command(window, command, notification);
}
