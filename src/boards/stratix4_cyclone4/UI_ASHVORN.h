#pragma once
// The Ashvorn board form: twenty device groups, the GPIO header and the HSMC connector,
// each on its own card list, and the transceiver warning of PCIe.
#include "boards/stratix4_cyclone4/CONFIG_ASHVORN.h"
#include "core/shell/CardSlotForm.h"

class TFormAshvorn : public TCardSlotForm<ASHVORN_CONFIG, 2> {
public:
    explicit TFormAshvorn(QWidget* owner);
    ~TFormAshvorn() override;

protected:
    void ShowGenerateWarnings() override;
};

// The board picture (the selector's and the form's).
void RegisterAshvornPictures();
