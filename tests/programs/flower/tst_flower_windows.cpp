// Flower Astrology through its real windows: the reminder on loading, the
// checks, the display, the report composed from the display's labels,
// saving, reopening and printing through the dialog.

#include "core/frame/program_window.h"
#include "helpers/file_dialogs.h"
#include "helpers/pdf_text.h"
#include "helpers/program_driver.h"
#include "programs/flower/flower_pictures.h"
#include "programs/flower/flower_reading.h"
#include "reports/report_window.h"
#include "shell/app_settings.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

class TestFlowerWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); QVERIFY(m_dir.isValid()); }
    void init() { m_flower = std::make_unique<ProgramDriver>(ReadingProgram::Flower); }
    void cleanup() { m_flower.reset(); }

    void inputWindow()
    {
        QCOMPARE(m_flower->input()->windowTitle(), u"Orla Flower Astrology"_s);
        QCOMPARE(m_flower->inInput<QPushButton>("cmdProceed")->text(), u"&Get My Flower Astrology Report"_s);
        QVERIFY(m_flower->inInput("cmdOpen"));
        QVERIFY(!m_flower->inInput("cmdExit")); // closed from the menu or the close box
        QCOMPARE(m_flower->input()->findChild<QAction *>(u"mnuGetMyReport"_s)->text(),
                 u"&Get My Flower Astrology Report"_s);
        QCOMPARE(m_flower->input()->findChild<QAction *>(u"mnuOpen"_s)->text(),
                 u"Open Previously Saved Flower Astrology Report"_s);
        // Tab order: name, day, month, year.
        QVERIFY(TabsThrough({m_flower->inInput("txtName"), m_flower->inInput("cboDate"),
                             m_flower->inInput("cboMonth"), m_flower->inInput("cboYear")}));
    }

    // Loading the input window runs the reminder: due after fifteen days.
    void reminderOnLoading()
    {
        AppSettings settings;
        settings.setValue(u"Settings"_s, u"Duration"_s,
                          QDate::currentDate().addDays(-15).toString(Qt::ISODate));
        MessageWatcher messages(QMessageBox::No);
        m_flower->reopen();
        QCOMPARE(messages.seen().size(), 1);
        QVERIFY(messages.seen().first().text.startsWith(u"There maybe an update"_s));
        QCOMPARE(AppSettings().value(u"Settings"_s, u"Duration"_s), QDate::currentDate().toString(Qt::ISODate));
        m_flower->reopen();
        QCOMPARE(messages.seen().size(), 1);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus"); // where the focus is after the message
        QTest::newRow("empty name") << QString() << 1 << u"May"_s << 2000 << u"Please Enter  Your Name !"_s
                                    << u"txtName"_s;
        QTest::newRow("29 February 1999") << u"ANNA"_s << 29 << u"February"_s << 1999
                                          << u"Please Enter Correct Date Or Month!"_s << u"cboMonth"_s;
        QTest::newRow("31 June") << u"ANNA"_s << 31 << u"June"_s << 1999 << u"Please Enter Correct Date Or Month !"_s
                                 << u"cboMonth"_s;
    }
    void checks()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        MessageWatcher messages;
        m_flower->inInput("cboMonth")->setFocus();
        read(name, day, month, year);
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.seen().first().icon, QMessageBox::Information);
        QCOMPARE(m_flower->main().focusWidget()->objectName(), focus);
        QVERIFY(!m_flower->display());
    }

    void keyFilter()
    {
        MessageWatcher messages;
        auto *box = m_flower->inInput<QLineEdit>("txtName");
        QTest::keyClicks(box, u"rose"_s);
        QTest::keyClicks(box, u"1"_s);
        QTRY_COMPARE(messages.texts(), QStringList{u"Please Enter only Letters"_s});
        QCOMPARE(box->text(), u"ROSE"_s);
    }

    void display_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("picture");
        QTest::newRow("19 January") << 19 << u"January"_s << u"Capricorn"_s << 1;
        QTest::newRow("20 January") << 20 << u"January"_s << u"Aquarius"_s << 7;
        QTest::newRow("19 February") << 19 << u"February"_s << u"Pisces"_s << 3;
        QTest::newRow("21 December") << 21 << u"December"_s << u"Capricorn"_s << 1;
        QTest::newRow("Scorpio") << 1 << u"November"_s << u"Scorpio"_s << 2;
        QTest::newRow("Libra") << 1 << u"October"_s << u"Libra"_s << 10;
        QTest::newRow("Leo") << 1 << u"August"_s << u"Leo"_s << 11;
    }
    void display()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(QString, sign);
        QFETCH(int, picture);
        read(u"ANNA"_s, day, month, 2000);
        QCOMPARE(m_flower->shown("lblSunSignYourSunSign"), sign);
        const FlowerReading r = BuildFlowerReading(SignAt(
            int(std::find_if(std::begin(kSigns), std::end(kSigns), [&](const char *s) {
                    return QString::fromLatin1(s) == sign;
                }) - std::begin(kSigns))));
        QCOMPARE(r.row.pictureIndex, picture);
        QCOMPARE(m_flower->shown("lblLuckyFlower"), RowText(r.row.luckyFlower));
        QCOMPARE(m_flower->shown("lblLuckyPlants"), RowText(r.row.luckyPlants));
        QCOMPARE(m_flower->shown("lblPositiveTraits"), RowText(r.row.positiveTraits));
        QCOMPARE(m_flower->shown("lblNegativeTraits"), RowText(r.row.negativeTraits));
        QCOMPARE(m_flower->shown("lblFlowerPlantDesc"), RowText(r.row.flowerPlantDescription));
        QVERIFY(!m_flower->inDisplay<QLabel>("picFlower")->pixmap().isNull());
    }

    // The picture list holds the twelve flowers in the order the table
    // addresses them, from 1.
    void flowerPicturesInOrder()
    {
        QCOMPARE(FlowerPictures().count(), 12);
        QVERIFY(FlowerPictures().resource(2).contains(u"chrysanthemum"_s));
        QVERIFY(FlowerPictures().resource(10).contains(u"tulips"_s));
        QVERIFY(FlowerPictures().resource(13).isEmpty());
        QVERIFY(FlowerPictures().resource(0).isEmpty());
    }

    void blankNameIsStoredEmpty()
    {
        read(u"   "_s, 1, u"May"_s, 2000);
        QVERIFY(m_flower->display());
        openReport();
        QVERIFY(reportText().contains(u"Name :- \n\n"_s));
    }

    void reportFromTheDisplaysLabels()
    {
        read(u"ANNA"_s, 1, u"August"_s, 2000); // Leo
        openReport();
        const QString text = reportText();
        const QString maker = u"Report Generated By www.velmora.example"_s;
        QVERIFY(text.startsWith(maker + u"\n\nName :- ANNA\n\nDate Of Birth :- August/1/2000\n\nSun Sign :- Leo\n\n"_s));
        QVERIFY(text.contains(u"Lucky Flower :- Sunflower\n\n"_s));
        QVERIFY(text.contains(u"Lucky Plants :- Palm, Bay, Laurel, Walnut, Olive, Citrus Trees\n\n"_s));
        QVERIFY(text.endsWith(maker + u"\n"_s));
        QCOMPARE(text.count(maker), 2);

        // First line plain black, headings bold black, values red.
        QTextDocument *document = m_flower->reportBox()->document();
        const QTextCharFormat first = document->begin().begin().fragment().charFormat();
        QCOMPARE(first.fontWeight(), int(QFont::Normal));
        QCOMPARE(first.foreground().color(), QColor(Qt::black));
        int headings = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.text().endsWith(u":- "_s)) {
                    ++headings;
                    QCOMPARE(f.charFormat().fontWeight(), int(QFont::Bold));
                    QCOMPARE(f.charFormat().foreground().color(), QColor(Qt::black));
                    auto next = it;
                    ++next;
                    QCOMPARE(next.fragment().charFormat().foreground().color(), QColor(0xFF, 0x00, 0x00));
                    QCOMPARE(next.fragment().charFormat().fontWeight(), int(QFont::Normal));
                }
            }
        }
        QCOMPARE(headings, 8);
    }

    void geminiDescriptionHasTwoParagraphs()
    {
        read(u"ANNA"_s, 1, u"June"_s, 2000);
        QCOMPARE(m_flower->shown("lblFlowerPlantDesc").count(u'\n'), 1);
        openReport();
        const QString description = RowText(BuildFlowerReading(SunSign::Gemini).row.flowerPlantDescription);
        QVERIFY(reportText().contains(u"About Your Flower Plant Plants :- "_s + description + u"\n\n"_s));
    }

    void saveAndReopen()
    {
        const QString path = m_dir.filePath(u"rose.flo"_s);
        read(u" ROSE "_s, 9, u"March"_s, 1984);
        const QString shown = m_flower->shown("lblPositiveTraits");
        openReport();
        {
            FileDialogAnswer answer(path);
            m_flower->report()->findChild<QPushButton *>(u"cmdSave"_s)->click();
            QCOMPARE(answer.dialogTitles, QStringList{u"Orla Flower Astrology"_s});
            QVERIFY(answer.messages.isEmpty()); // no message confirms a save
        }
        QCOMPARE(ReadSavedReading(path, LineOrder::NameDayMonthYear),
                 std::optional(SavedDetails{u"ROSE"_s, u"9"_s, u"March"_s, u"1984"_s}));
        m_flower->report()->close();
        m_flower->inDisplay<QPushButton>("cmdExit")->click();
        QVERIFY(m_flower->selectorVisible());
        m_flower->reopen();
        {
            FileDialogAnswer answer(path);
            m_flower->input()->findChild<QAction *>(u"mnuOpen"_s)->trigger();
        }
        QCOMPARE(m_flower->shown("lblSunSignYourSunSign"), u"Pisces"_s);
        QCOMPARE(m_flower->shown("lblPositiveTraits"), shown);
    }

    void healthFileIsRefused()
    {
        const QString path = m_dir.filePath(u"rose.hel"_s);
        QVERIFY(WriteSavedReading(path, {u"ROSE"_s, u"9"_s, u"March"_s, u"1984"_s}, LineOrder::NameDayMonthYear));
        FileDialogAnswer answer(path);
        m_flower->proceed("cmdOpen");
        QCOMPARE(answer.messages.size(), 1);
        QCOMPARE(answer.messages.first().text, u"Please Check The File."_s);
        QVERIFY(!m_flower->display());
    }

    void printsThroughTheDialog()
    {
        read(u"ANNA"_s, 1, u"August"_s, 2000);
        openReport();
        const QString pdf = m_dir.filePath(u"flower.pdf"_s);
        const PrintedReport printed = PrintReportToPdf(static_cast<ReportWindow *>(m_flower->report()), pdf);
        QCOMPARE(printed.printDialogs, 1);
        QVERIFY(printed.dialogToPdf);
        QCOMPARE(printed.otherModals, 0);
        if (!CanReadPdf())
            QSKIP("pdftotext (poppler-utils) is needed to read the printed text");
        QVERIFY(PdfText(pdf).contains(u"Lucky Flower :- Sunflower"_s));
    }

    // The entries yellow on periwinkle, the lists as the name box; grey
    // button faces; the periwinkle bottom strip of the display window; the
    // report's two link lines black and bold on white.
    void colours()
    {
        const QColor periwinkle(0x80, 0x80, 0xFF);
        // #C0C0C0 as the style shades it, the default button slightly tinted
        // with the highlight; the style's own face is far lighter.
        const auto grey = [](const QColor &c) {
            const int low = std::min({c.red(), c.green(), c.blue()});
            const int high = std::max({c.red(), c.green(), c.blue()});
            return high - low <= 0x18 && low >= 0xA8 && high < 0xE0;
        };
        const auto faceOf = [](QWidget *control) {
            const QImage image = control->grab().toImage();
            return image.pixelColor(image.width() / 8, image.height() / 2);
        };
        for (const char *name : {"txtName", "cboDate", "cboMonth", "cboYear"}) {
            // Above the text and below it, inside the frame.
            const QImage image = m_flower->inInput(name)->grab().toImage();
            QCOMPARE(image.pixelColor(image.width() / 2, 3), periwinkle);
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 4), periwinkle);
        }
        for (const char *name : {"cmdOpen", "cmdProceed"})
            QVERIFY2(grey(faceOf(m_flower->inInput(name))), qPrintable(faceOf(m_flower->inInput(name)).name()));

        read(u"ANNA"_s, 1, u"August"_s, 2000);
        for (const char *name : {"cmdPrint", "cmdBack", "cmdExit"})
            QVERIFY2(grey(faceOf(m_flower->inDisplay(name))), name);
        auto *strip = m_flower->inDisplay<QWidget>("fraFullBrand");
        const QImage stripImage = strip->grab().toImage();
        QWidget *back = m_flower->inDisplay("cmdBack");
        const QPoint besideBack = back->mapTo(strip, QPoint(back->width() + 2, back->height() / 2));
        QCOMPARE(stripImage.pixelColor(besideBack), periwinkle);

        openReport();
        for (const char *name : {"cmdSave", "cmdPrint"})
            QVERIFY2(grey(faceOf(m_flower->report()->findChild<QWidget *>(QString::fromLatin1(name)))), name);
        for (const char *name : {"Label14", "Label1"}) {
            auto *link = m_flower->report()->findChild<QLabel *>(QString::fromLatin1(name));
            QVERIFY(link);
            QVERIFY(link->font().bold());
            QCOMPARE(link->font().pointSizeF(), 8.25);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(link->grab().toImage().pixelColor(1, 1), QColor(Qt::white));
        }
    }

    void backKeepsTheEntries()
    {
        read(u"ANNA"_s, 9, u"March"_s, 1984);
        m_flower->inDisplay<QPushButton>("cmdBack")->click();
        QVERIFY(m_flower->input()->isVisible());
        QVERIFY(!m_flower->selectorVisible());
        QCOMPARE(m_flower->inInput<QLineEdit>("txtName")->text(), u"ANNA"_s);
        QCOMPARE(m_flower->inInput<QComboBox>("cboDate")->currentText(), u"9"_s);
    }

private:
    static constexpr const char *kSigns[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                             "Libra", "Scorpio", "Sagittarius", "Capricorn",
                                             "Aquarius", "Pisces"};

    void read(const QString &name, int day, const QString &month, int year)
    {
        m_flower->read(name, day, month, year);
    }
    void openReport() { QVERIFY(m_flower->openReport()); }
    QString reportText() const
    {
        return m_flower->reportBox()->toPlainText();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<ProgramDriver> m_flower;
};

QTEST_MAIN(TestFlowerWindows)
#include "tst_flower_windows.moc"
