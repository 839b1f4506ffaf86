// Tessara.exe: the Windows graphical entry.
#include <windows.h>

#include "startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_state) {
  return RunProgram(instance, show_state);
}
