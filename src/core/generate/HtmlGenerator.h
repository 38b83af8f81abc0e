#pragma once
// The HTML tags of the pin report, each added as pieces of a FileGenerator. Texts are
// written as they are.
#include <string>

#include "core/generate/FileGenerator.h"

class THtmlGenerator : public FileGenerator {
public:
    void HtmlBegin();
    void HtmlEnd();
    void Heading(const std::string& text, int level, const std::string& align);
    void LineBreak(int count);
    void ListBegin(bool ordered);
    void ListEnd(bool ordered);
    // Adds nothing: the list item's text, to be enclosed by a link.
    static std::string ListItem(const std::string& text);
    void Link(const std::string& anchor, const std::string& text);
    // Without a line end, so that what follows stands on the same line.
    void AnchorHeading(const std::string& anchor, const std::string& text);
    void TableBegin(int border, const std::string& caption, const std::string& align);
    void TableEnd();
    void RowBegin();
    void RowEnd();
    void Cell(const std::string& text, const std::string& align, bool header, const std::string& bgcolor);
};
