#pragma once

// Travel Astrology's reading: the sign's profile, famous people, the kinds
// of trip that suit it and how it travels, looked up in a fixed table. No
// widgets here.

#include "core/sun_sign.h"

#include <QString>

struct TravelReading
{
    // The details as entered; the name exactly as typed.
    QString name;
    QString day;
    QString month;
    QString year;

    SunSign sign = SunSign::Aries;
    QString element;
    QString quality;
    QString rulingPlanet;
    QString luckyNumber;   // pairs stored with "&&"
    QString luckyColor;
    QString luckyDay;
    QString compatibility; // pairs stored with "&&"
    QString famousPersons;
    QString birthStone;
    QString positiveTraits;
    QString negativeTraits;
    QString travelKind;    // two or three trip kinds, one per line
    QString travelProfile;
};

// Travel Astrology works from the common cusp days.
inline constexpr CuspTable kTravelCuspTable = kStandardCuspTable;

// Copies the named sign's row into the reading; a name that is none of the
// twelve signs changes nothing. True when a row was copied.
bool BuildTravelReading(const QString &signName, TravelReading &reading);

// The whole reading of the entered details: no date check, so 31 February
// reads like any other date.
TravelReading TravelReadingFor(const QString &name, const QString &day, const QString &month,
                               const QString &year);
