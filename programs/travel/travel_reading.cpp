// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/travel/travel_reading.h"

#include "core/saved_reading.h"

#include <array>

namespace {

// The element and quality follow the sign's place in the zodiac.
constexpr std::array<const char *, 4> kElements{"Fire", "Earth", "Air", "Water"};
constexpr std::array<const char *, 3> kQualities{"Cardinal", "Fixed", "Mutable"};

} // namespace

bool BuildTravelReading(const QString &signName, TravelReading &reading)
{
    const int index = SignIndexOf(signName);
    if (index < 0)
        return false;
    reading.sign = SignAt(index);
    reading.element = QString::fromLatin1(kElements[std::size_t(index % 4)]);
    reading.quality = QString::fromLatin1(kQualities[std::size_t(index % 3)]);
    reading.row = RowAt(kTravelTable, index);
    return true;
}

TravelReading TravelReadingFor(const Person &person)
{
    TravelReading reading;
    BuildTravelReading(SignName(SunSignFor(person, kTravelCuspTable)), reading);
    return reading;
}

const SavedReadingKind &TravelFiles()
{
    static const SavedReadingKind kind =
        SavedKind(u"tvl", LineOrder::NameMonthDayYear, u"Save Your Travel Astrology Result ....",
                  u"Rich Text Format", u"Orla Zodiac Signs");
    return kind;
}
