#pragma once
// The Tiverne board form: five device groups and one HSMC port.
#include "boards/early/CONFIG_TIVERNE.h"
#include "core/shell/CardSlotForm.h"

class TFormTiverne : public TCardSlotForm<TIVERNE_CONFIG, 1> {
public:
    explicit TFormTiverne(QWidget* owner);
    ~TFormTiverne() override;
};

// The board picture (the selector's and the form's).
void RegisterTivernePictures();
