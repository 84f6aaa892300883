// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven through its controls: the selector, headings,
// hover underlines, opening and closing programs, menus and the About box.

#include "frame/program_window.h"
#include "helpers/isolation.h"
#include "helpers/modal_watcher.h"
#include "helpers/url_catcher.h"
#include "programs/flower/flower_program.h"
#include "programs/food/food_program.h"
#include "programs/gift/gift_program.h"
#include "programs/travel/travel_program.h"
#include "core/file_names.h"
#include "core/saved_reading.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"

#include <QAction>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template <typename T>
T *Indexed(QWidget *root, const QString &name, int index)
{
    for (T *child : root->findChildren<T *>(name)) {
        if (child->property("index").toInt() == index)
            return child;
    }
    return nullptr;
}

QList<ProgramWindow *> ProgramWindows(frmMDI &main)
{
    QList<ProgramWindow *> windows;
    for (QMdiSubWindow *sub : main.programArea()->subWindowList()) {
        if (auto *window = qobject_cast<ProgramWindow *>(sub))
            windows.append(window);
    }
    return windows;
}

void MoveOver(QWidget *widget, QPoint at = {})
{
    QMouseEvent move(QEvent::MouseMove, at.isNull() ? QPointF(widget->rect().center()) : QPointF(at),
                     widget->mapToGlobal(at.isNull() ? widget->rect().center() : at),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        IsolateUserFiles();
        // Saved readings of each kind, and what is none.
        QVERIFY(m_files.isValid());
        const QDir folder(m_files.path());
        const SavedDetails anna{u"ANNA"_s, u"7"_s, u"March"_s, u"1980"_s};
        const SavedDetails rose{u"ROSE"_s, u"9"_s, u"March"_s, u"1984"_s};
        QVERIFY(WriteSavedReading(folder.filePath(u"anna.tvl"_s), anna, LineOrder::NameMonthDayYear));
        QVERIFY(WriteSavedReading(folder.filePath(u"ANNA.TVL"_s), anna, LineOrder::NameMonthDayYear));
        QVERIFY(WriteSavedReading(folder.filePath(u"cash.zod"_s), anna, LineOrder::NameMonthDayYear));
        QVERIFY(WriteSavedReading(folder.filePath(u"rose.flo"_s), rose, LineOrder::NameDayMonthYear));
        QVERIFY(WriteSavedReading(folder.filePath(u"notes.txt"_s), rose, LineOrder::NameDayMonthYear));
        QVERIFY(folder.mkdir(u"folder.flo"_s));
    }

    void init()
    {
        m_main = std::make_unique<frmMDI>();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        m_picMain = m_main->findChild<QWidget *>(u"picMain"_s);
        QVERIFY(m_picMain);
    }
    void cleanup() { m_main.reset(); }

    void captionAndStrips()
    {
        QCOMPARE(m_main->windowTitle(), u"Starbox v1.15"_s);
        for (const char *name : {"Picture6", "lblVelmoraBanner", "picButtonContainer", "picMain",
                                 "PicCoBrand", "Label7", "cmdMdiExit"})
            QVERIFY2(m_main->findChild<QWidget *>(QString::fromLatin1(name))->isVisible(), name);
        QVERIFY(m_picMain->isVisible());
        QVERIFY(ProgramWindows(*m_main).isEmpty());
    }

    // Six buttons in two rows of three, in the selector's order; entries
    // 0, 4 and 5 exist but are not shown.
    void selectorButtons()
    {
        const QStringList rows[] = {{u"Fashion Astrology"_s, u"Food Astrology"_s, u"Travel Astrology"_s},
                                    {u"Gift Astrology"_s, u"Flower Astrology"_s, u"Fruit Astrology"_s}};
        QList<QPushButton *> shown;
        for (QPushButton *button : m_main->findChildren<QPushButton *>(u"cmdSelectOption"_s)) {
            if (button->isVisible())
                shown.append(button);
        }
        QCOMPARE(shown.size(), 6);
        std::sort(shown.begin(), shown.end(), [](QPushButton *a, QPushButton *b) {
            const QPoint pa = a->mapToGlobal(QPoint()), pb = b->mapToGlobal(QPoint());
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        for (int i = 0; i < 6; ++i)
            QCOMPARE(shown[i]->text(), rows[i / 3][i % 3]);
        QVERIFY(shown[0]->mapToGlobal(QPoint()).y() == shown[2]->mapToGlobal(QPoint()).y());
        QVERIFY(shown[3]->mapToGlobal(QPoint()).y() > shown[0]->mapToGlobal(QPoint()).y());
        for (int hidden : {0, 4, 5}) {
            QPushButton *button = Indexed<QPushButton>(m_main.get(), u"cmdSelectOption"_s, hidden);
            QVERIFY(button);
            QVERIFY(!button->isVisible());
            QCOMPARE(button->text(), ReadingProgramAt(hidden).name);
        }
    }

    void selectorCaptions()
    {
        const struct { int index; const char16_t *text; QRgb colour; bool shown; } expected[] = {
            {0, u"Welcome to Starbox", 0x00FFFF, true},
            {2, u"Starbox includes the following programs", 0x00FFFF, true},
            {3, u"Financial Astrology", 0xFFFF00, false},
            {4, u"Flower Astrology", 0xFFFF80, true},
            {5, u"Food Astrology", 0x00FF00, true},
            {6, u"Fruit Astrology", 0xFF0000, true},
            {7, u"Health Astrology", 0x00FFFF, false},
            {8, u"Zodiac Power Sign", 0xFF8000, false},
            {9, u"Fashion Astrology", 0xFF8000, true},
            {10, u"Gift Astrology", 0x00FFFF, true},
            {11, u"Travel Astrology", 0xFF00FF, true},
        };
        for (const auto &e : expected) {
            QLabel *caption = Indexed<QLabel>(m_picMain, u"lblCaption"_s, e.index);
            QVERIFY(caption);
            QCOMPARE(caption->text(), QString::fromUtf16(e.text));
            QCOMPARE(caption->palette().color(QPalette::WindowText), QColor::fromRgb(e.colour));
            QCOMPARE(caption->isVisible(), e.shown);
        }
        QLabel *intro = Indexed<QLabel>(m_picMain, u"lblCaption"_s, 1);
        QCOMPARE(intro->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        QVERIFY(intro->height() >= 2 * intro->fontMetrics().height()); // two whole lines

        // The visible program captions run top to bottom in the selector's order.
        int lastY = -1;
        for (int index : {9, 5, 11, 10, 4, 6}) {
            const int y = Indexed<QLabel>(m_picMain, u"lblCaption"_s, index)->y();
            QVERIFY(y > lastY);
            lastY = y;
        }
    }

    // A caption stays underlined until the pointer reaches the black
    // background; headings never underline.
    void hoverUnderline()
    {
        QLabel *food = Indexed<QLabel>(m_picMain, u"lblCaption"_s, 5);
        QLabel *travel = Indexed<QLabel>(m_picMain, u"lblCaption"_s, 11);
        QLabel *welcome = Indexed<QLabel>(m_picMain, u"lblCaption"_s, 0);
        MoveOver(food);
        QVERIFY(food->font().underline());
        MoveOver(travel);
        QVERIFY(food->font().underline());
        QVERIFY(travel->font().underline());
        MoveOver(welcome);
        QVERIFY(!welcome->font().underline());
        QVERIFY(food->font().underline());
        MoveOver(m_picMain, QPoint(2, m_picMain->height() - 2));
        QVERIFY(!food->font().underline());
        QVERIFY(!travel->font().underline());
    }

    void everyEntryOpensItsInputWindow_data()
    {
        QTest::addColumn<int>("index");
        for (const ReadingProgramEntry *program : ReadingPrograms())
            QTest::addRow("%d %s", program->button, qPrintable(program->name)) << program->button;
    }
    void everyEntryOpensItsInputWindow()
    {
        QFETCH(int, index);
        const ReadingProgramEntry &entry = ReadingProgramAt(index);
        // Buttons, hidden ones included, and captions open the same window.
        for (bool byCaption : {false, true}) {
            if (byCaption)
                m_main->lblCaption_Click(index + kCaptionOffset);
            else
                Indexed<QPushButton>(m_main.get(), u"cmdSelectOption"_s, index)->click();
            const QList<ProgramWindow *> windows = ProgramWindows(*m_main);
            QCOMPARE(windows.size(), 1);
            QCOMPARE(windows.first()->objectName(), entry.inputWindow);
            QCOMPARE(windows.first()->windowTitle(), u"Orla "_s + entry.name);
            QVERIFY(windows.first()->isVisible());
            QCOMPARE(windows.first()->y(), 0);
            QVERIFY(!m_picMain->isVisible());
        }
    }

    void clickOnVisibleCaptionOpensProgram()
    {
        QTest::mouseClick(Indexed<QLabel>(m_picMain, u"lblCaption"_s, 9), Qt::LeftButton);
        QVERIFY(m_main->findChild<ProgramWindow *>(u"frmFashionAstrologyMain"_s));
        QVERIFY(!m_picMain->isVisible());
    }

    void choosingAProgramClosesThePreviousOne()
    {
        m_main->OpenReadingProgram(FoodProgram().button);
        QPointer<ProgramWindow> food = m_main->findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s);
        QVERIFY(food);
        QTest::keyClicks(food->findChild<QLineEdit *>(u"txtFirstName"_s), u"ANNA"_s);
        m_main->OpenReadingProgram(GiftProgram().button);
        QTRY_VERIFY(food.isNull());
        QCOMPARE(ProgramWindows(*m_main).size(), 1);
        // The same program again starts afresh.
        m_main->OpenReadingProgram(FoodProgram().button);
        auto *fresh = m_main->findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s);
        QCOMPARE(fresh->findChild<QLineEdit *>(u"txtFirstName"_s)->text(), QString());
    }

    void headingsOnlyCloseProgramWindows_data()
    {
        QTest::addColumn<int>("heading");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
    }
    void headingsOnlyCloseProgramWindows()
    {
        QFETCH(int, heading);
        m_main->OpenReadingProgram(FoodProgram().button);
        auto *input = m_main->findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s);
        input->hide(); // even hidden windows are closed
        QPointer<ProgramWindow> guard(input);
        m_main->lblCaption_Click(heading);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(m_picMain->isVisible());
        QVERIFY(ProgramWindows(*m_main).isEmpty());
    }

    void closingTheInputWindowShowsTheSelector()
    {
        m_main->OpenReadingProgram(TravelProgram().button);
        auto *input = m_main->findChild<ProgramWindow *>(u"frmTravelAstrologyMain"_s);
        input->close();
        QVERIFY(m_picMain->isVisible());
    }

    void menus()
    {
        const auto captions = [this](const char *menu) {
            QStringList list;
            for (QAction *a : m_main->findChild<QMenu *>(QString::fromLatin1(menu))->actions())
                list.append(a->isSeparator() ? u"-"_s : a->objectName() + u':' + a->text());
            return list;
        };
        QCOMPARE(captions("mnuFile"), QStringList{u"mnuExit:E&xit"_s});
        QCOMPARE(captions("mnuHelp"),
                 (QStringList{u"mnuOnline:&Online Help"_s, u"mnuVisit:&Visit Us Online"_s, u"-"_s,
                              u"mnuUpdate:Check for Software &Update"_s, u"-"_s,
                              u"mnuAbout:&About Software"_s}));
        auto *money = m_main->findChild<QAction *>(u"mkmoney"_s);
        QCOMPARE(money->text(), u"Make Money &Online"_s);
        QVERIFY(!money->isEnabled());
    }

    void linksOpenTheirPages()
    {
        UrlCatcher browser;
        QTest::mouseClick(m_main->findChild<QWidget *>(u"lblVelmoraBanner"_s), Qt::LeftButton);
        QTest::mouseClick(m_main->findChild<QWidget *>(u"Picture6"_s), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(m_main->findChild<QWidget *>(u"Label7"_s), Qt::LeftButton);
        m_main->findChild<QAction *>(u"mnuOnline"_s)->trigger();
        m_main->findChild<QAction *>(u"mnuUpdate"_s)->trigger();
        QCOMPARE(browser.opened,
                 (QList<QUrl>{QUrl(u"https://www.velmora.example/"_s), QUrl(u"https://www.velmora.example/"_s),
                              QUrl(u"https://help.velmora.example/fully-branded.html"_s),
                              QUrl(u"https://www.starbox.example/starbox-help.html"_s),
                              QUrl(u"https://www.starbox.example/download-starbox.html"_s)}));
    }

    void aboutBox()
    {
        UrlCatcher browser;
        QString title, description;
        bool modal = false;
        ModalWatcher watcher([&](QWidget *box) {
            title = box->windowTitle();
            modal = box->isModal();
            description = box->findChild<QLabel *>(u"lblDescription"_s)->text();
            QTest::mouseClick(box->findChild<QWidget *>(u"lblCoBrand"_s), Qt::LeftButton);
            QTest::mouseClick(box->findChild<QWidget *>(u"lblHomePage"_s), Qt::LeftButton);
            box->findChild<QPushButton *>(u"cmdOK"_s)->click();
        });
        m_main->findChild<QAction *>(u"mnuAbout"_s)->trigger();
        QCOMPARE(title, u"Starbox v1.15"_s);
        QVERIFY(modal);
        QCOMPARE(description, u"Starbox shows you the fun and entertainment side of astrology. This program includes "
                              "Fashion Astrology, Food Astrology, Travel Astrology, Gift Astrology, Flower Astrology & "
                              "Fruit Astrology. Astrology can make life fun and give you more information about the "
                              "above associated with each zodiac sign personality."_s);
        QCOMPARE(browser.opened, (QList<QUrl>{QUrl(u"https://help.velmora.example/fully-branded.html"_s),
                                              QUrl(u"https://www.velmora.example/"_s)}));
    }

    // Saved readings opened from outside, one after another; what each
    // ends with on screen and in messages. The main window shows one
    // program at a time, so the last file read stays.
    void savedFilesFromOutside_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("display"); // the program window left open
        QTest::addColumn<QString>("name");    // in its input window's name box
        QTest::addColumn<QStringList>("messages"); // each contains this
        const QString travel = TravelProgram().displayWindow;
        const QString flower = FlowerProgram().displayWindow;
        QTest::newRow("two files: the last stays")
            << QStringList{u"anna.tvl"_s, u"rose.flo"_s} << flower << u"ROSE"_s
            << QStringList{u"opened \u2068"_s + m_files.path() + u"/rose.flo\u2069 and passed over the file given"_s};
        QTest::newRow("capitals refused as Open refuses them")
            << QStringList{u"ANNA.TVL"_s} << QString() << QString() << QStringList{WrongFileMessage()};
        QTest::newRow("no saved reading") << QStringList{u"notes.txt"_s} << QString() << QString()
                                          << QStringList{WrongFileMessage()};
        QTest::newRow("a program the selector does not offer")
            << QStringList{u"cash.zod"_s} << QString() << QString()
            << QStringList{u"is a saved Financial Astrology reading, which this Starbox does not open."_s};
        QTest::newRow("a folder") << QStringList{u"folder.flo"_s} << QString() << QString()
                                  << QStringList{u"folder.flo\u2069 could not be read."_s};
        QTest::newRow("a missing file") << QStringList{u"gone.tvl"_s} << QString() << QString()
                                        << QStringList{u"gone.tvl\u2069 could not be read."_s};
        QTest::newRow("refusals after the good one, told together")
            << QStringList{u"anna.tvl"_s, u"cash.zod"_s, u"notes.txt"_s} << travel << u"ANNA"_s
            << QStringList{u"could not be opened:\n\u2068"_s + m_files.path()
                           + u"/cash.zod\u2069: a saved Financial Astrology reading, which this Starbox does not "
                             "open.\n\u2068"_s
                           + m_files.path() + u"/notes.txt\u2069: Please Check The File."_s};
        QTest::newRow("many: only the last are tried")
            << QStringList{u"anna.tvl"_s} + QStringList(frmMDI::kMaxFilesTried + 7, u"gone.tvl"_s) << QString()
            << QString()
            << QStringList{u"None of the last 32 files given could be opened, so Starbox passed over the 8 before "
                           "them.\n\nThese files could not be opened:\n"_s};
        QTest::newRow("a long name shortened in the middle")
            << QStringList{QString(300, u'x') + u".tvl"_s} << QString() << QString()
            << QStringList{u"\u2026"_s + QString(kShownPathLength / 2 - 4, u'x') + u".tvl\u2069 could not be read."_s};
        QTest::newRow("a name that would turn the message round")
            << QStringList{u"\u202egpn.tvl"_s} << QString() << QString()
            << QStringList{u"/\ufffdgpn.tvl\u2069 could not be read."_s};
    }
    void savedFilesFromOutside()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, display);
        QFETCH(QString, name);
        QFETCH(QStringList, messages);
        const QDir folder(m_files.path());
        QStringList paths;
        for (const QString &file : files)
            paths.append(folder.filePath(file));
        MessageWatcher watcher;
        m_main->openSavedFiles(paths);
        if (display.isEmpty())
            QTRY_COMPARE(watcher.seen().size(), messages.size());
        else
            QTRY_VERIFY(m_main->findChild<ProgramWindow *>(display));
        QCOMPARE(watcher.seen().size(), messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i)
            QVERIFY2(watcher.seen().at(i).text.contains(messages.at(i)), qPrintable(watcher.seen().at(i).text));
        const QList<ProgramWindow *> open = ProgramWindows(*m_main);
        if (display.isEmpty()) {
            QVERIFY(open.isEmpty());
            return;
        }
        // The input window, hidden behind the reading, holds the file's name.
        QCOMPARE(open.size(), 2);
        ProgramWindow *shown = m_main->findChild<ProgramWindow *>(display);
        QVERIFY(shown->isVisible());
        const auto *input = open.first() == shown ? open.last() : open.first();
        QCOMPARE(input->findChild<QLineEdit *>(u"txtName"_s)->text(), name);
    }

    // A report keeps the main window's controls for itself; files handed
    // over meanwhile open once it is closed.
    void savedFilesWaitForAReport()
    {
        m_main->setOwnControlsEnabled(false);
        m_main->openSavedFiles({QDir(m_files.path()).filePath(u"anna.tvl"_s)});
        QTest::qWait(400);
        QVERIFY(ProgramWindows(*m_main).isEmpty());
        m_main->setOwnControlsEnabled(true);
        QTRY_VERIFY(m_main->findChild<ProgramWindow *>(TravelProgram().displayWindow));
    }

    void droppedFilesOpen_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("accepted");
        const QString path = QDir(m_files.path()).filePath(u"rose.flo"_s);
        QTest::newRow("a saved reading") << QList<QUrl>{QUrl::fromLocalFile(path)} << true;
        QTest::newRow("a web address") << QList<QUrl>{QUrl(u"https://www.starbox.example/a.flo"_s)} << false;
    }
    void droppedFilesOpen()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, accepted);
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = m_main->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_main.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (!accepted)
            return;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_main.get(), &drop);
        QTRY_VERIFY(m_main->findChild<ProgramWindow *>(FlowerProgram().displayWindow));
    }

    void exitClosesEveryWindow()
    {
        m_main->OpenReadingProgram(FoodProgram().button);
        QPointer<ProgramWindow> input = m_main->findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s);
        m_main->findChild<QPushButton *>(u"cmdMdiExit"_s)->click();
        QVERIFY(!m_main->isVisible());
        QTRY_VERIFY(input.isNull());
    }

private:
    QTemporaryDir m_files;
    std::unique_ptr<frmMDI> m_main;
    QWidget *m_picMain = nullptr;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
