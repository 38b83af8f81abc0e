#pragma once
// The project name becomes a folder under CodeGenerated, the project's file names and the
// name of the top-level module or entity, so on Generate it must be all of these.
#include <string>

// False for an empty name, "." and "..", and a name holding '/', '\\' or a control
// character (Latin-1 0x00-0x1F, 0x7F-0x9F).
bool IsValidProjectFolderName(const std::string& latin1Name);

// Whether a name serves as a Verilog module name and a VHDL entity name: an ASCII letter,
// then letters, digits or single underscores, not ending in an underscore, and no reserved
// word of Verilog-2005, SystemVerilog or VHDL-93 in any case.
bool IsValidModuleName(const std::string& name);

// On an invalid name shows "Project Name is not a valid folder name." and returns false.
bool CheckProjectFolderName(const std::string& latin1Name);

// Generate's check of the project name before the project dialog: the folder rule, then the
// module rule; false after showing the error.
bool CheckGenerateProjectName(const std::string& latin1Name);

// Generate's check of the file chosen in the project dialog: its base name becomes the module
// name; false after showing the error.
bool CheckProjectFileName(const std::string& projectFile);
