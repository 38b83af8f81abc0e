#pragma once
// The modal "GPIO Expansion" dialog of the Pandrel form: a card and a prefix for each of the
// two 40-pin headers that can take HSMC port C's place, an 80-pin card standing on both. The
// dialog keeps the confirmed choices; the controls show them again at every showing, so only
// "OK" changes what the form reads.
#include <QDialog>
#include <string>

#include "boards/stratix4_cyclone4/CONFIG_PANDREL.h"
#include "core/settings/ConfigBase.h"
#include "core/shell/ConnectorControls.h"

class QObject;

class TFormGPIO : public QDialog {
public:
    explicit TFormGPIO(QWidget* owner);
    ~TFormGPIO() override;

    // The GPIO card list both combos show; the dialog keeps the reference, not the list.
    void SetCardList(const TConfigBase<PANDREL_CONFIG>& list);

    // The kept choices: entries of the card list and prefix texts (Latin-1).
    int Gpio0Index() const { return m_Gpio0Index; }
    int Gpio1Index() const { return m_Gpio1Index; }
    const std::string& Gpio0Prefix() const { return m_Gpio0Prefix; }
    const std::string& Gpio1Prefix() const { return m_Gpio1Prefix; }
    void SetGpio0Index(int index);
    void SetGpio1Index(int index);
    void SetGpio0Prefix(const std::string& prefix);
    void SetGpio1Prefix(const std::string& prefix);
    // The card of a kept entry; "None" for an entry outside the list.
    uint8_t KeptCard(int header) const;

    // The pairing after a card was picked with `sender` (header 0's combo leads; any other
    // sender, the dialog on show included, lets header 1 lead).
    void PairGpioHeaders(const QObject* sender);
    void UpdateDaughterPictures();

    // The handlers, as the user runs them.
    void FormShow();
    void ComboBoxGpioChange(const QObject* sender);
    void ButtonOkClick();
    void ButtonCancelClick();

    TConnectorControls& Header(int header) { return m_Headers[header]; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TConfigBase<PANDREL_CONFIG>* m_CardList = nullptr;
    TConnectorControls m_Headers[2];
    int m_Gpio0Index = 0;
    int m_Gpio1Index = 0;
    std::string m_Gpio0Prefix;
    std::string m_Gpio1Prefix;
};
