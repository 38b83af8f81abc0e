// The clock-controller HDL files copied from the embedded templates.
#include <initializer_list>

#include "core/generate/SystemBuild.h"
#include "core/generate/UnwrittenFiles.h"
#include "core/model/MainBoard.h"
#include "core/settings/ConfigBoard.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"

namespace {

constexpr const char* kExtPllFile = "EXT_PLL_CTRL.v";
constexpr const char* kCdcmFile = "CDCM6100x_Config.v";
constexpr std::initializer_list<const char*> kSi570Files = {
    "si570_controller.v", "clock_divider.v",      "edge_detector.v",  "i2c_bus_controller.v",
    "i2c_controller.v",   "i2c_reg_controller.v", "initial_config.v",
};

// The template of a file: its name with ".v" replaced by "_verilog" (looked up ignoring case).
std::string ResourceNameOf(const std::string& file) { return file.substr(0, file.size() - 2) + "_verilog"; }

bool WriteTemplates(const std::string& folder, std::initializer_list<const char*> files)
{
    for (const char* file : files)
        if (!TSystemBuild::WriteResourceToFile(folder + file, ResourceNameOf(file))) return false;
    return true;
}

// The Si570 set when the oscillator is used, then the CDCM61004 set-up when that chip is.
bool WriteSi570AndCdcm(const std::string& folder, int32_t si570Choice, int32_t cdcmChoice)
{
    if (si570Choice != 0 && !WriteTemplates(folder, kSi570Files)) return false;
    return cdcmChoice == 0 || WriteTemplates(folder, {kCdcmFile});
}

}  // namespace

bool TSystemBuild::WriteResourceToFile(const std::string& fileName, const std::string& resourceName)
{
    return TConfigBoard::WriteResourceToFile(fileName, resourceName);
}

bool TSystemBuild::ExportVerilogIP(const TMainBoard& board, const std::string& projectFolder)
{
    const std::string& F = projectFolder;
    bool ok = true;
    switch (board.GetBoardId()) {
    case MAINBOARD_Yastrel_X1:
    case MAINBOARD_Pandrel:
        // Written whether or not the programmable PLL is used.
        ok = WriteTemplates(F, {kExtPllFile});
        break;
    case MAINBOARD_Sarnoth: {
        const auto& c = board.m_SarnothConfig;
        bool bothNotUsed = RecordInt32(c, 168) == 1 && RecordInt32(c, 172) == 1;
        if (!bothNotUsed) ok = WriteTemplates(F, {kExtPllFile});
        if (ok && RecordInt32(c, 164) != 0) ok = WriteTemplates(F, kSi570Files);
        break;
    }
    case MAINBOARD_Morrast:
        ok = WriteSi570AndCdcm(F, RecordInt32(board.m_MorrastConfig, 156), RecordInt32(board.m_MorrastConfig, 160));
        break;
    case MAINBOARD_Cresswin:
        ok = WriteSi570AndCdcm(F, RecordInt32(board.m_CresswinConfig, 156), RecordInt32(board.m_CresswinConfig, 160));
        break;
    case MAINBOARD_Vellani:
    case MAINBOARD_Nobrecht:
    case MAINBOARD_Dravelle:
    case MAINBOARD_Abernoll:
        PW_CHECK(board.m_pConfigBoard);
        ok = board.m_pConfigBoard->ExportVerilogIP(F);
        break;
    }
    if (ok) return true;
    // Which file the project lacks, and why, below the sentence the user knows.
    std::string text = "Failed to export verilog IP";
    for (const UnwrittenFile& file : TakeFilesTheProjectNeeds()) text += "\r\n" + NameAndReason(file, F);
    platform::ErrorBox(text);
    return false;
}
