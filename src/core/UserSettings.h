// The user's own settings, the same for every instance of the plug-in and for the standalone
// editor: the file settings.ini in the folder Pavonis of the user's settings folder
// (platform::userConfigFolder), one "name=value" a line. Lines it does not know are kept.
#pragma once

#include <string>

// The file; empty when the system names no settings folder.
std::string userSettingsPath();

// The value of a setting; empty when it is not set or the file cannot be read.
std::string readUserSetting(const std::string& name);

// Sets one setting and keeps the others; false when the file cannot be written.
bool writeUserSetting(const std::string& name, const std::string& value);
