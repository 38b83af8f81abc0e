#include "core/model/Connector.h"

#include "platform/Errors.h"

namespace {

template <typename T>
void Store(T& field, const T& value)
{
    if (field != value) field = value;
}

// Kelpin position n (entry n - 1) -> HSMC position, -1 for none.
constexpr int szMap[180] = {
      -1,  160,  157,  158,  155,  156,  // 1-6
      -1,   -1,  151,  152,  149,  150,  // 7-12
      -1,   -1,  145,  146,  143,  144,  // 13-18
      -1,   -1,  139,  140,  137,  138,  // 19-24
      -1,   -1,  133,  134,  131,  132,  // 25-30
      -1,   -1,  127,  128,  125,  126,  // 31-36
      -1,   -1,  121,  122,  119,  120,  // 37-42
      -1,   -1,  115,  116,  113,  114,  // 43-48
      -1,   -1,  109,  110,  107,  108,  // 49-54
      -1,   -1,  103,  104,  101,  102,  // 55-60
      -1,   -1,   97,   98,   95,   96,  // 61-66
      -1,   -1,   91,   92,   89,   90,  // 67-72
      -1,   -1,   85,   86,   83,   84,  // 73-78
      -1,   -1,   79,   80,   77,   78,  // 79-84
      -1,   -1,   73,   74,   71,   72,  // 85-90
      -1,   -1,   67,   68,   65,   66,  // 91-96
      -1,   -1,   61,   62,   59,   60,  // 97-102
      -1,   -1,   55,   56,   53,   54,  // 103-108
      -1,   -1,   49,   50,   47,   48,  // 109-114
      -1,   -1,   43,   44,   41,   42,  // 115-120
      -1,   -1,   -1,   -1,   -1,   -1,  // 121-126
      -1,   -1,   -1,   -1,   33,   34,  // 127-132
      -1,   -1,   -1,   -1,   -1,   -1,  // 133-138
      -1,   -1,   -1,   -1,   -1,   -1,  // 139-144
      -1,   -1,   -1,   -1,   -1,   -1,  // 145-150
      -1,   -1,   -1,   -1,   -1,   -1,  // 151-156
      -1,   -1,   -1,   -1,   -1,   -1,  // 157-162
      -1,   -1,   -1,   -1,   -1,   -1,  // 163-168
      -1,   -1,   -1,   -1,   -1,   -1,  // 169-174
      -1,   -1,   -1,   -1,   -1,   -1,  // 175-180
};

struct ConnectorTypeInfo {
    const char* name;
    int positions;
};

constexpr ConnectorTypeInfo kConnectorTypes[] = {
    {"", 0},             // CONNECTOR_NONE
    {"HSMC", 160},       // CONNECTOR_HSMC
    {"Kelpin", 180},     // CONNECTOR_Kelpin
    {"GPIO", 40},        // CONNECTOR_GPIO40
    {"GPIO", 80},        // CONNECTOR_GPIO80
    {"DDR2 SODIMM", 200},  // CONNECTOR_DDR2_SODIMM
    {"DDR3 SODIMM", 204},  // CONNECTOR_DDR3_SODIMM
    {"DDR4 SODIMM", 260},  // CONNECTOR_DDR4_SODIMM
    {"FMC HPC", 400},    // CONNECTOR_FMC_HPC
    {"FMC LPC", 400},    // CONNECTOR_FMC_LPC
    {"Ombrel 2x6", 8},   // CONNECTOR_Ombrel_2x6
};

}  // namespace

TConnector::TConnector(const std::string& name, const std::string& description, uint8_t type,
                       int32_t daughterBoardId)
    : m_Name(name), m_Description(description), m_Type(type), m_DaughterBoardId(daughterBoardId)
{
}

TConnector::~TConnector() { ClearPins(); }

void TConnector::AddPin(TPin* pin) { m_PinList.emplace_back(pin); }

TPin* TConnector::GetPin(int index) const
{
    PW_CHECK(index >= 0 && index < GetPinCount());
    return m_PinList[static_cast<std::size_t>(index)].get();
}

int TConnector::GetActivePinCount() const
{
    int count = 0;
    for (const auto& pin : m_PinList)
        if (pin && pin->IsActive()) ++count;
    return count;
}

void TConnector::ClearPins() { m_PinList.clear(); }

void TConnector::SetName(const std::string& value) { Store(m_Name, value); }
void TConnector::SetDescription(const std::string& value) { Store(m_Description, value); }
void TConnector::SetType(uint8_t value) { Store(m_Type, value); }
void TConnector::SetDaughterType(uint8_t value) { Store(m_DaughterType, value); }
void TConnector::SetExpansion(int32_t value) { Store(m_Expansion, value); }
void TConnector::SetExpansionId(int32_t value) { Store(m_ExpansionId, value); }

bool PinIsGreater(const TPin& a, const TPin& b)
{
    if (a.HasArrayIndex() && b.HasArrayIndex()) {
        std::string baseA = a.GetArrayBaseName();
        std::string baseB = b.GetArrayBaseName();
        if (baseA == baseB) return a.GetArrayIndex() > b.GetArrayIndex();
        return baseA.compare(baseB) > 0;  // std::string compares bytes as unsigned
    }
    return a.GetName().compare(b.GetName()) > 0;
}

void TConnector::SortPins()
{
    // The comparison is no strict weak order (whole names against base names), so the
    // result depends on the procedure: this exchange order is the one the files rely on.
    const std::size_t n = m_PinList.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            if (!m_PinList[i] || !m_PinList[j]) continue;
            if (PinIsGreater(*m_PinList[i], *m_PinList[j])) std::swap(m_PinList[i], m_PinList[j]);
        }
}

std::string ConnectorTypeName(uint8_t type)
{
    if (type == CONNECTOR_NONE || type >= std::size(kConnectorTypes)) return std::string();
    return kConnectorTypes[type].name;
}

int ConnectorPositionCount(uint8_t type)
{
    return type < std::size(kConnectorTypes) ? kConnectorTypes[type].positions : 0;
}

int KelpinToHsmcPin(int position)
{
    if (position < 1 || position > 180) return -1;
    return szMap[position - 1];
}
