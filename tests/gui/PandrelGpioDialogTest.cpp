// The GPIO dialog of the Pandrel form: what a showing shows, the pairing of the two headers
// around the 80-pin card, and that only "OK" changes the kept choices.
#include "FormFixture.h"
#include "boards/stratix4_cyclone4/UI_PANDREL_GPIO.h"

#include <QLabel>

class PandrelGpioDialog : public GuiTest {
protected:
    PandrelGpioDialog()
    {
        cards.BuildDaughterList(CONNECTOR_GPIO80, false, VOLTAGE_2V5);
        gpio.SetCardList(cards);
    }
    ~PandrelGpioDialog() override { gpio.hide(); }

    int EntryOf(uint8_t card) const
    {
        return gpio.Header(GPIO_0).Combo->findText(QString::fromStdString(BoardName(card)));
    }
    void PickCard(int header, uint8_t card) { Pick(gpio.Header(header).Combo, EntryOf(card)); }
    std::string Card(int header) const { return gpio.Header(header).Combo->currentText().toStdString(); }
    std::string Prefix(int header) const { return gpio.Header(header).Prefix->text().toStdString(); }
    bool Free(int header) const
    {
        return gpio.Header(header).Combo->isEnabled() && gpio.Header(header).Prefix->isEnabled();
    }
    void Ok() { gpio.findChild<QPushButton*>("ButtonOk")->click(); }
    void Cancel() { gpio.findChild<QPushButton*>("ButtonCancel")->click(); }

    TConfigBase<PANDREL_CONFIG> cards;
    mutable TFormGPIO gpio{nullptr};
    const uint8_t kEighty = DAUGHTER_Kobbet_GPIO;
    const uint8_t kForty = DAUGHTER_GPIO_DEFAULT;
};

// The first showing: "None" on both headers, empty prefixes, no pictures.
TEST_F(PandrelGpioDialog, FirstShowing)
{
    gpio.show();
    EXPECT_EQ(gpio.windowTitle().toStdString(), "GPIO Expansion");
    for (int header : {GPIO_0, GPIO_1}) {
        EXPECT_EQ(Card(header), "None");
        EXPECT_EQ(Prefix(header), "");
        EXPECT_FALSE(gpio.Header(header).Image->isVisibleTo(&gpio));
        EXPECT_TRUE(Free(header));
    }
    PickCard(GPIO_1, kForty);
    EXPECT_TRUE(gpio.Header(GPIO_1).Image->isVisibleTo(&gpio));
}

// The 80-pin card on header 0, its prefix typed first, stands on header 1 with that prefix
// and locks it; OK keeps both; at the next showing header 1 leads, is free and locks header 0
// in turn, so the headers are never both locked. A prefix typed into the leading header is
// not copied to the locked one.
TEST_F(PandrelGpioDialog, EightyPinCardOnHeaderZero)
{
    gpio.show();
    gpio.Header(GPIO_0).Prefix->setText("K_");
    PickCard(GPIO_0, kEighty);
    EXPECT_EQ(Card(GPIO_1), BoardName(kEighty));
    EXPECT_EQ(Prefix(GPIO_1), "K_");
    EXPECT_FALSE(Free(GPIO_1));
    EXPECT_TRUE(Free(GPIO_0));
    Ok();
    EXPECT_FALSE(gpio.isVisible());
    EXPECT_EQ(gpio.Gpio0Index(), EntryOf(kEighty));
    EXPECT_EQ(gpio.Gpio1Index(), EntryOf(kEighty));
    EXPECT_EQ(gpio.Gpio0Prefix(), "K_");
    EXPECT_EQ(gpio.Gpio1Prefix(), "K_");

    gpio.show();
    EXPECT_TRUE(Free(GPIO_1));
    EXPECT_FALSE(Free(GPIO_0));
    EXPECT_EQ(Card(GPIO_0), BoardName(kEighty));
    gpio.Header(GPIO_1).Prefix->setText("L_");
    EXPECT_EQ(Prefix(GPIO_0), "K_");
    Ok();
    EXPECT_EQ(gpio.Gpio0Prefix(), "K_");
    EXPECT_EQ(gpio.Gpio1Prefix(), "L_");
}

// The 80-pin card on header 1 takes header 0 along; "None" on header 1 frees header 0 and
// clears it; a 40-pin card leaves the other header's 40-pin card alone.
TEST_F(PandrelGpioDialog, PairingFromHeaderOne)
{
    gpio.show();
    gpio.Header(GPIO_1).Prefix->setText("P_");
    PickCard(GPIO_1, kEighty);
    EXPECT_EQ(Card(GPIO_0), BoardName(kEighty));
    EXPECT_EQ(Prefix(GPIO_0), "P_");
    EXPECT_FALSE(Free(GPIO_0));
    Pick(gpio.Header(GPIO_1).Combo, 0);
    EXPECT_TRUE(Free(GPIO_0));
    EXPECT_EQ(Card(GPIO_0), "None");
    EXPECT_EQ(Prefix(GPIO_0), "");

    PickCard(GPIO_0, kForty);
    gpio.Header(GPIO_0).Prefix->setText("A_");
    PickCard(GPIO_1, DAUGHTER_Sollip);
    EXPECT_EQ(Card(GPIO_0), BoardName(kForty));
    EXPECT_EQ(Prefix(GPIO_0), "A_");
    EXPECT_TRUE(Free(GPIO_0));
}

// Cancel, or closing the window, keeps the kept choices; the next showing shows them again
// with their pictures.
TEST_F(PandrelGpioDialog, CancelKeepsTheKeptChoices)
{
    gpio.SetGpio0Index(EntryOf(kForty));
    gpio.SetGpio0Prefix("G_");
    gpio.show();
    EXPECT_EQ(Card(GPIO_0), BoardName(kForty));
    EXPECT_EQ(Prefix(GPIO_0), "G_");
    PickCard(GPIO_0, DAUGHTER_Sollip);
    gpio.Header(GPIO_0).Prefix->setText("X_");
    Cancel();
    EXPECT_FALSE(gpio.isVisible());
    EXPECT_EQ(gpio.Gpio0Index(), EntryOf(kForty));
    EXPECT_EQ(gpio.Gpio0Prefix(), "G_");

    gpio.show();
    PickCard(GPIO_1, kEighty);
    gpio.close();
    EXPECT_EQ(gpio.Gpio1Index(), 0);
    gpio.show();
    EXPECT_EQ(Card(GPIO_0), BoardName(kForty));
    EXPECT_EQ(Prefix(GPIO_0), "G_");
    EXPECT_EQ(Card(GPIO_1), "None");
    EXPECT_TRUE(gpio.Header(GPIO_0).Image->isVisibleTo(&gpio));
    EXPECT_TRUE(Free(GPIO_0));
}

// Kept choices from a settings file that the dialog never paired: the showing pairs them with
// header 1 leading, so an 80-pin card there takes header 0 with header 1's prefix, and one on
// header 0 beside anything else on header 1 is taken off.
TEST_F(PandrelGpioDialog, KeptChoicesAreShownWithHeaderOneLeading)
{
    struct Kept {
        uint8_t card;
        const char* prefix;
    };
    struct Shown {
        uint8_t card;
        const char* prefix;
        bool free;
    };
    struct Case {
        const char* label;
        Kept kept[2];
        Shown shown[2];
    };
    const Case cases[] = {
        {"80-pin card on header 0 alone", {{kEighty, "K_"}, {0, ""}}, {{0, "", true}, {0, "", true}}},
        {"80-pin card on header 0 beside a 40-pin card", {{kEighty, "K_"}, {kForty, "G_"}},
         {{0, "", true}, {kForty, "G_", true}}},
        {"80-pin card on header 1 alone", {{0, ""}, {kEighty, "K_"}}, {{kEighty, "K_", false}, {kEighty, "K_", true}}},
        {"80-pin card on header 1 beside a 40-pin card", {{kForty, "G_"}, {kEighty, "K_"}},
         {{kEighty, "K_", false}, {kEighty, "K_", true}}},
        {"80-pin card on both: header 1's prefix", {{kEighty, "A_"}, {kEighty, "K_"}},
         {{kEighty, "K_", false}, {kEighty, "K_", true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        gpio.SetGpio0Index(EntryOf(c.kept[GPIO_0].card));
        gpio.SetGpio1Index(EntryOf(c.kept[GPIO_1].card));
        gpio.SetGpio0Prefix(c.kept[GPIO_0].prefix);
        gpio.SetGpio1Prefix(c.kept[GPIO_1].prefix);
        gpio.show();
        for (int h : {GPIO_0, GPIO_1}) {
            EXPECT_EQ(Card(h), BoardName(c.shown[h].card)) << h;
            EXPECT_EQ(Prefix(h), c.shown[h].prefix) << h;
            EXPECT_EQ(Free(h), c.shown[h].free) << h;
        }
        Cancel();
    }
}
