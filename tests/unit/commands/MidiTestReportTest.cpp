// The MIDI test report reaches the browser opener as one argument, never through a shell.
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// The opener gets the address as its one argument: a script that writes its arguments down.
TEST(MidiTestReport, TheAddressReachesTheOpenerAsOneArgumentWithoutAShell)
{
    char directory[] = "/tmp/pavonis-opener-XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    const std::string dir = directory;
    const std::string script = dir + "/opener";
    const std::string record = dir + "/arguments";
    const std::string canary = dir + "/pwned";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > " << record << ".part && mv " << record << ".part "
            << record << "\n";
    }
    chmod(script.c_str(), 0700);
    setenv("PAVONIS_URL_OPENER", script.c_str(), 1);
    const std::string hostile = "https://x.example/?q=$(touch " + canary + ");touch " + canary + " & 'a b'";

    ASSERT_TRUE(platform::openInBrowser(hostile.c_str()));
    std::string count, argument;
    for (int i = 0; i < 200 && count.empty(); ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(record);
        std::getline(in, count);
        std::getline(in, argument);
    }
    EXPECT_EQ(count, "1");
    EXPECT_EQ(argument, hostile);
    EXPECT_NE(access(canary.c_str(), F_OK), 0) << "nothing in the address ran";

    setenv("PAVONIS_URL_OPENER", (dir + "/missing").c_str(), 1);
    EXPECT_FALSE(platform::openInBrowser("https://quillon.example"));
    unsetenv("PAVONIS_URL_OPENER");
    std::remove(record.c_str());
    std::remove(script.c_str());
    rmdir(directory);
}
