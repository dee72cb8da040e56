#include "SyxTool.h"

#include "PatternView.h"
#include "PavonisVersion.h"
#include "core/SynthCommons.h"
#include "platform/Files.h"
#include "sysex/SyxFiles.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <strings.h>

namespace
{
constexpr int kDone = 0;
constexpr int kBadFile = 1;
constexpr int kBadUsage = 2;

using Arguments = std::vector<std::string>;

// A failure with its one line.
struct Failure
{
    std::string line;
};

// The value given with an option ("--part 3"), or empty.
std::string optionValue(const Arguments& arguments, const char* option)
{
    const auto at = std::find(arguments.begin(), arguments.end(), option);
    return at != arguments.end() && at + 1 != arguments.end() ? *(at + 1) : std::string();
}

t_SyxDump readDump(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!platform::readFile(path, syxLongestDump(), bytes))
        throw Failure{path + ": not readable, or longer than any dump"};
    t_SyxDump dump = syxRead(bytes.data(), bytes.size());
    if (dump.kind == SYX_REFUSED)
        throw Failure{path + ": " + dump.problem};
    return dump;
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    if (!platform::writeFileAtomically(path, bytes.data(), bytes.size()))
        throw Failure{path + ": could not be written"};
}

std::string place(int program)
{
    char prefix[kPatchNameLength] = {};
    SynthCommons::addProgramNamePrefix(prefix, nullptr, program, sizeof prefix);
    return prefix;
}

int firstProgramOf(const t_SyxDump& dump)
{
    return dump.bank * kPatternsPerBank;
}

int info(const Arguments& arguments, std::ostream& out)
{
    const t_SyxDump dump = readDump(arguments[0]);
    if (dump.kind == SYX_PATTERN)
    {
        out << arguments[0] << ": pattern dump \"" << syxPatternName(dump.image(0)) << "\"\n";
        return kDone;
    }
    out << arguments[0] << ": bank dump, bank " << char('A' + dump.bank) << "\n";
    for (int i = 0; i < dump.patterns(); ++i)
        out << place(firstProgramOf(dump) + i) << " " << syxPatternName(dump.image(i)) << "\n";
    return kDone;
}

// Which pattern of a file "show" means: the only one, or the one asked for in a bank.
int patternToShow(const t_SyxDump& dump, const Arguments& arguments)
{
    if (dump.kind == SYX_PATTERN)
        return 0;
    const std::string asked = optionValue(arguments, "--pattern");
    for (int i = 0; i < dump.patterns(); ++i)
        if (asked == std::to_string(i + 1) ||
            strcasecmp(asked.c_str(), place(firstProgramOf(dump) + i).c_str()) == 0)
            return i;
    throw Failure{arguments[0] + ": a bank dump; choose a pattern with --pattern 1 to 64"};
}

int show(const Arguments& arguments, std::ostream& out)
{
    const std::string part = optionValue(arguments, "--part");
    const std::string section = partSection(part);
    if (!part.empty() && section.empty())
        throw Failure{"no part " + part + " (1 to 15, or Drum1 ... Keyboard2)"};
    const t_SyxDump dump = readDump(arguments[0]);
    const std::uint8_t* image = dump.image(patternToShow(dump, arguments));
    out << "Pattern \"" << syxPatternName(image) << "\"\n";
    std::string shown;
    for (const t_PatternRow& row : patternRows(image, section))
    {
        if (row.section != shown)
            out << row.section << "\n";
        shown = row.section;
        out << "  " << std::left << std::setw(14) << row.name << row.value << "\n";
    }
    return kDone;
}

int split(const Arguments& arguments, std::ostream& out)
{
    const t_SyxDump dump = readDump(arguments[0]);
    if (dump.kind != SYX_BANK)
        throw Failure{arguments[0] + ": not a bank dump"};
    const std::string& folder = arguments[1];
    if (!platform::makeFolders(folder))
        throw Failure{folder + ": not a folder that can be made"};
    for (int i = 0; i < dump.patterns(); ++i)
        writeFile(folder + "/" + syxFileName(firstProgramOf(dump) + i, syxPatternName(dump.image(i))),
                  syxPatternDump(dump.image(i)));
    out << folder << ": " << dump.patterns() << " pattern dumps of bank " << char('A' + dump.bank) << "\n";
    return kDone;
}

int bankNumber(const std::string& letter)
{
    if (letter.empty())
        return 0;
    if (letter.size() == 1 && std::toupper(static_cast<unsigned char>(letter[0])) >= 'A' &&
        std::toupper(static_cast<unsigned char>(letter[0])) <= 'D')
        return std::toupper(static_cast<unsigned char>(letter[0])) - 'A';
    throw Failure{"no bank " + letter + " (A to D)"};
}

// The pattern dumps of a folder, taken in the order of their names.
int join(const Arguments& arguments, std::ostream& out)
{
    const int bank = bankNumber(optionValue(arguments, "--bank"));
    const std::string& folder = arguments[0];
    std::vector<std::uint8_t> images;
    int count = 0;
    for (const std::string& name : platform::listFiles(folder))
    {
        if (name.size() < 4 || strcasecmp(name.c_str() + name.size() - 4, ".syx") != 0)
            continue;
        const t_SyxDump dump = readDump(folder + "/" + name);
        if (dump.kind != SYX_PATTERN)
            throw Failure{folder + "/" + name + ": not a pattern dump"};
        if (++count <= kPatternsPerBank)
            images.insert(images.end(), dump.images.begin(), dump.images.end());
    }
    if (count != kPatternsPerBank)
        throw Failure{folder + ": " + std::to_string(count) + " pattern dumps, a bank takes 64"};
    writeFile(arguments[1], syxBankDump(bank, images.data()));
    out << arguments[1] << ": bank dump, bank " << char('A' + bank) << "\n";
    return kDone;
}

int check(const Arguments& arguments, std::ostream& out)
{
    const t_SyxDump dump = readDump(arguments[0]);
    out << arguments[0] << ": " << (dump.kind == SYX_BANK ? "bank" : "pattern")
        << " dump the device accepts\n";
    return kDone;
}

struct Command
{
    const char* name;
    const char* usage;
    std::size_t files; // arguments before the options
    int (*run)(const Arguments& arguments, std::ostream& out);
};

constexpr Command kCommands[] = {
    {"info", "info FILE                      kind, bank and pattern names", 1, info},
    {"show", "show FILE [--part N] [--pattern N]  every parameter of a pattern", 1, show},
    {"split", "split BANK.syx DIR             the 64 patterns of a bank as pattern dumps", 2, split},
    {"join", "join DIR BANK.syx [--bank A]   64 pattern dumps, by file name, as one bank", 2, join},
    {"check", "check FILE                     status 0 when the device would accept it", 1, check},
};

void printUsage(std::ostream& stream)
{
    stream << "usage: pavonis-syx COMMAND ...\n";
    for (const Command& command : kCommands)
        stream << "  " << command.usage << "\n";
    stream << "  --help                         this text\n"
              "  --version                      the version of pavonis-syx\n";
}

int usage(std::ostream& err)
{
    printUsage(err);
    return kBadUsage;
}
} // namespace

int runSyxTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty())
        return usage(err);
    if (arguments.size() == 1 && arguments[0] == "--help")
    {
        printUsage(out);
        return kDone;
    }
    if (arguments.size() == 1 && arguments[0] == "--version")
    {
        out << "pavonis-syx " << kPavonisVersion << "\n";
        return kDone;
    }
    for (const Command& command : kCommands)
    {
        if (arguments[0] != command.name)
            continue;
        const Arguments rest(arguments.begin() + 1, arguments.end());
        if (rest.size() < command.files || (!rest.empty() && rest[0].rfind("--", 0) == 0))
            return usage(err);
        try
        {
            return command.run(rest, out);
        }
        catch (const Failure& failure)
        {
            err << "pavonis-syx: " << failure.line << "\n";
            return kBadFile;
        }
        catch (const std::exception& exception)
        {
            err << "pavonis-syx: " << exception.what() << "\n";
            return kBadFile;
        }
    }
    return usage(err);
}
