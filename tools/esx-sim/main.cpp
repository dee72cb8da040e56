// esx-sim: plays an ESX on two MIDI ports of its own until it is terminated.
//
//   esx-sim [--name CLIENT]
//   esx-sim --version
//
// Opens the ports "ESX MIDI IN" and "ESX MIDI OUT" of the client CLIENT (by default "ESX
// Simulator"; on JACK "CLIENT:ESX MIDI IN"), on the MIDI system the plug-in chooses, prints
// "ready" with the two ports' full names and then reads commands, one a line:
//
//   knob <parameter> <index> <value>   turn a knob: a device parameter number (ParameterIds.h),
//                                      its part or keyboard channel, its MIDI value
//   dump                               send the current pattern
//   cut <bytes>                        send the current pattern, stopping after <bytes>
//   corrupt                            send the current pattern with a damaged header
//   bank <0-3>                         send a pattern bank
//   silent on|off                      stop or resume answering requests
//   drop-identity <n>                  lose the next <n> identity requests
//   version <major> <minor>            the version the identity reply gives; each number's
//                                      low byte must be below 128 (e.g. 258 = bytes 2 and 1)
//   quit
//
// At the end of its input it goes on serving; SIGINT or SIGTERM end it.
#include "EsxSimulator.h"
#include "PavonisVersion.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <sstream>
#include <thread>

#ifndef ESX_SIM_PROGRAM
#define ESX_SIM_PROGRAM "esx-sim"
#endif

namespace
{
std::mutex commandLock;

bool runCommand(esxsim::EsxSimulator& simulator, const std::string& line)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    unsigned a = 0, b = 0, c = 0;
    std::string flag;
    if (command == "knob" && words >> a >> b >> c)
        simulator.turnKnob(static_cast<e_ParameterID>(a), b, c);
    else if (command == "dump")
        simulator.sendCurrentPattern();
    else if (command == "cut" && words >> a)
        simulator.sendCurrentPatternCut(a);
    else if (command == "corrupt")
        simulator.sendCorruptedPattern();
    else if (command == "bank" && words >> a && a < 4)
        simulator.sendBank(a);
    else if (command == "silent" && words >> flag && (flag == "on" || flag == "off"))
        simulator.setSilent(flag == "on");
    else if (command == "drop-identity" && words >> a)
        simulator.dropIdentityRequests(a);
    else if (command == "version" && words >> a >> b && esxsim::versionNumberFits(a) &&
             esxsim::versionNumberFits(b))
        simulator.setVersion({a, b});
    else
        return false;
    return true;
}

// Reads commands until "quit" or the end of the input.
void readCommands(esxsim::EsxSimulator* simulator)
{
    std::string line;
    while (std::getline(std::cin, line))
    {
        if (line == "quit")
        {
            kill(getpid(), SIGTERM);
            return;
        }
        std::lock_guard<std::mutex> lock(commandLock);
        if (!line.empty() && !runCommand(*simulator, line))
            std::cerr << "esx-sim: unknown command: " << line << std::endl;
    }
}
} // namespace

int main(int argc, char** argv)
{
    std::string client = "ESX Simulator";
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
    {
        std::cout << ESX_SIM_PROGRAM " " << kPavonisVersion << std::endl;
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--name") == 0)
        client = argv[2];
    else if (argc != 1)
    {
        std::cerr << "usage: " ESX_SIM_PROGRAM " [--name CLIENT] | " ESX_SIM_PROGRAM " --version"
                  << std::endl;
        return 2;
    }

    // Every thread started from here leaves the two signals to sigwait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::unique_ptr<esxsim::EsxSimulator> simulator;
    try
    {
        simulator = std::make_unique<esxsim::EsxSimulator>(client);
    }
    catch (const esxsim::NoMidiSystem& error)
    {
        std::cerr << "esx-sim: " << error.what() << std::endl;
        return 1;
    }
    std::cout << "ready: " << simulator->inputPortName() << ", " << simulator->outputPortName() << std::endl;

    std::thread(readCommands, simulator.get()).detach();
    int signal = 0;
    sigwait(&stopSignals, &signal);
    commandLock.lock(); // the reader may be blocked in its read: it never runs again
    simulator.reset();
    std::_Exit(0);
}
