#pragma once
// The Pellish board form: its device groups and two 40-pin GPIO headers sharing one card list,
// where the 80-pin card stands on both.
#include "boards/early/CONFIG_PELLISH.h"
#include "core/shell/GpioHeaderForm.h"

class TFormPellish : public TGpioHeaderForm<PELLISH_CONFIG> {
public:
    explicit TFormPellish(QWidget* owner);
    ~TFormPellish() override;
};

// The board picture (the selector's and the form's).
void RegisterPellishPictures();
