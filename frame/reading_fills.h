// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each control of a display window shows of a reading. The window
// names, as it makes a control, the part of the reading the control shows,
// and shows a reading by filling every control from it: no control is
// filled by hand, and nothing is read back out of one.

#include "core/fixed_table.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class ReadingBox;

// Shows the text in a value label, a text box, or a short box from its start.
void ShowText(QLabel *label, const QString &text);
void ShowText(ReadingBox *box, const QString &text);
void ShowText(QLineEdit *box, const QString &text);

template <typename Reading>
class ReadingFills
{
public:
    using Text = std::function<QString(const Reading &)>;

    // The control shows this part of every reading.
    template <typename Control>
    Control *add(Control *control, Text text)
    {
        m_fills.push_back([control, text = std::move(text)](const Reading &reading) {
            ShowText(control, text(reading));
        });
        return control;
    }

    // The control shows this text of the reading's row.
    template <typename Control, typename Row>
    Control *add(Control *control, const char *Row::*field)
    {
        return add(control, RowField(field));
    }

    // The control shows this text of a part of the reading's row (the sign
    // profile a row holds, say).
    template <typename Control, typename Row, typename Part>
    Control *add(Control *control, Part Row::*part, const char *Part::*field)
    {
        return add(control, PartField(part, field));
    }

    // The control shows the text of this name in a group of the row's texts.
    template <typename Control, typename Row, typename Name, std::size_t N>
    Control *add(Control *control, TextGroup<Name, N> Row::*group, Name name)
    {
        return add(control, [group, name](const Reading &reading) { return RowText((reading.row.*group)[name]); });
    }

    // This text of the reading's row.
    template <typename Row>
    static Text RowField(const char *Row::*field)
    {
        return [field](const Reading &reading) { return RowText(reading.row.*field); };
    }

    // This text of a part of the reading's row.
    template <typename Row, typename Part>
    static Text PartField(Part Row::*part, const char *Part::*field)
    {
        return [part, field](const Reading &reading) { return RowText((reading.row.*part).*field); };
    }

    void show(const Reading &reading) const
    {
        for (const auto &fill : m_fills)
            fill(reading);
    }

private:
    std::vector<std::function<void(const Reading &)>> m_fills;
};
