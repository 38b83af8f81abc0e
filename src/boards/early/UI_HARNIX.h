#pragma once
// The Harnix board form: twelve device groups and two 40-pin GPIO headers that share one
// card list and take one 80-pin card together.
#include "boards/early/CONFIG_HARNIX.h"
#include "core/shell/GpioHeaderForm.h"

class TFormHarnix : public TGpioHeaderForm<HARNIX_CONFIG> {
public:
    explicit TFormHarnix(QWidget* owner);
    ~TFormHarnix() override;
};

// The board picture (the selector's and the form's).
void RegisterHarnixPictures();
