#pragma once
// What every generation test needs: scripted dialogs that record the boxes and a fixed clock.
#include "GenerateFixture.h"
#include "ScriptedDialogs.h"
#include "platform/Environment.h"

namespace gentest {

class GenerateEnv {
public:
    GenerateEnv() { platform::SetNowOverride(FixtureTime()); }
    ~GenerateEnv() { platform::SetNowOverride(std::nullopt); }
    GenerateEnv(const GenerateEnv&) = delete;
    GenerateEnv& operator=(const GenerateEnv&) = delete;

    tooltest::ScriptedDialogs dialogs;
};

}  // namespace gentest
