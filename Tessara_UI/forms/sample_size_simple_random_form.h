// The form "Estimate - Sample Size - Simple Random Sample" (FormKind 10):
// the sample size needed to estimate a prevalence, for the user's population,
// fifteen fixed population sizes and an infinite population.
#pragma once

#include <windows.h>

HWND BuildSampleSizeSimpleRandomForm(HWND form);
bool HandleSampleSizeSimpleRandomCommand(HWND form, WORD command, WORD notification);
