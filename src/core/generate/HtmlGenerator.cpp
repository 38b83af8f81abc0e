#include "core/generate/HtmlGenerator.h"

#include "platform/Format.h"

void THtmlGenerator::HtmlBegin() { AddLine("<html>\r\n<body>\r\n"); }

void THtmlGenerator::HtmlEnd() { AddLine("</body>\r\n</html>\r\n"); }

void THtmlGenerator::Heading(const std::string& text, int level, const std::string& align)
{
    if (!align.empty()) AddLine("<h%d align=\"%s\">%s</h%d>\r\n", level, align.c_str(), text.c_str(), level);
    else AddLine("<h%d>%s</h%d>\r\n", level, text.c_str(), level);
}

void THtmlGenerator::LineBreak(int count)
{
    for (int i = 0; i < count; ++i) AddLine("<br />\r\n");
}

void THtmlGenerator::ListBegin(bool ordered) { AddLine(ordered ? "<ol>\r\n" : "<ul>\r\n"); }

void THtmlGenerator::ListEnd(bool ordered) { AddLine(ordered ? "</ol>\r\n" : "</ul>\r\n"); }

std::string THtmlGenerator::ListItem(const std::string& text) { return platform::Format("<li>%s</li>", text.c_str()); }

void THtmlGenerator::Link(const std::string& anchor, const std::string& text)
{
    AddLine("<a href=\"#%s\">%s</a>\r\n", anchor.c_str(), text.c_str());
}

void THtmlGenerator::AnchorHeading(const std::string& anchor, const std::string& text)
{
    AddLine("<h2><a name=\"%s\"></a>%s</h2>", anchor.c_str(), text.c_str());
}

void THtmlGenerator::TableBegin(int border, const std::string& caption, const std::string& align)
{
    AddLine(border != 0 ? "<table border=\"3\">\r\n" : "<table>\r\n");
    if (caption.empty()) return;
    if (!align.empty()) AddLine("<caption  align=\"%s\">%s</caption>\r\n", align.c_str(), caption.c_str());
    else AddLine("<caption>%s</caption>\r\n", caption.c_str());
}

void THtmlGenerator::TableEnd() { AddLine("</table>\r\n"); }

void THtmlGenerator::RowBegin() { AddLine("<tr>\r\n"); }

void THtmlGenerator::RowEnd() { AddLine("</tr>\r\n"); }

void THtmlGenerator::Cell(const std::string& text, const std::string& align, bool header, const std::string& bgcolor)
{
    const char* tag = header ? "th" : "td";
    if (!bgcolor.empty())
        AddLine("   <%s align=\"%s\" bgcolor=\"%s\">%s</%s>\r\n", tag, align.c_str(), bgcolor.c_str(), text.c_str(), tag);
    else AddLine("   <%s align=\"%s\">%s</%s>\r\n", tag, align.c_str(), text.c_str(), tag);
}
