// What the two selection forms share: the check of their inputs, the browse
// buttons, the run of the library's selection, and the completion of the
// output file (a header of counts in front of the drawn lines) that is then
// opened in the system's text editor.
#pragma once

#include <windows.h>

#include <string>

namespace selection {

enum class Method { SimpleRandom, Proportional };

// Checks the inputs and, when they pass, runs the selection and completes
// its output.
void ReadAndRun(HWND form, Method method);

// Completes the library's output at output_path: the header with the
// counts of the list at input_path and of the drawn lines, an empty line,
// then the drawn lines, written to a new file beside the output that then
// replaces it. Returns 0, or the system's error code of the step that
// failed, in which case the library's output is as it was and no new file
// remains.
DWORD CompleteSelectionFile(Method method, const std::wstring& input_path,
                            const std::wstring& output_path);

// The "..." buttons of the input and the output paths.
bool HandleBrowseCommand(HWND form, WORD command, WORD notification);

}  // namespace selection
