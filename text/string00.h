// The fixed-length string rules. A fixed-length string is a blank-padded buffer
// of a declared length; positions are 1-based; s(i:j) is positions i to j.
#pragma once

// Assignment: dest(1:destLength) receives source(1:sourceLength), cut at the
// destination's length or padded with blanks.
void Assign(char* dest, int destLength, const char* source, int sourceLength);

// Equality: equal over the shorter length, and every extra character of the
// longer string is a blank ('ab' equals 'ab  ' but not 'ab' and a NUL).
bool FixedEqual(const char* a, int aLength, const char* b, int bLength);

// Whether the first k characters of a (of length aLength) and of b agree byte for
// byte; a string with fewer than k characters never agrees. k <= 0: always true.
bool SameStart(const char* a, int aLength, const char* b, int bLength, int k);

// Substring search in s(1:n) for p(1:m): 1-based position of the first (Index)
// or last (IndexBack) occurrence, 0 when absent or when the pattern is longer.
// An empty pattern is found at 1 (backwards at n + 1).
int Index(const char* s, int n, const char* p, int m);
int IndexBack(const char* s, int n, const char* p, int m);
// Index of one character, the common case.
int IndexChar(const char* s, int n, char c);

// Character-set search: position of the first (or last) character of s(1:n) that
// belongs to set(1:setLength); 0 when there is none.
int ScanSet(const char* s, int n, const char* set, int setLength);
int ScanSetBack(const char* s, int n, const char* set, int setLength);

// Reads the field s(1:width) as a decimal number in which blanks are ignored (a
// field of blanks reads as 0) and a sign may lead. False, leaving value alone,
// when any other character stands in the field.
bool ReadFixedNumber(const char* field, int width, int& value);
