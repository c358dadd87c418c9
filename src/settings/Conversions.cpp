#include "settings/Conversions.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace hq {

std::string Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    return std::string(text.substr(b, e - b));
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<double> ParseNumber(std::string_view text) {
    const std::string t = Trim(text);
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t start = i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
        return i - start;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t whole = digits(), fraction = 0;
    if (i < t.size() && t[i] == '.') {
        ++i;
        fraction = digits();
    }
    if (whole + fraction == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (digits() == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    double value = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double RoundHalfEven(double value) {
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

namespace {
template <typename T>
std::optional<T> ToWhole(std::string_view text) {
    auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    double rounded = RoundHalfEven(*number);
    if (rounded < double(std::numeric_limits<T>::min()) || rounded > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return T(rounded);
}
}  // namespace

std::optional<int> ToInt16(std::string_view text) {
    auto v = ToWhole<std::int16_t>(text);
    if (!v) return std::nullopt;
    return int(*v);
}

std::optional<std::int32_t> ToInt32(std::string_view text) { return ToWhole<std::int32_t>(text); }

std::optional<bool> ToBool(std::string_view text) {
    std::string t = ToLower(Trim(text));
    if (t == "true") return true;
    if (t == "false") return false;
    auto number = ParseNumber(t);
    if (!number) return std::nullopt;
    return *number != 0.0;
}

}  // namespace hq
