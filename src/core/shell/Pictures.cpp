#include "core/shell/Pictures.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <optional>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>
#include <QTransform>

#include "cards/DaughterBoardInfo.h"
#include "core/model/Connector.h"
#include "core/shell/UI_Selector.h"
#include "core/shell/UnitMain.h"
#include "platform/Errors.h"
#include "platform/Resources.h"
#include "platform/qt/Jpeg.h"
#include "platform/qt/QtPlatform.h"

namespace pictures {
namespace {

const QColor kBoardGreen{0x1C, 0x63, 0x3F};
const QColor kBoardGreenDark{0x12, 0x47, 0x2C};
const QColor kBoardEdge{0x0B, 0x30, 0x1D};
const QColor kSilk{0xF2, 0xF2, 0xEA};
const QColor kPackage{0x1E, 0x1F, 0x22};
const QColor kMetal{0xB9, 0xBF, 0xC6};
const QColor kMetalDark{0x6F, 0x76, 0x7E};
const QColor kGold{0xD9, 0xB3, 0x4A};
const QColor kMarkColour{0x3A, 0x3C, 0x41};

constexpr int kSmallestLabel = 7;  // pixels: a smaller label is guessed at rather than read
constexpr qreal kPin = 2.5;        // a header's pins: their side and pitch
constexpr qreal kPitch = 5;

QFont LabelFont(int pixels, bool bold = true)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The largest bold font up to `pixels` at which the text fits the box whole, ink and line
// height; none when not even the smallest does.
std::optional<QFont> FontFitting(const QString& text, QSizeF box, int pixels)
{
    for (; pixels >= kSmallestLabel; --pixels) {
        QFont font = LabelFont(pixels);
        QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height()) return font;
    }
    return std::nullopt;
}

// A label in the font it was planned for and the painter's pen, reading upwards if it is upright.
void DrawPlannedLabel(QPainter& p, const QRectF& area, const QString& text, const QFont& font, bool upright)
{
    p.save();
    p.setFont(font);
    if (upright) {
        p.translate(area.center());
        p.rotate(-90);
        DrawText(p, QRectF(-area.height() / 2, -area.width() / 2, area.height(), area.width()), Qt::AlignCenter, text);
    } else {
        DrawText(p, area, Qt::AlignCenter, text);
    }
    p.restore();
}

// A label too large for its area is drawn smaller, or upwards along a tall area; one that no
// readable size fits is left out, rather than drawn cut off. It keeps a little room at either
// end where it can.
LabelPlan PlanLabel(const QRectF& area, const QString& text, int pixels)
{
    auto fitting = [&](QSizeF box) {
        std::optional<QFont> font = FontFitting(text, box - QSizeF(2 * kLabelRoom, 0), pixels);
        return font ? font : FontFitting(text, box, pixels);
    };
    if (std::optional<QFont> font = fitting(area.size())) return {area, font, false};
    if (area.height() > area.width()) return {area, fitting(area.size().transposed()), true};
    return {area, std::nullopt, false};
}

// A planned label in that colour; nothing where no readable size fits.
void DrawLabel(QPainter& p, const LabelPlan& plan, const QString& text, const QColor& colour)
{
    p.setPen(colour);
    if (plan.font) DrawPlannedLabel(p, plan.area, text, *plan.font, plan.upright);
}

void DrawLabel(QPainter& p, const QRectF& area, const QString& text, const QColor& colour, int pixels)
{
    DrawLabel(p, PlanLabel(area, text, pixels), text, colour);
}

// Where a planned label's text lies, as DrawText finds it.
QRectF TextBox(const LabelPlan& plan, const QString& text)
{
    if (!plan.font) return {};
    const QFontMetricsF metrics(*plan.font);
    if (!plan.upright) return metrics.boundingRect(plan.area, Qt::AlignCenter, text).intersected(plan.area);
    const QRectF lying(-plan.area.height() / 2, -plan.area.width() / 2, plan.area.height(), plan.area.width());
    QTransform upwards;
    upwards.translate(plan.area.center().x(), plan.area.center().y());
    upwards.rotate(-90);
    return upwards.mapRect(metrics.boundingRect(lying, Qt::AlignCenter, text).intersected(lying));
}

// The size of a text as it is drawn, overhanging ink included.
QSizeF TextSize(const QFont& font, const QString& text) { return QFontMetricsF(font).size(0, text); }

// What a planned label leaves at either end of its text, up to the room a label keeps.
qreal EndRoom(const LabelPlan& plan, const QString& text)
{
    const qreal length = plan.upright ? plan.area.height() : plan.area.width();
    return std::clamp((length - TextSize(*plan.font, text).width()) / 2, qreal(0), kLabelRoom);
}

// A label in that font and reading that way, keeping `room` at either end of its text; no
// font where it does not fit the area so.
LabelPlan PlanLabelIn(const QRectF& area, const QString& text, const QFont& font, bool upright, qreal room)
{
    const QSizeF needed = TextSize(font, text) + QSizeF(2 * room, 0);
    const QSizeF box = upright ? area.size().transposed() : area.size();
    if (needed.width() <= box.width() && needed.height() <= box.height()) return {area, font, upright};
    return {area, std::nullopt, upright};
}

// Where a caption may move out of the pin-1 mark's corner, by the sides of the body that give up
// the corner's breadth: beside the mark and below it, centred on the body, then on the rest of
// it, and last beside the mark with the room at its near end lying in the corner, which is
// already that far from the outline.
struct CaptionPlace {
    bool left, top, right, bottom;
    bool roomInCorner;
};
constexpr CaptionPlace kCaptionPlaces[] = {
    {true, false, true, false, false},  {false, true, false, true, false}, {true, false, false, false, false},
    {false, true, false, false, false}, {true, false, false, false, true},
};

// The caption keeps the whole body unless its text would cover the pin-1 mark. It then moves
// out of the mark's corner to the first place that holds it at its own size, reading the same
// way, with the room it had at either end: else the mark is left out, the caption mattering
// more.
PackagePlan PlanPackage(const QRectF& r, const QString& label)
{
    const QRectF inner = r.adjusted(2, 2, -2, -2);
    const LabelPlan whole = PlanLabel(inner, label, 10);
    // The corner the mark takes: the dot and a pixel's gap around it. A body that cannot hold it
    // has no mark.
    const qreal corner = 5 + kMarkRadius + 1;
    if (inner.width() < corner + 1 || inner.height() < corner + 1) return {whole, std::nullopt, inner};
    const QPointF mark = inner.topLeft() + QPointF(5, 5);
    const QRectF markCorner(mark - QPointF(kMarkRadius + 1, kMarkRadius + 1), QSizeF(2, 2) * (kMarkRadius + 1));
    if (!whole.font || !TextBox(whole, label).intersects(markCorner)) return {whole, mark, inner};
    const qreal room = EndRoom(whole, label);
    for (const CaptionPlace& place : kCaptionPlaces) {
        // The room lies at the ends of the text, along the way it reads.
        auto cut = [&](bool side, bool along) {
            return side ? (along && place.roomInCorner ? corner - room : corner) : 0;
        };
        const QRectF area = inner.adjusted(cut(place.left, !whole.upright), cut(place.top, whole.upright),
                                           -cut(place.right, !whole.upright), -cut(place.bottom, whole.upright));
        if (area.isEmpty()) continue;
        const LabelPlan moved = PlanLabelIn(area, label, *whole.font, whole.upright, room);
        if (moved.font) return {moved, mark, inner};
    }
    return {whole, std::nullopt, inner};
}

void DrawPackage(QPainter& p, const QRectF& r, const QString& label, const QColor& body)
{
    // Pins along every side, then the body over them.
    p.setPen(QPen(kMetal, 1));
    for (qreal x = r.left() + 4; x < r.right() - 3; x += 4) {
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.top() + 3));
        p.drawLine(QPointF(x, r.bottom() - 3), QPointF(x, r.bottom()));
    }
    for (qreal y = r.top() + 4; y < r.bottom() - 3; y += 4) {
        p.drawLine(QPointF(r.left(), y), QPointF(r.left() + 3, y));
        p.drawLine(QPointF(r.right() - 3, y), QPointF(r.right(), y));
    }
    p.setPen(QPen(QColor(0x55, 0x57, 0x5C), 1));
    p.setBrush(body);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 2, 2);
    const PackagePlan plan = PlanPackage(r, label);
    if (plan.mark) {
        p.setBrush(kMarkColour);
        p.setPen(Qt::NoPen);
        p.drawEllipse(*plan.mark, kMarkRadius, kMarkRadius);
    }
    DrawLabel(p, plan.caption, label, kSilk);
}

// Pins along a row of that length: the length they take.
qreal PinRowLength(qreal room) { return std::floor((room - kPin) / kPitch) * kPitch + kPin; }

// A header seen lying along its length, in a frame of its own (0, 0, length, thickness).
ConnectorPlan PlanLyingHeader(qreal length, qreal thickness, const QString& label)
{
    ConnectorPlan plan;
    // Two rows of pins along the long edges and the label between them, unless the label reads
    // larger at the header's end, beside the pins and never under them.
    const QRectF band(2, 7, length - 4, thickness - 14);
    const std::optional<QFont> between =
        band.height() > 0 ? FontFitting(label, QSizeF(band.width() - 2, band.height()), 10) : std::nullopt;
    const std::optional<QFont> beside = FontFitting(label, QSizeF(length * 2 / 3 - 6, thickness), 10);
    if (between && (!beside || between->pixelSize() >= beside->pixelSize())) {
        plan.font = between;
        plan.label = band;
        const qreal row = PinRowLength(length - 6);
        plan.pins = {QRectF(4, 3, row, kPin), QRectF(4, thickness - 3 - kPin, row, kPin)};
        return plan;
    }
    qreal pinsFrom = 4;
    plan.font = beside;
    if (plan.font) {
        plan.label = QRectF(2, 0, QFontMetricsF(*plan.font).horizontalAdvance(label) + 6, thickness);
        pinsFrom = plan.label.right() + 2;
    }
    const qreal room = length - 2 - pinsFrom;
    if (room < kPin) return plan;
    const qreal row = PinRowLength(room);
    if (thickness >= 12)
        plan.pins = {QRectF(pinsFrom, 3, row, kPin), QRectF(pinsFrom, thickness - 3 - kPin, row, kPin)};
    else if (thickness >= kPin + 2)
        plan.pins = {QRectF(pinsFrom, (thickness - kPin) / 2, row, kPin)};
    return plan;
}

ConnectorPlan PlanHeader(const QRectF& r, const QString& label)
{
    if (r.height() <= r.width()) {
        ConnectorPlan plan = PlanLyingHeader(r.width(), r.height(), label);
        plan.label.translate(r.topLeft());
        for (QRectF& row : plan.pins) row.translate(r.topLeft());
        return plan;
    }
    // A tall header: the lying frame turned a quarter left, so that its label reads upwards.
    ConnectorPlan plan = PlanLyingHeader(r.height(), r.width(), label);
    auto stand = [&r](const QRectF& lying) {
        return QRectF(r.left() + lying.top(), r.bottom() - lying.right(), lying.height(), lying.width());
    };
    plan.upright = true;
    plan.label = stand(plan.label);
    for (QRectF& row : plan.pins) row = stand(row);
    return plan;
}

ConnectorPlan PlanJack(const QRectF& r, const QString& label)
{
    ConnectorPlan plan;
    const QRectF face = r.adjusted(1, 1, -1, -1);
    plan.font = FontFitting(label, face.size(), 9);
    qreal labelTop = r.bottom();
    if (plan.font) {
        // The label in the lower half, or in as much of the face as it needs.
        const qreal height = std::max(QFontMetricsF(*plan.font).height(), r.height() / 2 - 1);
        plan.label = QRectF(face.left(), face.bottom() - height, face.width(), height);
        labelTop = plan.label.top();
    }
    // The opening of the connector above it, where there is room for one.
    const qreal room = labelTop - r.top();
    const qreal margin = room >= 10 ? 4 : 2;
    if (room - margin - 2 >= 2)
        plan.pins = {QRectF(r.left() + r.width() * 0.2, r.top() + margin, r.width() * 0.6, room - margin - 2)};
    return plan;
}

void DrawJack(QPainter& p, const QRectF& r, const QString& label)
{
    QLinearGradient shine(r.topLeft(), r.bottomLeft());
    shine.setColorAt(0, kMetal.lighter(115));
    shine.setColorAt(1, kMetalDark);
    p.setPen(QPen(kMetalDark.darker(130), 1));
    p.setBrush(shine);
    p.drawRoundedRect(r, 3, 3);
    const ConnectorPlan plan = PlanJack(r, label);
    p.setBrush(QColor(0x2A, 0x2C, 0x30));
    p.setPen(Qt::NoPen);
    for (const QRectF& mouth : plan.pins) p.drawRoundedRect(mouth, 2, 2);
    if (plan.font) {
        p.setFont(*plan.font);
        p.setPen(QColor(0x1A, 0x1A, 0x1A));
        DrawText(p, plan.label, Qt::AlignCenter, label);
    }
}

void DrawHeader(QPainter& p, const QRectF& r, const QString& label)
{
    p.setPen(QPen(QColor(0x0A, 0x0A, 0x0A), 1));
    p.setBrush(QColor(0x25, 0x26, 0x29));
    p.drawRect(r);
    const ConnectorPlan plan = PlanHeader(r, label);
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    for (const QRectF& row : plan.pins) {
        const bool down = row.height() > row.width();
        for (qreal at = 0; at + kPin <= (down ? row.height() : row.width()) + 0.01; at += kPitch)
            p.drawRect(down ? QRectF(row.left(), row.top() + at, kPin, kPin)
                            : QRectF(row.left() + at, row.top(), kPin, kPin));
    }
    p.setPen(kSilk);
    if (plan.font) DrawPlannedLabel(p, plan.label, label, *plan.font, plan.upright);
}

// A row's label to the left of its parts, or above them for keys, which are square. A row too
// small for a readable label keeps all of its room for the parts.
RowPlan PlanRowLabel(const QRectF& r, const QString& label, Part part)
{
    RowPlan plan{{}, std::nullopt, r};
    if (part == Part::Keys) {
        plan.font = FontFitting(label, QSizeF(r.width(), r.height() / 2), 9);
        if (!plan.font) return plan;
        const qreal height = QFontMetricsF(*plan.font).height();
        plan.label = QRectF(r.left(), r.top(), r.width(), height);
        plan.parts = QRectF(r.left(), r.top() + height, r.width(), r.height() - height);
        return plan;
    }
    plan.font = FontFitting(label, QSizeF(r.width() / 2 - 8, r.height()), 9);
    if (!plan.font) return plan;
    const qreal width = QFontMetricsF(*plan.font).horizontalAdvance(label) + 8;
    plan.label = QRectF(r.left(), r.top(), width, r.height());
    plan.parts = QRectF(r.left() + width, r.top(), r.width() - width, r.height());
    return plan;
}

void DrawRow(QPainter& p, const QRectF& r, const QString& label, Part part, int count)
{
    const RowPlan plan = PlanRowLabel(r, label, part);
    if (plan.font) {
        p.setFont(*plan.font);
        p.setPen(kSilk);
        DrawText(p, plan.label, Qt::AlignCenter, label);
    }
    const QRectF& parts = plan.parts;
    if (count <= 0) count = part == Part::Keys ? 4 : part == Part::Seg7 ? 6 : 10;
    qreal step = parts.width() / count;
    for (int i = 0; i < count; ++i) {
        QRectF cell(parts.left() + i * step, parts.top(), step, parts.height());
        switch (part) {
        case Part::Leds: {
            QRectF led(cell.center().x() - 3, cell.center().y() - 3, 6, 6);
            p.setPen(QPen(QColor(0x7A, 0x10, 0x10), 1));
            p.setBrush(QColor(0xF0, 0x3A, 0x2E));
            p.drawRect(led);
            break;
        }
        case Part::Switches: {
            QRectF body = cell.adjusted(2, 1, -2, -1);
            p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
            p.setBrush(QColor(0xEE, 0xEE, 0xEE));
            p.drawRect(body);
            p.setBrush(QColor(0x3A, 0x3C, 0x41));
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(body.left() + 2, body.top() + 2, body.width() - 4, body.height() / 2 - 2));
            break;
        }
        case Part::Keys: {
            qreal side = std::min(cell.width(), cell.height()) - 4;
            QRectF key(cell.center().x() - side / 2, cell.center().y() - side / 2, side, side);
            p.setPen(QPen(kMetalDark, 1));
            p.setBrush(kMetal);
            p.drawRect(key);
            p.setBrush(QColor(0x26, 0x27, 0x2A));
            p.setPen(Qt::NoPen);
            p.drawEllipse(key.center(), side * 0.3, side * 0.3);
            break;
        }
        case Part::Seg7: {
            QRectF digit = cell.adjusted(1, 1, -1, -1);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x14, 0x14, 0x14));
            p.drawRect(digit);
            QFont font(QStringLiteral("DejaVu Sans Mono"));
            font.setPixelSize(static_cast<int>(digit.height()) - 6);
            font.setBold(true);
            p.setFont(font);
            p.setPen(QColor(0xFF, 0x45, 0x30));
            DrawText(p, digit, Qt::AlignCenter, QStringLiteral("8"));
            break;
        }
        default: break;
        }
    }
}

// A region large enough holds the hard processor's parts: its CPU, its memory and a jack.
struct RegionParts {
    QRectF cpu, ram, eth;
};
std::optional<RegionParts> PlanRegion(const QRectF& r)
{
    if (r.width() < 80 || r.height() < 56) return std::nullopt;
    RegionParts parts;
    parts.cpu = QRectF(r.left() + 8, r.top() + 24, r.width() * 0.42, r.height() - 34);
    parts.ram = QRectF(parts.cpu.right() + 8, parts.cpu.top(), r.right() - parts.cpu.right() - 16,
                       parts.cpu.height() / 2 - 3);
    parts.eth = QRectF(parts.ram.left(), parts.ram.bottom() + 6, parts.ram.width(),
                       parts.cpu.bottom() - parts.ram.bottom() - 6);
    return parts;
}

const QString kRegionCpu = QStringLiteral("ARM");
const QString kRegionRam = QStringLiteral("DDR3");

void DrawRegion(QPainter& p, const QRectF& r, const QString& label)
{
    p.setPen(QPen(QColor(0xA8, 0xC8, 0xE8, 150), 1, Qt::DashLine));
    p.setBrush(QColor(0x2E, 0x5E, 0x8A, 110));
    p.drawRoundedRect(r, 4, 4);
    const std::optional<RegionParts> parts = PlanRegion(r);
    // A small area holds its label alone.
    if (!parts) {
        DrawLabel(p, r.adjusted(2, 1, -2, -1), label, kSilk, 12);
        return;
    }
    DrawPackage(p, parts->cpu, kRegionCpu, kPackage);
    DrawPackage(p, parts->ram, kRegionRam, kPackage);
    DrawJack(p, parts->eth, QStringLiteral("ETH/USB"));
    DrawLabel(p, QRectF(r.left(), r.top() + 3, r.width(), 18), label, kSilk, 12);
}

void DrawBlock(QPainter& p, const Block& block)
{
    QRectF r(block.rect);
    switch (block.part) {
    case Part::Chip: DrawPackage(p, r, block.label, kPackage); break;
    case Part::Memory: DrawPackage(p, r, block.label, QColor(0x2B, 0x2D, 0x33)); break;
    case Part::Oscillator: {
        p.setPen(QPen(kMetalDark, 1));
        p.setBrush(kMetal);
        p.drawRoundedRect(r, 4, 4);
        DrawLabel(p, r, block.label, QColor(0x1A, 0x1A, 0x1A), 9);
        break;
    }
    case Part::Jack: DrawJack(p, r, block.label); break;
    case Part::Header: DrawHeader(p, r, block.label); break;
    case Part::Leds:
    case Part::Switches:
    case Part::Keys:
    case Part::Seg7: DrawRow(p, r, block.label, block.part, block.count); break;
    case Part::Region: DrawRegion(p, r, block.label); break;
    case Part::Silkscreen: {
        // As high as the block, or as wide as it takes the text.
        QFont font = LabelFont(static_cast<int>(r.height()) - 2);
        font.setItalic(true);
        while (font.pixelSize() > kSmallestLabel && QFontMetricsF(font).horizontalAdvance(block.label) > r.width())
            font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
        p.setPen(kSilk);
        DrawText(p, r, Qt::AlignCenter, block.label);
        break;
    }
    }
}

void DrawPcb(QPainter& p, QSize size)
{
    QRectF board(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient shade(board.topLeft(), board.bottomRight());
    shade.setColorAt(0, kBoardGreen);
    shade.setColorAt(1, kBoardGreenDark);
    p.setPen(QPen(kBoardEdge, 2));
    p.setBrush(shade);
    p.drawRoundedRect(board, 8, 8);
    // Mounting holes in the corners.
    for (QPointF hole : {QPointF(7, 7), QPointF(size.width() - 7, 7), QPointF(7, size.height() - 7),
                         QPointF(size.width() - 7, size.height() - 7)}) {
        p.setPen(QPen(kGold, 1.5));
        p.setBrush(QColor(0x0A, 0x0A, 0x0A));
        p.drawEllipse(hole, 3, 3);
    }
}

QPixmap NewPixmap(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The colour of a card's board by the connector it plugs into.
QColor CardColour(uint8_t type)
{
    switch (type) {
    case CONNECTOR_HSMC: return QColor(0x1D, 0x4E, 0x89);
    case CONNECTOR_Kelpin: return QColor(0x7A, 0x2E, 0x3A);
    case CONNECTOR_GPIO40:
    case CONNECTOR_GPIO80: return QColor(0x17, 0x6E, 0x6A);
    case CONNECTOR_FMC_HPC:
    case CONNECTOR_FMC_LPC: return QColor(0x54, 0x36, 0x85);
    case CONNECTOR_Ombrel_2x6: return QColor(0x8A, 0x5A, 0x12);
    case CONNECTOR_MEMORY_MODULE:
    case CONNECTOR_DDR2_SODIMM:
    case CONNECTOR_DDR3_SODIMM:
    case CONNECTOR_DDR4_SODIMM: return QColor(0x2C, 0x5E, 0x2C);
    default: return QColor(0x3B, 0x46, 0x52);
    }
}

// The card's name without the words that tell what it does, and those words.
std::pair<QString, QString> CardTitle(uint8_t cardId, const std::string& bitmapName)
{
    QString name = QString::fromLatin1(BoardName(cardId).c_str());
    if (name.isEmpty()) {
        // Cards the catalogue does not name are named after their picture.
        name = QString::fromLatin1(bitmapName.c_str());
        name.remove(QRegularExpression(QStringLiteral("(_80)?_BITMAP$"), QRegularExpression::CaseInsensitiveOption));
        name.remove(QRegularExpression(QStringLiteral("_80(?=_)")));
        name.replace(QLatin1Char('_'), QLatin1Char(' '));
    }
    int dash = name.indexOf(QStringLiteral(" - "));
    if (dash < 0) dash = name.indexOf(QStringLiteral(" -"));
    if (dash < 0) return {name, QString()};
    return {name.left(dash).trimmed(), name.mid(dash + 2).trimmed()};
}

LetteringRecorder*& Recorder()
{
    static LetteringRecorder* recorder = nullptr;
    return recorder;
}

BoardWatcher& Watcher()
{
    static BoardWatcher watcher;
    return watcher;
}

QString ConnectorText(uint8_t type)
{
    switch (type) {
    case CONNECTOR_HSMC: return QStringLiteral("HSMC");
    case CONNECTOR_Kelpin: return QStringLiteral("Kelpin");
    case CONNECTOR_GPIO40: return QStringLiteral("2x20 GPIO");
    case CONNECTOR_GPIO80: return QStringLiteral("2 x 2x20 GPIO");
    case CONNECTOR_FMC_HPC: return QStringLiteral("FMC HPC");
    case CONNECTOR_FMC_LPC: return QStringLiteral("FMC LPC");
    case CONNECTOR_Ombrel_2x6: return QStringLiteral("2x6 header");
    case CONNECTOR_MEMORY_MODULE: return QStringLiteral("Module");
    default: return QStringLiteral("Header");
    }
}

}  // namespace

void DrawText(QPainter& p, const QRectF& area, int flags, const QString& text)
{
    p.drawText(area, flags, text);
    LetteringRecorder* recorder = Recorder();
    if (!recorder || text.isEmpty() || p.device()->devType() != QInternal::Pixmap) return;
    // Text larger than its area is cut off at the area's edges.
    QRectF printed = p.boundingRect(area, flags, text);
    if (!(flags & Qt::TextDontClip)) printed = printed.intersected(area);
    const qint64 picture = static_cast<const QPixmap*>(p.device())->cacheKey();
    recorder->m_texts[picture].push_back(p.transform().mapRect(printed));
}

LetteringRecorder::LetteringRecorder()
{
    PW_CHECK(Recorder() == nullptr);
    Recorder() = this;
}

LetteringRecorder::~LetteringRecorder() { Recorder() = nullptr; }

std::vector<QRectF> LetteringRecorder::Lettering(const QPixmap& picture) const
{
    const auto found = m_texts.find(picture.cacheKey());
    return found == m_texts.end() ? std::vector<QRectF>() : found->second;
}

ConnectorPlan PlanConnector(const Block& block)
{
    switch (block.part) {
    case Part::Header: return PlanHeader(QRectF(block.rect), block.label);
    case Part::Jack: return PlanJack(QRectF(block.rect), block.label);
    default: return {};
    }
}

std::vector<PackagePlan> PlanPackages(const Block& block)
{
    const QRectF r(block.rect);
    switch (block.part) {
    case Part::Chip:
    case Part::Memory: return {PlanPackage(r, block.label)};
    case Part::Region:
        if (const std::optional<RegionParts> parts = PlanRegion(r))
            return {PlanPackage(parts->cpu, kRegionCpu), PlanPackage(parts->ram, kRegionRam)};
        return {};
    default: return {};
    }
}

RowPlan PlanRow(const Block& block)
{
    switch (block.part) {
    case Part::Leds:
    case Part::Switches:
    case Part::Keys:
    case Part::Seg7: return PlanRowLabel(QRectF(block.rect), block.label, block.part);
    default: return {};
    }
}

void WatchBoards(BoardWatcher watcher) { Watcher() = std::move(watcher); }

QPixmap DrawBoard(QSize size, std::span<const Block> blocks)
{
    if (Watcher()) Watcher()(size, blocks);
    QPixmap pixmap = NewPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawPcb(p, size);
    for (const Block& block : blocks) DrawBlock(p, block);
    return pixmap;
}

QPixmap DrawJumpers(QSize size, const QString& title, std::span<const Block> rows)
{
    QPixmap pixmap = NewPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRectF area(0.5, 0.5, size.width() - 1, size.height() - 1);
    p.setPen(QPen(QColor(0x9A, 0x9A, 0xA0), 1));
    p.setBrush(QColor(0xFA, 0xFA, 0xFB));
    p.drawRoundedRect(area, 4, 4);
    const QColor ink(0x20, 0x20, 0x20);
    const QRectF titleArea(2, 4, size.width() - 4, 18);
    DrawLabel(p, titleArea, title, ink, 10);
    for (const Block& row : rows) {
        QRectF r(row.rect);
        // Three pins; the jumper joins the middle one to the row's own. A standing jumper is
        // named above its column (clear of its outline), a lying one left of its pins.
        const bool standing = r.height() > r.width();
        QRectF base;
        if (standing) {
            base = r.adjusted(1, 1, -1, -1);
            DrawLabel(p, QRectF(r.left() - 2, titleArea.bottom(), r.width() + 4, r.top() - 4 - titleArea.bottom()),
                      row.label, ink, 10);
        } else {
            base = QRectF(r.right() - 50, r.top() + 3, 44, r.height() - 6);
            p.setFont(LabelFont(11, false));
            p.setPen(ink);
            DrawText(p, QRectF(r.left() + 4, r.top(), 44, r.height()), Qt::AlignVCenter | Qt::AlignLeft, row.label);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x26, 0x27, 0x2A));
        p.drawRect(base);
        p.setBrush(kGold);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(standing ? QPointF(base.center().x(), base.top() + base.height() * (2 * i + 1) / 6)
                                   : QPointF(base.left() + 8 + i * 14, base.center().y()),
                          3, 3);
    }
    return pixmap;
}

QPixmap DrawCard(uint8_t cardId, const std::string& bitmapName)
{
    const QSize size(124, 80);
    QPixmap pixmap = NewPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    uint8_t type = BoardConnectorType(cardId);
    // A card the catalogue leaves without a connector: a GPIO card by its picture's name.
    if (type == CONNECTOR_NONE && QString::fromLatin1(bitmapName.c_str()).startsWith(QStringLiteral("GPIO")))
        type = CONNECTOR_GPIO40;
    QColor colour = CardColour(type);
    QRectF card(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient shade(card.topLeft(), card.bottomLeft());
    shade.setColorAt(0, colour.lighter(120));
    shade.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(170), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(card, 6, 6);

    // The connector along the top edge: a memory module has gold fingers instead.
    if (type == CONNECTOR_MEMORY_MODULE) {
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        for (qreal x = 8; x < size.width() - 8; x += 4) p.drawRect(QRectF(x, size.height() - 10, 2.5, 8));
    } else {
        QRectF strip(12, 5, size.width() - 24, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1A, 0x1A, 0x1C));
        p.drawRect(strip);
        p.setBrush(kGold);
        qreal pitch = type == CONNECTOR_HSMC || type == CONNECTOR_Kelpin || type == CONNECTOR_FMC_HPC ||
                              type == CONNECTOR_FMC_LPC
                          ? 2.5
                          : 5.0;
        for (qreal x = strip.left() + 2; x < strip.right() - 1; x += pitch)
            p.drawRect(QRectF(x, strip.top() + 3, pitch > 3 ? 2.0 : 1.2, 3));
    }

    auto [title, subtitle] = CardTitle(cardId, bitmapName);
    QRectF text(6, 16, size.width() - 12, size.height() - 34);
    if (subtitle.isEmpty()) {
        // Long names wrap, in the largest font at which they fit the card.
        int pixels = 13;
        QFont font = LabelFont(pixels);
        auto fits = [&] {
            QRect needed = QFontMetrics(font).boundingRect(text.toRect(), Qt::AlignCenter | Qt::TextWordWrap, title);
            return needed.height() <= text.height() && needed.width() <= text.width();
        };
        while (pixels > 8 && !fits()) font.setPixelSize(--pixels);
        p.setFont(font);
        p.setPen(kSilk);
        DrawText(p, text, Qt::AlignCenter | Qt::TextWordWrap, title);
    } else {
        DrawLabel(p, QRectF(text.left(), text.top(), text.width(), 18), title, kSilk, 13);
        p.setFont(LabelFont(9, false));
        p.setPen(kSilk);
        DrawText(p, QRectF(text.left(), text.top() + 18, text.width(), text.height() - 18),
                 Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, subtitle);
    }
    if (type != CONNECTOR_MEMORY_MODULE) {
        p.setFont(LabelFont(8, false));
        p.setPen(kSilk.darker(115));
        DrawText(p, QRectF(6, size.height() - 16, size.width() - 12, 12), Qt::AlignRight | Qt::AlignVCenter,
                 ConnectorText(type));
    }
    return pixmap;
}

QPixmap DrawPlainBoard(const QString& name)
{
    const QSize size(400, 300);
    const Block blocks[] = {
        {QRect(150, 100, 100, 90), QStringLiteral("FPGA"), Part::Chip},
        {QRect(40, 230, 320, 30), name, Part::Silkscreen},
    };
    return DrawBoard(size, blocks);
}

QPixmap DrawFamilyMark(QSize size, const QString& family)
{
    QPixmap mark = NewPixmap(size);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1F, 0x3A, 0x6E));
    const QRectF plate = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
    p.drawRoundedRect(plate, 6, 6);
    QFont font = p.font();
    font.setBold(true);
    // As large as the plate takes the name.
    for (int pixels = size.height() * 2 / 5; pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(family) <= plate.width() - 8) break;
    }
    p.setFont(font);
    p.setPen(Qt::white);
    DrawText(p, plate, Qt::AlignCenter, family);
    return mark;
}

void RegisterFamilyMark(const std::string& name, QSize size, const QString& family)
{
    platform::qt::RegisterBitmap(name, [size, family] { return DrawFamilyMark(size, family); });
}

QPixmap DrawProgramIcon(int size)
{
    QPixmap pixmap = NewPixmap(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 64.0;
    p.scale(unit, unit);
    QLinearGradient shade(QPointF(0, 0), QPointF(64, 64));
    shade.setColorAt(0, kBoardGreen.lighter(115));
    shade.setColorAt(1, kBoardGreenDark);
    p.setPen(QPen(kBoardEdge, 2));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // The chip with its pins.
    p.setPen(QPen(kGold, 2.2));
    for (qreal at = 22; at <= 42; at += 5) {
        p.drawLine(QPointF(at, 14), QPointF(at, 20));
        p.drawLine(QPointF(at, 44), QPointF(at, 50));
        p.drawLine(QPointF(14, at), QPointF(20, at));
        p.drawLine(QPointF(44, at), QPointF(50, at));
    }
    p.setPen(QPen(QColor(0x55, 0x57, 0x5C), 1));
    p.setBrush(kPackage);
    p.drawRoundedRect(QRectF(19, 19, 26, 26), 3, 3);
    // The outline that marks a chosen part.
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x00), 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, 10, 44, 44));
    return pixmap;
}

QPixmap MakerLogo()
{
    auto bytes = platform::FindResource(kMakerLogo);
    if (!bytes) return QPixmap();
    return QPixmap::fromImage(platform::qt::DecodeJpeg(*bytes));
}

}  // namespace pictures

void RegisterPictures()
{
    static bool registered = false;
    if (registered) return;
    registered = true;

    for (const CardPicture& card : CardPictureTable()) {
        if (platform::qt::HasBitmap(card.bitmap)) continue;  // shared by two cards: the first draws it
        uint8_t id = card.id;
        std::string name = card.bitmap;
        platform::qt::RegisterBitmap(name, [id, name] { return pictures::DrawCard(id, name); });
    }
    for (const BoardFormRow& row : BoardFormTable())
        if (row.registerPictures) row.registerPictures();
    // Boards without a form of their own yet still show a picture in the selector.
    for (const SelectorEntry& entry : SelectorTable()) {
        if (platform::qt::HasBitmap(entry.bitmap)) continue;
        QString text = QString::fromLatin1(entry.text);
        platform::qt::RegisterBitmap(entry.bitmap, [text] { return pictures::DrawPlainBoard(text); });
    }
    platform::qt::RegisterBitmap(pictures::kMakerLogo, [] { return pictures::MakerLogo(); });
    platform::qt::RegisterBitmap(pictures::kProgramIcon, [] { return pictures::DrawProgramIcon(64); });
}
