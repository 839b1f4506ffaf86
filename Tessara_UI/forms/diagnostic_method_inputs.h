// The diagnostic method of the detection forms: test 1, and optionally a
// test 2 with the interpretation that combines the two.
#pragma once

#include <windows.h>

#include <cstdint>

// The controls of one form's diagnostic method.
struct DiagnosticMethodControls {
  int sensitivity1;
  int specificity1;
  int sensitivity2;
  int specificity2;
  int interpretation;
};

// As the library takes them: test 2 and the interpretation are 0 when the
// second test is left empty.
struct DiagnosticMethod {
  float sensitivity1 = 0;
  float specificity1 = 0;
  float sensitivity2 = 0;
  float specificity2 = 0;
  std::int32_t interpretation = 0;
};

// Reads test 1, then, unless both of its fields are empty, test 2 and its
// interpretation ("Serial" or "Parallel"); at the first bad input the
// "Invalid Input" message with the focus on it, and false.
bool ReadDiagnosticMethod(HWND form, const DiagnosticMethodControls& controls,
                          DiagnosticMethod* method);
