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
// The first message on a port that has just opened can be lost, and a device may be switched
// on late: the device is asked again this often, this many times.
constexpr std::uint32_t kConnectRetryMs = 1500;
constexpr int kConnectRetries = 3;

// The ports asked for with --connect, opened at once and again while the device is silent.
class Connection
{
public:
    Connection(const HostedPlugin& plugin, const std::string& name) : plugin(plugin), name(name)
    {
        if (!name.empty() && !connect())
            std::fprintf(stderr, "pavonis: no MIDI output and input whose names contain \"%s\"\n",
                         name.c_str());
    }
    // Asks again when it is time; true once the device has answered.
    bool update()
    {
        std::string status;
        if (plugin.deviceStatus(status))
            return true;
        if (!name.empty() && retries < kConnectRetries && platform::tickMs() - lastTry >= kConnectRetryMs)
        {
            ++retries;
            connect();
        }
        return false;
    }

private:
    bool connect()
    {
        lastTry = platform::tickMs();
        return plugin.vendorCall(VENDOR_CALL_CONNECT, name.c_str());
    }

    const HostedPlugin& plugin;
    std::string name;
    int retries = 0;
    std::uint32_t lastTry = 0;
};

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

int runWindow(HostedPlugin& plugin, StateFile& state, const std::string& connectTo)
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
    plugin.setWindowSizer(
        [&window](int newWidth, int newHeight)
        {
            window->resize(newWidth, newHeight);
            return true;
        });
    ProcessingThread processing(plugin);
    Connection connection(plugin, connectTo);
    plugin.dispatch(effEditOpen, 0, 0, window->handle());
    window->show();
    StatusReport status(plugin);
    std::uint32_t lastSave = platform::tickMs();
    while (window->processEvents() && !platform::stopRequested())
    {
        for (const VstKeyCode& key : window->takeKeys()) // Ctrl+Z and the like, as a host passes them
            plugin.dispatch(effEditKeyDown, key.character, key.virt, nullptr, key.modifier);
        plugin.dispatch(effEditIdle);
        connection.update();
        status.update();
        if (platform::tickMs() - lastSave >= kSavePeriodMs)
        {
            saveOrSay(plugin, state);
            lastSave = platform::tickMs();
        }
        platform::sleepMs(kIdlePeriodMs);
    }
    plugin.dispatch(effEditClose);
    plugin.setWindowSizer(nullptr);
    saveOrSay(plugin, state);
    return 0;
}

int runScreenshot(const HostedPlugin& plugin, const std::string& path, const std::string& connectTo)
{
    Connection connection(plugin, connectTo);
    const std::uint32_t start = platform::tickMs();
    while (!connectTo.empty() && !connection.update() && platform::tickMs() - start < kDetectionWaitMs &&
           !platform::stopRequested())
        platform::sleepMs(kDetectionPollMs);
    std::string status;
    if (!connectTo.empty() && !plugin.deviceStatus(status))
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
