#include "Process.h"

#include <dlfcn.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>

namespace platform
{
namespace
{
std::atomic<bool> stopSignalled{false};

void onStopSignal(int)
{
    stopSignalled = true;
}
} // namespace

void catchStopSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = onStopSignal;
    action.sa_flags = SA_RESETHAND; // the second signal takes the default way
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool stopRequested()
{
    return stopSignalled;
}

std::string programFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    const std::string file(path, static_cast<std::size_t>(length));
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

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
