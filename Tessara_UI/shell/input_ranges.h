// The range tests that the forms make on their inputs before anything is
// sent to the library. The forms count a value as zero with a tolerance of
// 1e-15, much finer than the library's 1e-6, so a form can let through a
// value that the library then refuses with its own ResultCode.
#pragma once

// Strictly between -1e-15 and 1e-15.
bool IsZeroForForms(double value);

// A proportion the forms accept as a fraction: not zero (within the
// tolerance), not negative and below 1.
bool IsFractionBelowOne(double value);

// The same, with 1 itself admitted.
bool IsFractionUpToOne(double value);

// A positive quantity without upper bound: not zero (within the tolerance)
// and not negative.
bool IsPositiveForForms(double value);
