#include "boards/stratix5/UI_BRINDELL.h"

#include <QPalette>
#include <QStyleOptionFrame>
#include <QStyleOptionTitleBar>
#include <QStylePainter>

#include "core/shell/FormLayout.h"

namespace {

// The frame of a sizeable window, as wide as the style makes that of a window inside another.
int FrameWidth(const QWidget* form)
{
    return form->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, form);
}

}  // namespace

TFormBrindell::TFormBrindell(QWidget* owner) : QWidget(owner)
{
    setObjectName(QStringLiteral("FormBrindell"));
    setWindowTitle(QStringLiteral("FormBrindell"));
    // The outer size of a sizeable window, its frame and caption bar painted inside it: the
    // form holds no controls, not even for its own title bar.
    setFixedSize(870, 640);  // the main window takes the size of its form
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    QFont text = font();
    text.setPixelSize(formlayout::kFontPixelSize);
    setFont(text);
}

// The caption bar of a window with a system menu, minimise, maximise and close buttons. It is
// drawn active: the form fills the main window, whose own frame shows whether it has the focus.
QStyleOptionTitleBar TFormBrindell::TitleBar() const
{
    QStyleOptionTitleBar bar;
    bar.initFrom(this);
    bar.subControls = QStyle::SC_All;
    bar.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                        Qt::WindowCloseButtonHint;
    bar.state |= QStyle::State_Active;
    bar.titleBarState = Qt::WindowNoState | QStyle::State_Active;
    bar.palette.setCurrentColorGroup(QPalette::Active);
    bar.icon = windowIcon();
    const int frame = FrameWidth(this);
    const int height = style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, this);
    bar.rect = QRect(frame, frame, width() - 2 * frame, height);
    bar.text = windowTitle();
    const int room = style()->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarLabel, this).width();
    bar.text = bar.fontMetrics.elidedText(windowTitle(), Qt::ElideRight, room);
    return bar;
}

void TFormBrindell::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_TitleBar, TitleBar());
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.state |= QStyle::State_Active;
    frame.lineWidth = FrameWidth(this);
    frame.midLineWidth = 1;
    painter.drawPrimitive(QStyle::PE_FrameWindow, frame);
}
