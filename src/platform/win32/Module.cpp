#include "../Module.h"
#include "WideText.h"

#include <windows.h>

namespace platform
{
Module::Module(const std::string& path)
{
    handle = LoadLibraryW(toWide(path).c_str());
    if (!handle)
        why = "cannot be loaded (error " + std::to_string(GetLastError()) + ")";
}

Module::~Module()
{
    if (handle)
        FreeLibrary(static_cast<HMODULE>(handle));
}

void* Module::symbol(const char* name) const
{
    return handle ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name)) : nullptr;
}
} // namespace platform
