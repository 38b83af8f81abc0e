#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "boards/stratix5/CONFIG_CRESSWIN.h"
#include "boards/stratix5/CONFIG_MORRAST.h"
#include "boards/stratix5/CONFIG_SARNOTH.h"
#include "boards/stratix5/StratixVClockCodes.h"
#include "core/generate/ClockFrequencies.h"

namespace {

// The bytes a defaulted record must hold: board id, size, project name, the bytes set to 1 and
// the 32-bit values; every other byte 0.
struct DefaultBytes {
    uint8_t boardId;
    int32_t size;
    const char* name;
    std::vector<int> ones;
    std::vector<std::pair<int, int32_t>> words;
};

template <typename Record>
void ExpectDefaultBytes(const DefaultBytes& facts)
{
    Record record;
    std::memset(&record, 0x5A, sizeof record);  // the fill must clear every byte it does not set
    DefaultConfig(record);
    std::string expected(sizeof record, '\0');
    expected[0] = static_cast<char>(facts.boardId);
    std::memcpy(&expected[4], &facts.size, 4);
    std::memcpy(&expected[8], facts.name, std::strlen(facts.name));
    for (int offset : facts.ones) expected[offset] = 1;
    for (auto [offset, value] : facts.words) std::memcpy(&expected[offset], &value, 4);
    ASSERT_EQ(static_cast<int32_t>(sizeof record), facts.size);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record), sizeof record), expected) << facts.name;
}

}  // namespace

TEST(StratixVRecords, DefaultsAreTheDocumentedBytes)
{
    ExpectDefaultBytes<SARNOTH_CONFIG>({16, 176, "S5", {136, 137, 138, 139, 140, 146, 158, 159, 160}, {{168, 1}, {172, 1}}});
    ExpectDefaultBytes<CRESSWIN_CONFIG>({18, 296, "Cresswin", {136, 137, 138, 139, 143, 149, 150, 151, 152}, {}});
    ExpectDefaultBytes<MORRAST_CONFIG>({15, 164, "Morrast", {136, 137, 138, 139, 140, 151, 152, 153}, {}});
}

TEST(StratixVClockCodes, ListsInCodeOrder)
{
    EXPECT_EQ(Si570ListTexts("Not Use"),
              (std::vector<std::string>{"Not Use", "100.00000", "125.00000", "156.25000", "250.00000", "312.50000",
                                        "322.26500", "644.53125"}));
    EXPECT_EQ(Si570ListTexts("Disable")[0], "Disable");
    EXPECT_EQ(ExtPllListTexts(),
              (std::vector<std::string>{"Unchanged", "Not Use", "62.50", "75.00", "100.00", "125.00", "150.00",
                                        "156.25", "187.50", "200.00", "250.00", "312.50", "625.00"}));
    EXPECT_EQ(Cdcm61004ListTexts("Disable"),
              (std::vector<std::string>{"Disable", "62.50", "75.00", "100.00", "125.00", "150.00", "156.25", "187.50",
                                        "200.00", "250.00", "312.50", "625.00"}));
    // The same number means another frequency on Sarnoth than on the other two boards.
    EXPECT_EQ(ExtPllFrequency(ExtPllCode(10)), 250.0);
    EXPECT_EQ(CdcmFrequency(Cdcm61004Code(10)), 312.5);
}

TEST(StratixVClockCodes, AChoiceOutsideItsListIsTheNotUsedCode)
{
    struct Case {
        int32_t choice;
        uint8_t si570, extPll, cdcm;
    };
    const Case cases[] = {
        {0, 0, 0, 0},       {7, 7, 7, 7},      {8, 0, 8, 8},     {11, 0, 11, 11},
        {12, 0, 12, 0},     {13, 0, 1, 0},     {-1, 0, 1, 0},    {255, 0, 1, 0},
        {256 + 3, 0, 1, 0},  // a value whose low byte is in the list is still outside it
        {INT32_MIN, 0, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Si570Code(c.choice), c.si570) << c.choice;
        EXPECT_EQ(ExtPllCode(c.choice), c.extPll) << c.choice;
        EXPECT_EQ(Cdcm61004Code(c.choice), c.cdcm) << c.choice;
    }
}
