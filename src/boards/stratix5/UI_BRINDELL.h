#pragma once
// The Brindell form: a placeholder window for a board that has no settings, no definition and
// no project. It keeps the board id valid wherever a board can be chosen; the selector shows
// Sarnoth's picture for it.
#include <QFrame>

class TFormBrindell : public QFrame {
public:
    explicit TFormBrindell(QWidget* owner);
};
