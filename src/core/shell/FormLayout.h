#pragma once
// Windows are built in code from a table of controls, one row per control: kind, name,
// parent, caption and geometry. Controls keep their names as objectName, so code and tests
// find them by name.
#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <span>

#include "platform/Errors.h"

namespace formlayout {

// A Slot is the empty place of a picture that may be hidden (a card's): put the image over
// it, and the slot's caption shows while the image is hidden.
enum class Kind { Panel, GroupBox, Label, Image, Shape, Edit, ComboBox, CheckBox, Button, ListBox, Slot };

// Style flags; which apply depends on the kind.
enum Style : unsigned {
    kPlain = 0,
    kHidden = 1u << 0,   // not visible when built
    kBold = 1u << 1,     // labels and buttons
    kTitle = 1u << 2,    // a larger bold label
    kAqua = 1u << 3,     // shapes: aqua in place of yellow
    kDotted = 1u << 4,   // shapes: a yellow dotted line one pixel wide, whatever the form's pen
    kCentred = 1u << 5,  // labels and images: contents centred
    kRight = 1u << 6,    // labels: text against the right edge
    kLime = 1u << 7,     // shapes: lime in place of yellow
};

struct Rect {
    int left, top, width, height;
};

// The place of a control the layout holds but gives no place on the form (built with kHidden,
// so that it never shows and code may still find it by name).
constexpr Rect kNoPlace{0, 0, 1, 1};

struct ControlRow {
    Kind kind;
    const char* name;
    const char* parent;   // nullptr: the window itself
    const char* caption;  // shapes over a board picture: the label drawn under them
    Rect geometry;
    unsigned style = kPlain;
};

// The window's client area and colour.
constexpr int kFontPixelSize = 12;
inline const QColor kFormColour{0xEB, 0xE9, 0xED};

// Creates every control of the table, in table order (later rows lie over earlier ones).
// outlinePen is the width in pixels of the solid outlines, which each form's layout gives;
// a layout without solid outlines may leave it 0.
void BuildControls(QWidget* window, std::span<const ControlRow> rows, int outlinePen = 0);

// The row of that name; a name the table lacks is a slip in the caller.
const ControlRow& FindRow(std::span<const ControlRow> rows, const char* name);

// The keyboard visits the named controls in this order (a layout that gives its tab order).
void SetTabOrder(const QWidget* window, std::span<const char* const> names);

// The control of that name; a missing control is a slip in the window's table.
template <class T>
T* FindControl(const QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    PW_CHECK(control != nullptr);
    return control;
}

// An unfilled outline drawn over a picture; it never takes the mouse.
class TShape : public QWidget {
public:
    TShape(QWidget* parent, const QColor& colour, int penWidth, Qt::PenStyle penStyle);
    QColor Colour() const { return m_colour; }
    int PenWidth() const { return m_penWidth; }
    Qt::PenStyle PenStyle() const { return m_penStyle; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
    int m_penWidth;
    Qt::PenStyle m_penStyle;
};

// The empty place of a picture: a dashed frame around its caption.
class TSlot : public QWidget {
public:
    TSlot(QWidget* parent, const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

// A picture larger than its frame scaled down to fit it, keeping its shape; others unchanged.
QPixmap FitInto(const QPixmap& picture, QSize frame);

// A picture in a fixed frame: the picture centred in the control's rectangle, over a
// background of the window's colour (which covers any slot under it).
class TImage : public QLabel {
public:
    explicit TImage(QWidget* parent);
    // A picture larger than the frame is scaled down to fit it.
    void SetPicture(const QPixmap& picture);
    // Takes the picture's size, as an auto-sized image does.
    void SetPictureAutoSize(const QPixmap& picture);
};

}  // namespace formlayout
