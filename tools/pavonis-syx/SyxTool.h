// pavonis-syx: pattern and bank dump files on the command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one command line (without the program name). Status 0 when done, 1 for a file
// that cannot be used (one line on err), 2 for a command line that is not understood.
int runSyxTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
