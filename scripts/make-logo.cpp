// Draws the maker's logo and writes it as the JPEG the program embeds
// (resources/pictures/varnholt_logo.jpg). Run through scripts/make-logo.sh.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <csignal>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace {

QImage DrawLogo()
{
    QImage image(130, 46, QImage::Format_RGB888);
    image.fill(QColor(0xEB, 0xE9, 0xED));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The mark: a V cut from a rounded square.
    QRectF mark(3, 5, 36, 36);
    QLinearGradient fill(mark.topLeft(), mark.bottomRight());
    fill.setColorAt(0, QColor(0xE8, 0x4A, 0x27));
    fill.setColorAt(1, QColor(0xA8, 0x1E, 0x1E));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(mark, 7, 7);
    QPainterPath v;
    v.moveTo(mark.left() + 7, mark.top() + 8);
    v.lineTo(mark.left() + 14, mark.top() + 8);
    v.lineTo(mark.center().x(), mark.bottom() - 14);
    v.lineTo(mark.right() - 14, mark.top() + 8);
    v.lineTo(mark.right() - 7, mark.top() + 8);
    v.lineTo(mark.center().x() + 3, mark.bottom() - 7);
    v.lineTo(mark.center().x() - 3, mark.bottom() - 7);
    v.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(v);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(16);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(name);
    p.setPen(QColor(0x2A, 0x2D, 0x34));
    p.drawText(QRectF(44, 5, 86, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Varnholt"));
    QFont tag(QStringLiteral("DejaVu Sans"));
    tag.setPixelSize(9);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(tag);
    p.setPen(QColor(0x6A, 0x6E, 0x78));
    p.drawText(QRectF(45, 26, 85, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("FPGA BOARDS"));
    return image;
}

bool WriteJpeg(const QImage& image, const char* path)
{
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    // As the program starts: a file-size limit fails the write, told below, rather than
    // ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-logo OUTPUT.jpg\n");
        return 2;
    }
    return WriteJpeg(DrawLogo(), argv[1]) ? 0 : 1;
}
