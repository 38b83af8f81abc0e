// The HTML pin report (.htm).
#include "core/generate/HtmlGenerator.h"
#include "core/generate/SystemBuild.h"
#include "core/model/MainBoard.h"
#include "core/model/PinParsing.h"
#include "platform/Format.h"

namespace {

bool IsFmc(uint8_t type) { return type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC; }

// FMC positions read as row letter and column: 92 is C12. The rows skip I.
std::string FmcPosition(int32_t pinIndex)
{
    static constexpr char kRows[] = "ABCDEFGHJK";
    int32_t row = pinIndex / 40;
    // A position outside the ten rows has no letter; it is shown as its number.
    if (pinIndex < 0 || row >= 10) return platform::Format("%d", pinIndex);
    return platform::Format("%c%d", kRows[row], pinIndex % 40);
}

}  // namespace

bool TSystemBuild::WriteHtmlReport(const TMainBoard& board, const std::string& fileName)
{
    THtmlGenerator html;
    html.HtmlBegin();
    html.Heading(platform::Format("%s Configuration", board.MainBoardName().c_str()), 1, "center");
    html.LineBreak(2);
    html.Heading("Pin Assignments:", 2, "left");
    html.ListBegin(false);
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const std::string& name = board.GetConnector(c)->GetName();
        html.Link(name, THtmlGenerator::ListItem(name));
        html.LineBreak(1);
    }
    html.ListEnd(false);
    html.LineBreak(3);
    html.Heading("Pin Assignment Table:", 2, "left");

    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        const uint8_t type = connector.GetType();
        const uint8_t daughterType = connector.GetDaughterType();
        const bool expansion = type != CONNECTOR_NONE;
        html.AnchorHeading(connector.GetName(), "");
        html.TableBegin(3, expansion ? connector.GetDescription() : connector.GetName(), "left");
        html.LineBreak(2);

        html.RowBegin();
        for (const char* title : {"Name", "Location", "Direction", "Standard"}) html.Cell(title, "left", true, "Khaki");
        if (expansion) {
            html.Cell(platform::Format("%s Pin Index", ConnectorTypeName(type).c_str()), "left", true, "Khaki");
            if (daughterType != type)
                html.Cell(platform::Format("Daughter %s Pin Index", ConnectorTypeName(daughterType).c_str()), "left",
                          true, "Khaki");
        }
        html.RowEnd();

        for (int i = 0; i < connector.GetPinCount(); ++i) {
            // The report lists what the .qsf assigns.
            const TPin* pin = connector.GetPin(i);
            if (!IsPortPin(pin)) continue;
            html.RowBegin();
            const std::string& name = pin->GetName();
            html.Cell(name, "left", false, "");
            if (expansion && !name.empty() && name[0] == '$') {
                for (int k = 0; k < 3; ++k) html.Cell("-", "left", false, "");
            } else {
                html.Cell(pin->GetLocation(), "left", false, "");
                html.Cell(pin->GetDirectionText(), "left", false, "");
                html.Cell(pin->GetIoStandardText(), "left", false, "");
            }
            if (expansion) {
                html.Cell(IsFmc(type) ? FmcPosition(pin->GetPinIndex()) : pin->GetPinIndexText(), "left", false, "");
                if (daughterType != type) html.Cell(pin->GetPinIndexText(), "left", false, "");
            }
            html.RowEnd();
        }
        html.TableEnd();
    }
    html.HtmlEnd();
    const FileWriteStatus status = html.SaveToFile(fileName);
    if (!status) ShowFileNotWritten(fileName, status.error);
    return static_cast<bool>(status);
}
