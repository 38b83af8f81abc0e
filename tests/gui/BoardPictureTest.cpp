// The connectors of the board pictures: every label lies clear of the connector's pins, wholly
// inside the picture, in a font that holds it uncut; a connector too small for any readable
// label is drawn without one.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <set>

#include "FormFixture.h"
#include "core/model/MainBoard.h"
#include "core/shell/Pictures.h"
#include "core/shell/UnitMain.h"

namespace {

using pictures::Block;
using pictures::ConnectorPlan;
using pictures::Part;

// The label's text fits its rectangle along the way it reads, and lies inside `bounds`.
void ExpectWholeLabel(const ConnectorPlan& plan, const QString& text, const QRectF& bounds)
{
    ASSERT_TRUE(plan.font.has_value());
    const QFontMetricsF metrics(*plan.font);
    const qreal along = plan.upright ? plan.label.height() : plan.label.width();
    const qreal across = plan.upright ? plan.label.width() : plan.label.height();
    EXPECT_LE(metrics.horizontalAdvance(text), along);
    EXPECT_LE(metrics.height(), across);
    EXPECT_GE(plan.font->pixelSize(), 7);
    EXPECT_TRUE(bounds.contains(plan.label));
}

void ExpectClearOfPins(const ConnectorPlan& plan, const QRectF& connector)
{
    for (const QRectF& pins : plan.pins) {
        EXPECT_FALSE(plan.label.intersects(pins));
        EXPECT_TRUE(connector.contains(pins));
    }
}

// No pin is painted inside the label's rectangle: the pins are the only gold on a header.
bool GoldUnderLabel(const Block& block, const ConnectorPlan& plan, QSize size)
{
    const QImage image = pictures::DrawBoard(size, std::span(&block, 1)).toImage();
    const QRect inside = plan.label.toAlignedRect().intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 0xC0 && c.green() > 0x98 && c.green() < 0xC8 && c.blue() < 0x70) return true;
        }
    return false;
}

struct DrawnBoard {
    uint8_t id;
    QSize size;
    std::vector<Block> blocks;
};

// Every board picture the forms of the factory table draw, with its blocks.
std::vector<DrawnBoard> EveryBoardDrawn()
{
    std::vector<DrawnBoard> drawn;
    uint8_t id = 0;
    pictures::WatchBoards([&](QSize size, std::span<const Block> blocks) {
        drawn.push_back({id, size, {blocks.begin(), blocks.end()}});
    });
    for (const BoardFormRow& row : BoardFormTable()) {
        id = row.id;
        delete row.create(nullptr);
    }
    pictures::WatchBoards({});
    return drawn;
}

// The box of a pin-1 mark, and whether two boxes meet, touching edges included.
QRectF MarkBox(const QPointF& centre)
{
    return QRectF(centre - QPointF(pictures::kMarkRadius, pictures::kMarkRadius),
                  QSizeF(2, 2) * pictures::kMarkRadius);
}
bool Meet(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}
const QRgb kMark = qRgb(0x3A, 0x3C, 0x41);

// A chip's caption lies inside its body and keeps, at either end, the room it would have left
// on the whole body (at the same size), up to a label's usual room: moved out of the pin-1
// mark's corner, it may not come nearer to the outline than that.
void ExpectCaptionKeepsItsRoom(const pictures::PackagePlan& plan, const std::vector<QRectF>& texts)
{
    std::vector<QRectF> inside;
    for (const QRectF& text : texts)
        if (plan.body.contains(text.center())) inside.push_back(text);
    ASSERT_EQ(inside.size(), plan.caption.font ? 1u : 0u);
    if (inside.empty()) return;
    const QRectF& text = inside.front();
    const QRectF& body = plan.body;
    const bool upright = plan.caption.upright;
    const qreal length = upright ? text.height() : text.width();
    const qreal room = std::min(pictures::kLabelRoom, ((upright ? body.height() : body.width()) - length) / 2);
    const qreal slack = 0.01;
    EXPECT_GE((upright ? text.top() - body.top() : text.left() - body.left()) + slack, room);
    EXPECT_GE((upright ? body.bottom() - text.bottom() : body.right() - text.right()) + slack, room)
        << "the caption at (" << text.left() << ", " << text.top() << ", " << text.width() << " x " << text.height()
        << ") comes within " << room << " px of the outline (" << body.left() << ", " << body.top() << ", "
        << body.width() << " x " << body.height() << ")";
    EXPECT_GE(text.top() + slack, body.top());
    EXPECT_GE(body.bottom() + slack, text.bottom());
    EXPECT_GE(text.left() + slack, body.left());
    EXPECT_GE(body.right() + slack, text.right());
}

}  // namespace

class BoardPicture : public GuiTest {};

// The connectors of every registered board, among them the GPIO and Arduino headers of Kestwin
// and Lumbrae and the HSMC and GPIO headers of Pandrel.
TEST_F(BoardPicture, EveryConnectorLabelIsWholeAndClearOfItsPins)
{
    std::set<uint8_t> boardsWithConnectors;
    for (const DrawnBoard& board : EveryBoardDrawn()) {
        for (const Block& block : board.blocks) {
            if (block.part != Part::Header && block.part != Part::Jack) continue;
            SCOPED_TRACE(std::to_string(board.id) + " " + block.label.toStdString());
            boardsWithConnectors.insert(board.id);
            const ConnectorPlan plan = pictures::PlanConnector(block);
            const QRectF connector(block.rect);
            ExpectClearOfPins(plan, connector);
            // A connector of room enough for a small label shows it.
            const bool roomy = std::min(block.rect.width(), block.rect.height()) >= 10 &&
                               std::max(block.rect.width(), block.rect.height()) >= 40;
            if (!plan.font) {
                EXPECT_FALSE(roomy);
                continue;
            }
            ExpectWholeLabel(plan, block.label, connector.intersected(QRectF(QPointF(0, 0), board.size)));
            if (block.part == Part::Header) EXPECT_FALSE(GoldUnderLabel(block, plan, board.size));
        }
    }
    for (uint8_t id : {MAINBOARD_Kestwin, MAINBOARD_Lumbrae, MAINBOARD_Pandrel})
        EXPECT_TRUE(boardsWithConnectors.count(id)) << static_cast<int>(id);
}

// How a header lays out by its shape: the label between two pin rows where it fits there, at
// the end of a thin header beside its pins, reading upwards along a tall one, and left out of
// a header too thin for any.
TEST_F(BoardPicture, HeaderLabelGoesWhereThePinsLeaveRoom)
{
    enum Where { Between, Beside, None };
    const struct {
        QRect rect;
        const char* label;
        Where where;
        bool upright;
    } cases[] = {
        {{10, 10, 250, 30}, "FMC", Between, false},
        {{10, 10, 26, 160}, "HSMC", Between, true},
        {{10, 10, 196, 16}, "GPIO-0", Beside, false},
        {{10, 10, 188, 10}, "ARDUINO", Beside, false},
        {{10, 10, 16, 180}, "GPIO-1", Beside, true},
        {{10, 10, 14, 0}, "GPIO", None, false},
        {{10, 10, 92, 6}, "PCIe", None, false},
    };
    const QSize size(300, 200);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const Block block{c.rect, QString::fromLatin1(c.label), Part::Header};
        const ConnectorPlan plan = pictures::PlanConnector(block);
        ExpectClearOfPins(plan, QRectF(c.rect));
        if (c.where == None) {
            EXPECT_FALSE(plan.font.has_value());
            continue;
        }
        ExpectWholeLabel(plan, block.label, QRectF(c.rect));
        EXPECT_EQ(plan.upright, c.upright);
        EXPECT_FALSE(GoldUnderLabel(block, plan, size));
        ASSERT_FALSE(plan.pins.empty());
        // Across the header (Between) or along it (Beside), the label lies between the pins' edges.
        const QRectF& first = plan.pins.front();
        const QRectF& last = plan.pins.back();
        if (c.where == Between) {
            EXPECT_EQ(plan.pins.size(), 2u);
            if (c.upright) {
                EXPECT_LE(first.right(), plan.label.left());
                EXPECT_GE(last.left(), plan.label.right());
            } else {
                EXPECT_LE(first.bottom(), plan.label.top());
                EXPECT_GE(last.top(), plan.label.bottom());
            }
        } else if (c.upright) {
            // Read upwards, the label starts at the bottom and the pins run on above it.
            EXPECT_LE(first.bottom(), plan.label.top());
        } else {
            EXPECT_GE(first.left(), plan.label.right());
        }
    }
}

// A jack keeps its opening above the label while there is room for both; a jack too low for
// the label in its lower half gives the label what it needs.
TEST_F(BoardPicture, JackLabelLiesUnderItsOpening)
{
    for (QRect rect : {QRect(8, 8, 60, 34), QRect(6, 6, 34, 22), QRect(168, 6, 26, 18), QRect(50, 130, 40, 12)}) {
        SCOPED_TRACE(rect.height());
        const Block block{rect, QStringLiteral("SMA"), Part::Jack};
        const ConnectorPlan plan = pictures::PlanConnector(block);
        ExpectWholeLabel(plan, block.label, QRectF(rect));
        ExpectClearOfPins(plan, QRectF(rect));
        for (const QRectF& mouth : plan.pins) EXPECT_LE(mouth.bottom(), plan.label.top());
        if (rect.height() >= 22) EXPECT_EQ(plan.pins.size(), 1u);
    }
}

// Plimmet's S1/S2 DIP switch, which hands two digits to the GPIO header, is marked by its
// caption: the label stands whole beside its two switches.
TEST_F(BoardPicture, PlimmetDipSwitchReadsItsCaption)
{
    int found = 0;
    for (const DrawnBoard& board : EveryBoardDrawn()) {
        if (board.id != MAINBOARD_Plimmet) continue;
        for (const Block& block : board.blocks) {
            if (block.label != QStringLiteral("S1/S2")) continue;
            ++found;
            EXPECT_EQ(block.part, Part::Switches);
            const pictures::RowPlan plan = pictures::PlanRow(block);
            ASSERT_TRUE(plan.font.has_value());
            const QFontMetricsF metrics(*plan.font);
            EXPECT_LE(metrics.horizontalAdvance(block.label), plan.label.width());
            EXPECT_LE(metrics.height(), plan.label.height());
            EXPECT_GE(plan.font->pixelSize(), 7);
            EXPECT_TRUE(QRectF(block.rect).contains(plan.label));
            EXPECT_FALSE(plan.label.intersects(plan.parts));
            EXPECT_FALSE(plan.parts.isEmpty());
            EXPECT_TRUE(QRectF(block.rect).contains(plan.parts));
        }
    }
    EXPECT_EQ(found, 1);
}

// The lettering a picture reports is where its text is drawn: every pixel that its labels
// change lies in one of the reported rectangles, an upright label's rectangle stands upright,
// and each picture reports its own text alone.
TEST_F(BoardPicture, LetteringIsWhereThePictureDrawsText)
{
    const QSize size(200, 120);
    auto blocks = [](bool labelled) {
        auto text = [labelled](const char* label) { return labelled ? QString::fromLatin1(label) : QString(); };
        return std::vector<Block>{
            {QRect(10, 10, 22, 100), text("Si5338"), Part::Chip},
            {QRect(40, 10, 80, 40), text("FPGA"), Part::Chip},
            {QRect(40, 80, 150, 30), text("Board"), Part::Silkscreen},
        };
    };
    const QImage bare = pictures::DrawBoard(size, blocks(false)).toImage();
    const pictures::LetteringRecorder lettering;
    const QPixmap labelled = pictures::DrawBoard(size, blocks(true));
    const Block chip{QRect(10, 10, 60, 20), QStringLiteral("Other"), Part::Chip};
    const QPixmap other = pictures::DrawBoard(size, std::span(&chip, 1));

    const std::vector<QRectF> texts = lettering.Lettering(labelled);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_GT(texts[0].height(), texts[0].width());
    EXPECT_TRUE(QRectF(10, 10, 22, 100).contains(texts[0]));
    EXPECT_EQ(lettering.Lettering(other).size(), 1u);
    EXPECT_TRUE(lettering.Lettering(QPixmap(size)).empty());

    const QImage image = labelled.toImage();
    int changed = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            if (image.pixel(x, y) == bare.pixel(x, y)) continue;
            ++changed;
            const bool inText = std::any_of(texts.begin(), texts.end(), [&](const QRectF& text) {
                return text.toAlignedRect().contains(x, y);
            });
            EXPECT_TRUE(inText) << x << ", " << y;
        }
    EXPECT_GT(changed, 0);
}

// Every pin-1 mark of every board picture is drawn where its chip's plan puts it, clear of all
// the picture's lettering, not even touching a text's box: the small chips of Dravelle,
// Idrenne and Sarnoth among them. A chip 24 pixels or more each way keeps its mark. Every
// caption, moved or not, keeps its room from the chip's outline.
TEST_F(BoardPicture, PinOneMarksStayClearOfTheLettering)
{
    std::set<std::pair<uint8_t, std::string>> seen;
    for (const DrawnBoard& board : EveryBoardDrawn()) {
        const pictures::LetteringRecorder lettering;
        const QPixmap picture = pictures::DrawBoard(board.size, board.blocks);
        const std::vector<QRectF> texts = lettering.Lettering(picture);
        const QImage image = picture.toImage();
        for (const Block& block : board.blocks)
            for (const pictures::PackagePlan& plan : pictures::PlanPackages(block)) {
                SCOPED_TRACE(std::to_string(board.id) + " " + block.label.toStdString());
                seen.insert({board.id, block.label.toStdString()});
                ExpectCaptionKeepsItsRoom(plan, texts);
                if (!plan.mark) {
                    EXPECT_LT(std::min(block.rect.width(), block.rect.height()), 24);
                    continue;
                }
                EXPECT_EQ(image.pixel(plan.mark->toPoint()), kMark);
                for (const QRectF& text : texts)
                    EXPECT_FALSE(Meet(MarkBox(*plan.mark), text))
                        << "the mark at (" << plan.mark->x() << ", " << plan.mark->y() << ") meets the text at ("
                        << text.left() << ", " << text.top() << ", " << text.width() << " x " << text.height()
                        << ")";
            }
    }
    for (const auto& chip : {std::pair<uint8_t, std::string>{MAINBOARD_Dravelle, "TPS40428"},
                             {MAINBOARD_Idrenne, "TEMP"},
                             {MAINBOARD_Sarnoth, "61001"},
                             {MAINBOARD_Sarnoth, "61004"}})
        EXPECT_TRUE(seen.count(chip)) << static_cast<int>(chip.first) << " " << chip.second;
}

// A chip keeps its mark by its body's corner, its caption drawn whole and clear of it, where the
// two fit together (a small chip's caption moved aside, a big chip's where it was); a chip too
// small for both, or for the mark alone, draws no mark at all. A chip with no room for its
// caption keeps the mark. A moved caption keeps its size and its room from the outline: it goes
// below the mark where beside it the text would come near the outline (POWER, EEPROM,
// the second G-SENSOR), beside it against the far end's room where the corner leaves room
// enough (CDCM61004, QSPI), and where neither fits, the mark is left out.
TEST_F(BoardPicture, PinOneMarkYieldsToTheCaption)
{
    const struct {
        QRect rect;
        const char* label;
        bool mark;
    } cases[] = {
        {{10, 10, 100, 90}, "Stratix V GX", true}, {{10, 10, 52, 16}, "TPS40428", false},
        {{10, 10, 44, 26}, "TEMP", true},          {{10, 10, 34, 160}, "DDR3", true},
        {{10, 10, 40, 24}, "G-SENSOR", true},      {{10, 10, 30, 16}, "61001", false},
        {{10, 10, 52, 22}, "Si5338", false},       {{10, 10, 8, 8}, "Si5340A", false},
        {{10, 10, 42, 20}, "POWER", true},         {{10, 10, 50, 24}, "EEPROM", true},
        {{10, 10, 56, 26}, "G-SENSOR", true},      {{10, 10, 44, 18}, "Si5340B", false},
        {{10, 10, 70, 18}, "CDCM61004", true},     {{10, 10, 44, 22}, "QSPI", true},
        {{10, 10, 40, 18}, "PLL 0", false},        {{10, 10, 36, 22}, "DAC", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const Block chip{c.rect, QString::fromLatin1(c.label), Part::Chip};
        const std::vector<pictures::PackagePlan> plans = pictures::PlanPackages(chip);
        ASSERT_EQ(plans.size(), 1u);
        const pictures::PackagePlan& plan = plans.front();
        const pictures::LetteringRecorder lettering;
        const QPixmap picture = pictures::DrawBoard(QSize(200, 200), std::span(&chip, 1));
        // The mark sits by the body's corner, or there is no trace of it.
        const QPoint corner = c.rect.topLeft() + QPoint(7, 7);
        EXPECT_EQ(picture.toImage().pixel(corner) == kMark, c.mark);
        ASSERT_EQ(plan.mark.has_value(), c.mark);
        const std::vector<QRectF> texts = lettering.Lettering(picture);
        ASSERT_EQ(texts.size(), plan.caption.font ? 1u : 0u);
        EXPECT_EQ(plan.body, QRectF(c.rect).adjusted(2, 2, -2, -2));
        ExpectCaptionKeepsItsRoom(plan, texts);
        if (!plan.caption.font) continue;
        EXPECT_GE(plan.caption.font->pixelSize(), 7);
        const QRectF& text = texts.front();
        EXPECT_GE((plan.caption.upright ? text.height() : text.width()) + 0.01,
                  QFontMetricsF(*plan.caption.font).horizontalAdvance(chip.label));
        if (!c.mark) continue;
        EXPECT_EQ(plan.mark->toPoint(), corner);
        EXPECT_FALSE(Meet(MarkBox(*plan.mark), text));
    }
}
