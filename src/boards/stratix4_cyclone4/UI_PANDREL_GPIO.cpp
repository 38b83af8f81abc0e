#include "boards/stratix4_cyclone4/UI_PANDREL_GPIO.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/shell/FormLayout.h"
#include "platform/qt/QtPlatform.h"

namespace {

using formlayout::ControlRow;
using formlayout::Kind;
using formlayout::kBold;

#define GPIO_HEADER(n, title, top)                                                                  \
    {Kind::Label, "LabelGpio" n, "GroupBoxGpio", title, {12, top, 240, 20}, kBold},                   \
        {Kind::ComboBox, "ComboBoxGpio" n, "GroupBoxGpio", nullptr, {12, top + 22, 244, 24}},         \
        {Kind::Label, "LabelPrefixGpio" n, "GroupBoxGpio", "Prefix Name:", {12, top + 54, 80, 24}},   \
        {Kind::Edit, "EditPrefixGpio" n, "GroupBoxGpio", nullptr, {96, top + 54, 160, 24}},           \
        {Kind::Slot, "SlotGpio" n, "GroupBoxGpio", "No card", {262, top + 4, 124, 80}},               \
        {Kind::Image, "ImageGpio" n, "GroupBoxGpio", nullptr, {262, top + 4, 124, 80}}

constexpr ControlRow kLayout[] = {
    {Kind::GroupBox, "GroupBoxGpio", nullptr, "GPIO Expansion", {8, 8, 400, 206}},
    GPIO_HEADER("0", "GPIO-0 Header", 20),
    GPIO_HEADER("1", "GPIO-1 Header", 112),
    {Kind::Button, "ButtonOk", nullptr, "OK", {200, 222, 100, 30}},
    {Kind::Button, "ButtonCancel", nullptr, "Cancel", {308, 222, 100, 30}},
};

#undef GPIO_HEADER

// The dialog with its controls built, for the members that look them up.
QWidget* Built(QWidget* dialog)
{
    formlayout::BuildControls(dialog, kLayout);
    return dialog;
}

}  // namespace

TFormGPIO::TFormGPIO(QWidget* owner)
    : QDialog(owner),
      m_Headers{{Built(this), "ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0"},
                {this, "ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1"}}
{
    setWindowTitle(QStringLiteral("GPIO Expansion"));
    setFixedSize(416, 260);
    setModal(true);
    for (const TConnectorControls& header : m_Headers)
        connect(header.Combo, &QComboBox::activated, this, [this, combo = header.Combo] { ComboBoxGpioChange(combo); });
    connect(formlayout::FindControl<QPushButton>(this, "ButtonOk"), &QPushButton::clicked, this,
            [this] { ButtonOkClick(); });
    connect(formlayout::FindControl<QPushButton>(this, "ButtonCancel"), &QPushButton::clicked, this,
            [this] { ButtonCancelClick(); });
}

TFormGPIO::~TFormGPIO() = default;

void TFormGPIO::SetCardList(const TConfigBase<PANDREL_CONFIG>& list)
{
    m_CardList = &list;
    for (TConnectorControls& header : m_Headers) header.SetCards(CardsOf(list));
}

void TFormGPIO::SetGpio0Index(int index)
{
    if (index != m_Gpio0Index) m_Gpio0Index = index;
}

void TFormGPIO::SetGpio1Index(int index)
{
    if (index != m_Gpio1Index) m_Gpio1Index = index;
}

void TFormGPIO::SetGpio0Prefix(const std::string& prefix)
{
    if (prefix != m_Gpio0Prefix) m_Gpio0Prefix = prefix;
}

void TFormGPIO::SetGpio1Prefix(const std::string& prefix)
{
    if (prefix != m_Gpio1Prefix) m_Gpio1Prefix = prefix;
}

uint8_t TFormGPIO::KeptCard(int header) const
{
    if (!m_CardList) return 0;
    const auto cards = CardsOf(*m_CardList);
    const int index = header == GPIO_0 ? m_Gpio0Index : m_Gpio1Index;
    return index >= 0 && static_cast<std::size_t>(index) < cards.size() ? cards[static_cast<std::size_t>(index)] : 0;
}

void TFormGPIO::PairGpioHeaders(const QObject* sender)
{
    // The shared pairing leaves the leading header free: after an 80-pin card was confirmed
    // on header 0, header 1 leads at the next showing and must not stay locked with it.
    ::PairGpioHeaders(m_Headers, sender);
}

void TFormGPIO::UpdateDaughterPictures()
{
    for (const TConnectorControls& header : m_Headers) header.UpdatePicture();
}

void TFormGPIO::FormShow()
{
    const int kept[2] = {m_Gpio0Index, m_Gpio1Index};
    const std::string* prefixes[2] = {&m_Gpio0Prefix, &m_Gpio1Prefix};
    for (int h = 0; h < 2; ++h) {
        QComboBox* combo = m_Headers[h].Combo;
        combo->setCurrentIndex(kept[h] >= 0 && kept[h] < combo->count() ? kept[h] : 0);
        m_Headers[h].Prefix->setText(platform::qt::FromLatin1(*prefixes[h]));
    }
    // The dialog itself as the sender: header 1 leads.
    PairGpioHeaders(this);
    UpdateDaughterPictures();
}

void TFormGPIO::ComboBoxGpioChange(const QObject* sender)
{
    PairGpioHeaders(sender);
    UpdateDaughterPictures();
}

void TFormGPIO::ButtonOkClick()
{
    SetGpio0Index(m_Headers[GPIO_0].Entry());
    SetGpio1Index(m_Headers[GPIO_1].Entry());
    SetGpio0Prefix(m_Headers[GPIO_0].PrefixText());
    SetGpio1Prefix(m_Headers[GPIO_1].PrefixText());
    done(QDialog::Accepted);
}

void TFormGPIO::ButtonCancelClick() { done(QDialog::Rejected); }

void TFormGPIO::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}
