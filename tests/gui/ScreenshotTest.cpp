// Renders the main window with the Ulvarin form, and the board selector, to PNG files, and
// checks that every control fits where the layout puts it. scripts/screenshot.sh runs this
// with PINWRIGHT_SCREENSHOT_DIR set, so that the pictures can be looked at.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QPainter>

#include "FormFixture.h"
#include "core/shell/UI_Selector.h"
#include "core/shell/UnitMain.h"
#include "platform/qt/QtPlatform.h"

namespace {

std::string ScreenshotFolder(const std::string& fallback)
{
    QByteArray folder = qgetenv("PINWRIGHT_SCREENSHOT_DIR");
    if (folder.isEmpty()) return fallback;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    return folder.toStdString() + "/";
}

// Every visible control lies inside its parent, and its text fits its width and height.
void ExpectNothingClipped(const QWidget* window)
{
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->objectName().isEmpty()) continue;
        const QString name = control->objectName();
        QRect inside = control->parentWidget()->rect();
        EXPECT_TRUE(inside.contains(control->geometry())) << name.toStdString();
        bool textual = qobject_cast<const QLabel*>(control) && !qobject_cast<const QLabel*>(control)->text().isEmpty();
        textual = textual || qobject_cast<const QAbstractButton*>(control);
        if (textual) {
            EXPECT_LE(control->sizeHint().width(), control->width()) << name.toStdString();
            EXPECT_LE(control->sizeHint().height(), control->height()) << name.toStdString();
        }
        if (qobject_cast<const QLineEdit*>(control))
            EXPECT_LE(control->sizeHint().height(), control->height()) << name.toStdString();
        // A drop-down list is as wide as its widest entry needs.
        if (qobject_cast<const QComboBox*>(control)) {
            EXPECT_LE(control->sizeHint().width(), control->width()) << name.toStdString();
            EXPECT_LE(control->sizeHint().height(), control->height()) << name.toStdString();
        }
    }
}

}  // namespace

class Screenshot : public GuiTest {};

TEST_F(Screenshot, MainWindowWithTheUlvarinFormAndTheSelector)
{
    std::string folder = ScreenshotFolder(dir.Path());
    {
        TFormMain main;
        main.show();
        QWidget* form = main.BoardForm();
        ASSERT_NE(form, nullptr);
        ExpectNothingClipped(form);
        // The card list of every voltage fits its combo.
        auto* voltage = form->findChild<QComboBox*>("ComboBoxHsmcVol");
        for (int i = 0; i < voltage->count(); ++i) {
            Pick(voltage, i);
            ExpectNothingClipped(form->findChild<QWidget*>("GroupBox1"));
        }
        Pick(voltage, 1);
        QPixmap shot = main.grab();
        EXPECT_EQ(shot.size(), QSize(789, 536));
        EXPECT_TRUE(shot.save(QString::fromStdString(folder + "main-ulvarin.png")));

        // With a card on each connector and the HPS ticked.
        Pick(form->findChild<QComboBox*>("ComboBoxGpio"), 1);
        Pick(form->findChild<QComboBox*>("ComboBoxHsmc"), 1);
        form->findChild<QCheckBox*>("CheckBoxHPS")->click();
        ExpectNothingClipped(form);
        EXPECT_TRUE(main.grab().save(QString::fromStdString(folder + "main-ulvarin-cards.png")));

        TFormBoardSelector selector(&main);
        selector.show();
        ExpectNothingClipped(&selector);
        QPixmap picked = selector.grab();
        EXPECT_EQ(picked.size(), QSize(770, 342));
        EXPECT_TRUE(picked.save(QString::fromStdString(folder + "selector.png")));
    }
    EXPECT_TRUE(platform::FileExists(folder + "main-ulvarin.png"));
    EXPECT_TRUE(platform::FileExists(folder + "main-ulvarin-cards.png"));
    EXPECT_TRUE(platform::FileExists(folder + "selector.png"));
}

TEST_F(Screenshot, EveryCardPictureOnOneSheet)
{
    std::string folder = ScreenshotFolder(dir.Path());
    const auto table = CardPictureTable();
    const int columns = 8;
    const int rows = (static_cast<int>(table.size()) + columns - 1) / columns;
    QPixmap sheet(columns * 130, rows * 86);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        QPixmap card = platform::qt::LoadBitmap(table[i].bitmap);
        ASSERT_FALSE(card.isNull()) << table[i].bitmap;
        EXPECT_EQ(card.height(), 80) << table[i].bitmap;
        painter.drawPixmap((i % columns) * 130 + 3, (i / columns) * 86 + 3, card);
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QString::fromStdString(folder + "cards.png")));
}
