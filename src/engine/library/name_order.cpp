#include "engine/library/name_order.h"

#include <cstring>

namespace tarnik {

namespace {

// Hyphens and apostrophes do not separate words for sorting.
bool IsSkipped(unsigned char c) { return c == '-' || c == '\''; }

bool IsUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(unsigned char c) { return c >= 'a' && c <= 'z'; }

// Primary weight: punctuation < digits < letters (without case) < other bytes.
int PrimaryWeight(unsigned char c) {
  if (IsUpper(c)) return 300 + (c - 'A');
  if (IsLower(c)) return 300 + (c - 'a');
  if (c >= '0' && c <= '9') return 200 + (c - '0');
  if (c < 128) return 100 + c;
  return 400 + c;
}

// Length of a name within its field.
int FieldLength(const char* s, int size) {
  const void* nul = std::memchr(s, 0, static_cast<size_t>(size));
  return nul ? static_cast<int>(static_cast<const char*>(nul) - s) : size;
}

// The next byte at or after i that is not skipped, or len.
int NextKept(const unsigned char* s, int i, int len) {
  while (i < len && IsSkipped(s[i])) ++i;
  return i;
}

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int CompareGameNames(const char* a, const char* b, int size) {
  const auto* x = reinterpret_cast<const unsigned char*>(a);
  const auto* y = reinterpret_cast<const unsigned char*>(b);
  const int lx = FieldLength(a, size), ly = FieldLength(b, size);

  // Level 1 (letters without case) and level 2 (case) in one walk.
  int caseOrder = 0, skippedX = 0, skippedY = 0;
  int i = NextKept(x, 0, lx), j = NextKept(y, 0, ly);
  skippedX += i;
  skippedY += j;
  while (i < lx && j < ly) {
    const int d = PrimaryWeight(x[i]) - PrimaryWeight(y[j]);
    if (d != 0) return Sign(d);
    if (caseOrder == 0 && x[i] != y[j]) caseOrder = IsLower(x[i]) ? -1 : 1;
    const int ni = NextKept(x, i + 1, lx), nj = NextKept(y, j + 1, ly);
    skippedX += ni - i - 1;
    skippedY += nj - j - 1;
    i = ni;
    j = nj;
  }
  if (i < lx) return 1;
  if (j < ly) return -1;
  if (caseOrder != 0) return caseOrder;

  // Level 3: the skipped marks, then plain bytes.
  if (skippedX != skippedY) return skippedX < skippedY ? -1 : 1;
  const int n = lx < ly ? lx : ly;
  const int d = std::memcmp(a, b, static_cast<size_t>(n));
  if (d != 0) return Sign(d);
  return Sign(lx - ly);
}

}  // namespace tarnik
