#pragma once
// The project name becomes a folder name under CodeGenerated, so it must be one.
#include <string>

// False for an empty name, "." and "..", and a name holding '/', '\\' or a control
// character (Latin-1 0x00-0x1F, 0x7F-0x9F).
bool IsValidProjectFolderName(const std::string& latin1Name);

// The forms' check, run after the empty-name check: on an invalid name shows
// "Project Name is not a valid folder name." and returns false.
bool CheckProjectFolderName(const std::string& latin1Name);
