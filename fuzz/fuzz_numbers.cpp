// SPDX-License-Identifier: MIT
// libFuzzer target for the number rules: any text reads without fault, and
// what FormatSigned writes reads back to the value it was written from.
#include "numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void require(bool condition, const char *what, double value, const std::string &text)
{
    if (!condition) {
        std::fprintf(stderr, "%s: %.17g written as \"%s\"\n", what, value, text.c_str());
        std::abort();
    }
}

void roundTrip(double value)
{
    if (!std::isfinite(value))
        return;
    const std::string text = FormatSigned(value);
    require(text[0] == (value < 0 ? '-' : ' '), "sign", value, text);
    const double back = ReadNumber(text);
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        require(back == value, "whole number", value, text);
    else if (std::fabs(value) >= DBL_MIN)
        require(std::fabs(back - value) <= std::fabs(value) * 1e-14, "15 digits", value, text);
    else // subnormal: fewer digits than 15 exist
        require(std::fabs(back - value) <= DBL_MIN, "subnormal", value, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    roundTrip(ReadNumber(text));

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        roundTrip(raw);
    }
    if (size >= sizeof(std::int64_t)) {
        std::int64_t whole;
        std::memcpy(&whole, data, sizeof whole);
        roundTrip(double(whole % 1'000'000'000'000'000)); // every whole number below 1e15
        roundTrip(double(std::int16_t(whole))); // the counters' range
    }
    return 0;
}
