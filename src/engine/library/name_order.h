// The order in which game names are sorted: the desktop's locale-aware,
// case-sensitive comparison, as people expect a list of names to read.
#pragma once

namespace tarnik {

// Compares two NUL-terminated names (at most `size` bytes are read of each):
// negative when a sorts first, 0 when equal, positive when b sorts first.
//  1. Letters compare without case; spaces and punctuation sort before digits
//     and digits before letters; hyphens and apostrophes are skipped.
//  2. Between names equal so far, at the first letter whose case differs the
//     lower-case letter sorts first.
//  3. Then the name with fewer skipped marks sorts first, then byte order.
int CompareGameNames(const char* a, const char* b, int size);

}  // namespace tarnik
