// The control table of every built calculator form, by FormKind: what the
// program builds, and what the layout test, the catalogue check and the GUI
// tests read, so that a control is described in one place only.
#pragma once

#include "form_table.h"

// The table of a FormKind 0 to 15; null for a form that is not built.
const FormTable* FormTableOf(int form_kind);
