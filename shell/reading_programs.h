#pragma once

// The reading programs the main window offers, by their place in the
// selector. The index is the program button's index; its caption has the
// index + 3.

#include <QColor>
#include <QString>

#include <array>
#include <functional>

class ProgramHost;
class ProgramWindow;

enum class ReadingProgram {
    Financial = 0, Flower, Food, Fruit, Health, ZodiacPowerSign, Fashion, Gift, Travel
};

inline constexpr int kReadingProgramCount = 9;
inline constexpr int kCaptionOffset = 3;

struct ReadingProgramEntry
{
    QString name;        // button and caption text, and the window caption after "Orla "
    QString inputWindow; // objectName of the input window
    QColor captionColour;
    bool shown;          // offered in the selector
    std::function<ProgramWindow *(ProgramHost &)> openInput;
};

const std::array<ReadingProgramEntry, kReadingProgramCount> &ReadingPrograms();
const ReadingProgramEntry &ReadingProgramAt(int index);

// The order of the visible entries, row by row: Fashion, Food, Travel, Gift,
// Flower, Fruit.
const std::array<ReadingProgram, 6> &SelectorOrder();
