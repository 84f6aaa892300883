// SPDX-License-Identifier: GPL-3.0-or-later
// A label that takes focus measures and draws as an unfocused QLabel does,
// without laying its text out in a document.

#include "frame/clickable_label.h"
#include "frame/fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTextDocument>

class TestTextLabel : public QObject
{
    Q_OBJECT

private slots:
    void focusedLabelMeasuresAndDrawsAsQLabel_data();
    void focusedLabelMeasuresAndDrawsAsQLabel();
    void focusedLinkLaysOutNoDocument();
};

namespace {

QImage Drawn(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void TestTextLabel::focusedLabelMeasuresAndDrawsAsQLabel_data()
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

void TestTextLabel::focusedLabelMeasuresAndDrawsAsQLabel()
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

void TestTextLabel::focusedLinkLaysOutNoDocument()
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

QTEST_MAIN(TestTextLabel)
#include "tst_text_label.moc"
