#include "platform/qt/Jpeg.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace platform::qt {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// libjpeg's default would end the process; we jump back out of the decoder instead.
[[noreturn]] void LeaveDecoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void Silent(j_common_ptr /*info*/) {}

// Each step sets its own jump point and touches only plain data, so a jump out of libjpeg
// skips no destructor and leaves no object half made.
bool ReadHeader(jpeg_decompress_struct& info, ErrorManager& errors, const unsigned char* data, std::size_t size)
{
    if (setjmp(errors.escape)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    return info.output_components == 3;
}

bool ReadPixels(jpeg_decompress_struct& info, ErrorManager& errors, unsigned char* bits, qsizetype bytesPerLine)
{
    if (setjmp(errors.escape)) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + bytesPerLine * info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(std::span<const unsigned char> bytes)
{
    if (bytes.empty()) return QImage();
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = LeaveDecoder;
    errors.base.output_message = Silent;

    QImage image;
    if (ReadHeader(info, errors, bytes.data(), bytes.size())) {
        image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB888);
        if (image.isNull() || !ReadPixels(info, errors, image.bits(), image.bytesPerLine())) image = QImage();
    }
    jpeg_destroy_decompress(&info);
    return image;
}

}  // namespace platform::qt
