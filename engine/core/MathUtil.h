#pragma once

#include "platform/core/Text.h"


namespace zelka {


namespace math {

int Min(int a, int b);
float Min(float a, float b);
int Max(int a, int b);
float Max(float a, float b);
int Abs(int v);
float Abs(float v);
int Sgn(int v);       // -1, 0 or 1
float Sgn(float v);   // -1.0, 0.0 or 1.0 (NaN gives 0)
// Below low gives low, else above high gives high, else the value.
int Clamp(int v, int low, int high);
float Clamp(float v, float low, float high);

// Float to int toward zero without undefined behaviour: NaN gives 0, values beyond the
// int range give INT_MIN or INT_MAX. Every float-to-int conversion of property values
// (tints, colours, frames) goes through here.
int TruncToInt(float v);
int TruncToInt(double v);

}  // namespace math

namespace same {

template <class T>
T IIf(bool condition, T a, T b)
{
    return condition ? a : b;
}

}  // namespace same

namespace misc {

// Reads like C strtol over at most the first 63 characters (each taken as its low 8 bits):
// leading white space, optional sign, decimal digits up to the first other character.
// Empty text or no digits give 0. The long result is truncated to int.
int String2Int_(const String& text);
// Empty text gives false, otherwise String2Int_(text) != 0 ("true" gives false).
bool String2Bool_(const String& text);

}  // namespace misc

}  // namespace zelka
