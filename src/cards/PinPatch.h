#pragma once
// A rewrite of a pin a map has already built: the Quillet adaptor's board patch and its
// camera overlays.
#include <cstdint>

struct PIN_PATCH {
    int32_t nPosition;  // 1-based connector position
    char szName[64];
    uint32_t nDirection;
};
