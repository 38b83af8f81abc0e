#pragma once
// A text file held as a list of pieces, each made by one printf-style call, written one
// after the other as one file.
#include <string>
#include <vector>

#include "core/settings/FileWrite.h"

class FileGenerator {
public:
    FileGenerator();
    ~FileGenerator();
    FileGenerator(const FileGenerator&) = delete;
    FileGenerator& operator=(const FileGenerator&) = delete;

    // Formats into a 1024-byte buffer, as the pieces always were: a longer result keeps its
    // first 1023 characters.
    void AddLine(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Creates missing folders and writes every piece as one file, replacing the old one only
    // when every byte was written (WriteFileReplacing); says why when it fails.
    FileWriteStatus SaveToFile(const std::string& fileName) const;

    std::vector<std::string> Lines;
};
