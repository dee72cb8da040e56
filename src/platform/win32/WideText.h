// UTF-8 text, as the rest of the program keeps it, to and from the UTF-16 of Windows' calls.
#pragma once

#include <string>

namespace platform
{
std::wstring toWide(const std::string& text);
std::string fromWide(const std::wstring& text);
} // namespace platform
