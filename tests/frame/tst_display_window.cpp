// SPDX-License-Identifier: GPL-3.0-or-later
// The display window role through a sample display window and a stand-in
// host: its File menu as a program states it, its command buttons in a row
// or in the bottom strip, Back, Exit and Print from button and menu, and
// the controls filled from a reading.

#include "frame/display_window.h"
#include "frame/reading_display_window.h"
#include "frame/fonts.h"
#include "frame/reading_fills.h"
#include "frame/reading_program.h"
#include "frame/reading_widgets.h"
#include "helpers/fake_host.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const ReadingProgramEntry &SampleProgram()
{
    static const ReadingProgramEntry entry{
        .button = 0,
        .name = u"Sample Astrology"_s,
        .inputWindow = u"frmSampleMain"_s,
        .displayWindow = u"frmSampleDisplay"_s,
        .reportWindow = u"frmSampleSave"_s,
        .proceedButton = u"cmdProceed"_s,
        .proceedCaption = u"&Proceed"_s,
        .picture = QString(),
        .captionColour = QColor(),
        .selectorPlace = -1,
        .savedFiles = nullptr,
        .openInput = nullptr,
    };
    return entry;
}

class SampleInput : public ProgramWindow
{
public:
    explicit SampleInput(ProgramHost &host)
        : ProgramWindow(host, u"Sample Astrology"_s, u"frmSampleMain"_s, WindowRole::Input)
    {
        auto *filler = new QLabel(u"entries"_s);
        filler->setMinimumSize(300, 100);
        body()->addWidget(filler);
    }
    void proceedTo(ProgramWindow *display) { openDisplay(display); }
};

class SampleDisplay;

// What Print opens: it records the display window it was made for.
class SampleReport : public ProgramWindow
{
public:
    SampleReport(ProgramHost &host, SampleDisplay *display)
        : ProgramWindow(host, u"Sample Astrology"_s, u"frmSampleSave"_s, WindowRole::Report),
          madeFor(display)
    {
        made.append(this);
    }
    void present()
    {
        open();
        ++presented;
    }
    SampleDisplay *madeFor;
    int presented = 0;
    static inline QList<QPointer<SampleReport>> made;
};

enum class Placement { Row, Strip };

class SampleDisplay : public DisplayWindow
{
public:
    SampleDisplay(ProgramHost &host, ProgramWindow *input, const DisplayCommands &commands,
                  bool withReport, Placement placement)
        : DisplayWindow(host, SampleProgram(), input, commands)
    {
        if (withReport)
            printsReport<SampleReport>(this);
        auto *reading = new QLabel(u"reading"_s);
        reading->setMinimumSize(400, 200);
        body()->addWidget(reading);
        if (placement == Placement::Row) {
            addCommandRow({Back, Exit, Print});
        } else {
            auto *invitation = new QLabel(u"invitation"_s);
            invitation->setObjectName(u"lblInvitation"_s);
            addCommandStrip({Print, Back, Exit}, 1140, Qt::yellow, {invitation});
        }
    }
};

// Runs a command from its button or from its File menu entry.
void Run(const QWidget *display, bool fromMenu, const char *button, const char *menuEntry)
{
    if (fromMenu)
        display->findChild<QAction *>(QString::fromLatin1(menuEntry))->trigger();
    else
        display->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

QStringList Entries(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries.append(action->isSeparator() ? u"-"_s : action->objectName() + u":"_s + action->text());
    return entries;
}

QStringList Texts(const QList<QPushButton *> &buttons)
{
    QStringList texts;
    for (const QPushButton *button : buttons)
        texts.append(button->objectName() + u":"_s + button->text());
    return texts;
}

// The window's buttons from left to right.
QList<QPushButton *> ButtonsInRow(const QWidget *window)
{
    QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [window](const QPushButton *a, const QPushButton *b) {
        return a->mapTo(window, QPoint()).x() < b->mapTo(window, QPoint()).x();
    });
    return buttons;
}

struct SampleRow
{
    const char *title = nullptr;
    const char *story = nullptr;
};

struct SampleReading
{
    int number = 0;
    SampleRow row;
};

// A row with a part of its own and a group of texts.
struct SampleCredits
{
    const char *author = nullptr;
    const char *illustrator = nullptr;
};

enum class Chapter { Opening, Ending };

struct BookRow
{
    const char *title = nullptr;
    SampleCredits credits;
    TextGroup<Chapter, 2> chapters;
};

struct BookReading
{
    BookRow row;
};

void ButtonOrMenu()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

} // namespace

class TestDisplayWindow : public QObject
{
    Q_OBJECT
private slots:
    void fileMenu_data()
    {
        QTest::addColumn<QString>("printMenu");
        QTest::addColumn<QString>("backMenu");
        QTest::addColumn<QString>("backMenuName");
        QTest::addColumn<bool>("separator");
        QTest::addColumn<int>("update");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("updateCaption");
        QTest::newRow("report, separator before Exit")
            << u"&Print"_s << u"&Back"_s << u"mnuBack"_s << true << int(UpdateCaption::UpdateMnemonic)
            << QStringList{u"mnuPrint:&Print"_s, u"mnuBack:&Back"_s, u"-"_s, u"mnuExit:E&xit"_s}
            << u"Check for Software &Update"_s;
        QTest::newRow("report, file back")
            << u"Print"_s << u"&Back"_s << u"mnuFileBack"_s << false << int(UpdateCaption::CheckMnemonic)
            << QStringList{u"mnuPrint:Print"_s, u"mnuFileBack:&Back"_s, u"mnuExit:E&xit"_s}
            << u"&Check for Software Update"_s;
        QTest::newRow("no report")
            << QString() << u"Back"_s << u"mnuBack"_s << false << int(UpdateCaption::UpdateMnemonic)
            << QStringList{u"mnuBack:Back"_s, u"mnuExit:E&xit"_s} << u"Check for Software &Update"_s;
    }
    void fileMenu()
    {
        QFETCH(QString, printMenu);
        QFETCH(QString, backMenu);
        QFETCH(QString, backMenuName);
        QFETCH(bool, separator);
        QFETCH(int, update);
        QFETCH(QStringList, file);
        QFETCH(QString, updateCaption);
        FakeHost host;
        SampleDisplay display(host, nullptr,
                              {.printMenu = printMenu, .backMenu = backMenu, .backMenuName = backMenuName,
                               .separatorBeforeExit = separator, .update = UpdateCaption(update)},
                              !printMenu.isEmpty(), Placement::Row);
        QCOMPARE(display.objectName(), u"frmSampleDisplay"_s);
        QCOMPARE(display.caption(), u"Orla Sample Astrology"_s);
        QCOMPARE(display.role(), WindowRole::Display);
        QCOMPARE(Entries(display.findChild<QMenu *>(u"mnuFile"_s)), file);
        QCOMPARE(display.findChild<QAction *>(u"mnuUpdate"_s)->text(), updateCaption);
    }

    void buttonsInARow()
    {
        FakeHost host;
        auto *display = new SampleDisplay(host, nullptr, {.exitButton = u"E&xit"_s}, false, Placement::Row);
        display->open();
        QCOMPARE(Texts(ButtonsInRow(display)),
                 (QStringList{u"cmdBack:&Back"_s, u"cmdExit:E&xit"_s, u"cmdPrint:&Print"_s}));
        // In the body, above the brand offers.
        auto *brand = display->findChild<QWidget *>(u"fraFullBrand"_s);
        for (QPushButton *button : display->findChildren<QPushButton *>())
            QVERIFY2(!brand->isAncestorOf(button), qPrintable(button->objectName()));
    }

    void buttonsInTheStrip()
    {
        FakeHost host;
        auto *display = new SampleDisplay(host, nullptr, {}, false, Placement::Strip);
        display->open();
        QCOMPARE(Texts(ButtonsInRow(display)),
                 (QStringList{u"cmdPrint:&Print"_s, u"cmdBack:&Back"_s, u"cmdExit:&Exit"_s}));
        auto *brand = display->findChild<QWidget *>(u"fraFullBrand"_s);
        auto *invitation = display->findChild<QLabel *>(u"lblInvitation"_s);
        QVERIFY(brand->isAncestorOf(invitation));
        for (QPushButton *button : display->findChildren<QPushButton *>()) {
            QVERIFY2(brand->isAncestorOf(button), qPrintable(button->objectName()));
            QVERIFY(button->mapTo(display, QPoint()).x() > invitation->mapTo(display, QPoint()).x());
            QCOMPARE(button->minimumWidth(), Twips(1140));
            QCOMPARE(button->minimumHeight(), Twips(465));
            QVERIFY(button->font().bold());
        }
    }

    void back_data() { ButtonOrMenu(); }
    void back()
    {
        QFETCH(bool, fromMenu);
        FakeHost host;
        auto *input = new SampleInput(host);
        input->open();
        QPointer<SampleDisplay> display = new SampleDisplay(host, input, {}, true, Placement::Row);
        input->proceedTo(display);
        QVERIFY(!input->isVisible());
        Run(display, fromMenu, "cmdBack", "mnuBack");
        QVERIFY(input->isVisible());
        QVERIFY(!host.selectorVisible);
        QTRY_VERIFY(display.isNull());
    }

    void exit()
    {
        FakeHost host;
        auto *input = new SampleInput(host);
        input->open();
        QPointer<SampleDisplay> display = new SampleDisplay(host, input, {}, true, Placement::Row);
        input->proceedTo(display);
        QVERIFY(!host.selectorVisible);
        display->findChild<QPushButton *>(u"cmdExit"_s)->click();
        QVERIFY(host.selectorVisible);
        QVERIFY(!input->isVisible());
        QTRY_VERIFY(display.isNull());
    }

    void print_data() { ButtonOrMenu(); }
    void print()
    {
        QFETCH(bool, fromMenu);
        FakeHost host;
        auto *display = new SampleDisplay(host, nullptr, {.printMenu = u"&Print"_s}, true, Placement::Row);
        display->open();
        SampleReport::made.clear();
        Run(display, fromMenu, "cmdPrint", "mnuPrint");
        QCOMPARE(SampleReport::made.size(), 1);
        const SampleReport *report = SampleReport::made.first();
        QCOMPARE(report->madeFor, display);
        QCOMPARE(report->presented, 1);
        QVERIFY(report->isVisible());
        QCOMPARE(report->mdiArea(), host.programArea());
        QVERIFY(display->isVisible());
    }

    // Each control shows the part of the reading it was made for, a reading
    // after another; a short box shows its text from the start.
    void readingFills()
    {
        ReadingFills<SampleReading> fills;
        QLabel label;
        ReadingBox box;
        QLineEdit line;
        QCOMPARE(fills.add(&label, &SampleRow::title), &label);
        fills.add(&box, &SampleRow::story);
        fills.add(&line, [](const SampleReading &reading) { return u"number %1"_s.arg(reading.number); });

        fills.show({7, {"First", "Once upon a time"}});
        QCOMPARE(label.text(), u"First"_s);
        QCOMPARE(box.toPlainText(), u"Once upon a time"_s);
        QCOMPARE(line.text(), u"number 7"_s);
        QCOMPARE(line.cursorPosition(), 0);

        fills.show({12, {"Second", "And then"}});
        QCOMPARE(label.text(), u"Second"_s);
        QCOMPARE(box.toPlainText(), u"And then"_s);
        QCOMPARE(line.text(), u"number 12"_s);
        QCOMPARE(line.cursorPosition(), 0);
    }

    // A control shows a text of a part of the row, or one text of a group of
    // the row's texts by its name, a reading after another.
    void readingFillsOfPartsAndGroups()
    {
        ReadingFills<BookReading> fills;
        QLabel author, illustrator, opening, ending;
        QCOMPARE(fills.add(&author, &BookRow::credits, &SampleCredits::author), &author);
        fills.add(&illustrator, &BookRow::credits, &SampleCredits::illustrator);
        QCOMPARE(fills.add(&ending, &BookRow::chapters, Chapter::Ending), &ending);
        fills.add(&opening, &BookRow::chapters, Chapter::Opening);

        fills.show({{"First", {"Ann", "Bo"}, {{"Dawn", "Dusk"}}}});
        QCOMPARE((QStringList{author.text(), illustrator.text(), opening.text(), ending.text()}),
                 (QStringList{u"Ann"_s, u"Bo"_s, u"Dawn"_s, u"Dusk"_s}));
        fills.show({{"Second", {"Cy", "Di"}, {{"Spring", "Winter"}}}});
        QCOMPARE((QStringList{author.text(), illustrator.text(), opening.text(), ending.text()}),
                 (QStringList{u"Cy"_s, u"Di"_s, u"Spring"_s, u"Winter"_s}));
    }

    // A display window shows a reading in every control it named, then
    // what its program shows besides, and the next reading in its place;
    // it keeps the last reading and its person for the report.
    void readingDisplayShowsEachReading()
    {
        struct Filled : ReadingDisplayWindow<BookReading>
        {
            explicit Filled(ProgramHost &host)
                : ReadingDisplayWindow(host, SampleProgram(), nullptr, {})
            {
                body()->addWidget(fills().add(title, &BookRow::title));
                body()->addWidget(fills().add(opening, &BookRow::chapters, Chapter::Opening));
            }
            void filled() override { besides.append(title->text()); }
            QLabel *title = new QLabel;
            QLabel *opening = new QLabel;
            QStringList besides; // the title each time filled() ran
        };
        FakeHost host;
        const auto display = std::make_unique<Filled>(host);
        display->showReading({{"First", {}, {{"Dawn", "Dusk"}}}}, {u"ANNA"_s, 7, u"March"_s, 1980});
        QCOMPARE(display->title->text(), u"First"_s);
        QCOMPARE(display->opening->text(), u"Dawn"_s);
        display->showReading({{"Second", {}, {{"Spring", "Winter"}}}}, {u"BO"_s, 1, u"May"_s, 1990});
        QCOMPARE(display->title->text(), u"Second"_s);
        QCOMPARE(display->opening->text(), u"Spring"_s);
        QCOMPARE(display->besides, (QStringList{u"First"_s, u"Second"_s}));
        QCOMPARE(display->reading().row.title, "Second");
        QCOMPARE(display->person().name, u"BO"_s);
    }

    // A display window whose program has no report opens nothing.
    void printWithoutAReport()
    {
        FakeHost host;
        auto *display = new SampleDisplay(host, nullptr, {}, false, Placement::Row);
        display->open();
        SampleReport::made.clear();
        display->findChild<QPushButton *>(u"cmdPrint"_s)->click();
        QVERIFY(SampleReport::made.isEmpty());
        QCOMPARE(host.programArea()->subWindowList().size(), 1);
        QVERIFY(!display->findChild<QAction *>(u"mnuPrint"_s));
    }
};

QTEST_MAIN(TestDisplayWindow)
#include "tst_display_window.moc"
