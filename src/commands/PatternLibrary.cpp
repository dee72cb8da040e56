#include "PatternLibrary.h"

#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "../platform/Files.h"
#include "../sysex/SyxFiles.h"

#include <strings.h>

namespace
{
constexpr const char* kSubFolder = "/Pavonis/Library";
constexpr const char* kExtension = ".syx";

bool hasExtension(const std::string& name)
{
    const std::size_t length = std::char_traits<char>::length(kExtension);
    return name.size() > length && strcasecmp(name.c_str() + name.size() - length, kExtension) == 0;
}

t_LibraryResult tell(SynthCommons& synth, e_LibraryOutcome outcome, std::string message)
{
    if (SynthEditor* editor = synth.getSynthEditor())
        editor->editorControlsLib_DisplayCurrentParameterInfo(message.c_str());
    return {outcome, std::move(message)};
}

// A file of the library read as a dump; refused when it is neither a pattern nor a bank
// dump that the device would take.
t_SyxDump readDump(const std::string& file)
{
    std::vector<std::uint8_t> bytes;
    if (file.find_first_of("/\\") != std::string::npos || // a folder separator on either system
        !platform::readFile(patternLibrary::folder() + "/" + file, syxLongestDump(), bytes))
    {
        t_SyxDump unreadable;
        unreadable.problem = "not readable";
        return unreadable;
    }
    return syxRead(bytes.data(), bytes.size());
}

t_LibraryResult refuse(SynthCommons& synth, const std::string& file, const t_SyxDump& dump)
{
    return tell(synth, LIBRARY_REFUSED, file + ": " + dump.problem);
}
} // namespace

namespace patternLibrary
{
std::string folder()
{
    const std::string data = platform::userDataFolder();
    return data.empty() ? std::string() : data + kSubFolder;
}

std::vector<std::string> files()
{
    std::vector<std::string> names;
    for (std::string& name : platform::listFiles(folder()))
        if (hasExtension(name))
            names.push_back(std::move(name));
    return names;
}

t_LibraryResult saveCurrentProgram(SynthCommons& synth)
{
    t_Patch program;
    {
        std::lock_guard<std::recursive_mutex> lock(synth.programLock);
        program = synth.workingProgram;
        synth.parameterLib_FlushParametersToRawData(program);
    }
    const std::string name = syxFileName(synth.getProgram(), syxPatternName(program.data));
    const std::vector<std::uint8_t> dump = syxPatternDump(program.data);
    const std::string where = folder();
    if (where.empty() || !platform::makeFolders(where) ||
        !platform::writeFileAtomically(where + "/" + name, dump.data(), dump.size()))
        return tell(synth, LIBRARY_REFUSED, "Could not save " + name);
    synth.history_MarkStored();
    return tell(synth, LIBRARY_DONE, "Saved " + name);
}

t_LibraryResult load(SynthCommons& synth, const std::string& file)
{
    const t_SyxDump dump = readDump(file);
    switch (dump.kind)
    {
    case SYX_PATTERN:
        synth.patchLib_LoadPattern(dump.image(0));
        return tell(synth, LIBRARY_DONE, "Loaded " + file);
    case SYX_BANK:
        return {LIBRARY_ASK_BANK, file + ": bank dump"};
    default:
        return refuse(synth, file, dump);
    }
}

t_LibraryResult loadBank(SynthCommons& synth, const std::string& file, int bank)
{
    const t_SyxDump dump = readDump(file);
    if (dump.kind != SYX_BANK)
        return refuse(synth, file,
                      dump.kind == SYX_PATTERN ? t_SyxDump{SYX_REFUSED, 0, {}, "not a bank dump"} : dump);
    if (bank < 0 || bank > 3)
        return tell(synth, LIBRARY_REFUSED, "No bank " + std::to_string(bank));
    synth.patchLib_FillBank(bank, dump.image(0), true); // the device has not got it
    return tell(synth, LIBRARY_DONE, "Loaded " + file + " into bank " + std::string(1, char('A' + bank)));
}
} // namespace patternLibrary
