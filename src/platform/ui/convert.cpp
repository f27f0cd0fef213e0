#include "platform/ui/convert.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/os/codepage.h"
#include "platform/ui/errors.h"

namespace ui {

namespace {

std::string_view TrimBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the decimal-number grammar before from_chars sees the text, so that "inf", "nan" and hex
// forms are refused.
bool IsDecimalNumber(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t exponent_digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++exponent_digits;
    if (exponent_digits == 0) return false;
  }
  return i == s.size();
}

}  // namespace

std::optional<int> TryStrToInt(std::string_view text) {
  std::string_view s = TrimBlanks(text);
  if (s.size() > 1 && s.front() == '+' && s[1] != '-') s.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<double> TryStrToFloat(std::string_view text) {
  std::string_view s = TrimBlanks(text);
  if (!IsDecimalNumber(s)) return std::nullopt;
  if (s.front() == '+') s.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

int StrToInt(std::string_view text) {
  if (auto v = TryStrToInt(text)) return *v;
  throw NotIntegerError(os::SystemToUtf8(text));
}

double StrToFloat(std::string_view text) {
  if (auto v = TryStrToFloat(text)) return *v;
  throw NotFloatError(os::SystemToUtf8(text));
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  constexpr int kDigits = 15;
  // d.dddddddddddddde[+-]x: the 15 significant digits and the decimal exponent after rounding.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", kDigits - 1, value);
  std::string_view text(buf);
  const size_t e_pos = text.find('e');
  const int exponent = std::atoi(buf + e_pos + 1);
  std::string digits;
  for (char c : text.substr(0, e_pos))
    if (IsDigit(c)) digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = value < 0 ? "-" : "";
  if (exponent < -5 || exponent >= kDigits) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else {
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out += digits + std::string(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole) + "." + digits.substr(whole);
    }
  }
  return out;
}

float ToFloat(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  if (value >= -kMax && value <= kMax) return static_cast<float>(value);
  // Past the largest float, values up to half a unit in the last place still round to it.
  const double edge = kMax + std::ldexp(1.0, 127 - 24);
  if (value >= edge) return std::numeric_limits<float>::infinity();
  if (value <= -edge) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value > 0 ? kMax : -kMax);
}

}  // namespace ui
