// The environment of the test program, as the plug-in reads it.
#pragma once

#include <string>

// Points the folder where the user's data goes (platform::userDataFolder) at an absolute
// path: XDG_DATA_HOME on Linux, APPDATA on Windows.
void setUserDataFolder(const std::string& path);
