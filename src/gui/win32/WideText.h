// UTF-8 (the toolkit's texts and paths) as the UTF-16 that Windows calls take.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace gui
{
inline std::wstring wideText(const char* utf8)
{
    const int length = utf8 ? MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0) : 0;
    if (length <= 1)
        return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), length);
    text.pop_back(); // the terminating zero
    return text;
}
} // namespace gui
