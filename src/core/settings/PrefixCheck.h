#pragma once
// Two connectors carrying the same card under the same prefix would give the project two
// ports of one name. Each check takes the card id and prefix of each connector of one kind,
// in the form's order; true when no pair conflicts, else false with the message of the first
// conflicting pair (lowest i, then lowest j) and `message` otherwise left as it was.
#include <cstdint>
#include <string>

// "GPIO-0 and GPIO-1 ..."; a two-header card occupies both headers and is exempt.
bool CheckGpioPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[], std::string& message);
// "HSMC-A and HSMC-B ...".
bool CheckHsmcPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[], std::string& message);
// "FMC-A and FMC-B ...".
bool CheckFmcPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[], std::string& message);
// "Kelpin23 and Kelpin1 ...", "Kelpin-A and Kelpin-C ...": the Kelpin connectors carry the
// names their board gives them (`names`, one per connector).
bool CheckKelpinPrefixNames(int32_t count, const uint8_t cardIds[], const std::string prefixes[],
                            const char* const names[], std::string& message);
