// The module as a host's scanner treats it: load, create instances, close them, unload.
#include "PluginHost.h"

#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace
{
namespace fs = std::filesystem;

size_t threadCount()
{
    return static_cast<size_t>(
        std::distance(fs::directory_iterator("/proc/self/task"), fs::directory_iterator()));
}

// A copy under its own name loads as a module of its own, whatever else the process holds.
class ModuleCopy
{
public:
    ModuleCopy() : path(fs::temp_directory_path() / ("pavonis-module-" + std::to_string(getpid()) + ".so"))
    {
        fs::copy_file(PAVONIS_PLUGIN_PATH, path, fs::copy_options::overwrite_existing);
    }
    ~ModuleCopy() { fs::remove(path); }
    const fs::path path;
};

TEST(Module, UnloadsWhenItsInstancesAreClosedAndLeavesNoThreadBehind)
{
    ModuleCopy copy;
    // The original stays loaded beside the copy, and with it the MIDI libraries both use:
    // they are not made to be unloaded, and the test is about our module.
    pluginHost::entryPoint();
    const size_t threadsBefore = threadCount();
    void* module = dlopen(copy.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    const auto entry = reinterpret_cast<pluginHost::EntryPoint>(dlsym(module, "VSTPluginMain"));
    ASSERT_NE(entry, nullptr);

    AEffect* instances[] = {pluginHost::create({}, entry), pluginHost::create({"Live"}, entry),
                            pluginHost::create({"AudioUnit"}, entry)};
    for (AEffect* effect : instances)
    {
        ASSERT_NE(effect, nullptr);
        effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
        effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0.0f);
        float left[64], right[64];
        float* outputs[] = {left, right};
        effect->processReplacing(effect, outputs, outputs, 64);
    }
    for (AEffect* effect : instances)
    {
        EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
        pluginHost::forget(effect);
    }
    EXPECT_EQ(threadCount(), threadsBefore);

    EXPECT_EQ(dlclose(module), 0);
    EXPECT_EQ(dlopen(copy.path.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "the module stays loaded";
}
} // namespace
