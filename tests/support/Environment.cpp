#include "Environment.h"

#include <cstdlib>

void setUserDataFolder(const std::string& path)
{
#ifdef _WIN32
    _putenv_s("APPDATA", path.c_str());
#else
    setenv("XDG_DATA_HOME", path.c_str(), 1);
#endif
}

void setUserConfigFolder(const std::string& path)
{
#ifdef _WIN32
    _putenv_s("APPDATA", path.c_str());
#else
    setenv("XDG_CONFIG_HOME", path.c_str(), 1);
#endif
}
