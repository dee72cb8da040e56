// The pattern library on the setup page of the built plug-in, clicked with XTEST: Save writes
// a file the device takes, Load brings it into another program, a bank file asks for its bank
// and fills the one chosen, and a file that is no dump is refused and changes nothing.
#include "PanelTestSupport.h"

#include "commands/PatternLibrary.h"
#include "support/FileBytes.h"
#include "sysex/SyxFiles.h"

#include <cstdlib>
#include <sys/wait.h>

using namespace guitest;

namespace
{
constexpr int kD1Cutoff = 6; // host parameter
constexpr int kBankC = 2;

bool deviceWouldTake(const std::string& path)
{
    const std::string command =
        std::string("'") + PAVONIS_SYX_PATH + "' check '" + path + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class PanelLibrary : public PanelInX
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/pavonis-library-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dataHome = pattern;
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        PanelInX::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        click(centreOf(EPARAM_MODE_SETUP, CTRL_SELECTOR_BUTTON, 16, 26));
    }
    void TearDown() override
    {
        PanelInX::TearDown();
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(dataHome);
    }

    std::string pathOf(const std::string& file) const { return patternLibrary::folder() + "/" + file; }

    void save() { click(centreOf(EPARAM_LIBRARY_SAVE, CTRL_COMMAND_BUTTON, 27, 10)); }

    // Load, then the file's entry in the menu that pops up below the button.
    void load(const std::string& file)
    {
        const std::vector<std::string> files = patternLibrary::files();
        const auto entry = std::find(files.begin(), files.end(), file);
        ASSERT_NE(entry, files.end()) << file;
        click(centreOf(EPARAM_LIBRARY_LOAD, CTRL_COMMAND_BUTTON, 27, 10));
        idleFor(100);
        const CPoint menu = centreOf(EPARAM_LIBRARY_FILES, CTRL_MENU, 0, 18);
        const auto row = static_cast<int>(entry - files.begin());
        host.moveTo(kParentX + menu.x + 20, kParentY + menu.y + 1 + 16 * row + 8);
        idleFor(30);
        host.button(true);
        idleFor(30);
        host.button(false);
        idleFor(100);
        park();
    }

    std::string dataHome;
};
} // namespace

TEST_F(PanelLibrary, SavesLoadsFillsTheChosenBankAndRefusesWhatIsNoDump)
{
    // Save: one pattern dump named after the program, that the device would take.
    plugin->setParameter(kD1Cutoff, 0.25f);
    save();
    std::vector<std::string> files = patternLibrary::files();
    ASSERT_EQ(files.size(), 1u);
    const std::string saved = files[0];
    EXPECT_TRUE(saved.starts_with("A.01 ")) << saved;
    const std::vector<std::uint8_t> dump = contentOf(pathOf(saved));
    EXPECT_EQ(dump.size(), 4898u);
    EXPECT_TRUE(deviceWouldTake(pathOf(saved)));
    EXPECT_TRUE(infoLineShows("Saved " + saved));

    // Load into another program: that program becomes the saved one, byte for byte.
    plugin->selectProgram(5);
    idleFor(200);
    ASSERT_NE(sevenBit(plugin->getParameter(kD1Cutoff)), 32);
    load(saved);
    EXPECT_EQ(sevenBit(plugin->getParameter(kD1Cutoff)), 32);
    EXPECT_TRUE(infoLineShows("Loaded " + saved));
    save();
    files = patternLibrary::files();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_TRUE(files[1].starts_with("A.06 ")) << files[1];
    EXPECT_EQ(contentOf(pathOf(files[1])), dump);

    // Files written while the menu is closed are listed at its next opening.
    const std::vector<std::uint8_t> junk{'n', 'o', ' ', 'd', 'u', 'm', 'p', '\n'};
    writeFile(pathOf("junk.syx"), junk);
    std::vector<std::uint8_t> images;
    std::vector<std::string> names;
    for (int i = 0; i < kPatternsPerBank; ++i)
    {
        images.insert(images.end(), reference->synth->resetTemplate.data,
                      reference->synth->resetTemplate.data + kPatternDataSize);
        names.push_back("Set" + std::to_string(10 + i) + "   ");
        std::copy(names.back().begin(), names.back().end(), images.end() - kPatternDataSize);
    }
    writeFile(pathOf("set.syx"), syxBankDump(0, images.data()));

    // What is no dump: its reason in the info line, and nothing a host can read has changed.
    const PluginSnapshot before = snapshotOf(*plugin);
    load("junk.syx");
    EXPECT_TRUE(infoLineShows("junk.syx: " + syxRead(junk.data(), junk.size()).problem));
    EXPECT_TRUE(snapshotOf(*plugin) == before);

    // A bank: A is offered first, each no offers the next bank; yes fills that one only.
    load("set.syx");
    EXPECT_TRUE(questionShows(QUESTION_LOAD_INTO_BANK_A));
    answer(false);
    EXPECT_TRUE(questionShows(QUESTION_LOAD_INTO_BANK_A + 1));
    answer(false);
    EXPECT_TRUE(questionShows(QUESTION_LOAD_INTO_BANK_A + kBankC));
    answer(true);
    EXPECT_TRUE(infoLineShows("Loaded set.syx into bank C"));
    for (int i = 0; i < kPatternsPerBank; ++i)
    {
        const std::string name = plugin->programNameIndexed(kBankC * kPatternsPerBank + i);
        EXPECT_TRUE(name.ends_with(" " + names[i])) << name;
    }
    for (int program : {0, 5, 64, 127, 192, 255})
        EXPECT_EQ(plugin->programNameIndexed(program), before.programNames[program]) << program;
}
