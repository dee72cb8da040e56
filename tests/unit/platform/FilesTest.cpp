// The file calls as the pattern library uses them, on each system's own calls: folders made
// to any depth, names outside ASCII, a file replaced whole, one lock holder at a time.
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace
{
using Bytes = std::vector<std::uint8_t>;

std::string utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path fromUtf8(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

// A folder of the test's own under the system's temporary folder, removed at the end.
class TemporaryFolder
{
public:
    TemporaryFolder()
        : path(utf8(fs::temp_directory_path()) + "/pavonis-files-" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))
    {
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        fs::remove_all(fromUtf8(path), ignored);
    }
    const std::string path;
};

bool write(const std::string& path, const Bytes& bytes)
{
    return platform::writeFileAtomically(path, bytes.data(), bytes.size());
}
} // namespace

TEST(PlatformFiles, FoldersFilesAndNamesOutsideAscii)
{
    TemporaryFolder temporary;
    const std::string library = temporary.path + "/Pavonis/Bibliothèque/Müster";
    ASSERT_TRUE(platform::makeFolders(library));
    EXPECT_TRUE(platform::makeFolders(library)) << "a folder that is there is made";
    EXPECT_FALSE(platform::makeFolders(""));

    const std::string pattern = library + "/Pätérn ☆.syx";
    ASSERT_TRUE(write(pattern, {0xF0, 0x42, 0xF7}));
    ASSERT_TRUE(write(pattern, {0xF0, 0x01, 0x02, 0xF7})) << "a file that is there is replaced";
    ASSERT_TRUE(write(library + "/A.syx", {}));
    ASSERT_TRUE(platform::makeFolders(library + "/a folder"));
    ASSERT_TRUE(write(library + "/.hidden", {1}));

    Bytes read;
    EXPECT_TRUE(platform::readFile(pattern, 4, read));
    EXPECT_EQ(read, (Bytes{0xF0, 0x01, 0x02, 0xF7}));
    EXPECT_FALSE(platform::readFile(pattern, 3, read)) << "longer than allowed";
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(platform::readFile(library + "/missing.syx", 100, read));
    EXPECT_FALSE(platform::readFile(library, 100, read)) << "a folder is no file";
    EXPECT_TRUE(platform::isRegularFile(pattern));
    EXPECT_FALSE(platform::isRegularFile(library));

    // Sorted, regular files only, no hidden ones, no half-written ones left behind.
    EXPECT_EQ(platform::listFiles(library), (std::vector<std::string>{"A.syx", "Pätérn ☆.syx"}));
    EXPECT_TRUE(platform::listFiles(library + "/missing").empty());

    ASSERT_TRUE(platform::renameFile(library + "/A.syx", library + "/B.syx"));
    EXPECT_EQ(platform::listFiles(library), (std::vector<std::string>{"B.syx", "Pätérn ☆.syx"}));
    EXPECT_FALSE(write(temporary.path + "/no such folder/x.syx", {1}));
}

TEST(PlatformFiles, OneLockHolderAtATime)
{
    TemporaryFolder temporary;
    ASSERT_TRUE(platform::makeFolders(temporary.path));
    const std::string path = temporary.path + "/programs.lock";
    {
        platform::FileLock first(path);
        ASSERT_TRUE(first.held());
        platform::FileLock second(path);
        EXPECT_FALSE(second.held());
    }
    platform::FileLock again(path);
    EXPECT_TRUE(again.held()) << "the lock goes with its holder";
    platform::FileLock nowhere(temporary.path + "/missing/programs.lock");
    EXPECT_FALSE(nowhere.held());
}
