// SPDX-License-Identifier: GPL-3.0-or-later
// At scale factor 2 (this test runs with QT_SCALE_FACTOR=2) every picture
// is drawn at twice its size in device pixels, so it stays sharp; moved to
// the second screen, of twice the density, at four times.

#include "frame/program_window.h"
#include "helpers/program_driver.h"
#include "programs/financial/financial_program.h"
#include "programs/flower/flower_program.h"
#include "programs/fruit/fruit_program.h"
#include "programs/powersign/powersign_program.h"
#include "programs/travel/travel_program.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The pictures of a window that are not drawn at the scale they are shown
// at, one line each.
QStringList Blurred(QWidget *window)
{
    QStringList problems;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QPixmap picture = label->pixmap();
        // A picture scrolled out of sight is drawn anew when it comes back.
        if (picture.isNull() || !label->isVisibleTo(window) || label->visibleRegion().isEmpty())
            continue;
        const qreal ratio = label->devicePixelRatioF();
        if (!qFuzzyCompare(picture.devicePixelRatio(), ratio)
            || picture.deviceIndependentSize().toSize() * ratio != picture.size())
            problems.append(label->objectName() + u" drawn at "_s + QString::number(picture.devicePixelRatio()));
    }
    return problems;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT
private slots:
    void scalesAreTwoAndFour()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        QCOMPARE(QGuiApplication::screens().constLast()->devicePixelRatio(), 4.0);
    }

    void everyPictureIsSharp_data()
    {
        QTest::addColumn<int>("program");
        QTest::newRow("Financial") << FinancialProgram().button;
        QTest::newRow("Flower") << FlowerProgram().button;
        QTest::newRow("Travel") << TravelProgram().button;
        QTest::newRow("Power Sign") << PowerSignProgram().button;
    }
    void everyPictureIsSharp()
    {
        QFETCH(int, program);
        ProgramDriver driver{ReadingProgramAt(program)};
        // At least one picture is looked at, at twice its size.
        bool seen = false;
        const auto check = [&seen](QWidget *window) {
            QVERIFY2(Blurred(window).isEmpty(), qPrintable(Blurred(window).join(u'\n')));
            for (QLabel *label : window->findChildren<QLabel *>())
                seen |= !label->pixmap().isNull() && label->pixmap().width() == 2 * label->width();
        };
        check(&driver.main());
        check(driver.input());
        driver.read(u"ANNA"_s, 1, u"June"_s, 1980);
        QVERIFY(driver.display());
        check(driver.display());
        QVERIFY(seen);
    }

    void picturesFollowTheirScreen()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        ProgramDriver driver{FinancialProgram()};
        driver.read(u"ANNA"_s, 1, u"June"_s, 1980);
        auto *sign = driver.inDisplay<QLabel>("picSign");
        QVERIFY(sign);
        QCOMPARE(sign->pixmap().devicePixelRatio(), 2.0);

        for (const auto &[screen, ratio] : {std::pair{screens.at(1), 4.0}, std::pair{screens.at(0), 2.0}}) {
            driver.main().setScreen(screen);
            driver.main().move(screen->geometry().topLeft() + QPoint(20, 20));
            QTRY_COMPARE(sign->devicePixelRatioF(), ratio);
            QTRY_COMPARE(sign->pixmap().devicePixelRatio(), ratio);
            QCOMPARE(sign->pixmap().width(), int(sign->width() * ratio));
            QVERIFY2(Blurred(driver.display()).isEmpty(), qPrintable(Blurred(driver.display()).join(u'\n')));
            QVERIFY2(Blurred(&driver.main()).isEmpty(), qPrintable(Blurred(&driver.main()).join(u'\n')));
        }
    }

    void fruitPicturesAreSharp()
    {
        ProgramDriver fruit{FruitProgram()};
        fruit.inInput<QLineEdit>("txtFirstName")->setText(u"ANNA"_s);
        fruit.proceed();
        QVERIFY(fruit.display());
        QVERIFY2(Blurred(fruit.display()).isEmpty(), qPrintable(Blurred(fruit.display()).join(u'\n')));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
