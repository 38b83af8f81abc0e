#pragma once
// The Fennick board form: fourteen device groups and two 40-pin GPIO headers that share one
// card list and take one 80-pin card together.
#include "boards/early/CONFIG_FENNICK.h"
#include "core/shell/GpioHeaderForm.h"

class TFormFennick : public TGpioHeaderForm<FENNICK_CONFIG> {
public:
    explicit TFormFennick(QWidget* owner);
    ~TFormFennick() override;
};

// The board picture (the selector's and the form's).
void RegisterFennickPictures();
