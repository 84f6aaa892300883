// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fruit/frmFruitAstrologyDisplay.h"

#include "programs/fruit/fruit_program.h"
#include "frame/clickable_label.h"
#include "frame/face_button.h"
#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "frame/pictures.h"
#include "programs/fruit/fruit_reading.h"
#include "programs/fruit/fruit_pictures.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

const QSize kSmallPicture(90, 90);
const QSize kBigPicture(220, 220);
constexpr int kColumns = 4; // fruits to a row

} // namespace

frmFruitAstrologyDisplay::frmFruitAstrologyDisplay(ProgramHost &host, ProgramWindow *input,
                                                   const Person &person)
    : ReadingDisplayWindow(host, FruitProgram(), input, {.backMenu = QStringLiteral("Back")})
    , m_chooser(person)
{
    // The two frames lie at one place; one is in front at a time.
    auto *place = new QWidget;
    m_frames = new QStackedLayout(place);
    m_frames->addWidget(createChoice());
    m_frames->addWidget(createResult());
    m_frames->setCurrentWidget(m_choose);
    body()->addWidget(place, 1);

    // Two buttons read "Back": a reader tells them apart by where they go.
    FaceButton *back = commandButton(Back);
    back->setAccessibleDescription(QStringLiteral("Back to your name and date of birth"));
    addButtonRow({back});
}

QWidget *frmFruitAstrologyDisplay::createChoice()
{
    // A frame with no caption on screen; a reader hears its name, what to do.
    m_choose = new QFrame;
    m_choose->setObjectName(QStringLiteral("fraChoose"));
    m_choose->setAccessibleName(QStringLiteral("Pick the fruit you like best"));
    auto *grid = new QGridLayout(m_choose);
    grid->setSpacing(14);
    for (int index = 0; index < kFruitCount; ++index) {
        auto *picture = new ClickableLabel(QString(), nullptr, ClickableLabel::Kind::Command);
        picture->setObjectName(QStringLiteral("picSmallFruit"));
        picture->setProperty("index", index);
        const QString name = RowText(RowAt(kFruitTable, index).name);
        picture->setToolTip(name);
        picture->setAccessibleName(name);
        FruitSmallPictures().show(picture, index + 1, kSmallPicture);
        connect(picture, &ClickableLabel::clicked, this, [this, index] { picSmallFruit_Click(index); });
        picture->installEventFilter(this);
        grid->addWidget(picture, index / kColumns, index % kColumns, Qt::AlignCenter);
        m_smallFruit[std::size_t(index)] = picture;
    }
    return m_choose;
}

QWidget *frmFruitAstrologyDisplay::createResult()
{
    m_result = new QGroupBox(QStringLiteral("Fruit Astrology Interpretation"));
    m_result->setObjectName(QStringLiteral("fraResult"));
    m_result->setFont(StarboxFont(8.25, true));
    m_bigFruit = new QLabel;
    m_bigFruit->setObjectName(QStringLiteral("picBigFruit"));
    m_bigFruit->setFixedSize(kBigPicture);
    m_fruitName = fills().add(ReadingValue(QStringLiteral("lblFruitName")), &FruitRow::name);
    m_fruitName->setFont(StarboxFont(8.25, true, true));
    QLabel *description = fills().add(
        ReadingValue(QStringLiteral("lblFruitDesc"), QStringLiteral("Fruit Astrology Interpretation")),
        &FruitRow::interpretation);
    description->setFont(StarboxFont(8.25, true));
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setMinimumWidth(Twips(5700)); // the longest interpretation fits beside the picture

    auto *text = new QVBoxLayout;
    text->addWidget(m_fruitName);
    text->addWidget(description, 1);
    auto *row = new QHBoxLayout;
    row->addWidget(m_bigFruit, 0, Qt::AlignTop);
    row->addSpacing(10);
    row->addLayout(text, 1);
    auto *column = new QVBoxLayout(m_result);
    column->addLayout(row, 1);
    auto *back = button(QStringLiteral("&Back"), QStringLiteral("cmdResultBack"),
                        &frmFruitAstrologyDisplay::cmdResultBack_Click);
    back->setAccessibleDescription(QStringLiteral("Back to the fruits"));
    column->addWidget(back, 0, Qt::AlignRight);
    return m_result;
}

void frmFruitAstrologyDisplay::picSmallFruit_Click(int index)
{
    showReading(FruitReadingOf(index), m_chooser);
}

void frmFruitAstrologyDisplay::filled()
{
    FruitBigPictures().show(m_bigFruit, reading().fruit + 1, kBigPicture);
    m_frames->setCurrentWidget(m_result);
    // The reading is read from its first line, at every pick.
    m_fruitName->setFocus(Qt::OtherFocusReason);
}

void frmFruitAstrologyDisplay::cmdResultBack_Click()
{
    m_frames->setCurrentWidget(m_choose);
    m_smallFruit[std::size_t(reading().fruit)]->setFocus(Qt::OtherFocusReason);
}

bool frmFruitAstrologyDisplay::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys move among the fruits as they stand, four to a row.
    const auto *picture = qobject_cast<ClickableLabel *>(watched);
    if (event->type() != QEvent::KeyPress || !picture)
        return ReadingDisplayWindow::eventFilter(watched, event);
    const int index = picture->property("index").toInt();
    int next = index;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left: next = index - 1; break;
    case Qt::Key_Right: next = index + 1; break;
    case Qt::Key_Up: next = index - kColumns; break;
    case Qt::Key_Down: next = index + kColumns; break;
    default: return ReadingDisplayWindow::eventFilter(watched, event);
    }
    if (next >= 0 && next < kFruitCount)
        m_smallFruit[std::size_t(next)]->setFocus(Qt::OtherFocusReason);
    return true;
}
