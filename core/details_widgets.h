#pragma once

// The entry frames that input windows share: the three name boxes and the
// three date lists, built the same way wherever they appear.

#include "core/date_lists.h"
#include "core/details_check.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;

struct ThreeNameBoxes
{
    QGroupBox *frame = nullptr; // fraName
    QLineEdit *first = nullptr; // txtFirstName
    QLineEdit *middle = nullptr; // txtMiddleName
    QLineEdit *last = nullptr;  // txtLastName
};

// "Please Fill In The Below Details:" with the label "Name" and the first,
// middle and last name boxes, each held to the name key rule with the
// given refusal message.
ThreeNameBoxes CreateThreeNameFrame(const QString &refusalMessage);

struct DateLists
{
    QGroupBox *frame = nullptr; // fraBirthDay
    QComboBox *day = nullptr;   // cboDate
    QComboBox *month = nullptr; // cboMonth
    QComboBox *year = nullptr;  // cboYear
};

// "Date Of Birth" with the day, month and year lists, filled and set to
// 1 January 1900.
DateLists CreateBirthDayFrame(int lastYear = kDefaultLastYear);

// What the boxes and lists hold now.
ThreeNameEntry EnteredDetails(const ThreeNameBoxes &names, const DateLists &date);

// The control that takes the focus for a refused detail, or null.
QWidget *FocusTarget(DetailsField field, const ThreeNameBoxes &names, const DateLists &date);
