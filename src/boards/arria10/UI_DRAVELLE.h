#pragma once
// The Dravelle board form: Nobrecht's with DDR4 sockets, one FPGA part and twenty-two device
// groups; the DDR4 module goes into each ticked socket.
#include "boards/arria10/ConfigDravelle.h"
#include "boards/arria10/UI_NobrechtFamily.h"

class TFormDravelle : public TNobrechtFamilyForm<TConfigDravelle> {
public:
    explicit TFormDravelle(QWidget* owner);
    ~TFormDravelle() override;
};

void RegisterDravellePictures();
