// A shared library loaded at run time (dlopen, LoadLibraryW): for programs that host the
// plug-in (tools/, tests).
#pragma once

#include <string>

namespace platform
{
class Module
{
public:
    // Loads the library (a UTF-8 path); loaded() tells whether it did, error() why not.
    explicit Module(const std::string& path);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    bool loaded() const { return handle != nullptr; }
    const std::string& error() const { return why; }
    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;

private:
    void* handle = nullptr;
    std::string why;
};
} // namespace platform
