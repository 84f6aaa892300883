// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every program window shares, driven through a stand-in host:
// caption, placement, menus, banner and brand labels, navigation, and the
// name key rule on a real name box.

#include "frame/details_widgets.h"
#include "core/name_filter.h"
#include "frame/program_window.h"
#include "frame/reading_widgets.h"
#include "helpers/fake_host.h"
#include "helpers/modal_watcher.h"
#include "helpers/shown_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

class SampleWindow : public ProgramWindow
{
public:
    SampleWindow(ProgramHost &host, WindowRole role, UpdateCaption caption = UpdateCaption::UpdateMnemonic)
        : ProgramWindow(host, u"Sample Astrology"_s, u"frmSampleAstrology"_s, role)
    {
        createMenuBar({command(u"&Proceed"_s, u"mnuProceed"_s, [this] { ++proceeded; }), nullptr},
                      caption);
        auto *filler = new QLabel(u"body"_s);
        filler->setMinimumSize(400, 200);
        body()->addWidget(filler);
    }
    void proceedTo(ProgramWindow *display) { openDisplay(display); }
    void back(ProgramWindow *input) { backTo(input); }
    int proceeded = 0;
};

QStringList Captions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions.append(action->isSeparator() ? u"-"_s : action->text());
    return captions;
}

} // namespace

class TestProgramWindow : public QObject
{
    Q_OBJECT
private slots:
    void captionAndNames()
    {
        FakeHost host;
        auto &window = *new SampleWindow(host, WindowRole::Input);
        window.open();
        QCOMPARE(window.windowTitle(), u"Orla Sample Astrology"_s);
        QCOMPARE(window.objectName(), u"frmSampleAstrology"_s);
        for (const char *name : {"Label61", "fraFullBrand", "lblFullBrand", "lblCobrand"})
            QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(name)), name);
        QCOMPARE(window.findChild<QLabel *>(u"lblFullBrand"_s)->text(),
                 u"Home Business Opportunity. Start your own Internet business and make money "
                 "online. Get this software fully branded for your website. Click here for more "
                 "details."_s);
        const QString coBrand = window.findChild<QLabel *>(u"lblCobrand"_s)->text();
        QVERIFY(coBrand.startsWith(u"Co-brand this software for your site."_s));
        QVERIFY(coBrand.endsWith(u"Click Here for more info on co-branding."_s));
    }

    void placedCentredAtTheTop()
    {
        FakeHost host;
        auto *window = new SampleWindow(host, WindowRole::Input);
        window->open();
        const int areaWidth = host.programArea()->viewport()->width();
        QCOMPARE(window->y(), 0);
        QVERIFY(window->width() < areaWidth);
        QVERIFY(qAbs(window->x() - (areaWidth - window->width()) / 2) <= 1);
    }

    void menus_data()
    {
        QTest::addColumn<int>("caption");
        QTest::addColumn<QString>("update");
        QTest::newRow("update mnemonic") << int(UpdateCaption::UpdateMnemonic)
                                         << u"Check for Software &Update"_s;
        QTest::newRow("check mnemonic") << int(UpdateCaption::CheckMnemonic)
                                        << u"&Check for Software Update"_s;
    }
    void menus()
    {
        QFETCH(int, caption);
        QFETCH(QString, update);
        FakeHost host;
        SampleWindow window(host, WindowRole::Input, UpdateCaption(caption));
        QCOMPARE(Captions(window.findChild<QMenu *>(u"mnuFile"_s)),
                 (QStringList{u"&Proceed"_s, u"-"_s, u"E&xit"_s}));
        QCOMPARE(Captions(window.findChild<QMenu *>(u"mnuHelp"_s)),
                 (QStringList{u"&Online Help"_s, u"&Visit Us Online"_s, u"-"_s, update, u"-"_s,
                              u"&About Software"_s}));
        auto *money = window.findChild<QAction *>(u"mkmoney"_s);
        QVERIFY(money);
        QCOMPARE(money->text(), u"Make Money &Online"_s);
        QVERIFY(!money->isEnabled());
        window.findChild<QAction *>(u"mnuProceed"_s)->trigger();
        QCOMPARE(window.proceeded, 1);
    }

    void linksAndAbout()
    {
        FakeHost host;
        SampleWindow window(host, WindowRole::Input);
        window.resize(600, 400);
        window.show();
        QTest::mouseClick(window.findChild<QWidget *>(u"Label61"_s), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QWidget *>(u"lblFullBrand"_s), Qt::LeftButton);
        for (const char *name : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"})
            window.findChild<QAction *>(QString::fromLatin1(name))->trigger();
        QCOMPARE(host.links, (QList<WebLink>{WebLink::HomePage, WebLink::FullBrandPage,
                                             WebLink::OnlineHelp, WebLink::HomePage,
                                             WebLink::DownloadPage}));
        QCOMPARE(host.aboutShown, 1);
    }

    // The full-brand offer lies over the co-brand one: a click in their common
    // area reaches the full-brand page.
    void fullBrandCoversCoBrand()
    {
        FakeHost host;
        SampleWindow window(host, WindowRole::Input);
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *frame = window.findChild<QWidget *>(u"fraFullBrand"_s);
        auto *full = window.findChild<QWidget *>(u"lblFullBrand"_s);
        auto *co = window.findChild<QWidget *>(u"lblCobrand"_s);
        QCOMPARE(full->geometry(), co->geometry());
        QCOMPARE(frame->childAt(full->geometry().center()), full);
    }

    void proceedBackAndExit()
    {
        FakeHost host;
        auto *input = new SampleWindow(host, WindowRole::Input);
        input->open();
        auto *display = new SampleWindow(host, WindowRole::Display);
        host.selectorVisible = true;

        input->proceedTo(display);
        QVERIFY(display->isVisible());
        QVERIFY(!input->isVisible());
        QVERIFY(!host.selectorVisible);

        // Back: the input window returns and the selector stays hidden.
        QPointer<SampleWindow> closed(display);
        display->back(input);
        QVERIFY(input->isVisible());
        QVERIFY(!host.selectorVisible);
        QTRY_VERIFY(closed.isNull()); // really destroyed

        // Exit of a display window brings the selector back; the input
        // window stays hidden.
        auto *second = new SampleWindow(host, WindowRole::Display);
        input->proceedTo(second);
        second->findChild<QAction *>(u"mnuExit"_s)->trigger();
        QVERIFY(host.selectorVisible);
        QVERIFY(!input->isVisible());

        // Closing the input window also brings it back.
        host.selectorVisible = false;
        input->close();
        QVERIFY(host.selectorVisible);
    }

    // A new reading right after Back, before the old display window is gone,
    // and a reading while one is still open, each leave one display window.
    void everyReadingHasItsOwnDisplayWindow()
    {
        FakeHost host;
        auto *input = new SampleWindow(host, WindowRole::Input);
        input->open();
        QPointer<SampleWindow> first = new SampleWindow(host, WindowRole::Display);
        input->proceedTo(first);
        first->back(input);
        QPointer<SampleWindow> second = new SampleWindow(host, WindowRole::Display);
        input->proceedTo(second);
        QVERIFY(second->isVisible());
        QPointer<SampleWindow> third = new SampleWindow(host, WindowRole::Display);
        input->proceedTo(third);
        QVERIFY(third->isVisible());
        QVERIFY(!host.selectorVisible);
        QTRY_VERIFY(first.isNull() && second.isNull());
        QVERIFY(third);
    }

    void nameBoxTakesCapitals()
    {
        MessageWatcher messages;
        ThreeNameBoxes boxes = CreateThreeNameBoxes(OnlyAlphabetMessage());
        auto frame = std::make_unique<QWidget>();
        frame->setLayout(boxes.row);
        frame->show();
        QTest::keyClicks(boxes.first, u"ann lee"_s);
        QCOMPARE(boxes.first->text(), u"ANN LEE"_s);
        QTest::keyClick(boxes.first, Qt::Key_Backspace);
        QTest::keyClick(boxes.first, Qt::Key_Home);
        QTest::keyClicks(boxes.first, u"j"_s);
        QCOMPARE(boxes.first->text(), u"JANN LE"_s);
        QCOMPARE(boxes.first->cursorPosition(), 1);
        QTest::qWait(20);
        QVERIFY(messages.seen().isEmpty());
    }

    void nameBoxRefuses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("digit") << u"1"_s;
        QTest::newRow("full stop") << u"."_s;
        QTest::newRow("accented letter") << u"\u00e9"_s;
    }
    void nameBoxRefuses()
    {
        QFETCH(QString, typed);
        MessageWatcher messages;
        ThreeNameBoxes boxes = CreateThreeNameBoxes(OnlyAlphabetMessage());
        auto frame = std::make_unique<QWidget>();
        frame->setLayout(boxes.row);
        frame->show();
        QTest::keyClicks(boxes.last, u"Lee"_s);
        // A key event of its own: the test's ASCII key table has no accents.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(boxes.last, &press);
        QTRY_COMPARE(messages.seen().size(), 1);
        QCOMPARE(messages.seen().first().text, u"Please Enter Only Alphabet"_s);
        QCOMPARE(messages.seen().first().title, u"Starbox"_s);
        QCOMPARE(messages.seen().first().icon, QMessageBox::Information);
        QCOMPARE(boxes.last->text(), u"LEE"_s);
    }

    void pasteIsHeldToTheSameRule()
    {
        MessageWatcher messages;
        ThreeNameBoxes boxes = CreateThreeNameBoxes(OnlyLettersMessage());
        auto frame = std::make_unique<QWidget>();
        frame->setLayout(boxes.row);
        frame->show();
        QApplication::clipboard()->setText(u"mary ann"_s);
        boxes.middle->paste();
        QCOMPARE(boxes.middle->text(), u"MARY ANN"_s);
        QApplication::clipboard()->setText(u"R2D2"_s);
        boxes.middle->paste();
        QTRY_COMPARE(messages.texts(), QStringList{u"Please Enter only Letters"_s});
        QCOMPARE(boxes.middle->text(), u"MARY ANN"_s);
    }

    void dateListsStartAtFirstEntries()
    {
        DateLists lists = CreateBirthDayFrame(DateOrder::DayMonthYear, 2022);
        std::unique_ptr<QGroupBox> frame(lists.frame);
        QCOMPARE(lists.day->count(), 31);
        QCOMPARE(lists.day->itemText(30), u"31"_s);
        QCOMPARE(lists.month->count(), 12);
        QCOMPARE(lists.month->itemText(11), u"December"_s);
        QCOMPARE(lists.year->count(), 123);
        QCOMPARE(lists.year->itemText(122), u"2022"_s);
        QCOMPARE(lists.day->currentText(), u"1"_s);
        QCOMPARE(lists.month->currentText(), u"January"_s);
        QCOMPARE(lists.year->currentText(), u"1900"_s);
        for (QComboBox *list : {lists.day, lists.month, lists.year})
            QVERIFY(!list->isEditable());
        DateLists standard = CreateBirthDayFrame();
        std::unique_ptr<QGroupBox> standardFrame(standard.frame);
        QCOMPARE(standard.year->count(), 151);
        QCOMPARE(standard.year->itemText(150), u"2050"_s);
    }

    // A box's text is its text whether the box has been shown or not:
    // anything reading it (a report, a screen reader) sees what it holds.
    void readingBoxHoldsItsTextHiddenOrShown()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        ReadingBox *box = ReadingTextBox(u"txtBox"_s);
        layout->addWidget(box);
        box->setText(u"first\nsecond"_s);
        QCOMPARE(box->toPlainText(), u"first\nsecond"_s);
        QCOMPARE(box->document()->blockCount(), 2);
        QCOMPARE(box->text(), u"first\nsecond"_s);
        QCOMPARE(ShownText(&window, u"txtBox"_s), u"first\nsecond"_s);
        window.show();
        QCOMPARE(box->toPlainText(), u"first\nsecond"_s);
        box->setText(u"third"_s);
        QCOMPARE(box->toPlainText(), u"third"_s);
        window.hide();
        box->setText(u"fourth"_s);
        QCOMPARE(box->toPlainText(), u"fourth"_s);
        window.show();
        QCOMPARE(box->toPlainText(), u"fourth"_s);
        QVERIFY(box->isReadOnly());
    }

    // The scroll bar of a coloured box is drawn, arrows and all, in the
    // application's colours.
    void readingBoxScrollBarIsDrawn()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        ReadingBox *box = ReadingTextBox(u"txtBox"_s);
        QPalette black = box->palette();
        black.setColor(QPalette::Base, Qt::black);
        box->setPalette(black);
        layout->addWidget(box);
        box->setFixedSize(200, 80);
        box->setText(QString(u"many words "_s).repeated(100));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollBar *bar = box->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        const QImage picture = bar->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y));
        }
        QVERIFY(colours.size() > 3); // more than an empty, flat strip
    }

    // Every entry fits its list, in the lists' own font and in a bold one.
    void dateListsFitTheirEntries()
    {
        DateLists lists = CreateBirthDayFrame();
        std::unique_ptr<QGroupBox> frame(lists.frame);
        QFont bold = lists.month->font();
        bold.setBold(true);
        for (const QFont &font : {lists.month->font(), bold}) {
            for (QComboBox *list : {lists.day, lists.month, lists.year}) {
                list->setFont(font);
                QStyleOptionComboBox option;
                option.initFrom(list);
                for (int i = 0; i < list->count(); ++i) {
                    const QSize text(list->fontMetrics().horizontalAdvance(list->itemText(i)),
                                     list->fontMetrics().height());
                    const QSize needed = list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, list);
                    QVERIFY2(list->sizeHint().width() >= needed.width(), qPrintable(list->itemText(i)));
                }
            }
        }
    }
};

QTEST_MAIN(TestProgramWindow)
#include "tst_program_window.moc"
