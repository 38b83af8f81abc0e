#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "FormFixture.h"
#include "core/shell/FormLayout.h"
#include "core/shell/UI_Selector.h"
#include "platform/qt/QtPlatform.h"

class Selector : public GuiTest {
protected:
    QListWidget* List() { return selector.findChild<QListWidget*>("ListBoxMainBoard"); }
    QWidget* Image() { return selector.findChild<QWidget*>("ImageBoard"); }
    QPushButton* Button(const char* name) { return selector.findChild<QPushButton*>(name); }

    TFormBoardSelector selector{nullptr};
};

TEST_F(Selector, ListsUlvarinAloneWithItsPictureCentred)
{
    EXPECT_EQ(selector.windowTitle().toStdString(), "FPGA Main Board Selector");
    EXPECT_EQ(selector.size(), QSize(770, 342));
    EXPECT_FALSE(selector.windowFlags() & Qt::WindowCloseButtonHint);
    ASSERT_EQ(List()->count(), 1);
    EXPECT_EQ(List()->item(0)->text().toStdString(), "Ulvarin Board");
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(selector.BoardCount, 1);
    EXPECT_EQ(selector.BoardIds[0], 34);
    EXPECT_STREQ(selector.BitmapNames[0], "Ulvarin_BITMAP");

    QPixmap picture = platform::qt::LoadBitmap("Ulvarin_BITMAP");
    EXPECT_EQ(Image()->size(), picture.size());
    EXPECT_EQ(Image()->pos(), QPoint((417 - picture.width()) / 2, (320 - picture.height()) / 2));
    EXPECT_EQ(Image()->parentWidget()->objectName().toStdString(), "PanelImage");
}

TEST_F(Selector, SelectBoardWithoutAnEntryKeepsTheSelection)
{
    QPoint where = Image()->pos();
    selector.SelectBoard(7);
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(selector.SelectedBoardId(), 34);
    EXPECT_EQ(Image()->pos(), where);
    selector.SelectBoard(34);
    EXPECT_EQ(selector.SelectedBoardId(), 34);
}

TEST_F(Selector, OkAndDoubleClickBothChooseTheBoard)
{
    WithModal([this](QWidget*) { Button("ButtonOK")->click(); }, [this] { EXPECT_EQ(selector.exec(), QDialog::Accepted); });
    EXPECT_EQ(selector.SelectedBoardId(), 34);

    WithModal(
        [this](QWidget*) {
            QRect item = List()->visualItemRect(List()->item(0));
            // What the system sends for a double click: press, release, double click, release.
            QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
            QTest::mouseDClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
            QTest::mouseRelease(List()->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
        },
        [this] { EXPECT_EQ(selector.exec(), QDialog::Accepted); });
    EXPECT_EQ(selector.SelectedBoardId(), 34);
}

TEST_F(Selector, CancelAndEscapeEndTheDialogUnlessCancelIsDisabled)
{
    WithModal([this](QWidget*) { Button("ButtonCancel")->click(); }, [this] { EXPECT_EQ(selector.exec(), QDialog::Rejected); });
    WithModal([this](QWidget*) { QTest::keyClick(&selector, Qt::Key_Escape); },
              [this] { EXPECT_EQ(selector.exec(), QDialog::Rejected); });

    selector.DisableCancel();
    EXPECT_FALSE(Button("ButtonCancel")->isEnabled());
    WithModal(
        [this](QWidget*) {
            QTest::keyClick(&selector, Qt::Key_Escape);
            selector.reject();
            selector.close();
            EXPECT_TRUE(selector.isVisible());
            Button("ButtonOK")->click();
        },
        [this] { EXPECT_EQ(selector.exec(), QDialog::Accepted); });
    EXPECT_EQ(selector.SelectedBoardId(), 34);
}

// A picture larger than the panel gets offsets rounded toward zero.
TEST_F(Selector, PictureOffsetsRoundTowardZero)
{
    struct Case {
        QSize size;
        QPoint offset;
    };
    const Case cases[] = {{{418, 321}, {0, 0}}, {{420, 325}, {-1, -2}}, {{401, 300}, {8, 10}}};
    for (const Case& c : cases) {
        platform::qt::RegisterBitmap("Selector_Test_BITMAP", [size = c.size] {
            QPixmap p(size);
            p.fill(Qt::darkGreen);
            return p;
        });
        std::strcpy(selector.BitmapNames[0], "Selector_Test_BITMAP");
        selector.ShowBoardPicture();
        EXPECT_EQ(Image()->size(), c.size);
        EXPECT_EQ(Image()->pos(), c.offset) << c.size.width();
    }
}
