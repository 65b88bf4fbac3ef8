#include "engine/core/MathUtil.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace zelka {

namespace {

constexpr size_t kMaxNumberChars = 63;  // the conversion buffer held 64 bytes with the terminator
constexpr unsigned kLowByte = 0xFF;

}  // namespace

namespace math {

int Min(int a, int b) { return a < b ? a : b; }
float Min(float a, float b) { return a < b ? a : b; }
int Max(int a, int b) { return a > b ? a : b; }
float Max(float a, float b) { return a > b ? a : b; }
// INT_MIN has no positive counterpart: it stays INT_MIN rather than overflowing.
int Abs(int v) { return v < 0 && v != INT_MIN ? -v : v; }
float Abs(float v) { return std::fabs(v); }
int Sgn(int v) { return (v > 0) - (v < 0); }
float Sgn(float v) { return v > 0.0f ? 1.0f : (v < 0.0f ? -1.0f : 0.0f); }

int Clamp(int v, int low, int high)
{
    if (v < low) {
        return low;
    }
    return v > high ? high : v;
}

float Clamp(float v, float low, float high)
{
    if (v < low) {
        return low;
    }
    return v > high ? high : v;
}

int TruncToInt(double v)
{
    if (std::isnan(v)) {
        return 0;
    }
    if (v <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    if (v >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(v);
}

int TruncToInt(float v)
{
    return TruncToInt(static_cast<double>(v));
}

}  // namespace math

namespace misc {

int String2Int_(const String& text)
{
    if (text.empty()) {
        return 0;
    }
    std::string bytes;
    const size_t count = text.size() < kMaxNumberChars ? text.size() : kMaxNumberChars;
    for (size_t i = 0; i < count; ++i) {
        const char c = static_cast<char>(static_cast<unsigned>(text[i]) & kLowByte);
        if (c == '\0') {
            break;  // the C conversion stops at the terminator
        }
        bytes.push_back(c);
    }
    // strtol saturates at LONG_MIN/LONG_MAX; the int conversion keeps the low 32 bits.
    const long value = std::strtol(bytes.c_str(), nullptr, 10);
    return static_cast<int>(static_cast<unsigned long>(value) & 0xFFFFFFFFul);
}

bool String2Bool_(const String& text)
{
    return !text.empty() && String2Int_(text) != 0;
}

}  // namespace misc

}  // namespace zelka
