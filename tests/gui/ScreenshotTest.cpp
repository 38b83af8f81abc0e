// Renders every form of the factory table in the main window, the board selector and every
// card picture to PNG files, and checks that every control fits where the layout puts it.
// scripts/screenshot.sh runs these with PINWRIGHT_SCREENSHOT_DIR set, so that the pictures
// can be looked at.
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
#include "boards/stratix4_cyclone4/UI_PANDREL_GPIO.h"
#include "core/shell/FormLayout.h"
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

// Every picture a form shows is there: a name that resolves to no picture leaves it empty.
void ExpectShownPicturesResolve(const QWidget* form)
{
    // The controls carry no meta-object of their own: findChildren alone would take every label.
    for (const QLabel* label : form->findChildren<QLabel*>())
        if (dynamic_cast<const formlayout::TImage*>(label) && label->isVisibleTo(form))
            EXPECT_FALSE(label->pixmap().isNull()) << label->objectName().toStdString();
}

// "<id>-<caption>", the caption's blanks and signs made safe for a file name.
std::string ShotName(uint8_t id, const QWidget* form)
{
    QString caption = form->windowTitle();
    for (QChar& c : caption)
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-')) c = QLatin1Char('_');
    return std::to_string(id) + "-" + caption.toStdString();
}

}  // namespace

class Screenshot : public GuiTest {};

// Each form of the factory table, as it opens and with every list walked through and every
// box ticked: the main window takes its fixed size, nothing is clipped and every picture is
// there. A PNG of each state is saved.
TEST_F(Screenshot, EveryRegisteredForm)
{
    std::string folder = ScreenshotFolder(dir.Path());
    TFormMain main;
    main.show();
    ASSERT_FALSE(BoardFormTable().empty());
    for (const BoardFormRow& row : BoardFormTable()) {
        SCOPED_TRACE(static_cast<int>(row.id));
        main.CreateBoardForm(row.id);
        QWidget* form = main.BoardForm();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(main.CurrentBoardId, row.id);
        EXPECT_EQ(form->minimumSize(), form->maximumSize());
        EXPECT_EQ(main.size(), form->size());
        ExpectShownPicturesResolve(form);
        ExpectNothingClipped(form);
        const std::string shot = folder + ShotName(row.id, form);
        QPixmap opened = main.grab();
        EXPECT_EQ(opened.size(), form->size());
        EXPECT_TRUE(opened.save(QString::fromStdString(shot + ".png")));

        for (QCheckBox* box : form->findChildren<QCheckBox*>())
            if (box->isEnabled() && !box->isChecked()) box->click();
        for (QComboBox* combo : form->findChildren<QComboBox*>()) {
            for (int i = 0; combo->isEnabled() && i < combo->count(); ++i) {
                Pick(combo, i);
                ExpectShownPicturesResolve(form);
                ExpectNothingClipped(form);
            }
        }
        // The first card of every list, after the lists it depends on.
        for (QComboBox* combo : form->findChildren<QComboBox*>())
            if (combo->isEnabled() && combo->count() > 1) Pick(combo, 1);
        EXPECT_TRUE(main.grab().save(QString::fromStdString(shot + "-chosen.png")));
        EXPECT_TRUE(platform::FileExists(shot + ".png"));
    }
    EXPECT_TRUE(dialogs.Exceptions().empty());
}

TEST_F(Screenshot, BoardSelector)
{
    std::string folder = ScreenshotFolder(dir.Path());
    TFormMain main;
    TFormBoardSelector selector(&main);
    selector.show();
    ExpectNothingClipped(&selector);
    QPixmap picked = selector.grab();
    EXPECT_EQ(picked.size(), QSize(770, 342));
    EXPECT_TRUE(picked.save(QString::fromStdString(folder + "selector.png")));
}

// The one modal dialog a board form owns: Pandrel's GPIO headers, an 80-pin card on both.
TEST_F(Screenshot, PandrelGpioDialog)
{
    std::string folder = ScreenshotFolder(dir.Path());
    TConfigBase<PANDREL_CONFIG> cards;
    cards.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
    TFormGPIO gpio(nullptr);
    gpio.SetCardList(cards);
    gpio.SetGpio1Index(gpio.Header(GPIO_1).Combo->findText(QString::fromStdString(BoardName(DAUGHTER_Kobbet_GPIO))));
    gpio.SetGpio1Prefix("K_");
    gpio.show();
    ExpectNothingClipped(&gpio);
    EXPECT_TRUE(gpio.grab().save(QString::fromStdString(folder + "12-gpio-dialog.png")));
    gpio.hide();
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
