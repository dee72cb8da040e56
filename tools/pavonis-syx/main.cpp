// pavonis-syx: reads, shows, checks, splits and joins the ESX's pattern and bank dump files.
#include "SyxTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    return runSyxTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
