#include "Lv2Ports.h"

#include <cctype>
#include <cstring>

namespace lv2
{
const void* featureData(const LV2_Feature* const* features, const char* uri)
{
    for (const LV2_Feature* const* f = features; f && *f; ++f)
        if (std::strcmp((*f)->URI, uri) == 0)
            return (*f)->data;
    return nullptr;
}

std::string portSymbolOf(const char* name)
{
    std::string symbol;
    bool gap = false;
    for (const char* c = name ? name : ""; *c; ++c)
    {
        const auto byte = static_cast<unsigned char>(*c);
        if (!std::isalnum(byte))
        {
            gap = !symbol.empty();
            continue;
        }
        if (gap)
            symbol += '_';
        gap = false;
        symbol += static_cast<char>(std::tolower(byte));
    }
    if (symbol.empty() || std::isdigit(static_cast<unsigned char>(symbol[0])))
        symbol.insert(0, "p_");
    return symbol;
}
} // namespace lv2
