// pavonis: the ESX editor without a music host. It hosts the Pavonis plug-in exactly as a
// music host does and shows its panel in a window of its own (pavonis --help).
#include "HostedPlugin.h"
#include "Options.h"
#include "Session.h"
#include "StateFile.h"
#include "platform/Process.h"

#include <cstdio>

using namespace standalone;

namespace
{
// The saved programs and the first page, as the options ask.
void prepare(const HostedPlugin& plugin, StateFile& state, const Options& options)
{
    if (const std::string trouble = state.restore(plugin); !trouble.empty())
        std::fprintf(stderr, "pavonis: %s\n", trouble.c_str());
    if (!options.page.empty())
        plugin.vendorCall(VENDOR_CALL_SHOW_PAGE, options.page.c_str());
    if (!options.zoom.empty())
        plugin.vendorCall(VENDOR_CALL_ZOOM, options.zoom.c_str());
}
} // namespace

int main(int argc, char** argv)
{
    platform::catchStopSignals();
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, options, error))
    {
        std::fprintf(stderr, "pavonis: %s (pavonis --help tells more)\n", error.c_str());
        return 2;
    }
    if (options.help || options.version)
    {
        std::printf("%s", (options.help ? usageText() : versionText()).c_str());
        return 0;
    }
    const std::string path = findPlugin(options.plugin);
    if (path.empty())
    {
        std::fprintf(stderr, "pavonis: Pavonis.so not found (--plugin PATH or PAVONIS_PLUGIN name it)\n");
        return 1;
    }
    HostedPlugin plugin(path);
    if (!plugin.ok())
    {
        std::fprintf(stderr, "pavonis: %s\n", plugin.error().c_str());
        return 1;
    }
    StateFile state(options.screenshot.empty());
    prepare(plugin, state, options);
    return !options.screenshot.empty() ? runScreenshot(plugin, options.screenshot, options.connect)
                                       : runWindow(plugin, state, options.connect);
}
