#pragma once
// The Quimbel board form: the board's controls laid out, and nothing behind them. It has no
// settings record, no card lists and no board definition; its buttons do nothing and it
// reads and writes no file.
#include <QWidget>

class TFormQuimbel : public QWidget {
public:
    explicit TFormQuimbel(QWidget* owner);
};

// The board picture (the selector's and the form's) and the FPGA family's mark.
void RegisterQuimbelPictures();
