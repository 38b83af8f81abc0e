// The hints the boards' check boxes carry: a hint that is switched on pops up as a tip; one
// that is not is kept as the box's status text and never pops up.
#include <QCheckBox>

#include "FormFixture.h"
#include "core/model/MainBoard.h"
#include "core/shell/FormLayout.h"
#include "core/shell/UnitMain.h"

class CheckBoxHint : public GuiTest {};

TEST_F(CheckBoxHint, EveryHintIsCarriedAndOnlyTheSwitchedOnOnesPopUp)
{
    const struct {
        uint8_t board;
        const char* box;
        const char* hint;
        bool shown;
    } cases[] = {
        {MAINBOARD_Sarnoth, "CheckBoxDDR3_0", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Sarnoth, "CheckBoxDDR3_1", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Morrast, "CheckBoxDDR3_0", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Morrast, "CheckBoxDDR3_1", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Corbanth, "CheckBoxDDR3", "Up to 4GB, 800 data rate", true},
        {MAINBOARD_Pandrel, "CheckBoxDDR3", "Up to 4GB, 1066 data rate", true},
        {MAINBOARD_Vellani, "CheckBoxDDR3", "Up to 4GB, 1066 data rate", true},
        {MAINBOARD_Yastrel_X1, "CheckBoxDDR2_0", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Yastrel_X1, "CheckBoxDDR2_1", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Yastrel_X1, "CheckBoxUsbOTG", "High-Speed USB FIFO", true},
        {MAINBOARD_Yastrel_X2, "CheckBoxUSB", "High-Speed USB FIFO", true},
        {MAINBOARD_Quimbel, "CheckBoxDDR2_1", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Quimbel, "CheckBoxDDR2_2", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_Quimbel, "CheckBoxUSB", "High-Speed USB FIFO", true},
    };
    TFormMain main;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + " " + c.box);
        main.CreateBoardForm(c.board);
        const QCheckBox* box = formlayout::FindControl<QCheckBox>(main.BoardForm(), c.box);
        const QString hint = QString::fromLatin1(c.hint);
        EXPECT_EQ(box->toolTip(), c.shown ? hint : QString());
        EXPECT_EQ(box->statusTip(), c.shown ? QString() : hint);
    }
    EXPECT_TRUE(dialogs.Exceptions().empty());
}
