#pragma once
// The on-board device groups of a board form: each a check box, the outlines it shows over
// the board picture and its byte in the board's record. A form lists its groups once and
// runs the record, form and outline loops over the list.
#include <QCheckBox>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/shell/FormLayout.h"

// The most outlines one check box drives (the HPS box of some boards drives nine).
constexpr std::size_t kMaxGroupOutlines = 10;

template <class X>
struct DeviceGroup {
    const char* checkBox;
    uint8_t X::*field;
    std::array<const char*, kMaxGroupOutlines> outlines;  // nullptr after the last
    // A box of one of a pair of like devices (two SATA ports, two memory sockets) whose record
    // keeps the pair as one two-byte field: the field and the entry, with `field` null.
    uint8_t (X::*pair)[2] = nullptr;
    int entry = 0;
};

template <class X>
class TDeviceGroups {
public:
    // Finds every group's controls on the form; a name the form lacks is a slip in its table.
    TDeviceGroups(const QWidget* form, std::span<const DeviceGroup<X>> groups)
    {
        for (const DeviceGroup<X>& group : groups) {
            Bound bound{formlayout::FindControl<QCheckBox>(form, group.checkBox), group.field, group.pair,
                        group.entry, {}};
            for (const char* outline : group.outlines)
                if (outline) bound.outlines.push_back(formlayout::FindControl<QWidget>(form, outline));
            m_groups.push_back(std::move(bound));
        }
    }

    // Each box ticked when its byte is not 0.
    void ToForm(const X& record) const
    {
        for (const Bound& group : m_groups) group.box->setChecked(group.Byte(record) != 0);
    }
    // Each byte 1 when its box is ticked, else 0.
    void FromForm(X& record) const
    {
        for (const Bound& group : m_groups) group.Byte(record) = group.box->isChecked() ? 1 : 0;
    }
    // Each group's outlines visible exactly while its box is ticked.
    void UpdateOutlines() const
    {
        for (const Bound& group : m_groups)
            for (QWidget* outline : group.outlines) outline->setVisible(group.box->isChecked());
    }

private:
    struct Bound {
        QCheckBox* box;
        uint8_t X::*field;
        uint8_t (X::*pair)[2];
        int entry;
        std::vector<QWidget*> outlines;

        template <class R>
        auto& Byte(R& record) const
        {
            return field ? record.*field : (record.*pair)[entry == 0 ? 0 : 1];
        }
    };
    std::vector<Bound> m_groups;
};
