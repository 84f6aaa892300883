// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/date_lists.h"

#include "core/sun_sign.h"

#include <QComboBox>

namespace {

void FillNumbers(QComboBox *list, int first, int last)
{
    QStringList entries;
    entries.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        entries.append(QString::number(n));
    list->clear();
    list->addItems(entries);
}

void MakePickOnly(QComboBox *list)
{
    list->setEditable(false);
    list->setCurrentIndex(0);
}

} // namespace

void FillDateLists(QComboBox *day, QComboBox *month, QComboBox *year, int lastYear)
{
    FillNumbers(day, 1, 31);
    month->clear();
    month->addItems(MonthNames());
    FillNumbers(year, kFirstYear, lastYear);
    for (QComboBox *list : {day, month, year})
        MakePickOnly(list);
}
