#include "boards/stratix5/StratixVClockCodes.h"

#include "core/generate/ClockFrequencies.h"
#include "platform/Errors.h"
#include "platform/Format.h"

namespace {

uint8_t InList(int32_t choice, int count, uint8_t notUsed)
{
    return choice >= 0 && choice < count ? static_cast<uint8_t>(choice) : notUsed;
}

}  // namespace

uint8_t Si570Code(int32_t choice) { return InList(choice, kSi570CodeCount, kSi570NotUsed); }

uint8_t ExtPllCode(int32_t choice) { return InList(choice, kExtPllCodeCount, kExtPllNotUsed); }

uint8_t Cdcm61004Code(int32_t choice) { return InList(choice, kCdcm61004CodeCount, kCdcm61004NotUsed); }

std::vector<std::string> Si570ListTexts(const char* notUsedText)
{
    std::vector<std::string> texts;
    for (int i = 0; i < kSi570CodeCount; ++i) {
        double f = Si570Frequency(static_cast<uint8_t>(i));
        texts.push_back(f == 0.0 ? std::string(notUsedText) : platform::Format("%.5f", f));
    }
    return texts;
}

std::vector<std::string> ExtPllListTexts()
{
    std::vector<std::string> texts = {"Unchanged", "Not Use"};
    for (int j = 2; j < kExtPllCodeCount; ++j) {
        double f = ExtPllFrequency(static_cast<uint8_t>(j));
        PW_CHECK(f > 0.0);
        texts.push_back(platform::Format("%.2f", f));
    }
    return texts;
}

std::vector<std::string> Cdcm61004ListTexts(const char* notUsedText)
{
    std::vector<std::string> texts;
    for (int j = 0; j < kCdcm61004CodeCount; ++j) {
        double f = CdcmFrequency(static_cast<uint8_t>(j));
        texts.push_back(f == 0.0 ? std::string(notUsedText) : platform::Format("%.2f", f));
    }
    return texts;
}
