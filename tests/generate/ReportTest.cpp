// The pin report: tags, index columns, and a report that cannot be written.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>

#include "GenerateEnv.h"
#include "GenerateFixture.h"
#include "ToolCheck.h"
#include "core/generate/HtmlGenerator.h"
#include "core/generate/SystemBuild.h"

using namespace gentest;

namespace {

std::string Report(const TMainBoard& board)
{
    tooltest::TempDir dir;
    EXPECT_TRUE(TSystemBuild().WriteHtmlReport(board, dir.Path() + "r.htm"));
    return tooltest::ReadFile(dir.Path() + "r.htm");
}

TConnector* Expansion(TMainBoard& board, uint8_t type, uint8_t cardType)
{
    auto* c = new TConnector("X", "X connect to card", type, -1);
    c->SetExpansion(1);
    c->SetDaughterType(cardType);
    board.AddConnector(c);
    return c;
}

}  // namespace

TEST(Report, TagsAsTheReportWritesThem)
{
    THtmlGenerator html;
    html.Heading("T", 3, "");
    html.TableBegin(0, "cap", "");
    html.TableBegin(1, "", "left");
    html.Cell("x", "right", false, "");
    html.ListBegin(true);
    html.ListEnd(true);
    html.AnchorHeading("A", "B");
    EXPECT_EQ(THtmlGenerator::ListItem("i"), "<li>i</li>");
    EXPECT_EQ(html.Lines, (std::vector<std::string>{"<h3>T</h3>\r\n", "<table>\r\n", "<caption>cap</caption>\r\n",
                                                    "<table border=\"3\">\r\n", "   <td align=\"right\">x</td>\r\n",
                                                    "<ol>\r\n", "</ol>\r\n", "<h2><a name=\"A\"></a>B</h2>"}));
}

TEST(Report, IndexColumnsByConnectorAndCardType)
{
    struct Case {
        uint8_t type;
        uint8_t cardType;
        int32_t position;
        std::string headers;
        std::string cells;
    };
    const Case cases[] = {
        {CONNECTOR_FMC_HPC, CONNECTOR_FMC_HPC, 92, "FMC HPC Pin Index</th>", ">C12</td>\r\n</tr>"},
        {CONNECTOR_FMC_HPC, CONNECTOR_FMC_HPC, 201, "FMC HPC Pin Index</th>", ">F1</td>\r\n</tr>"},
        {CONNECTOR_FMC_LPC, CONNECTOR_FMC_LPC, 39, "FMC LPC Pin Index</th>", ">A39</td>\r\n</tr>"},
        {CONNECTOR_FMC_HPC, CONNECTOR_FMC_HPC, 399, "FMC HPC Pin Index</th>", ">K39</td>\r\n</tr>"},
        // a position past the ten rows has no letter: its number
        {CONNECTOR_FMC_HPC, CONNECTOR_FMC_HPC, 412, "FMC HPC Pin Index</th>", ">412</td>\r\n</tr>"},
        {CONNECTOR_FMC_HPC, CONNECTOR_FMC_LPC, 92,
         "FMC HPC Pin Index</th>\r\n   <th align=\"left\" bgcolor=\"Khaki\">Daughter FMC LPC Pin Index</th>",
         ">C12</td>\r\n   <td align=\"left\">92</td>\r\n</tr>"},
        {CONNECTOR_Kelpin, CONNECTOR_HSMC, 17,
         "Kelpin Pin Index</th>\r\n   <th align=\"left\" bgcolor=\"Khaki\">Daughter HSMC Pin Index</th>",
         ">17</td>\r\n   <td align=\"left\">17</td>\r\n</tr>"},
        {CONNECTOR_GPIO40, CONNECTOR_GPIO40, 40, "GPIO Pin Index</th>\r\n</tr>", ">40</td>\r\n</tr>"},
    };
    for (const Case& c : cases) {
        TMainBoard board;
        board.m_BoardId = MAINBOARD_Ulvarin;
        TPin* pin = new TPin("S", "A1", DIRECTION_INPUT, 8, 0.0f);
        pin->SetPinIndex(c.position);
        Expansion(board, c.type, c.cardType)->AddPin(pin);
        std::string html = Report(board);
        EXPECT_NE(html.find(c.headers), std::string::npos) << c.position << "\n" << html;
        EXPECT_NE(html.find(c.cells), std::string::npos) << c.position << "\n" << html;
        EXPECT_NE(html.find("<caption  align=\"left\">X connect to card</caption>"), std::string::npos);
    }
}

TEST(Report, DollarNamesOnExpansionConnectorsAndEmptyNames)
{
    TMainBoard board;
    board.m_BoardId = MAINBOARD_Ulvarin;
    TConnector* x = Expansion(board, CONNECTOR_GPIO40, CONNECTOR_GPIO40);
    TPin* dollar = new TPin("$X", "B1", DIRECTION_INPUT, 8, 0.0f);
    dollar->SetPinIndex(7);
    x->AddPin(dollar);
    x->AddPin(new TPin("", "B2", DIRECTION_INPUT, 8, 0.0f));  // never read past its end
    auto* group = new TConnector("G", "", CONNECTOR_NONE, -1);
    group->AddPin(new TPin("$Y", "B3", DIRECTION_OUTPUT, 8, 0.0f));
    board.AddConnector(group);
    std::string html = Report(board);
    EXPECT_NE(html.find("<td align=\"left\">$X</td>\r\n   <td align=\"left\">-</td>\r\n   <td align=\"left\">-</td>\r\n"
                        "   <td align=\"left\">-</td>\r\n   <td align=\"left\">7</td>\r\n"),
              std::string::npos);
    EXPECT_NE(html.find("<td align=\"left\"></td>\r\n   <td align=\"left\">B2</td>"), std::string::npos);
    // on an on-board group the name is just a name
    EXPECT_NE(html.find("<td align=\"left\">$Y</td>\r\n   <td align=\"left\">B3</td>"), std::string::npos);
}

// A report that cannot be written fails Generate after every other file was written: one box
// names it and the system's reason, and an old report stays whole.
TEST(Report, AReportThatCannotBeWrittenFailsGenerate)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<void(const std::string&)> prepare;  // given the report's path
        const char* reason;
    };
    const Case cases[] = {
        {"read-only report",
         [](const std::string& path) {
             std::ofstream(path) << "old report";
             ::chmod(path.c_str(), 0444);
         },
         "Permission denied"},
        {"full device", [](const std::string& path) { fs::create_symlink("/dev/full", path); }, "No space left on device"},
        {"a folder in its place", [](const std::string& path) { fs::create_directory(path); }, "Is a directory"},
        {"a link into a missing folder", [](const std::string& path) { fs::create_symlink("gone/top.htm", path); },
         "No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GenerateEnv env;
        tooltest::TempDir dir;
        const std::string report = dir.Path() + "top.htm";
        c.prepare(report);
        auto board = MakeFixtureBoard();
        EXPECT_FALSE(TSystemBuild().Generate(*board, dir.Path() + "top.qpf", false));
        for (const char* ext : {".qpf", ".qsf", ".v", ".sdc"})
            EXPECT_TRUE(platform::FileExists(dir.Path() + "top" + ext)) << ext;
        EXPECT_EQ(env.dialogs.Texts(), std::vector<std::string>{std::string("Failed to create file top.htm\r\n") + c.reason});
        EXPECT_TRUE(env.dialogs.Exceptions().empty());
        if (fs::is_regular_file(report)) EXPECT_EQ(tooltest::ReadFile(report), "old report");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 5);  // no temporary left
    }
}
