#pragma once
// The Nobrecht board form: the FPGA part, twenty-three device groups and the seven frequency
// lists of the two Si5340 clock generators; the DDR3 module goes into each ticked socket.
#include "boards/arria10/ConfigNobrecht.h"
#include "boards/arria10/UI_NobrechtFamily.h"

class TFormNobrecht : public TNobrechtFamilyForm<TConfigNobrecht> {
public:
    explicit TFormNobrecht(QWidget* owner);
    ~TFormNobrecht() override;
};

void RegisterNobrechtPictures();
