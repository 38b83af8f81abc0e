#include "boards/stratix5/UI_BRINDELL.h"

#include <QPalette>

TFormBrindell::TFormBrindell(QWidget* owner) : QFrame(owner)
{
    setObjectName(QStringLiteral("FormBrindell"));
    setWindowTitle(QStringLiteral("FormBrindell"));
    // The outer size of a sizeable window, its border drawn; no controls inside.
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setLineWidth(4);
    setFixedSize(870, 640);  // the main window takes the size of its form
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
}
