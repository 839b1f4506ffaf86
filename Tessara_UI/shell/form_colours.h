// The colours of the controls on a form: white behind edits and texts (the
// system window colour), the button face behind push buttons.
#pragma once

#include <windows.h>

// The brush that answers a control's colour request (WM_CTLCOLOREDIT,
// WM_CTLCOLORSTATIC, WM_CTLCOLORBTN), after preparing its device context;
// null for any other message, which goes to the default processing.
HBRUSH AnswerColourRequest(UINT message, HDC context);
