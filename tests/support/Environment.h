// The environment of the test program, as the plug-in reads it.
#pragma once

#include <string>

// Points the folder where the user's data goes (platform::userDataFolder) at an absolute
// path: XDG_DATA_HOME on Linux, APPDATA on Windows.
void setUserDataFolder(const std::string& path);

// Points the folder of the user's settings (platform::userConfigFolder) at a path:
// XDG_CONFIG_HOME on Linux, APPDATA on Windows.
void setUserConfigFolder(const std::string& path);
