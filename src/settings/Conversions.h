#pragma once
// Reading numbers and flags out of stored text. Stored values are whatever a person typed or a
// file held, so every reader says what it does with text that is not a number.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hq {

// A decimal number with optional sign, fraction and exponent, spaces around it allowed.
std::optional<double> ParseNumber(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// Whole 16-bit and 32-bit numbers, rounded half to even; nothing when the text is not a number
// or the value does not fit.
std::optional<int> ToInt16(std::string_view text);
std::optional<std::int32_t> ToInt32(std::string_view text);

// "True"/"False" in any case, or a number (non-zero is true).
std::optional<bool> ToBool(std::string_view text);

std::string ToLower(std::string_view text);
std::string Trim(std::string_view text);

}  // namespace hq
