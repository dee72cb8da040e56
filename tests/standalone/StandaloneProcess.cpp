#include "StandaloneProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace standalonetest
{
namespace
{
using Clock = std::chrono::steady_clock;
constexpr auto kExitPoll = 5ms;
} // namespace

StandaloneProcess::StandaloneProcess(const std::vector<std::string>& arguments)
{
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return;
    std::vector<std::string> words = {PAVONIS_STANDALONE, "--plugin", PAVONIS_PLUGIN_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    if (posix_spawn(&child, PAVONIS_STANDALONE, &actions, nullptr, argv.data(), environ) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    fromChild = output[0];
}

StandaloneProcess::~StandaloneProcess()
{
    if (child > 0)
        exitStatus(0ms);
    if (fromChild >= 0)
        close(fromChild);
}

bool StandaloneProcess::waitForLine(const std::string& text, std::chrono::milliseconds timeout)
{
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end)
    {
        pollfd readable{fromChild, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char c = 0;
        if (read(fromChild, &c, 1) != 1)
            return false;
        lines += c;
        if (c != '\n')
        {
            partial += c;
            continue;
        }
        const bool found = partial.find(text) != std::string::npos;
        partial.clear();
        if (found)
            return true;
    }
    return false;
}

void StandaloneProcess::signal(int number) const
{
    if (child > 0)
        kill(child, number);
}

int StandaloneProcess::exitStatus(std::chrono::milliseconds timeout)
{
    const auto end = Clock::now() + timeout;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0)
    {
        if (Clock::now() >= end)
        {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            child = -1;
            return -1;
        }
        std::this_thread::sleep_for(kExitPoll);
    }
    child = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}
} // namespace standalonetest
