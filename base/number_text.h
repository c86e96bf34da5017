#pragma once

// Numbers written as text, read the one way every option, variable and resource is read:
// - a whole number: an optional sign and decimal digits ("42", "+3", "-1", "007");
// - a window ID, as hosts write them: a whole number, or 0x (or 0X) and hexadecimal digits;
// - a decimal: an optional sign, digits with an optional point and fraction (at least one digit
//   in all: "2", "2.", ".5"), then an optional exponent ("1e-3", "2.5E+2").
// Nothing before or after the number, no spaces, no comma for the point; no "inf" or "nan".
// A value outside the range asked for is refused, however large: nothing wraps.

// A whole number within low..high, in value; false, value untouched, for anything else.
bool readWholeNumber(const char* text, long long low, long long high, long long& value);

// A window ID within 1..high, decimal or hexadecimal with 0x; false for anything else.
bool readWindowId(const char* text, unsigned long long high, unsigned long long& value);

// A finite decimal within low..high, in value; false, value untouched, for anything else.
bool readDecimal(const char* text, double low, double high, double& value);
