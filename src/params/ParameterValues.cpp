#include "ParameterValues.h"

#include <cmath>

float IntToFloat(unsigned n)
{
    return static_cast<float>(n) / 127.0f;
}

unsigned floatToInt(float f)
{
    const double scaled = std::floor(static_cast<double>(f) * 127.0 + 0.5);
    if (!(scaled > 0.0)) // negatives and NaN
        return 0;
    if (scaled >= 4294967295.0)
        return 4294967295u;
    return static_cast<unsigned>(scaled);
}

unsigned char floatToUnsignedChar(float f)
{
    return static_cast<unsigned char>(floatToInt(f) & 0xFF);
}
