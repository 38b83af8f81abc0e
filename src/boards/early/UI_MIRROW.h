#pragma once
// The Mirrow board form: its device groups and two 40-pin GPIO headers sharing one card list,
// where the 80-pin card stands on both.
#include "boards/early/CONFIG_MIRROW.h"
#include "core/shell/GpioHeaderForm.h"

class TFormMirrow : public TGpioHeaderForm<MIRROW_CONFIG> {
public:
    explicit TFormMirrow(QWidget* owner);
    ~TFormMirrow() override;
};

// The board picture (the selector's and the form's).
void RegisterMirrowPictures();
