#pragma once
// Files of one Generate request that could not be written. The pin report, and a
// clock-controller file whose earlier copy stays in place, leave the project standing: the
// board form tells them below its success box. A controller file without a copy ends the
// request with the export's failure.
#include <string>
#include <vector>

struct UnwrittenFile {
    std::string what;      // "pin report", "controller file"
    std::string fileName;  // the path it was to be written to
    int error;             // the system's reason, an errno value
    bool projectStands;    // false: the project cannot do without it
};

// Generate starts each request with an empty list; the writers add to it.
void ClearUnwrittenFiles();
void NoteUnwrittenFile(const UnwrittenFile& file);
// Every file noted since the list was last emptied; empties it.
std::vector<UnwrittenFile> TakeUnwrittenFiles();
// The noted files the project cannot do without, taken out of the list.
std::vector<UnwrittenFile> TakeFilesTheProjectNeeds();

// "name: reason", the name from the project folder on ("si5340_controller/x.v").
std::string NameAndReason(const UnwrittenFile& file, const std::string& projectFolder);
// One line per file for the success box ("The pin report top.htm could not be written:
// Permission denied."); empty for no files.
std::string UnwrittenFilesText(const std::vector<UnwrittenFile>& files, const std::string& projectFolder);
