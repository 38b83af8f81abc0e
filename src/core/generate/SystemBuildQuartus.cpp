// The Quartus project file (.qpf) and settings file (.qsf).
#include <cctype>
#include <ctime>

#include "core/generate/SystemBuild.h"
#include "core/model/BoardDefinition.h"
#include "core/model/MainBoard.h"
#include "core/model/PinParsing.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

constexpr const char* kQuartusVersion = "\"16.0.2\"";
constexpr const char* kBanner = "#============================================================\r\n";
constexpr const char* kGlobal = "set_global_assignment -name";

// English whatever the user's locale: Quartus reads these dates.
constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};

const char* MonthName(const std::tm& t) { return kMonthNames[(t.tm_mon % 12 + 12) % 12]; }

// "hh:nn:ss mmmm dd, yyyy"
std::string QpfDate(const std::tm& t)
{
    return platform::Format("%02d:%02d:%02d %s %02d, %04d", t.tm_hour, t.tm_min, t.tm_sec, MonthName(t), t.tm_mday,
                            t.tm_year + 1900);
}

// "hh:mm:ss mmmm dd,yyyy" in capitals
std::string QsfDate(const std::tm& t)
{
    std::string text = platform::Format("%02d:%02d:%02d %s %02d,%04d", t.tm_hour, t.tm_min, t.tm_sec, MonthName(t),
                                        t.tm_mday, t.tm_year + 1900);
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool TSystemBuild::WriteQpf(const std::string& fileName)
{
    std::tm now = platform::LocalNow();
    std::string text;
    text += platform::Format("DATE = \"%s\"\r\n", QpfDate(now).c_str());
    text += platform::Format("QUARTUS_VERSION = %s\r\n", kQuartusVersion);
    text += "\r\n# Revisions\r\n\r\n";
    text += platform::Format("PROJECT_REVISION = \"%s\"\r\n", ProjectNameOf(fileName).c_str());
    return WriteProjectFile(fileName, text);
}

bool TSystemBuild::WriteQsf(const TMainBoard& board, const std::string& fileName)
{
    const std::string name = ProjectNameOf(fileName);
    std::string text;
    text += kBanner;
    text += "# Build by Varnholt Pinwright\r\n";
    text += kBanner;
    text += "\r\n";
    text += platform::Format("%s FAMILY \"%s\"\r\n", kGlobal, board.GetFamily().c_str());
    text += platform::Format("%s DEVICE %s\r\n", kGlobal, board.GetDevice().c_str());
    text += platform::Format("%s TOP_LEVEL_ENTITY \"%s\"\r\n", kGlobal, name.c_str());
    text += platform::Format("%s ORIGINAL_QUARTUS_VERSION %s\r\n", kGlobal, kQuartusVersion);
    text += platform::Format("%s LAST_QUARTUS_VERSION %s\r\n", kGlobal, kQuartusVersion);
    text += platform::Format("%s PROJECT_CREATION_TIME_DATE \"%s\"\r\n", kGlobal, QsfDate(platform::LocalNow()).c_str());
    if (!board.GetPackage().empty())
        text += platform::Format("%s DEVICE_FILTER_PACKAGE %s\r\n", kGlobal, board.GetPackage().c_str());
    if (board.GetDevicePinCount() > 0)
        text += platform::Format("%s DEVICE_FILTER_PIN_COUNT %d\r\n", kGlobal, board.GetDevicePinCount());
    if (!board.GetSpeedGradeText().empty())
        text += platform::Format("%s DEVICE_FILTER_SPEED_GRADE %s\r\n", kGlobal, board.GetSpeedGradeText().c_str());
    else if (board.GetSpeedGrade() > 0)
        text += platform::Format("%s DEVICE_FILTER_SPEED_GRADE %d\r\n", kGlobal, board.GetSpeedGrade());
    // The timing file as it is written: a case-sensitive file system would not find N.SDC.
    text += platform::Format("%s SDC_FILE %s.sdc\r\n", kGlobal, name.c_str());
    text += board.QsfExtraAssignments();

    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        if (connector.GetActivePinCount() > 0) {
            text += "\r\n";
            text += kBanner;
            if (connector.GetDescription().empty())
                text += platform::Format("# %s\r\n", connector.GetName().c_str());
            else
                text += platform::Format("# %s, %s\r\n", connector.GetName().c_str(),
                                         connector.GetDescription().c_str());
            text += kBanner;
        }
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!IsPortPin(pin)) continue;
            text += platform::Format("set_instance_assignment -name IO_STANDARD \"%s\" -to %s\r\n",
                                     pin->GetIoStandardText().c_str(), pin->GetName().c_str());
        }
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!IsPortPin(pin) || pin->GetLocation().empty()) continue;
            PW_CHECK(IsPinLocation(pin->GetLocation()));  // never "PIN_?" or the like
            text += platform::Format("set_location_assignment PIN_%s -to %s\r\n", pin->GetLocation().c_str(),
                                     pin->GetName().c_str());
        }
    }

    text += "\r\n";
    text += kBanner;
    text += "# End of pin assignments by Varnholt Pinwright\r\n";
    text += kBanner;
    text += "\r\n";
    return WriteProjectFile(fileName, text);
}
