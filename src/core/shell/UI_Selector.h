#pragma once
// The modal dialog in which the user picks the main board: the boards the supported-board
// predicate admits, in id order, beside the picture of the one selected.
#include <QDialog>
#include <cstdint>
#include <span>

// The entry the selector makes for a main board: its text and picture.
struct SelectorEntry {
    uint8_t id;
    const char* text;
    const char* bitmap;
};
std::span<const SelectorEntry> SelectorTable();

class TFormBoardSelector : public QDialog {
public:
    explicit TFormBoardSelector(QWidget* owner);
    ~TFormBoardSelector() override;

    void FillBoardList();
    void ShowBoardPicture();
    // Selects the first entry of that board; with no such entry nothing changes.
    void SelectBoard(uint8_t boardId);
    uint8_t SelectedBoardId() const;
    // No way out but OK: the Cancel button, Escape and closing the window all do nothing.
    void DisableCancel();

    int BoardCount = 0;
    char BitmapNames[32][64] = {};
    uint8_t BoardIds[32] = {};

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool CancelAllowed() const;
};
