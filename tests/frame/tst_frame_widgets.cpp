// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's own widgets draw what Qt's would, for less work at start-up:
// a label that takes focus measures and draws as an unfocused QLabel does,
// without laying its text out in a document; a menu bar reads no picture
// file until its overflow button is drawn; the selector's pictures drawn
// at build time are the pictures their SVG files draw.

#include "frame/baked_pictures.h"
#include "frame/clickable_label.h"
#include "frame/fonts.h"
#include "frame/pictures.h"
#include "shell/starbox_style.h"
#include "frame/svg_image.h"
#include "programs/food/food_program.h"
#include "shell/reading_programs.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QTextDocument>

class TestFrameWidgets : public QObject
{
    Q_OBJECT

private slots:
    // First, before anything in this process has read a picture.
    void menuBarReadsNoPictureFile();
    void overflowIconDrawsAsTheStyles_data();
    void overflowIconDrawsAsTheStyles();

    void focusedLabelMeasuresAndDrawsAsQLabel_data();
    void focusedLabelMeasuresAndDrawsAsQLabel();
    void focusedLinkLaysOutNoDocument();

    void selectorPicturesAreBaked_data();
    void selectorPicturesAreBaked();
    void otherSizesAreDrawnFromTheSvg();
};

namespace {

bool ImagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage Drawn(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void TestFrameWidgets::menuBarReadsNoPictureFile()
{
    QVERIFY2(!ImagePluginLoaded(), "an image plugin was loaded before the test began");
    QApplication::setStyle(new StarboxStyle);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    (void)Drawn(window);
    QVERIFY2(!ImagePluginLoaded(), "making and drawing a menu bar loaded the image plugins");
}

void TestFrameWidgets::overflowIconDrawsAsTheStyles_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
}

void TestFrameWidgets::overflowIconDrawsAsTheStyles()
{
    QFETCH(int, which);
    StarboxStyle style;
    const auto icon = QStyle::StandardPixmap(which);
    const QIcon deferred = style.standardIcon(icon);
    const QIcon own = style.baseStyle()->standardIcon(icon);
    QVERIFY(!own.isNull());
    QVERIFY(!deferred.isNull());
    QCOMPARE(deferred.availableSizes(), own.availableSizes());
    for (const QSize size : {QSize(8, 8), QSize(16, 16), QSize(32, 32)})
        QCOMPARE(deferred.pixmap(size).toImage(), own.pixmap(size).toImage());
}

void TestFrameWidgets::focusedLabelMeasuresAndDrawsAsQLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("fixedWidth"); // 0: none

    const QString banner = QStringLiteral("Velmora, the most popular forum on the esoteric. Visit us today!");
    const QString offer = QStringLiteral(
        "Home Business Opportunity. Start your own internet business and make money online. "
        "Get this software fully branded for your website. Click here for more details.");
    const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("banner") << banner << 9.75 << true << false << left << 3 << 0;
    QTest::newRow("centred caption") << QStringLiteral("Food Astrology") << 12.0 << false << false
                                     << int(Qt::AlignCenter) << 0 << 0;
    QTest::newRow("right, at the top") << QStringLiteral("Gift Astrology") << 8.25 << false << false
                                       << int(Qt::AlignRight | Qt::AlignTop) << 2 << 0;
    QTest::newRow("wrapped, fixed width") << offer << 8.25 << true << true << left << 0 << 420;
    QTest::newRow("wrapped, own width") << offer << 8.25 << false << true << left << 1 << 0;
    QTest::newRow("wrapped, centred") << offer << 12.0 << false << true << int(Qt::AlignCenter) << 0 << 300;
}

void TestFrameWidgets::focusedLabelMeasuresAndDrawsAsQLabel()
{
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    QFETCH(bool, underline);
    QFETCH(bool, wrap);
    QFETCH(int, alignment);
    QFETCH(int, margin);
    QFETCH(int, fixedWidth);

    ClickableLabel link(text);
    QLabel plain(text);
    plain.setTextFormat(Qt::PlainText);
    QCOMPARE(plain.focusPolicy(), Qt::NoFocus);
    QVERIFY(link.focusPolicy() != Qt::NoFocus);
    for (QLabel *label : {static_cast<QLabel *>(&link), &plain}) {
        label->setFont(StarboxFont(pointSize, true, underline));
        label->setWordWrap(wrap);
        label->setAlignment(Qt::Alignment(alignment));
        label->setMargin(margin);
        if (fixedWidth > 0)
            label->setFixedWidth(fixedWidth);
    }

    QCOMPARE(link.sizeHint(), plain.sizeHint());
    QCOMPARE(link.minimumSizeHint(), plain.minimumSizeHint());
    for (int width : {80, 200, 420, 900})
        QCOMPARE(link.heightForWidth(width), plain.heightForWidth(width));

    // Drawn in a box larger than the text, so that alignment shows.
    const QSize box = plain.sizeHint() + QSize(fixedWidth > 0 ? 0 : 40, 24);
    link.resize(box);
    plain.resize(box);
    QCOMPARE(Drawn(link), Drawn(plain));
}

void TestFrameWidgets::focusedLinkLaysOutNoDocument()
{
    QWidget window;
    auto *link = new ClickableLabel(QStringLiteral("Learn more about Flower Astrology at Velmora"), &window);
    link->setWordWrap(true);
    link->setGeometry(10, 10, 200, 60);
    window.resize(240, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    (void)Drawn(window);
    QMouseEvent hover(QEvent::MouseMove, QPointF(20, 20), link->mapToGlobal(QPointF(20, 20)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(link, &hover);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(link, &focus);
    (void)Drawn(window);

    for (const QTextDocument *document : link->findChildren<QTextDocument *>())
        QVERIFY2(document->isEmpty(), qPrintable(document->toPlainText()));
}

void TestFrameWidgets::selectorPicturesAreBaked_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("scale");
    for (const ReadingProgramEntry *program : ReadingPrograms()) {
        const ReadingProgramEntry &entry = *program;
        if (entry.picture.isEmpty())
            continue;
        for (int scale : {1, 2})
            QTest::addRow("%s at %dx", qPrintable(entry.name), scale) << entry.picture << scale;
    }
}

void TestFrameWidgets::selectorPicturesAreBaked()
{
    QFETCH(QString, resource);
    QFETCH(int, scale);
    const QSize size = QSize(32, 32) * scale;
    const QImage baked = BakedImage(resource, size);
    QVERIFY2(!baked.isNull(), "the main window would draw this picture from its SVG at start-up");
    QCOMPARE(baked.size(), size);
    const QImage drawn = SvgImage(resource, size);
    QVERIFY(drawn.pixelColor(size.width() / 2, size.height() / 2).alpha() > 0);
    QCOMPARE(baked, drawn);
    const QPixmap shown = SvgPixmap(resource, QSize(32, 32), scale);
    QCOMPARE(shown.devicePixelRatio(), qreal(scale));
    QImage shownImage = shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    shownImage.setDevicePixelRatio(1);
    QCOMPARE(shownImage, drawn);
}

void TestFrameWidgets::otherSizesAreDrawnFromTheSvg()
{
    const QString resource = FoodProgram().picture;
    QVERIFY(BakedImage(resource, QSize(48, 48)).isNull());
    QVERIFY(BakedImage(QStringLiteral(":/signs/01-aries.svg"), QSize(32, 32)).isNull());
    const QPixmap shown = SvgPixmap(resource, QSize(48, 48), 1);
    QCOMPARE(shown.size(), QSize(48, 48));
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             SvgImage(resource, QSize(48, 48)));
}

QTEST_MAIN(TestFrameWidgets)
#include "tst_frame_widgets.moc"
