#pragma once
// The controls of one expansion connector on a board form: the card combo showing a card
// list, the prefix box, the card's picture and the outlines over the connector; and the
// prefix check over the connectors of one kind.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

// The card list of a settings holder of either kind (a settings class or a record
// template): the ids its combo shows, "None" first.
template <class Holder>
std::span<const uint8_t> CardsOf(const Holder& holder)
{
    std::size_t count = holder.DaughterCount < 0 ? 0 : static_cast<std::size_t>(holder.DaughterCount);
    return std::span<const uint8_t>(holder.DaughterIds, std::min<std::size_t>(count, std::size(holder.DaughterIds)));
}

class TConnectorControls {
public:
    // The controls of that name on the form; the image and the outlines are optional.
    // The prefix box takes at most the 127 characters a record keeps.
    TConnectorControls(const QWidget* form, const char* combo, const char* prefix, const char* image = nullptr,
                       std::initializer_list<const char*> outlines = {});

    // Shows the list's card names, entry 0 selected, every entry visible without scrolling.
    void SetCards(std::span<const uint8_t> cards);
    std::span<const uint8_t> Cards() const { return m_cards; }

    // The card at the combo's entry; "None" where the entry holds none.
    uint8_t Card() const;
    int Entry() const;
    // Selects the first entry of the card; a card not in the list leaves the combo as it is
    // (false). The id is a record's as stored, a byte or a 32-bit field, so no value is cut to
    // a card.
    bool SelectCard(int32_t cardId);
    // A record's card and prefix: the prefix shows only when a card is chosen.
    void Show(int32_t cardId, std::string_view prefix);
    // The same on the forms that take a record's prefix only together with its card: a card
    // not in the list leaves the prefix box as it is too.
    void ShowListed(int32_t cardId, std::string_view prefix);
    // The prefix box as record text (Latin-1).
    std::string PrefixText() const;

    // The chosen card's picture, hidden for "None".
    void UpdatePicture() const;
    // The connector's outlines, visible while a card is chosen.
    void UpdateOutlines() const;

    QComboBox* Combo;
    QLineEdit* Prefix;
    QLabel* Image;
    std::vector<QWidget*> Outlines;

private:
    std::span<const uint8_t> m_cards;
};

// The prefix checks of the connector kinds that have one.
enum class PrefixKind { Gpio, Hsmc, Fmc };

// The prefix check of one kind over its connectors in the form's order ("GPIO-0", "GPIO-1",
// or "HSMC-A", ...); on a conflict it shows the error box and returns false.
bool CheckPrefixNames(PrefixKind kind, std::span<const TConnectorControls> connectors);
// The same check's message without showing it; nullopt when no pair conflicts.
std::optional<std::string> PrefixConflict(PrefixKind kind, std::span<const TConnectorControls> connectors);
// The prefix check over a board's Kelpin connectors, each named as the board names it in the
// message ("Kelpin23", "Kelpin-A"); a connector whose `inUse` entry is false (another takes
// its place on the board) takes part in no pair. Not shown; nullopt when no pair conflicts.
std::optional<std::string> KelpinPrefixConflict(std::span<const TConnectorControls> connectors,
                                                std::span<const char* const> names,
                                                std::span<const bool> inUse = {});

// Two 40-pin headers that take one 80-pin card together: the pairing after a card was
// picked with `sender` (header 0's combo, or header 1 for any other sender), applied to the
// controls; see GpioPairing.h for what it decides.
void PairGpioHeaders(TConnectorControls (&headers)[2], const QObject* sender);
// Both headers show the generic GPIO card and both prefix boxes are empty.
bool IsGpioDefaultPair(const TConnectorControls (&headers)[2]);

// A record's two header fields (card ids, prefix texts) shown on the headers' controls and
// then paired with header 0's combo as the sender, as a form shows a loaded record.
void ShowGpioHeaders(TConnectorControls (&headers)[2], const uint8_t (&cards)[2], const char (&prefixes)[2][128]);
// The two headers' cards and prefix texts into a record's fields.
void ReadGpioHeaders(const TConnectorControls (&headers)[2], uint8_t (&cards)[2], char (&prefixes)[2][128]);
// The GPIO prefix check of two headers; the default pair needs none.
bool CheckGpioHeaderPrefixes(const TConnectorControls (&headers)[2]);
