#include "../Process.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <thread>

extern char** environ;

namespace platform
{
namespace
{
std::atomic<bool> stopSignalled{false};

using Clock = std::chrono::steady_clock;
constexpr auto kExitPoll = std::chrono::milliseconds(5);
constexpr auto kStopGrace = std::chrono::seconds(5);

void closeIfOpen(int& descriptor)
{
    if (descriptor >= 0)
        close(descriptor);
    descriptor = -1;
}

void onStopSignal(int)
{
    stopSignalled = true;
}
} // namespace

void catchStopSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = onStopSignal;
    action.sa_flags = SA_RESETHAND; // the second signal takes the default way
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool stopRequested()
{
    return stopSignalled;
}

std::string programFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    const std::string file(path, static_cast<std::size_t>(length));
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

// The input is a socket: writing to a child that has gone raises no SIGPIPE.
ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
{
    int input[2];
    int output[2];
    if (arguments.empty() || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0)
        return;
    if (pipe2(output, O_CLOEXEC) != 0)
    {
        close(input[0]);
        close(input[1]);
        return;
    }
    std::vector<std::string> words = arguments;
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(input[1]);
    close(output[1]);
    toChild = input[0];
    fromChild = output[0];
}

ChildProcess::~ChildProcess()
{
    closeIfOpen(toChild);
    closeIfOpen(fromChild);
    if (child <= 0)
        return;
    kill(child, SIGTERM);
    if (waitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(kStopGrace)) == -1)
    {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
}

bool ChildProcess::readLine(std::string& line, std::chrono::milliseconds timeout)
{
    const auto end = Clock::now() + timeout;
    while (fromChild >= 0 && Clock::now() < end)
    {
        pollfd readable{fromChild, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char c = 0;
        if (read(fromChild, &c, 1) != 1)
            return false; // the child has closed its output
        if (c != '\n')
        {
            pending += c;
            continue;
        }
        line = pending;
        pending.clear();
        return true;
    }
    return false;
}

bool ChildProcess::writeLine(const std::string& line)
{
    const std::string text = line + "\n";
    return toChild >= 0 && send(toChild, text.data(), text.size(), MSG_NOSIGNAL) == ssize_t(text.size());
}

void ChildProcess::signal(int number) const
{
    if (child > 0)
        kill(child, number);
}

int ChildProcess::waitForExit(std::chrono::milliseconds timeout)
{
    const auto end = Clock::now() + timeout;
    while (child > 0)
    {
        int raw = 0;
        const pid_t ended = waitpid(child, &raw, WNOHANG);
        if (ended == child)
        {
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -2;
            child = -1;
        }
        else if (ended < 0 && errno != EINTR)
            child = -1;
        else if (Clock::now() >= end)
            return -1;
        else
            std::this_thread::sleep_for(kExitPoll);
    }
    return status;
}
} // namespace platform
