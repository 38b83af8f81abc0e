#pragma once
// The program's pictures, drawn by our code and registered under the names the windows load
// them by: board pictures, the 80-pixel card pictures and the maker's logo.
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QPainter;

// Registers every picture once; later calls do nothing.
void RegisterPictures();

namespace pictures {

// Prints text as QPainter::drawText does. Every text of a picture is printed through it, so that
// a LetteringRecorder sees where the picture's lettering lies.
void DrawText(QPainter& p, const QRectF& area, int flags, const QString& text);

// While one lives, each picture drawn keeps where it prints text: the bounding rectangle of
// every text, in the picture's own coordinates. One recorder at a time.
class LetteringRecorder {
public:
    LetteringRecorder();
    ~LetteringRecorder();
    LetteringRecorder(const LetteringRecorder&) = delete;
    LetteringRecorder& operator=(const LetteringRecorder&) = delete;

    // The lettering of a picture drawn meanwhile, known by its contents (a scaled or repainted
    // copy is another picture); empty for any other.
    std::vector<QRectF> Lettering(const QPixmap& picture) const;

private:
    friend void DrawText(QPainter& p, const QRectF& area, int flags, const QString& text);
    std::map<qint64, std::vector<QRectF>> m_texts;
};

// The name of the program's own icon.
constexpr const char* kProgramIcon = "PINWRIGHT_ICON";

// The name of the maker's logo (a JPEG among the embedded items, decoded when loaded).
constexpr const char* kMakerLogo = "VARNHOLT_LOGO";

// How a block of a board picture looks.
enum class Part {
    Chip,        // a black package
    Memory,      // a memory package
    Oscillator,  // a small metal can
    Jack,        // a metal connector on the board's edge
    Header,      // a pin header or a board-to-board connector
    Leds,
    Switches,
    Keys,
    Seg7,
    Region,      // an area holding several parts
    Silkscreen,  // the board's name printed on it
};

struct Block {
    QRect rect;
    QString label;
    Part part;
    int count = 0;  // LEDs, switches, keys or digits in a row; 0: the part's usual number
};

// Where a connector's label lies in the picture, and what it keeps clear of: the pin rows of a
// header, the opening of a jack.
struct ConnectorPlan {
    QRectF label;
    std::optional<QFont> font;  // none: no readable label fits the connector, and none is drawn
    bool upright = false;       // the label reads upwards, along a tall header
    std::vector<QRectF> pins;
};
// The plan of a Header or a Jack block; any other part has an empty one.
ConnectorPlan PlanConnector(const Block& block);

// Where the label of a row of LEDs, switches, keys or digits lies, and the room its parts take;
// no font when no readable label fits, and the parts then take the whole row.
struct RowPlan {
    QRectF label;
    std::optional<QFont> font;
    QRectF parts;
};
// The plan of a row block; any other part has an empty one.
RowPlan PlanRow(const Block& block);

// The room a label keeps at either end of its text, along the way it reads, wherever a
// readable size allows it.
constexpr qreal kLabelRoom = 3;

// Where a label lies and in what font; none when no readable size fits its area.
struct LabelPlan {
    QRectF area;  // the text lies centred in it
    std::optional<QFont> font;
    bool upright = false;  // reads upwards
};

// The mark beside a chip's pin 1: a dot of this radius.
constexpr qreal kMarkRadius = 1.8;
// A chip's caption and the centre of its pin-1 mark, which never meets the caption's text.
struct PackagePlan {
    LabelPlan caption;
    std::optional<QPointF> mark;  // none on a chip too small for both
    QRectF body;                  // the package's outline
};
// The plans of the packages a block shows: a chip's or a memory's own, those of the parts a
// large region holds; none for any other block.
std::vector<PackagePlan> PlanPackages(const Block& block);

// A board seen from above: its blocks in the given order, each labelled.
QPixmap DrawBoard(QSize size, std::span<const Block> blocks);
// Sees the blocks of each board picture as it is drawn, so that a check can go over every
// board's drawing; an empty function stops it.
using BoardWatcher = std::function<void(QSize size, std::span<const Block> blocks)>;
void WatchBoards(BoardWatcher watcher);
// A jumper block: a title and one labelled jumper per block, its pins in a row, or in a column
// where the block stands upright.
QPixmap DrawJumpers(QSize size, const QString& title, std::span<const Block> rows);
// A card: the card's name and its connector.
QPixmap DrawCard(uint8_t cardId, const std::string& bitmapName);
// A board that has no picture of its own: its name over an FPGA.
QPixmap DrawPlainBoard(const QString& name);
// The mark of an FPGA family, in place of the vendor's logo: the family's name on a plate.
QPixmap DrawFamilyMark(QSize size, const QString& family);
// Registers that mark under a bitmap name, for a form whose layout shows the vendor's logo.
void RegisterFamilyMark(const std::string& name, QSize size, const QString& family);
// The program's icon: a chip on a board, framed by an outline as the forms draw them.
QPixmap DrawProgramIcon(int size);
// The maker's logo decoded from its JPEG; null when it cannot be decoded.
QPixmap MakerLogo();

}  // namespace pictures
