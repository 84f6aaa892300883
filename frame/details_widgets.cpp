// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/details_widgets.h"

#include "frame/fonts.h"
#include "frame/name_key_validator.h"
#include "frame/text_label.h"

#include <QComboBox>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLineEdit *NameBox(const QString &name, const QString &refusalMessage)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setMinimumWidth(Twips(2250));
    InstallNameKeyFilter(box, refusalMessage);
    return box;
}

// A pick-only list as wide as its widest entry. The widths are measured
// once for each kind of list and face, and remembered: measuring all 151
// years in every window, or building the popup early to size it, would
// cost more than the rest of an input window.
class DateList : public QComboBox
{
public:
    QSize sizeHint() const override
    {
        if (m_hint.isEmpty() || m_hintCount != count()) {
            QStyleOptionComboBox option;
            initStyleOption(&option);
            m_hint = style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                               QSize(widestEntry(), fontMetrics().height()), this);
            m_hintCount = count();
        }
        return m_hint;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            m_hint = QSize();
        QComboBox::changeEvent(event);
    }

private:
    int widestEntry() const
    {
        const QFontMetrics metrics = fontMetrics();
        int widest = metrics.horizontalAdvance(QLatin1Char('x')) * 2;
        for (int i = 0; i < count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
        return widest;
    }

    mutable QSize m_hint;
    mutable int m_hintCount = -1;
};

QComboBox *PickList(const QString &name)
{
    auto *list = new DateList;
    list->setObjectName(name);
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    return list;
}

} // namespace

ThreeNameBoxes CreateThreeNameBoxes(const QString &refusalMessage)
{
    ThreeNameBoxes boxes;
    boxes.first = NameBox(QStringLiteral("txtFirstName"), refusalMessage);
    boxes.middle = NameBox(QStringLiteral("txtMiddleName"), refusalMessage);
    boxes.last = NameBox(QStringLiteral("txtLastName"), refusalMessage);

    // A layout, not a widget: the frame around the boxes is their group
    // for a screen reader, with nothing unnamed between them.
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    boxes.row = grid;
    const struct { const char16_t *caption; QLineEdit *box; } columns[] = {
        {u" First Name", boxes.first}, {u"Middle Name", boxes.middle}, {u" Last Name", boxes.last}};
    int column = 0;
    for (const auto &c : columns) {
        auto *caption = new TextLabel(QString::fromUtf16(c.caption));
        caption->setBuddy(c.box);
        c.box->setAccessibleName(caption->text().trimmed());
        grid->addWidget(caption, 0, column);
        grid->addWidget(c.box, 1, column);
        ++column;
    }
    return boxes;
}

DateLists CreateDateLists(int lastYear)
{
    DateLists lists;
    lists.day = PickList(QStringLiteral("cboDate"));
    lists.month = PickList(QStringLiteral("cboMonth"));
    lists.year = PickList(QStringLiteral("cboYear"));
    // Named as the captions over the lists read, where a window has them.
    lists.day->setAccessibleName(QStringLiteral("Date"));
    lists.month->setAccessibleName(QStringLiteral("Month"));
    lists.year->setAccessibleName(QStringLiteral("Year"));
    FillDateLists(lists.day, lists.month, lists.year, lastYear);
    return lists;
}

DateLists CreateBirthDayFrame(DateOrder order, int lastYear)
{
    DateLists lists = CreateDateLists(lastYear);
    lists.frame = new QGroupBox(QStringLiteral("Date Of Birth"));
    lists.frame->setObjectName(QStringLiteral("fraBirthDay"));

    auto *row = new QHBoxLayout(lists.frame);
    if (order == DateOrder::DayMonthYear) {
        row->addWidget(lists.day);
        row->addWidget(lists.month);
    } else {
        row->addWidget(lists.month);
        row->addWidget(lists.day);
    }
    row->addWidget(lists.year);
    row->addStretch(1);
    return lists;
}

DetailsFrame CreateDetailsFrame(const ThreeNameBoxes &names, const DateLists &date)
{
    DetailsFrame details;
    details.frame = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"));
    details.frame->setObjectName(QStringLiteral("fraName"));
    details.names = names;
    auto *nameFrame = new QGroupBox(QStringLiteral("Name"));
    nameFrame->setObjectName(QStringLiteral("Frame1"));
    auto *nameLayout = new QVBoxLayout(nameFrame);
    nameLayout->addLayout(details.names.row);
    details.date = date;

    details.row = new QHBoxLayout;
    details.row->addWidget(details.date.frame);
    auto *column = new QVBoxLayout(details.frame);
    column->addWidget(nameFrame);
    column->addLayout(details.row);
    return details;
}

QGridLayout *CreateNameAndDateGrid(QWidget *frame, QLineEdit *name, const DateLists &date,
                                   ListCaptions listCaptions)
{
    const auto caption = [](const char16_t *text, bool bold = true) {
        auto *label = new TextLabel(QString::fromUtf16(text));
        label->setFont(StarboxFont(8.25, bold));
        return label;
    };
    const bool boldLists = listCaptions == ListCaptions::Bold;
    auto *grid = new QGridLayout(frame);
    QLabel *nameCaption = caption(u"Name");
    nameCaption->setBuddy(name);
    name->setAccessibleName(nameCaption->text());
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(name, 0, 1, 1, 3);
    grid->addWidget(caption(u"Date", boldLists), 1, 1);
    grid->addWidget(caption(u"Month", boldLists), 1, 2);
    grid->addWidget(caption(u"Year", boldLists), 1, 3);
    grid->addWidget(caption(u"Date Of Birth"), 2, 0);
    grid->addWidget(date.day, 2, 1);
    grid->addWidget(date.month, 2, 2);
    grid->addWidget(date.year, 2, 3);
    // Only controls of one window can be ordered: they are the frame's now.
    QWidget::setTabOrder(name, date.day);
    QWidget::setTabOrder(date.day, date.month);
    QWidget::setTabOrder(date.month, date.year);
    return grid;
}

QGroupBox *CreatePersonalDetailsFrame(QLineEdit *name, const DateLists &date)
{
    auto *details = new QGroupBox(QStringLiteral("Personal Details"));
    details->setObjectName(QStringLiteral("fraDetails"));
    auto *grid = new QGridLayout(details);
    auto *nameCaption = new TextLabel(QStringLiteral("Name"));
    nameCaption->setBuddy(name);
    name->setAccessibleName(nameCaption->text());
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(name, 0, 1, 1, 3);
    grid->addWidget(new TextLabel(QStringLiteral("Birth Day")), 1, 0);
    grid->addWidget(date.day, 1, 1);
    grid->addWidget(date.month, 1, 2);
    grid->addWidget(date.year, 1, 3);
    grid->setColumnStretch(2, 1);
    return details;
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
