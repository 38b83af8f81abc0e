// The Brindell placeholder: an empty window with its caption bar and sizeable frame, and no
// file read or written.
#include <QImage>
#include <QPalette>

#include "FormFixture.h"
#include "boards/stratix5/UI_BRINDELL.h"
#include "core/model/MainBoard.h"

class BrindellForm : public BoardFormFixture<TFormBrindell, MAINBOARD_Brindell> {};

TEST_F(BrindellForm, EmptyPlaceholder)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "FormBrindell");
    EXPECT_EQ(form->size(), QSize(870, 640));
    EXPECT_EQ(main->size(), QSize(870, 640));
    EXPECT_TRUE(form->findChildren<QWidget*>().isEmpty());
    main.reset();
    EXPECT_FALSE(tooltest::RunCommand("test -e " + DefaultCfg()).ok);
}

// Within its 870 by 640 pixels the form shows a window: a caption bar across the top with the
// caption printed on it, a frame round its edges, and the client area inside in plain button
// face.
TEST_F(BrindellForm, PaintsCaptionBarAndFrame)
{
    Open();
    const QImage shot = form->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(870, 640));
    const QColor face = form->palette().color(QPalette::Button);
    auto plain = [&](const QImage& image, int x, int y) { return image.pixelColor(x, y) == face; };

    // The caption bar: the longest run of rows near the top with hardly a pixel of button face
    // (the frame's own lines are shorter runs).
    int top = 0;
    int bottom = -1;
    for (int y = 0, run = 0; y < 60; ++y) {
        int faces = 0;
        for (int x = 0; x < shot.width(); ++x) faces += plain(shot, x, y);
        run = faces < shot.width() / 10 ? run + 1 : 0;
        if (run > bottom - top + 1) {
            top = y - run + 1;
            bottom = y;
        }
    }
    ASSERT_GE(bottom, top) << "no caption bar";
    EXPECT_LE(top, 8);
    EXPECT_GE(bottom - top + 1, 16) << "too low for its caption";

    // The frame runs along the left, right and bottom edges; inside it the client area is plain.
    int frameMissing = 0;
    for (int y = bottom + 1; y < shot.height(); ++y)
        frameMissing += plain(shot, 0, y) + plain(shot, shot.width() - 1, y);
    for (int x = 0; x < shot.width(); ++x) frameMissing += plain(shot, x, shot.height() - 1);
    EXPECT_EQ(frameMissing, 0);
    int marked = 0;
    for (int y = bottom + 8; y < shot.height() - 8; ++y)
        for (int x = 8; x < shot.width() - 8; ++x) marked += !plain(shot, x, y);
    EXPECT_EQ(marked, 0) << "the client area is drawn on";

    // The caption: without it, only pixels of the caption bar change.
    form->setWindowTitle(QString());
    const QImage uncaptioned = form->grab().toImage();
    form->setWindowTitle(QStringLiteral("FormBrindell"));
    QRect text;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != uncaptioned.pixel(x, y)) text |= QRect(x, y, 1, 1);
    ASSERT_FALSE(text.isEmpty()) << "no caption drawn";
    EXPECT_GE(text.top(), top);
    EXPECT_LE(text.bottom(), bottom);
    // "FormBrindell" in a readable font is wider than 50 pixels.
    EXPECT_GE(text.width(), 50);
    EXPECT_GE(text.height(), 7);
}
