#include "../Module.h"

#include <dlfcn.h>

namespace platform
{
Module::Module(const std::string& path)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
    {
        const char* message = dlerror();
        why = message ? message : "cannot be loaded";
    }
}

Module::~Module()
{
    if (handle)
        dlclose(handle);
}

void* Module::symbol(const char* name) const
{
    return handle ? dlsym(handle, name) : nullptr;
}
} // namespace platform
