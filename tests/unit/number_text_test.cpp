// The one reader of numbers written as text: the forms every option, variable and resource
// accepts, and the values it refuses rather than wrap.

#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <string>

// Each text read three ways over wide ranges: "-" where a way refuses it.
TEST(NumberText, TheSameFormsEverywhereAndNothingWraps) {
  const struct {
    const char* text;
    const char* whole;     // readWholeNumber over the whole long long range
    const char* windowId;  // readWindowId up to 32 bits
    const char* decimal;   // readDecimal over every finite double
  } cases[] = {
      {"42", "42", "42", "42"},
      {"+3", "3", "3", "3"},
      {"-7", "-7", "-", "-7"},
      {"0", "0", "-", "0"},
      {"-9223372036854775808", "-9223372036854775808", "-", "-9.22337e+18"},
      {"9223372036854775808", "-", "-", "9.22337e+18"},
      {"18446744073709551617", "-", "-", "1.84467e+19"},
      {"0x1a00007", "-", "27262983", "-"},
      {"0XFFFFFFFF", "-", "4294967295", "-"},
      {"0x100000000", "-", "-", "-"},
      {"0x-ffffffffffffffff", "-", "-", "-"},
      {"2.5", "-", "-", "2.5"},
      {"-.5", "-", "-", "-0.5"},
      {"1e-3", "-", "-", "0.001"},
      {"2.5E+2", "-", "-", "250"},
      {"1e999", "-", "-", "-"},
      {" 5", "-", "-", "-"},
      {"5 ", "-", "-", "-"},
      {"10,0", "-", "-", "-"},
      {"", "-", "-", "-"},
      {"1e", "-", "-", "-"},
      {"inf", "-", "-", "-"},
      {"nan", "-", "-", "-"},
  };
  for (const auto& c : cases) {
    long long whole = 0;
    unsigned long long id = 0;
    double decimal = 0;
    char shown[32] = "-";
    if (readDecimal(c.text, -DBL_MAX, DBL_MAX, decimal))
      std::snprintf(shown, sizeof shown, "%g", decimal);
    const std::string read[] = {
        readWholeNumber(c.text, INT64_MIN, INT64_MAX, whole) ? std::to_string(whole) : "-",
        readWindowId(c.text, 0xffffffff, id) ? std::to_string(id) : "-", shown};
    EXPECT_EQ(read[0] + " " + read[1] + " " + read[2],
              std::string(c.whole) + " " + c.windowId + " " + c.decimal)
        << '"' << c.text << '"';
  }
  long long value = 5;  // a range bounds the value, and a refused text leaves it as it was
  EXPECT_FALSE(readWholeNumber("101", 0, 100, value) || value != 5);
}
