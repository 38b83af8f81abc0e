// The clock-controller HDL files copied from the embedded templates.
#include <initializer_list>

#include "core/generate/SystemBuild.h"
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

ExportResult WriteTemplates(const std::string& folder, std::initializer_list<const char*> files)
{
    for (const char* file : files)
        if (ExportResult result = TSystemBuild::WriteResourceToFile(folder + file, ResourceNameOf(file)); !result)
            return result;
    return {};
}

// The Si570 set when the oscillator is used, then the CDCM61004 set-up when that chip is.
ExportResult WriteSi570AndCdcm(const std::string& folder, int32_t si570Choice, int32_t cdcmChoice)
{
    if (si570Choice != 0)
        if (ExportResult result = WriteTemplates(folder, kSi570Files); !result) return result;
    return cdcmChoice == 0 ? ExportResult{} : WriteTemplates(folder, {kCdcmFile});
}

// The failed file from the project folder on ("si5340_controller/x.v").
std::string FromProjectFolder(const std::string& fileName, const std::string& projectFolder)
{
    if (!projectFolder.empty() && fileName.starts_with(projectFolder)) return fileName.substr(projectFolder.size());
    return fileName;
}

}  // namespace

ExportResult TSystemBuild::WriteResourceToFile(const std::string& fileName, const std::string& resourceName)
{
    return TConfigBoard::WriteResourceToFile(fileName, resourceName);
}

bool TSystemBuild::ExportVerilogIP(const TMainBoard& board, const std::string& projectFolder)
{
    const std::string& F = projectFolder;
    ExportResult result;
    switch (board.GetBoardId()) {
    case MAINBOARD_Yastrel_X1:
    case MAINBOARD_Pandrel:
        // Written whether or not the programmable PLL is used.
        result = WriteTemplates(F, {kExtPllFile});
        break;
    case MAINBOARD_Sarnoth: {
        const auto& c = board.m_SarnothConfig;
        bool bothNotUsed = RecordInt32(c, 168) == 1 && RecordInt32(c, 172) == 1;
        if (!bothNotUsed) result = WriteTemplates(F, {kExtPllFile});
        if (result && RecordInt32(c, 164) != 0) result = WriteTemplates(F, kSi570Files);
        break;
    }
    case MAINBOARD_Morrast:
        result = WriteSi570AndCdcm(F, RecordInt32(board.m_MorrastConfig, 156), RecordInt32(board.m_MorrastConfig, 160));
        break;
    case MAINBOARD_Cresswin:
        result = WriteSi570AndCdcm(F, RecordInt32(board.m_CresswinConfig, 156), RecordInt32(board.m_CresswinConfig, 160));
        break;
    case MAINBOARD_Vellani:
    case MAINBOARD_Nobrecht:
    case MAINBOARD_Dravelle:
    case MAINBOARD_Abernoll:
        PW_CHECK(board.m_pConfigBoard);
        result = board.m_pConfigBoard->ExportVerilogIP(F);
        break;
    }
    if (result) return true;
    // Which file, and why, below the sentence the user knows.
    platform::ErrorBox("Failed to export verilog IP\r\n" + FromProjectFolder(result.failedFile, F) + ": " +
                       result.reason);
    return false;
}
