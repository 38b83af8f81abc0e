#include "core/shell/UnitMain.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

#include "boards/arria10/UI_ABERNOLL.h"
#include "boards/arria10/UI_DRAVELLE.h"
#include "boards/arria10/UI_IDRENNE.h"
#include "boards/arria10/UI_NOBRECHT.h"
#include "boards/cyclone5_max10/UI_JORVALE.h"
#include "boards/cyclone5_max10/UI_TAMBLIN.h"
#include "boards/cyclone5_max10/UI_POCKLIN.h"
#include "boards/cyclone5_max10/UI_GLENMARCH.h"
#include "boards/cyclone5_max10/UI_EBBRICK.h"
#include "boards/cyclone5_max10/UI_KESTWIN.h"
#include "boards/cyclone5_max10/UI_LUMBRAE.h"
#include "boards/cyclone5_max10/UI_PRESSEL.h"
#include "boards/cyclone5_max10/UI_PLIMMET.h"
#include "boards/cyclone5_max10/UI_ULVARIN.h"
#include "boards/cyclone5_max10/UI_WISTRELL.h"
#include "boards/early/UI_FENNICK.h"
#include "boards/early/UI_HARNIX.h"
#include "boards/early/UI_LOTHVAR.h"
#include "boards/early/UI_MIRROW.h"
#include "boards/early/UI_ORLENN.h"
#include "boards/early/UI_PELLISH.h"
#include "boards/early/UI_TIVERNE.h"
#include "boards/early/UI_WEMBREL.h"
#include "boards/stratix4_cyclone4/UI_CORBANTH.h"
#include "boards/stratix4_cyclone4/UI_QUIMBEL.h"
#include "boards/stratix4_cyclone4/UI_ASHVORN.h"
#include "boards/stratix4_cyclone4/UI_GORVATH.h"
#include "boards/stratix4_cyclone4/UI_KAVRIN.h"
#include "boards/stratix4_cyclone4/UI_RUSKEL.h"
#include "boards/stratix5/UI_VELLANI.h"
#include "boards/stratix5/UI_CRESSWIN.h"
#include "boards/stratix5/UI_MORRAST.h"
#include "boards/stratix4_cyclone4/UI_PANDREL.h"
#include "boards/stratix4_cyclone4/UI_YASTREL_X1.h"
#include "boards/stratix4_cyclone4/UI_YASTREL_X2.h"
#include "boards/stratix5/UI_BRINDELL.h"
#include "boards/stratix5/UI_CRESSWIN.h"
#include "boards/stratix5/UI_MORRAST.h"
#include "boards/stratix5/UI_SARNOTH.h"
#include "core/model/MainBoard.h"
#include "core/settings/IniFile.h"
#include "core/shell/BoardForm.h"
#include "core/shell/FormLayout.h"
#include "core/shell/Pictures.h"
#include "core/shell/UI_Selector.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/qt/QtPlatform.h"

TFormMain* FormMain = nullptr;

namespace {

// Where the INI file keeps the last board.
constexpr std::string_view kIniSection = "Pinwright";
constexpr std::string_view kIniKey = "MainBoard";

template <class Form>
QWidget* Create(QWidget* owner)
{
    return new Form(owner);
}

// Every board form that exists; the board issues add theirs.
constexpr BoardFormRow kBoardForms[] = {
    {MAINBOARD_Harnix, &Create<TFormHarnix>, &RegisterHarnixPictures},
    {MAINBOARD_Fennick, &Create<TFormFennick>, &RegisterFennickPictures},
    {MAINBOARD_Morrast, &Create<TFormMorrast>, &RegisterMorrastPictures},
    {MAINBOARD_Sarnoth, &Create<TFormSarnoth>, &RegisterSarnothPictures},
    {MAINBOARD_Brindell, &Create<TFormBrindell>, nullptr},  // the selector shows Sarnoth's picture
    {MAINBOARD_Cresswin, &Create<TFormCresswin>, &RegisterCresswinPictures},
    {MAINBOARD_Jorvale, &Create<TFormJorvale>, &RegisterJorvalePictures},
    {MAINBOARD_Plimmet, &Create<TFormPlimmet>, &RegisterPlimmetPictures},
    {MAINBOARD_Wistrell, &Create<TFormWistrell>, &RegisterWistrellPictures},
    {MAINBOARD_Tamblin, &Create<TFormTamblin>, &RegisterTamblinPictures},
    {MAINBOARD_Pocklin, &Create<TFormPocklin>, &RegisterPocklinPictures},
    {MAINBOARD_Glenmarch, &Create<TFormGlenmarch>, &RegisterGlenmarchPictures},
    {MAINBOARD_Corbanth, &Create<TFormCorbanth>, &RegisterCorbanthPictures},
    {MAINBOARD_Ruskel, &Create<TFormRuskel>, &RegisterRuskelPictures},
    {MAINBOARD_Ebbrick, &Create<TFormEbbrick>, &RegisterEbbrickPictures},
    {MAINBOARD_Kestwin, &Create<TFormKestwin>, &RegisterKestwinPictures},
    {MAINBOARD_Lumbrae, &Create<TFormLumbrae>, &RegisterLumbraePictures},
    {MAINBOARD_Pressel, &Create<TFormPressel>, &RegisterPresselPictures},
    {MAINBOARD_Ulvarin, &Create<TFormUlvarin>, &RegisterUlvarinPictures},
    {MAINBOARD_Tiverne, &Create<TFormTiverne>, &RegisterTivernePictures},
    {MAINBOARD_Mirrow, &Create<TFormMirrow>, &RegisterMirrowPictures},
    {MAINBOARD_Pellish, &Create<TFormPellish>, &RegisterPellishPictures},
    {MAINBOARD_Quimbel, &Create<TFormQuimbel>, &RegisterQuimbelPictures},
    {MAINBOARD_Kavrin, &Create<TFormKavrin>, &RegisterKavrinPictures},
    {MAINBOARD_Gorvath, &Create<TFormGorvath>, &RegisterGorvathPictures},
    {MAINBOARD_Ashvorn, &Create<TFormAshvorn>, &RegisterAshvornPictures},
    {MAINBOARD_Vellani, &Create<TFormVellani>, &RegisterVellaniPictures},
    {MAINBOARD_Idrenne, &Create<TFormIdrenne>, &RegisterIdrennePictures},
    {MAINBOARD_Wembrel, &Create<TFormWembrel>, &RegisterWembrelPictures},
    {MAINBOARD_Orlenn, &Create<TFormOrlenn>, &RegisterOrlennPictures},
    {MAINBOARD_Lothvar, &Create<TFormLothvar>, &RegisterLothvarPictures},
    {MAINBOARD_Nobrecht, &Create<TFormNobrecht>, &RegisterNobrechtPictures},
    {MAINBOARD_Yastrel_X2, &Create<TFormYastrel_X2>, &RegisterYastrel_X2Pictures},
    {MAINBOARD_Yastrel_X1, &Create<TFormYastrel_X1>, &RegisterYastrel_X1Pictures},
    {MAINBOARD_Pandrel, &Create<TFormPandrel>, &RegisterPandrelPictures},
    {MAINBOARD_Dravelle, &Create<TFormDravelle>, &RegisterDravellePictures},
    {MAINBOARD_Abernoll, &Create<TFormAbernoll>, &RegisterAbernollPictures},
};

constexpr CardPicture kCardPictures[] = {
    {1, "GPIO_80_BITMAP"},
    {2, "HSMC_DEFAULT_80_BITMAP"},
    {3, "HSMC_DEFAULT_XCVR_80_BITMAP"},
    {4, "HSMC_LVDS_80_BITMAP"},
    {5, "Kelpin_80_BITMAP"},
    {6, "Cobrel_80_BITMAP"},
    {7, "Wyrsel_80_BITMAP"},
    {8, "Fobbin_80_BITMAP"},
    {10, "Kobbet_HSMC_80_BITMAP"},
    {11, "Kobbet_GPIO_80_BITMAP"},
    {12, "Sollip_80_BITMAP"},
    {13, "Garvet_80_BITMAP"},
    {14, "Nuppel_80_BITMAP"},
    {15, "Brasket_80_BITMAP"},
    {16, "Sarvick_80_BITMAP"},
    {17, "Dobrel_80_BITMAP"},
    {18, "HSMC_DEBUG_80_BITMAP"},
    {19, "HSMC_LOOPBACK_80_BITMAP"},
    {20, "Kelpin_LOOPBACK_80_BITMAP"},
    {21, "Sendle_80_BITMAP"},
    {22, "Dortle_80_BITMAP"},
    {23, "HSMC_Hobbard_80_BITMAP"},
    {24, "Tennel_80_BITMAP"},
    {25, "Tennel_80_BITMAP"},
    {26, "Vossil_80_BITMAP"},
    {27, "Lorrat_HSMC_80_BITMAP"},
    {28, "Pemmit_80_BITMAP"},
    {29, "HSMC_Marpin_80_BITMAP"},
    {30, "GPIO_Jundle_80_BITMAP"},
    {31, "HSMC_Brasket_TX_80_BITMAP"},
    {32, "HSMC_Brasket_RX_80_BITMAP"},
    {33, "HSMC_Tranmer_80_BITMAP"},
    {34, "Ostrum_80_BITMAP"},
    {35, "HSMC_Yellip_80_BITMAP"},
    {36, "HSMC_Hasket_80_BITMAP"},
    {37, "HSMC_LOOPBACK_XCVR_80_BITMAP"},
    {40, "FMC_HPC_VITA_STD_80_BITMAP"},
    {41, "FMC_LPC_VITA_STD_80_BITMAP"},
    {42, "FMC_HPC_ALTERA_STD_80_BITMAP"},
    {43, "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP"},
    {44, "FMC_HPC_ALTERA_STD_80_BITMAP"},
    {45, "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP"},
    {46, "FMC_LPC_ALTERA_STD_80_BITMAP"},
    {47, "FMC_LPC_ALTERA_STD_XCVR_80_BITMAP"},
    {48, "FMC_Vossil_80_BITMAP"},
    {49, "FMC_Dortle_80_BITMAP"},
    {50, "FMC_Brasket_80_BITMAP"},
    {51, "FMC_TI_Pashard_FOR_TI_80_BITMAP"},
    {52, "FMC_TI_ADC34J45_80_BITMAP"},
    {53, "FMC_Wyrsel_80_BITMAP"},
    {54, "FMC_Parnish_80_BITMAP"},
    {55, "Corvish_80_BITMAP"},
    {56, "HSMC_Gantrel_80_BITMAP"},
    {57, "Dobrel_Sollip_J2_80_BITMAP"},
    {58, "Dobrel_Sollip_J3_80_BITMAP"},
    {59, "Dobrel_Sollip_x2_80_BITMAP"},
    {60, "HSMC_Bellock_80_BITMAP"},
    {61, "HSMC_Fermock_80_BITMAP"},
    {62, "GPIO_Pelvin_80_BITMAP"},
    {63, "GPIO_Ravesh_80_BITMAP"},
    {64, "GPIO_SMART_CAR_80_BITMAP"},
    {65, "GPIO_Tilvard_80_BITMAP"},
    {66, "GPIO_Tesvik_80_BITMAP"},
    {67, "GPIO_Omblin_80_BITMAP"},
    {68, "ARDUINO_80_BITMAP"},
    {69, "BBB_DEFAULT_80_BITMAP"},
    {70, "BBB_WIFI_BLE_80_BITMAP"},
    {71, "BBB_MODE7_80_BITMAP"},
    {72, "Ombrel_2x6_DEFAULT_BITMAP"},
    {73, "Ombrel_2x6_SPP_BLUETOOTH_BITMAP"},
    {74, "Ferrund_GPIO_80_BITMAP"},
    {76, "Ferrund_FMC_80_BITMAP"},
    {77, "DDR4_SODIMM_80_BITMAP"},
    {78, "DDR4_ECC_SODIMM_80_BITMAP"},
    {79, "Varnholt_DDR4_QDR2_BITMAP"},
    {80, "Varnholt_DDR4_QDR4_BITMAP"},
    {82, "GPIO_80_2V5_BITMAP"},
    {83, "GPIO_80_1V8_BITMAP"},
    {84, "GPIO_80_1V5_BITMAP"},
    {85, "HSMC_3V3_DEFAULT_80_BITMAP"},
    {86, "HSMC_1V8_DEFAULT_80_BITMAP"},
    {87, "HSMC_1V5_DEFAULT_80_BITMAP"},
    {88, "HSMC_3V3_DEFAULT_XCVR_80_BITMAP"},
    {89, "HSMC_3V0_DEFAULT_XCVR_80_BITMAP"},
    {90, "HSMC_1V8_DEFAULT_XCVR_80_BITMAP"},
    {91, "HSMC_1V5_DEFAULT_XCVR_80_BITMAP"},
    {92, "GPIO_80_3V0_BITMAP"},
    {93, "HSMC_3V0_DEFAULT_80_BITMAP"},
};

// The slot of a board id: its place among the 37 ids.
std::size_t SlotOf(uint8_t boardId)
{
    const auto* end = std::end(kMainBoardIds);
    const auto* it = std::find(std::begin(kMainBoardIds), end, boardId);
    PW_CHECK(it != end);
    return static_cast<std::size_t>(it - std::begin(kMainBoardIds));
}

}  // namespace

std::span<const BoardFormRow> BoardFormTable() { return kBoardForms; }

std::span<const CardPicture> CardPictureTable() { return kCardPictures; }

TFormMain::TFormMain(QWidget* owner) : QWidget(owner)
{
    static_assert(std::size(kMainBoardIds) == kSlotCount);
    FormMain = this;
    RegisterPictures();
    setWindowTitle(QStringLiteral("Pinwright"));
    setWindowIcon(QIcon(platform::qt::LoadBitmap(pictures::kProgramIcon)));
    // A dialog border: a fixed client area, no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(433, 210);

    CurrentBoardId = 0;
    LoadIni();
    // This configuration always opens on Ulvarin, whatever the INI file held.
    CurrentBoardId = MAINBOARD_Ulvarin;
    if (!IsSupportedBoard(CurrentBoardId)) CurrentBoardId = 0;
    if (CurrentBoardId != 0) {
        CreateBoardForm(CurrentBoardId);
    } else {
        SelectMainBoard(true);
        SaveIni();
    }
}

TFormMain::~TFormMain()
{
    FreeBoardForms();
    SaveIni();
    if (FormMain == this) FormMain = nullptr;
}

void TFormMain::CreateBoardForm(uint8_t boardId)
{
    FreeBoardForms();
    const BoardFormRow* row = nullptr;
    for (const BoardFormRow& candidate : kBoardForms)
        if (candidate.id == boardId) row = &candidate;
    PW_CHECK(row != nullptr);

    QWidget* form = row->create(this);
    m_forms[SlotOf(boardId)] = form;
    CurrentBoardId = boardId;

    form->move(0, 0);
    form->show();
    setFixedSize(form->width(), form->height());
    // Centred by the form's size, as the window's outer size is not known before it is shown.
    QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
    move((screen.width() - form->width()) / 2, (screen.height() - form->height()) / 2);
}

void TFormMain::FreeBoardForms()
{
    for (QWidget*& form : m_forms) {
        DeleteBoardForm(form);
        form = nullptr;
    }
}

QWidget* TFormMain::BoardForm() const
{
    for (QWidget* form : m_forms)
        if (form) return form;
    return nullptr;
}

void TFormMain::SelectMainBoard(bool disableCancel)
{
    auto* selector = new TFormBoardSelector(this);
    if (CurrentBoardId == 0) CurrentBoardId = MAINBOARD_Yastrel_X2;
    selector->SelectBoard(CurrentBoardId);
    if (disableCancel) selector->DisableCancel();
    bool chosen = selector->exec() == QDialog::Accepted;
    uint8_t boardId = chosen ? selector->SelectedBoardId() : 0;
    delete selector;
    if (chosen) CreateBoardForm(boardId);
}

bool TFormMain::event(QEvent* event)
{
    if (event->type() == WM_SELECT_MAINBOARD) SelectMainBoard(false);
    return QWidget::event(event);
}

std::string TFormMain::IniFileName()
{
    QFileInfo exe(QCoreApplication::applicationFilePath());
    QString base = exe.fileName();
    int dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) base.truncate(dot);
    return platform::ExeDir() + platform::qt::ToLocalPath(base) + ".INI";
}

void TFormMain::LoadIni()
{
    // A file that cannot be read counts as no file; any integer keeps its low byte.
    if (std::optional<int> value = ReadIniInteger(IniFileName(), kIniSection, kIniKey, 0))
        CurrentBoardId = static_cast<uint8_t>(*value & 0xFF);
}

void TFormMain::SaveIni()
{
    // A failed write loses the value, silently.
    WriteIniInteger(IniFileName(), kIniSection, kIniKey, CurrentBoardId);
}

std::string TFormMain::DaughterBitmapName(uint8_t cardId)
{
    if (cardId == 0) return std::string();
    for (const CardPicture& picture : kCardPictures)
        if (picture.id == cardId) return picture.bitmap;
    PW_CHECK(0);
    return std::string();
}

void TFormMain::ShowDaughterPicture(QLabel* image, uint8_t cardId)
{
    std::string name = DaughterBitmapName(cardId);
    if (name.empty()) {
        image->setVisible(false);
        return;
    }
    image->setVisible(true);
    image->setPixmap(formlayout::FitInto(platform::qt::LoadBitmap(name), image->size()));
}
