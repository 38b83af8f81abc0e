#include "core/shell/FormLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <string_view>

namespace formlayout {
namespace {

const QColor kOutlineYellow{0xFF, 0xE0, 0x00};
const QColor kOutlineAqua{0x00, 0xFF, 0xFF};
const QColor kOutlineLime{0x00, 0xFF, 0x00};

QColor OutlineColour(unsigned style)
{
    if (style & kAqua) return kOutlineAqua;
    if (style & kLime) return kOutlineLime;
    return kOutlineYellow;
}

QWidget* ParentOf(QWidget* window, const ControlRow& row)
{
    if (!row.parent) return window;
    return FindControl<QWidget>(window, row.parent);
}

QWidget* Create(QWidget* parent, const ControlRow& row, int outlinePen)
{
    const QString caption = QString::fromLatin1(row.caption ? row.caption : "");
    switch (row.kind) {
    case Kind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setLineWidth(1);
        return panel;
    }
    case Kind::GroupBox: return new QGroupBox(caption, parent);
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        const Qt::Alignment across = row.style & kCentred ? Qt::AlignHCenter
                                     : row.style & kRight ? Qt::AlignRight
                                                          : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignVCenter);
        return label;
    }
    case Kind::Image: return new TImage(parent);
    case Kind::Shape:
        if (row.style & kDotted) return new TShape(parent, OutlineColour(row.style), 1, Qt::DotLine);
        PW_CHECK(outlinePen > 0);  // a form with solid outlines gives their width
        return new TShape(parent, OutlineColour(row.style), outlinePen, Qt::SolidLine);
    case Kind::Edit: return new QLineEdit(caption, parent);
    case Kind::ComboBox: return new QComboBox(parent);  // a drop-down list: not editable
    case Kind::CheckBox: return new QCheckBox(caption, parent);
    case Kind::Button: return new QPushButton(caption, parent);
    case Kind::ListBox: return new QListWidget(parent);
    case Kind::Slot: return new TSlot(parent, caption);
    }
    PW_CHECK(0);
}

}  // namespace

const ControlRow& FindRow(std::span<const ControlRow> rows, const char* name)
{
    for (const ControlRow& row : rows)
        if (std::string_view(row.name) == name) return row;
    PW_CHECK(0);
    return rows.front();
}

void BuildControls(QWidget* window, std::span<const ControlRow> rows, int outlinePen)
{
    for (const ControlRow& row : rows) {
        QWidget* control = Create(ParentOf(window, row), row, outlinePen);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.geometry.left, row.geometry.top, row.geometry.width, row.geometry.height);
        if (row.style & (kBold | kTitle)) {
            QFont font = control->font();
            font.setBold(true);
            if (row.style & kTitle) font.setPixelSize(kFontPixelSize + 6);
            control->setFont(font);
        }
        if (row.style & kHidden) control->setVisible(false);
    }
}

void SetTabOrder(const QWidget* window, std::span<const char* const> names)
{
    for (std::size_t i = 1; i < names.size(); ++i)
        QWidget::setTabOrder(FindControl<QWidget>(window, names[i - 1]), FindControl<QWidget>(window, names[i]));
}

TShape::TShape(QWidget* parent, const QColor& colour, int penWidth, Qt::PenStyle penStyle)
    : QWidget(parent), m_colour(colour), m_penWidth(penWidth), m_penStyle(penStyle)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TShape::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QPen pen(m_colour, m_penWidth, m_penStyle);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // The pen lies wholly inside the control, as an outline of the control's own size.
    const qreal half = m_penWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

TSlot::TSlot(QWidget* parent, const QString& caption) : QWidget(parent), m_caption(caption) {}

void TSlot::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line = palette().color(QPalette::Mid);
    painter.setPen(QPen(line, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}

TImage::TImage(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

QPixmap FitInto(const QPixmap& picture, QSize frame)
{
    if (picture.isNull() || (picture.width() <= frame.width() && picture.height() <= frame.height())) return picture;
    return picture.scaled(frame, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void TImage::SetPicture(const QPixmap& picture) { setPixmap(FitInto(picture, size())); }

void TImage::SetPictureAutoSize(const QPixmap& picture)
{
    setPixmap(picture);
    resize(picture.size());
}

}  // namespace formlayout
