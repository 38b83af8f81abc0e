#pragma once
// The main window: it hosts one board form at a time, made by the board-form factory, lets
// a board form ask for another board through the selector, and keeps the last board in the
// INI file beside the executable.
#include <QEvent>
#include <QWidget>
#include <array>
#include <cstdint>
#include <span>
#include <string>

class QLabel;

// Posted by a board form's "Change Main Board" to the main window (the message WM_USER + 1
// of the board forms' protocol).
constexpr QEvent::Type WM_SELECT_MAINBOARD = static_cast<QEvent::Type>(QEvent::User + 1);

// A row of the board-form factory: the board id, its form's constructor and the pictures the
// form and the selector show of it.
struct BoardFormRow {
    uint8_t id;
    QWidget* (*create)(QWidget* owner);
    void (*registerPictures)();
};

// The forms that exist, one row each.
std::span<const BoardFormRow> BoardFormTable();

// The card-picture table: card id -> name of the picture (80 pixels high).
struct CardPicture {
    uint8_t id;
    const char* bitmap;
};
std::span<const CardPicture> CardPictureTable();

class TFormMain : public QWidget {
public:
    explicit TFormMain(QWidget* owner = nullptr);
    ~TFormMain() override;

    void CreateBoardForm(uint8_t boardId);
    void FreeBoardForms();
    void SelectMainBoard(bool disableCancel);
    // The hosted board form, or nullptr.
    QWidget* BoardForm() const;

    void LoadIni();
    void SaveIni();
    // "<executable>.INI" in the executable's folder.
    static std::string IniFileName();

    // The card's picture in the image, or the image hidden for card 0.
    static void ShowDaughterPicture(QLabel* image, uint8_t cardId);
    // Empty for card 0; a card without a picture is an internal error.
    static std::string DaughterBitmapName(uint8_t cardId);

    uint8_t CurrentBoardId = 0;

protected:
    bool event(QEvent* event) override;

private:
    static constexpr std::size_t kSlotCount = 37;
    std::array<QWidget*, kSlotCount> m_forms{};
};

// The application's main window.
extern TFormMain* FormMain;
