// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/reading_programs.h"

#include "programs/fashion/fashion_program.h"
#include "programs/financial/financial_program.h"
#include "programs/flower/flower_program.h"
#include "programs/food/food_program.h"
#include "programs/fruit/fruit_program.h"
#include "programs/gift/gift_program.h"
#include "programs/health/health_program.h"
#include "programs/powersign/powersign_program.h"
#include "programs/travel/travel_program.h"
#include "reports/saved_reading.h"

const std::array<const ReadingProgramEntry *, kReadingProgramCount> &ReadingPrograms()
{
    static const std::array<const ReadingProgramEntry *, kReadingProgramCount> registry = [] {
        const std::array<const ReadingProgramEntry *, kReadingProgramCount> entries{
            &FinancialProgram(), &FlowerProgram(), &FoodProgram(),
            &FruitProgram(),     &HealthProgram(), &PowerSignProgram(),
            &FashionProgram(),   &GiftProgram(),   &TravelProgram()};
        for (int index = 0; index < kReadingProgramCount; ++index)
            Q_ASSERT(int(entries[std::size_t(index)]->program) == index);
        return entries;
    }();
    return registry;
}

const ReadingProgramEntry &ReadingProgramAt(int index)
{
    return *ReadingPrograms()[static_cast<std::size_t>(index)];
}

const ReadingProgramEntry *ProgramForSavedFile(const QString &path)
{
    for (const ReadingProgramEntry *entry : ReadingPrograms()) {
        if (entry->savedFiles && HasExtension(path, entry->savedFiles->extension))
            return entry;
    }
    return nullptr;
}

const std::array<ReadingProgram, 6> &SelectorOrder()
{
    static constexpr std::array<ReadingProgram, 6> order{
        ReadingProgram::Fashion, ReadingProgram::Food,   ReadingProgram::Travel,
        ReadingProgram::Gift,    ReadingProgram::Flower, ReadingProgram::Fruit};
    return order;
}
