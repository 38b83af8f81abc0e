#include "core/shell/UI_Selector.h"

#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <cstring>

#include "core/model/MainBoard.h"
#include "core/shell/FormLayout.h"
#include "platform/Errors.h"
#include "platform/qt/QtPlatform.h"

namespace {

using formlayout::ControlRow;
using formlayout::Kind;

constexpr SelectorEntry kSelectorTable[] = {
    {1, "Harnix FPGA Board", "Harnix_400_BITMAP"},
    {2, "Fennick FPGA Board", "Fennick_400_BITMAP"},
    {3, "Mirrow FPGA Board", "Mirrow_400_BITMAP"},
    {4, "Pellish FPGA Board", "Pellish_400_BITMAP"},
    {5, "Kavrin FPGA Board", "Kavrin_400_BITMAP"},
    {6, "Orlenn FPGA Board", "Orlenn_400_BITMAP"},
    {7, "Yastrel X2 FPGA Board", "Yastrel_X2_400_BITMAP"},
    {8, "Yastrel FPGA Board", "Yastrel_X1_400_BITMAP"},
    {9, "Corbanth FPGA Board", "Corbanth_400_BITMAP"},
    {10, "Ruskel FPGA Board", "Ruskel_400_BITMAP"},
    {11, "Wembrel", "Wembrel_400_BITMAP"},
    {12, "Pandrel FPGA Board", "Pandrel_400_BITMAP"},
    {13, "Gorvath FPGA Board", "Gorvath_400_BITMAP"},
    {14, "Ashvorn FPGA Board", "Ashvorn_BITMAP"},
    {15, "Morrast FPGA Board", "Pandrel_400_BITMAP"},
    {16, "Sarnoth FPGA Board", "Sarnoth_BITMAP"},
    {17, "Brindell FPGA Board", "Sarnoth_BITMAP"},
    {18, "Cresswin II FPGA Board", "Cresswin_BITMAP"},
    {19, "Jorvale FPGA Board", "Jorvale_BITMAP"},
    {20, "Plimmet FPGA Board", "Plimmet_BITMAP"},
    {21, "Glenmarch Board", "Glenmarch_BITMAP"},
    {22, "Wistrell Board", "Wistrell_BITMAP"},
    {23, "Kestwin SoC Board", "Kestwin_BITMAP"},
    {24, "Lumbrae SoC Board", "Lumbrae_BITMAP"},
    {25, "Ebbrick Board", "Ebbrick_BITMAP"},
    {26, "Melchet MAX10", "Tamblin_BITMAP"},
    {27, "Nobrecht FPGA Board", "Nobrecht_BITMAP"},
    {28, "Dravelle FPGA Board", "Dravelle_BITMAP"},
    {30, "Pocklin", "Pocklin_BITMAP"},
    {31, "Vellani FPGA Board", "Vellani_400_BITMAP"},
    {32, "Pressel", "Pressel_BITMAP"},
    {33, "Abernoll FPGA Board", "Abernoll_BITMAP"},
    {34, "Ulvarin Board", "Ulvarin_BITMAP"},
    {35, "Idrenne Board", "Idrenne_BITMAP"},
    {50, "Tiverne", "Tiverne_400_BITMAP"},
    {100, "Lothvar", "Lothvar_400_BITMAP"},
    {101, "Quimbel", "Quimbel_400_BITMAP"},
};

constexpr ControlRow kLayout[] = {
    {Kind::ListBox, "ListBoxMainBoard", nullptr, nullptr, {10, 11, 321, 265}},
    {Kind::Button, "ButtonOK", nullptr, "OK", {40, 294, 120, 34}, formlayout::kBold},
    {Kind::Button, "ButtonCancel", nullptr, "Cancel", {181, 294, 120, 34}},
    {Kind::Panel, "PanelImage", nullptr, nullptr, {343, 11, 417, 320}},
    {Kind::Image, "ImageBoard", "PanelImage", nullptr, {0, 0, 417, 320}},
};

constexpr int kClientWidth = 770;
constexpr int kClientHeight = 342;
constexpr int kMaxBoards = 32;

const SelectorEntry& EntryOf(int boardId)
{
    for (const SelectorEntry& entry : kSelectorTable)
        if (entry.id == boardId) return entry;
    PW_CHECK(0);
    return kSelectorTable[0];
}

}  // namespace

std::span<const SelectorEntry> SelectorTable() { return kSelectorTable; }

TFormBoardSelector::TFormBoardSelector(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("FPGA Main Board Selector"));
    // A dialog border without border icons: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kClientWidth, kClientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, formlayout::kFormColour);
    setPalette(colours);
    QFont text = font();
    text.setPixelSize(formlayout::kFontPixelSize + 1);
    setFont(text);
    formlayout::BuildControls(this, kLayout);

    auto* list = formlayout::FindControl<QListWidget>(this, "ListBoxMainBoard");
    connect(list, &QListWidget::currentRowChanged, this, [this] { ShowBoardPicture(); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    auto* ok = formlayout::FindControl<QPushButton>(this, "ButtonOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(formlayout::FindControl<QPushButton>(this, "ButtonCancel"), &QPushButton::clicked, this,
            [this] { reject(); });

    FillBoardList();
    ShowBoardPicture();
}

TFormBoardSelector::~TFormBoardSelector() = default;

void TFormBoardSelector::FillBoardList()
{
    auto* list = formlayout::FindControl<QListWidget>(this, "ListBoxMainBoard");
    QSignalBlocker quiet(list);
    list->clear();
    BoardCount = 0;
    for (int id = 0; id <= 101 && BoardCount < kMaxBoards; ++id) {
        if (!IsSupportedBoard(id)) continue;
        const SelectorEntry& entry = EntryOf(id);
        list->addItem(QString::fromLatin1(entry.text));
        std::strncpy(BitmapNames[BoardCount], entry.bitmap, sizeof BitmapNames[BoardCount] - 1);
        BoardIds[BoardCount] = entry.id;
        ++BoardCount;
    }
    list->setCurrentRow(0);
}

void TFormBoardSelector::ShowBoardPicture()
{
    auto* list = formlayout::FindControl<QListWidget>(this, "ListBoxMainBoard");
    int row = list->currentRow();
    if (row < 0 || row >= BoardCount) return;
    auto* panel = formlayout::FindControl<QFrame>(this, "PanelImage");
    auto* image = formlayout::FindControl<formlayout::TImage>(this, "ImageBoard");
    image->SetPictureAutoSize(platform::qt::LoadBitmap(BitmapNames[row]));
    // Integer division rounds toward zero, also for a picture larger than the panel.
    image->move((panel->width() - image->width()) / 2, (panel->height() - image->height()) / 2);
}

void TFormBoardSelector::SelectBoard(uint8_t boardId)
{
    for (int i = 0; i < BoardCount; ++i) {
        if (BoardIds[i] != boardId) continue;
        formlayout::FindControl<QListWidget>(this, "ListBoxMainBoard")->setCurrentRow(i);
        ShowBoardPicture();
        return;
    }
}

uint8_t TFormBoardSelector::SelectedBoardId() const
{
    int row = formlayout::FindControl<QListWidget>(this, "ListBoxMainBoard")->currentRow();
    return row >= 0 && row < BoardCount ? BoardIds[row] : 0;
}

void TFormBoardSelector::DisableCancel()
{
    formlayout::FindControl<QPushButton>(this, "ButtonCancel")->setEnabled(false);
}

bool TFormBoardSelector::CancelAllowed() const
{
    return formlayout::FindControl<QPushButton>(this, "ButtonCancel")->isEnabled();
}

void TFormBoardSelector::reject()
{
    if (CancelAllowed()) QDialog::reject();
}

void TFormBoardSelector::closeEvent(QCloseEvent* event)
{
    if (CancelAllowed()) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}
