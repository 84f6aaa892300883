#include "core/details_widgets.h"

#include "core/fonts.h"
#include "core/name_key_validator.h"
#include "core/text_label.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *NameBox(const QString &name, const QString &refusalMessage)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setMinimumWidth(150);
    InstallNameKeyFilter(box, refusalMessage);
    return box;
}

QComboBox *PickList(const QString &name)
{
    auto *list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    // Sized for the longest month name, without measuring every entry.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(name == QStringLiteral("cboMonth") ? 9 : 4);
    return list;
}

} // namespace

ThreeNameBoxes CreateThreeNameFrame(const QString &refusalMessage)
{
    ThreeNameBoxes boxes;
    boxes.frame = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"));
    boxes.frame->setObjectName(QStringLiteral("fraName"));
    boxes.first = NameBox(QStringLiteral("txtFirstName"), refusalMessage);
    boxes.middle = NameBox(QStringLiteral("txtMiddleName"), refusalMessage);
    boxes.last = NameBox(QStringLiteral("txtLastName"), refusalMessage);

    auto *grid = new QGridLayout(boxes.frame);
    auto *name = new TextLabel(QStringLiteral("Name"));
    name->setFont(StarboxFont(8.25, true));
    grid->addWidget(name, 1, 0);
    const struct { const char16_t *caption; QLineEdit *box; } columns[] = {
        {u" First Name", boxes.first}, {u"Middle Name", boxes.middle}, {u" Last Name", boxes.last}};
    int column = 1;
    for (const auto &c : columns) {
        auto *caption = new TextLabel(QString::fromUtf16(c.caption));
        caption->setBuddy(c.box);
        grid->addWidget(caption, 0, column);
        grid->addWidget(c.box, 1, column);
        ++column;
    }
    return boxes;
}

DateLists CreateBirthDayFrame(int lastYear)
{
    DateLists lists;
    lists.frame = new QGroupBox(QStringLiteral("Date Of Birth"));
    lists.frame->setObjectName(QStringLiteral("fraBirthDay"));
    lists.day = PickList(QStringLiteral("cboDate"));
    lists.month = PickList(QStringLiteral("cboMonth"));
    lists.year = PickList(QStringLiteral("cboYear"));
    FillDateLists(lists.day, lists.month, lists.year, lastYear);

    auto *row = new QHBoxLayout(lists.frame);
    row->addWidget(lists.day);
    row->addWidget(lists.month);
    row->addWidget(lists.year);
    row->addStretch(1);
    return lists;
}

ThreeNameEntry EnteredDetails(const ThreeNameBoxes &names, const DateLists &date)
{
    return {names.first->text(), names.middle->text(), names.last->text(),
            date.day->currentText(), date.month->currentText(), date.year->currentText()};
}

QWidget *FocusTarget(DetailsField field, const ThreeNameBoxes &names, const DateLists &date)
{
    switch (field) {
    case DetailsField::FirstName: return names.first;
    case DetailsField::LastName: return names.last;
    case DetailsField::Day: return date.day;
    case DetailsField::Month: return date.month;
    case DetailsField::Year: return date.year;
    case DetailsField::Name:
    case DetailsField::Unchanged: break;
    }
    return nullptr;
}
