#pragma once
// What every generation test needs: scripted dialogs that record the boxes and a fixed clock.
#include <ctime>
#include <optional>

#include "ScriptedDialogs.h"
#include "platform/Environment.h"

namespace gentest {

// 8 December 2024, 14:05:33.
inline std::tm FixtureTime()
{
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 8;
    t.tm_hour = 14;
    t.tm_min = 5;
    t.tm_sec = 33;
    return t;
}

class GenerateEnv {
public:
    GenerateEnv() { platform::SetNowOverride(FixtureTime()); }
    ~GenerateEnv() { platform::SetNowOverride(std::nullopt); }
    GenerateEnv(const GenerateEnv&) = delete;
    GenerateEnv& operator=(const GenerateEnv&) = delete;

    tooltest::ScriptedDialogs dialogs;
};

}  // namespace gentest
