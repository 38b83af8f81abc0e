#include "boards/stratix5/StratixVForm.h"

namespace stratix5 {

// A value no list holds gives the "not used" code.
TOscillatorChoice::TOscillatorChoice(std::vector<std::string> items, uint8_t (*code)(int32_t))
    : m_items(std::move(items)), m_code(code), m_notUsed(code(-1)), m_kept(m_notUsed)
{
}

}  // namespace stratix5
