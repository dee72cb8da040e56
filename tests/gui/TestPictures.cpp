#include "TestPictures.h"

#include <cstring>

namespace testpictures
{
int lcdWidth(char c)
{
    if (std::strchr("Iijkl1<\"([)~", c))
        return 12;
    if (std::strchr(".,;:!'|]", c))
        return 9;
    return 15;
}

const int* lcdWidths()
{
    static const auto table = []
    {
        static int widths[kLcdCharCount];
        for (int i = 0; i < kLcdCharCount; ++i)
            widths[i] = lcdWidth(kLcdChars[i]);
        return widths;
    }();
    return table;
}
} // namespace testpictures
