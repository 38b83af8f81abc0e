#pragma once
// The Brindell form: a placeholder window for a board that has no settings, no definition and
// no project. It keeps the board id valid wherever a board can be chosen; the selector shows
// Sarnoth's picture for it.
#include <QWidget>

class QStyleOptionTitleBar;

class TFormBrindell : public QWidget {
public:
    explicit TFormBrindell(QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStyleOptionTitleBar TitleBar() const;
};
