#pragma once
// The Lumbrae board form: the Kestwin form with the HDMI transmitter's box and its own record.
#include "boards/cyclone5_max10/CONFIG_Lumbrae.h"
#include "boards/cyclone5_max10/UI_KESTWIN.h"

class TFormLumbrae : public TKestwinFamilyForm<LUMBRAE_CONFIG> {
public:
    explicit TFormLumbrae(QWidget* owner);
};

// The board picture.
void RegisterLumbraePictures();
