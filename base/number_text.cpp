#include "base/number_text.h"

#include <cstdlib>

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value of hexadecimal digit c, or -1.
int hexDigit(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Digits in base 10 or 16 filling text, at least one, as a magnitude; false where there are none,
// anything else follows, or the magnitude passes most.
bool readMagnitude(const char* text, int base, unsigned long long most,
                   unsigned long long& magnitude) {
  if (*text == '\0') return false;
  magnitude = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    const int digit = base == 16 ? hexDigit(*c) : isDigit(*c) ? *c - '0' : -1;
    if (digit < 0) return false;
    if (magnitude > (most - static_cast<unsigned>(digit)) / static_cast<unsigned>(base))
      return false;
    magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  return true;
}

// Past the digits that start text.
const char* skipDigits(const char* text) {
  while (isDigit(*text)) ++text;
  return text;
}

// Whether text is a decimal in the form the header gives, before any conversion.
bool isDecimalForm(const char* text) {
  const char* c = text;
  if (*c == '+' || *c == '-') ++c;
  const char* whole = c;
  c = skipDigits(c);
  bool digits = c != whole;
  if (*c == '.') {
    const char* fraction = ++c;
    c = skipDigits(c);
    digits = digits || c != fraction;
  }
  if (!digits) return false;
  if (*c == 'e' || *c == 'E') {
    ++c;
    if (*c == '+' || *c == '-') ++c;
    const char* exponent = c;
    c = skipDigits(c);
    if (c == exponent) return false;
  }
  return *c == '\0';
}

}  // namespace

bool readWholeNumber(const char* text, long long low, long long high, long long& value) {
  if (text == nullptr) return false;
  const bool negative = *text == '-';
  if (*text == '+' || *text == '-') ++text;
  // The magnitude of the most negative long long is one more than the most positive's.
  const unsigned long long most = 1ull << 63;
  unsigned long long magnitude = 0;
  if (!readMagnitude(text, 10, most, magnitude)) return false;
  if (!negative && magnitude == most) return false;
  const long long read =
      negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
  if (read < low || read > high) return false;
  value = read;
  return true;
}

bool readWindowId(const char* text, unsigned long long high, unsigned long long& value) {
  if (text == nullptr) return false;
  unsigned long long read = 0;
  if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (!readMagnitude(text + 2, 16, high, read)) return false;
  } else {
    long long whole = 0;
    if (!readWholeNumber(text, 1, static_cast<long long>(high), whole)) return false;
    read = static_cast<unsigned long long>(whole);
  }
  if (read == 0) return false;
  value = read;
  return true;
}

bool readDecimal(const char* text, double low, double high, double& value) {
  if (text == nullptr || !isDecimalForm(text)) return false;
  // The form is checked, so strtod reads all of it; a point other than '.' in the locale
  // would stop it early, which counts as malformed too. Too large a number reads as infinite.
  char* end = nullptr;
  const double read = std::strtod(text, &end);
  if (*end != '\0' || !(read >= low && read <= high) || read - read != 0) return false;
  value = read;
  return true;
}
