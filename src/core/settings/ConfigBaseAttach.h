#pragma once
// The attach operations of the older board forms, shared by every settings template.
#include <cstdint>
#include <string>

#include "core/model/Connector.h"
#include "core/model/MainBoard.h"

struct TConfigBaseAttach {
    static void AttachHsmcCard(TMainBoard* board, int32_t expansionId, uint8_t cardId, const std::string& prefix,
                               const char* baseName = "", uint8_t ioStandard = 6, int32_t variant = 0)
    {
        AttachCard(*board, expansionId, cardId, prefix, {CONNECTOR_HSMC}, variant, ioStandard, baseName);
    }
    // An HPC connector takes the LPC cards too: they fill its LPC rows.
    static void AttachFmcCard(TMainBoard* board, int32_t expansionId, uint8_t cardId, const std::string& prefix,
                              const char* baseName = "", uint8_t ioStandard = 8, int32_t variant = 0)
    {
        AttachCard(*board, expansionId, cardId, prefix, {CONNECTOR_FMC_HPC, CONNECTOR_FMC_LPC}, variant, ioStandard,
                   baseName);
    }
    static void AttachHsmcOrKelpinCard(TMainBoard* board, int32_t expansionId, uint8_t cardId,
                                       const std::string& prefix, const char* baseName = "",
                                       uint8_t ioStandard = 8, int32_t variant = 0)
    {
        AttachCard(*board, expansionId, cardId, prefix, {CONNECTOR_HSMC, CONNECTOR_Kelpin}, variant, ioStandard,
                   baseName);
    }
    static void AttachGpioCard(TMainBoard* board, int32_t expansionId, uint8_t cardId, const std::string& prefix,
                               const char* baseName = nullptr, uint8_t ioStandard = 8, int32_t variant = 0)
    {
        AttachCard(*board, expansionId, cardId, prefix, {CONNECTOR_GPIO40, CONNECTOR_GPIO80}, variant, ioStandard,
                   baseName);
    }
    static void AttachOmbrelCard(TMainBoard* board, int32_t expansionId, uint8_t cardId, const std::string& prefix,
                                 const char* baseName = "", uint8_t ioStandard = 8, int32_t variant = 0)
    {
        AttachCard(*board, expansionId, cardId, prefix, {CONNECTOR_Ombrel_2x6}, variant, ioStandard, baseName);
    }
    static void AttachMemoryModule(TMainBoard* board, int32_t expansionId, const std::string& prefix,
                                   MemoryModuleKind kind, uint8_t diffDqs, uint8_t sidebandStd, uint8_t saStd)
    {
        ::AttachMemoryModule(*board, expansionId, prefix, kind, diffDqs, sidebandStd, saStd);
    }
};
