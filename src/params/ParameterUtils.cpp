#include "ParameterUtils.h"

#include "ParameterValues.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

char* floatTo8bitDec(float f)
{
    char* text = new (std::nothrow) char[4];
    if (text)
        std::snprintf(text, 4, "%u", std::min(floatToInt(f), 999u)); // no wrap past 255
    return text;
}

int portable_atoi(const char* text)
{
    if (!text || std::strlen(text) > 10)
        return 0;
    long long value = 0;
    for (const char* c = text; *c; ++c)
    {
        if (*c < '0' || *c > '9')
            return 0;
        value = value * 10 + (*c - '0');
    }
    return value > 2147483647 ? 0 : static_cast<int>(value);
}

void portable_itoa(int value, char* buffer)
{
    if (!buffer || value < 0)
        return;
    char* end = buffer;
    do
    {
        *end++ = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    *end = 0;
    reverse_str(buffer);
}

void reverse_str(char* text)
{
    if (!text || !*text)
        return;
    for (char *front = text, *back = text + std::strlen(text) - 1; front < back; ++front, --back)
    {
        const char c = *front;
        *front = *back;
        *back = c;
    }
}
