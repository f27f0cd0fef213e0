#pragma once
// The window system's number conversions. They read the C locale's forms only ("." as the decimal
// point), whatever the user's locale, since scene files are written that way.
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// An optional sign and decimal digits, blanks around allowed, within 32 bits.
std::optional<int> TryStrToInt(std::string_view text);
// An optional sign, digits with an optional "." fraction and an optional exponent, blanks around
// allowed; finite values only.
std::optional<double> TryStrToFloat(std::string_view text);

// As above, or NotIntegerError / NotFloatError with the text (decoded from the system code page).
int StrToInt(std::string_view text);
double StrToFloat(std::string_view text);

// The general decimal form with at most 15 significant digits: trailing zeros dropped, no decimal
// point for whole numbers, "E" with a signed exponent where the plain form would be too long
// (1.5 -> "1.5", 2 -> "2", 1e-7 -> "1E-7"). TryStrToFloat reads every result back.
std::string FloatToStr(double value);

// A double narrowed to float the way the hardware does it (out-of-range values become infinities),
// without the undefined behaviour of a plain conversion.
float ToFloat(double value);

}  // namespace ui
