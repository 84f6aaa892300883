// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry frames that input windows share: the three name boxes and the
// three date lists, built the same way wherever they appear.

#include "frame/date_lists.h"
#include "core/details_check.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QWidget;

struct ThreeNameBoxes
{
    QGridLayout *row = nullptr;  // the three boxes side by side, each under its caption
    QLineEdit *first = nullptr;  // txtFirstName
    QLineEdit *middle = nullptr; // txtMiddleName
    QLineEdit *last = nullptr;   // txtLastName
};

// The first, middle and last name boxes under the captions " First Name",
// "Middle Name" and " Last Name", each held to the name key rule with the
// given refusal message.
ThreeNameBoxes CreateThreeNameBoxes(const QString &refusalMessage);

// The order of the three date lists from left to right.
enum class DateOrder { DayMonthYear, MonthDayYear };

struct DateLists
{
    QGroupBox *frame = nullptr; // fraBirthDay, where the lists have a frame of their own
    QComboBox *day = nullptr;   // cboDate
    QComboBox *month = nullptr; // cboMonth
    QComboBox *year = nullptr;  // cboYear
};

// The day, month and year lists, filled, pick-only and set to 1 January
// 1900, for a window to place as it needs.
DateLists CreateDateLists(int lastYear = kDefaultLastYear);

// "Date Of Birth" with the day, month and year lists in a row, filled and
// set to 1 January 1900.
DateLists CreateBirthDayFrame(DateOrder order = DateOrder::DayMonthYear,
                              int lastYear = kDefaultLastYear);

// The details frame of the Gift and Fashion input windows: fraName, "Please
// Fill In The Below Details:", holding the frame "Name" (Frame1) with the
// given three name boxes above a row that starts with the given date frame
// (month, day, year); the window adds its own controls to that row.
struct DetailsFrame
{
    QGroupBox *frame = nullptr; // fraName
    ThreeNameBoxes names;
    DateLists date;
    QHBoxLayout *row = nullptr;
};

DetailsFrame CreateDetailsFrame(const ThreeNameBoxes &names, const DateLists &date);

// The grid of the single-name input windows, laid out on the frame: "Name"
// with its box, the captions "Date", "Month" and "Year" over their lists,
// and "Date Of Birth" before the lists; the tab order runs name, day, month,
// year. "Name" and "Date Of Birth" are bold; the captions over the lists
// are bold too, or regular.
enum class ListCaptions { Bold, Regular };
QGridLayout *CreateNameAndDateGrid(QWidget *frame, QLineEdit *name, const DateLists &date,
                                   ListCaptions listCaptions = ListCaptions::Bold);

// The frame "Personal Details" (fraDetails): "Name" with its box, and
// "Birth Day" with the day, month and year lists.
QGroupBox *CreatePersonalDetailsFrame(QLineEdit *name, const DateLists &date);

// What the boxes and lists hold now.
ThreeNameEntry EnteredDetails(const ThreeNameBoxes &names, const DateLists &date);

// The control that takes the focus for a refused detail, or null.
QWidget *FocusTarget(DetailsField field, const ThreeNameBoxes &names, const DateLists &date);
