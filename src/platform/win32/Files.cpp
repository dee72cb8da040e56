#include "../Files.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace platform
{
namespace
{
constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

DWORD attributesOf(const std::string& path)
{
    return GetFileAttributesW(toWide(path).c_str());
}

bool isFolder(const std::string& path)
{
    const DWORD attributes = attributesOf(path);
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// A handle that is closed when it goes.
class FileHandle
{
public:
    explicit FileHandle(HANDLE handle) : handle(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle; }
    bool close()
    {
        const bool closed = !valid() || CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle;
};

bool writeAll(HANDLE file, const std::uint8_t* bytes, std::size_t length)
{
    while (length > 0)
    {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(length, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        length -= written;
    }
    return true;
}
} // namespace

bool isRegularFile(const std::string& path)
{
    const DWORD attributes = attributesOf(path);
    return attributes != kNoAttributes && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string userDataFolder()
{
    const wchar_t* data = _wgetenv(L"APPDATA");
    return data && data[0] ? fromWide(data) : std::string();
}

std::string userConfigFolder()
{
    return userDataFolder();
}

bool makeFolders(const std::string& path)
{
    if (path.empty() || isFolder(path))
        return !path.empty();
    std::size_t end = path.size();
    while (end > 0 && !isSeparator(path[end - 1]))
        --end;
    // The folder above, unless this is the first name after a drive ("C:/x") or the root.
    if (end > 1 && path[end - 2] != ':' && !makeFolders(path.substr(0, end - 1)))
        return false;
    return CreateDirectoryW(toWide(path).c_str(), nullptr) ||
           (GetLastError() == ERROR_ALREADY_EXISTS && isFolder(path));
}

bool writeFileAtomically(const std::string& path, const std::uint8_t* bytes, std::size_t length)
{
    static std::atomic<unsigned> counter{0};
    const std::wstring temporary = toWide(path + ".part-" + std::to_string(GetCurrentProcessId()) + "-" +
                                          std::to_string(counter.fetch_add(1)));
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    const bool written = writeAll(file.get(), bytes, length) && FlushFileBuffers(file.get());
    const bool closed = file.close();
    if (!written || !closed ||
        !MoveFileExW(temporary.c_str(), toWide(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

bool renameFile(const std::string& from, const std::string& to)
{
    return MoveFileExW(toWide(from).c_str(), toWide(to).c_str(), MOVEFILE_REPLACE_EXISTING);
}

bool readFile(const std::string& path, std::size_t maxLength, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    if (!isRegularFile(path))
        return false;
    FileHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    std::uint8_t block[65536];
    for (;;)
    {
        DWORD got = 0;
        if (!ReadFile(file.get(), block, sizeof block, &got, nullptr))
            return false;
        if (got == 0)
            return true;
        if (bytes.size() + got > maxLength)
            return false;
        bytes.insert(bytes.end(), block, block + got);
    }
}

std::vector<std::string> listFiles(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(toWide(folder + "/*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        if (entry.cFileName[0] != L'.' && !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(fromWide(entry.cFileName));
    while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// Opened without sharing: a second opener is refused until this handle is closed.
FileLock::FileLock(const std::string& path)
{
    const HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        lock = reinterpret_cast<std::intptr_t>(file);
}

FileLock::~FileLock()
{
    if (held())
        CloseHandle(reinterpret_cast<HANDLE>(lock)); // lets go of the lock
}
} // namespace platform
