// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/reading_programs.h"

#include "core/saved_reading.h"
#include "programs/fashion/fashion_program.h"
#include "programs/financial/financial_program.h"
#include "programs/flower/flower_program.h"
#include "programs/food/food_program.h"
#include "programs/fruit/fruit_program.h"
#include "programs/gift/gift_program.h"
#include "programs/health/health_program.h"
#include "programs/powersign/powersign_program.h"
#include "programs/travel/travel_program.h"

#include <algorithm>

const QList<const ReadingProgramEntry *> &ReadingPrograms()
{
    static const QList<const ReadingProgramEntry *> registry = [] {
        QList<const ReadingProgramEntry *> entries{
            &FashionProgram(), &FinancialProgram(), &FlowerProgram(),
            &FoodProgram(),    &FruitProgram(),     &GiftProgram(),
            &HealthProgram(),  &PowerSignProgram(), &TravelProgram(),
        };
        std::ranges::sort(entries, {}, &ReadingProgramEntry::button);
        for (qsizetype index = 0; index < entries.size(); ++index)
            Q_ASSERT(entries.at(index)->button == index); // one button each, none missing
        return entries;
    }();
    return registry;
}

const ReadingProgramEntry &ReadingProgramAt(int button)
{
    return *ReadingPrograms().at(button);
}

const QList<const ReadingProgramEntry *> &SelectorOrder()
{
    static const QList<const ReadingProgramEntry *> order = [] {
        QList<const ReadingProgramEntry *> offered;
        std::ranges::copy_if(ReadingPrograms(), std::back_inserter(offered), &ReadingProgramEntry::offered);
        std::ranges::sort(offered, {}, &ReadingProgramEntry::selectorPlace);
        return offered;
    }();
    return order;
}

QString OfferedProgramsText(QString (*describe)(const ReadingProgramEntry &), const QString &beforeLast)
{
    QStringList texts;
    for (const ReadingProgramEntry *program : SelectorOrder()) {
        if (const QString text = describe(*program); !text.isEmpty())
            texts.append(text);
    }
    const QString last = texts.isEmpty() ? QString() : texts.takeLast();
    return texts.isEmpty() ? last : texts.join(QStringLiteral(", ")) + beforeLast + last;
}

const ReadingProgramEntry *ProgramForSavedFile(const QString &path)
{
    for (const ReadingProgramEntry *entry : ReadingPrograms()) {
        if (entry->savedFiles && HasExtension(path, entry->savedFiles->extension))
            return entry;
    }
    return nullptr;
}
