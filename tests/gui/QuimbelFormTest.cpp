// The Quimbel form: its controls and nothing behind them.
#include <QCoreApplication>
#include <filesystem>

#include "FormFixture.h"
#include "boards/stratix4_cyclone4/UI_QUIMBEL.h"
#include "core/model/MainBoard.h"
#include "core/shell/FormLayout.h"

class QuimbelForm : public BoardFormFixture<TFormQuimbel, MAINBOARD_Quimbel> {};

// As it opens: every box unticked, every list empty, every outline over the board shown, and
// no "default.cfg" read or written, whatever happens on the form.
TEST_F(QuimbelForm, ControlsOnlyAndNoFiles)
{
    Open();
    EXPECT_EQ(form->size(), QSize(833, 742));
    EXPECT_EQ(form->windowTitle().toStdString(), "Varnholt Quimbel Pinwright V0.1");
    const auto boxes = form->findChildren<QCheckBox*>();
    EXPECT_EQ(boxes.size(), 24);
    for (const QCheckBox* box : boxes) EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    const auto combos = form->findChildren<QComboBox*>();
    EXPECT_EQ(combos.size(), 8);
    for (const QComboBox* combo : combos) EXPECT_EQ(combo->count(), 0) << combo->objectName().toStdString();
    int outlines = 0;
    // The controls carry no meta-object of their own: findChildren alone would take every widget.
    for (const QWidget* control : form->findChildren<QWidget*>()) {
        if (!dynamic_cast<const formlayout::TShape*>(control)) continue;
        EXPECT_TRUE(control->isVisibleTo(form)) << control->objectName().toStdString();
        ++outlines;
    }
    EXPECT_EQ(outlines, 29);

    // A box still toggles and an edit still takes text; nothing else follows.
    Box("CheckBoxLED")->click();
    EXPECT_TRUE(Box("CheckBoxLED")->isChecked());
    Edit("EditProjectName")->setText("counter");
    for (const char* button : {"ButtonSave", "ButtonLoad", "ButtonGen", "ButtonDefaultSetting", "ButtonExit",
                               "ButtonMainBoardSelect"})
        Press(button);
    QCoreApplication::processEvents();
    EXPECT_EQ(main->BoardForm(), form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Text("EditProjectName"), "counter");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_TRUE(dialogs.FileDialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "CodeGenerated"));

    main->CreateBoardForm(MAINBOARD_Quimbel);  // the form goes and comes again
    main.reset();
    EXPECT_FALSE(platform::FileExists(DefaultCfg()));
}
