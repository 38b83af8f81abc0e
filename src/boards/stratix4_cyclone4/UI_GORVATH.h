#pragma once
// The Gorvath board form: seventeen device groups, the GPIO header and the HSMC connector,
// each on its own card list.
#include "boards/stratix4_cyclone4/CONFIG_GORVATH.h"
#include "core/shell/CardSlotForm.h"

class TFormGorvath : public TCardSlotForm<GORVATH_CONFIG, 2> {
public:
    explicit TFormGorvath(QWidget* owner);
    ~TFormGorvath() override;
};

// The board picture (the selector's and the form's).
void RegisterGorvathPictures();
