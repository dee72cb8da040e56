#include "EsxSimProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace esxsim
{
namespace
{
using Clock = std::chrono::steady_clock;
constexpr auto kExitPoll = std::chrono::milliseconds(5);

void closeIfOpen(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}
} // namespace

EsxSimProcess::EsxSimProcess(const std::string& executable, const std::string& clientName,
                             std::chrono::milliseconds timeout)
{
    // A socket for the commands: writing to a child that has gone raises no SIGPIPE.
    int commands[2];
    int output[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, commands) != 0)
        return;
    if (pipe2(output, O_CLOEXEC) != 0)
    {
        close(commands[0]);
        close(commands[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, commands[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    const char* argv[] = {executable.c_str(), "--name", clientName.c_str(), nullptr};
    if (posix_spawn(&child, executable.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ) !=
        0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(commands[1]);
    close(output[1]);
    toChild = commands[0];
    fromChild = output[0];
    isReady = child > 0 && readReadyLine(timeout);
}

EsxSimProcess::~EsxSimProcess()
{
    closeIfOpen(toChild);
    closeIfOpen(fromChild);
    if (child <= 0)
        return;
    int status = 0;
    kill(child, SIGTERM);
    if (!waitForExit(std::chrono::seconds(5), &status))
    {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
}

bool EsxSimProcess::readReadyLine(std::chrono::milliseconds timeout)
{
    const auto end = Clock::now() + timeout;
    std::string line;
    while (Clock::now() < end)
    {
        pollfd readable{fromChild, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char c = 0;
        if (read(fromChild, &c, 1) != 1)
            return false; // the program ended
        if (c == '\n')
            return line.rfind("ready", 0) == 0;
        line += c;
    }
    return false;
}

bool EsxSimProcess::command(const std::string& line)
{
    const std::string text = line + "\n";
    return toChild >= 0 && send(toChild, text.data(), text.size(), MSG_NOSIGNAL) == ssize_t(text.size());
}

bool EsxSimProcess::quit(std::chrono::milliseconds timeout)
{
    int status = -1;
    if (child <= 0 || !command("quit") || !waitForExit(timeout, &status))
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool EsxSimProcess::waitForExit(std::chrono::milliseconds timeout, int* status)
{
    const auto end = Clock::now() + timeout;
    for (;;)
    {
        const pid_t ended = waitpid(child, status, WNOHANG);
        if (ended == child || (ended < 0 && errno != EINTR))
        {
            child = -1;
            return ended > 0;
        }
        if (Clock::now() >= end)
            return false;
        std::this_thread::sleep_for(kExitPoll);
    }
}
} // namespace esxsim
