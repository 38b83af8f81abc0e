#pragma once
// Decodes a JPEG picture held in memory with libjpeg-turbo.
#include <QImage>
#include <cstddef>
#include <span>

namespace platform::qt {

// The picture as RGB; a null image when the bytes are not a JPEG it can decode.
QImage DecodeJpeg(std::span<const unsigned char> bytes);

}  // namespace platform::qt
