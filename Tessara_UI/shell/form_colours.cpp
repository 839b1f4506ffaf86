#include "form_colours.h"

HBRUSH AnswerColourRequest(UINT message, HDC context) {
  switch (message) {
    case WM_CTLCOLOREDIT:
      SetBkColor(context, RGB(255, 255, 255));
      return GetSysColorBrush(COLOR_WINDOW);
    case WM_CTLCOLORSTATIC:
      // Labels, group boxes, read-only edits, radio and check buttons: the
      // white window shows through their text.
      SetBkMode(context, TRANSPARENT);
      return GetSysColorBrush(COLOR_WINDOW);
    case WM_CTLCOLORBTN:
      SetBkColor(context, RGB(255, 0, 0));
      return GetSysColorBrush(COLOR_BTNFACE);
    default:
      return nullptr;
  }
}
