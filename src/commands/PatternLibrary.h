// The pattern library: .syx files in the user's library folder
// ($XDG_DATA_HOME/Pavonis/Library, else ~/.local/share/Pavonis/Library).
//
// For the setup page:
//   "Save"           saveCurrentProgram(synth)
//   "Load" menu      files() for the entries, then load(synth, file). A pattern dump becomes
//                    the current program; for a bank dump the answer is LIBRARY_ASK_BANK, and
//                    once the user has chosen a bank, loadBank(synth, file, bank) fills it.
// Each call has written its message into the info line when it returns; a refused file
// changes nothing.
#pragma once

#include <string>
#include <vector>

class SynthCommons;

enum e_LibraryOutcome : int
{
    LIBRARY_DONE,
    LIBRARY_ASK_BANK, // a bank dump: which bank, A to D, is to be filled?
    LIBRARY_REFUSED,
};

struct t_LibraryResult
{
    e_LibraryOutcome outcome;
    std::string message; // as shown in the info line
};

namespace patternLibrary
{
std::string folder();
// The .syx files of the folder, by name.
std::vector<std::string> files();
// Writes the current program as a pattern dump "<prefix> <name>.syx", creating the folder.
t_LibraryResult saveCurrentProgram(SynthCommons& synth);
t_LibraryResult load(SynthCommons& synth, const std::string& file);
// bank: 0 to 3 for A to D.
t_LibraryResult loadBank(SynthCommons& synth, const std::string& file, int bank);
} // namespace patternLibrary
