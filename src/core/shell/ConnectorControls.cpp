#include "core/shell/ConnectorControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "cards/DaughterBoardInfo.h"
#include "core/settings/GpioPairing.h"
#include "core/settings/PrefixCheck.h"
#include "core/settings/RecordText.h"
#include "core/shell/FormLayout.h"
#include "core/shell/UnitMain.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/qt/QtPlatform.h"

TConnectorControls::TConnectorControls(const QWidget* form, const char* combo, const char* prefix, const char* image,
                                       std::initializer_list<const char*> outlines)
    : Combo(formlayout::FindControl<QComboBox>(form, combo)),
      Prefix(formlayout::FindControl<QLineEdit>(form, prefix)),
      Image(image ? formlayout::FindControl<QLabel>(form, image) : nullptr)
{
    for (const char* outline : outlines) Outlines.push_back(formlayout::FindControl<QWidget>(form, outline));
    Prefix->setMaxLength(static_cast<int>(kRecordTextMax));
}

void TConnectorControls::SetCards(std::span<const uint8_t> cards)
{
    m_cards = cards;
    Combo->clear();
    for (uint8_t card : cards) Combo->addItem(platform::qt::FromLatin1(BoardName(card)));
    Combo->setCurrentIndex(0);
    Combo->setMaxVisibleItems(static_cast<int>(cards.size()));
}

int TConnectorControls::Entry() const { return Combo->currentIndex(); }

uint8_t TConnectorControls::Card() const
{
    int entry = Entry();
    return entry > 0 && static_cast<std::size_t>(entry) < m_cards.size() ? m_cards[entry] : DAUGHTER_NONE;
}

bool TConnectorControls::SelectCard(int32_t cardId)
{
    for (std::size_t i = 0; i < m_cards.size(); ++i) {
        if (m_cards[i] != cardId) continue;
        Combo->setCurrentIndex(static_cast<int>(i));
        return true;
    }
    return false;
}

void TConnectorControls::Show(int32_t cardId, std::string_view prefix)
{
    SelectCard(cardId);
    Prefix->setText(Entry() != 0 ? platform::qt::FromLatin1(std::string(prefix)) : QString());
}

void TConnectorControls::ShowListed(int32_t cardId, std::string_view prefix)
{
    if (SelectCard(cardId)) Prefix->setText(Entry() != 0 ? platform::qt::FromLatin1(std::string(prefix)) : QString());
}

std::string TConnectorControls::PrefixText() const { return platform::qt::ToLatin1(Prefix->text()); }

void TConnectorControls::UpdatePicture() const
{
    if (Image) TFormMain::ShowDaughterPicture(Image, Card());
}

void TConnectorControls::UpdateOutlines() const
{
    for (QWidget* outline : Outlines) outline->setVisible(Entry() > 0);
}

std::optional<std::string> PrefixConflict(PrefixKind kind, std::span<const TConnectorControls> connectors)
{
    std::vector<uint8_t> cards;
    std::vector<std::string> prefixes;
    for (const TConnectorControls& connector : connectors) {
        cards.push_back(connector.Card());
        prefixes.push_back(connector.PrefixText());
    }
    auto check = kind == PrefixKind::Gpio ? CheckGpioPrefixNames
                 : kind == PrefixKind::Hsmc ? CheckHsmcPrefixNames
                                            : CheckFmcPrefixNames;
    std::string message;
    if (check(static_cast<int32_t>(cards.size()), cards.data(), prefixes.data(), message)) return std::nullopt;
    return message;
}

bool CheckPrefixNames(PrefixKind kind, std::span<const TConnectorControls> connectors)
{
    const std::optional<std::string> conflict = PrefixConflict(kind, connectors);
    if (conflict) platform::ErrorBox(*conflict);
    return !conflict;
}

std::optional<std::string> KelpinPrefixConflict(std::span<const TConnectorControls> connectors,
                                                std::span<const char* const> names, std::span<const bool> inUse)
{
    PW_CHECK(names.size() == connectors.size() && (inUse.empty() || inUse.size() == connectors.size()));
    std::vector<uint8_t> cards;
    std::vector<std::string> prefixes;
    for (std::size_t i = 0; i < connectors.size(); ++i) {
        cards.push_back(inUse.empty() || inUse[i] ? connectors[i].Card() : DAUGHTER_NONE);
        prefixes.push_back(connectors[i].PrefixText());
    }
    std::string message;
    if (CheckKelpinPrefixNames(static_cast<int32_t>(cards.size()), cards.data(), prefixes.data(), names.data(),
                               message))
        return std::nullopt;
    return message;
}

void PairGpioHeaders(TConnectorControls (&headers)[2], const QObject* sender)
{
    GpioHeaderState before[2];
    for (int h = 0; h < 2; ++h)
        before[h] = {headers[h].Entry(), headers[h].Card(), headers[h].PrefixText(), headers[h].Combo->isEnabled()};
    GpioHeaderState after[2] = {before[0], before[1]};
    PairGpioHeaders(after, sender == headers[0].Combo ? 0 : 1);
    for (int h = 0; h < 2; ++h) {
        // Only what the pairing changed is written back, so a prefix it leaves keeps every
        // character the user typed.
        if (after[h].entry != before[h].entry) headers[h].Combo->setCurrentIndex(after[h].entry);
        if (after[h].prefix != before[h].prefix) headers[h].Prefix->setText(platform::qt::FromLatin1(after[h].prefix));
        headers[h].Combo->setEnabled(after[h].enabled);
        headers[h].Prefix->setEnabled(after[h].enabled);
    }
}

bool IsGpioDefaultPair(const TConnectorControls (&headers)[2])
{
    return IsGpioDefaultPair(headers[0].Card(), headers[0].PrefixText(), headers[1].Card(), headers[1].PrefixText());
}

void ShowGpioHeaders(TConnectorControls (&headers)[2], const uint8_t (&cards)[2], const char (&prefixes)[2][128])
{
    for (int h = 0; h < 2; ++h) headers[h].Show(cards[h], ReadRecordText(prefixes[h]));
    PairGpioHeaders(headers, headers[0].Combo);
}

void ReadGpioHeaders(const TConnectorControls (&headers)[2], uint8_t (&cards)[2], char (&prefixes)[2][128])
{
    for (int h = 0; h < 2; ++h) {
        cards[h] = headers[h].Card();
        WriteRecordText(prefixes[h], headers[h].PrefixText());
    }
}

bool CheckGpioHeaderPrefixes(const TConnectorControls (&headers)[2])
{
    return IsGpioDefaultPair(headers) || CheckPrefixNames(PrefixKind::Gpio, headers);
}
