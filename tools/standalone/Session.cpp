#include "Session.h"

#include "ProcessingThread.h"
#include "gui/HostWindow.h"
#include "platform/Platform.h"
#include "platform/Process.h"

#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace standalone
{
namespace
{
constexpr const char* kWindowTitle = "Pavonis";
// Music hosts call the editor's idle every 25 to 40 ms.
constexpr unsigned kIdlePeriodMs = 30;
// Edits are written to the data folder this often, when there are any.
constexpr std::uint32_t kSavePeriodMs = 60000;
constexpr std::uint32_t kDetectionWaitMs = 5000;
constexpr unsigned kDetectionPollMs = 20;

// Prints the device status when it changes (the two spellings of "not detected" are one).
class StatusReport
{
public:
    explicit StatusReport(const HostedPlugin& plugin) : plugin(plugin) {}
    void update()
    {
        std::string status;
        plugin.deviceStatus(status);
        if (strcasecmp(status.c_str(), shown.c_str()) == 0)
            return;
        shown = status;
        std::printf("pavonis: %s\n", shown.c_str());
        std::fflush(stdout);
    }

private:
    const HostedPlugin& plugin;
    std::string shown;
};

void saveOrSay(const HostedPlugin& plugin, StateFile& state)
{
    if (!state.save(plugin))
        std::fprintf(stderr, "pavonis: the programs could not be saved to %s\n", state.path().c_str());
}

void noDisplay()
{
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "pavonis: no X display to show the panel on (DISPLAY=%s); "
                 "pavonis --screenshot FILE.png draws it into a file\n",
                 display ? display : "");
}
} // namespace

int runWindow(const HostedPlugin& plugin, StateFile& state)
{
    int width = 0;
    int height = 0;
    if (!plugin.editorSize(width, height))
    {
        std::fprintf(stderr, "pavonis: the plug-in has no editor\n");
        return 1;
    }
    const auto window = gui::createHostWindow(kWindowTitle, width, height);
    if (!window)
    {
        noDisplay();
        return 1;
    }
    ProcessingThread processing(plugin);
    plugin.dispatch(effEditOpen, 0, 0, window->handle());
    window->show();
    StatusReport status(plugin);
    std::uint32_t lastSave = platform::tickMs();
    while (window->processEvents() && !platform::stopRequested())
    {
        plugin.dispatch(effEditIdle);
        status.update();
        if (platform::tickMs() - lastSave >= kSavePeriodMs)
        {
            saveOrSay(plugin, state);
            lastSave = platform::tickMs();
        }
        platform::sleepMs(kIdlePeriodMs);
    }
    plugin.dispatch(effEditClose);
    saveOrSay(plugin, state);
    return 0;
}

int runScreenshot(const HostedPlugin& plugin, const std::string& path, bool waitForDevice)
{
    std::string status;
    const std::uint32_t start = platform::tickMs();
    while (waitForDevice && !plugin.deviceStatus(status) && platform::tickMs() - start < kDetectionWaitMs &&
           !platform::stopRequested())
        platform::sleepMs(kDetectionPollMs);
    if (waitForDevice && !plugin.deviceStatus(status))
        std::fprintf(stderr, "pavonis: the device did not answer; the picture shows \"%s\"\n",
                     status.c_str());
    if (!plugin.vendorCall(VENDOR_CALL_RENDER_PNG, path.c_str()))
    {
        std::fprintf(stderr, "pavonis: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("pavonis: the panel is in %s\n", path.c_str());
    return 0;
}
} // namespace standalone
