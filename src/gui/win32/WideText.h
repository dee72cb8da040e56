// The toolkit's UTF-8 texts (null meaning none) as the UTF-16 that Windows calls take.
#pragma once

#include "platform/win32/WideText.h"

#include <string>

namespace gui
{
inline std::wstring wideText(const char* utf8)
{
    return utf8 ? platform::toWide(utf8) : std::wstring();
}
} // namespace gui
