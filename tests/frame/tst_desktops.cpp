// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of every program, whole and legible on the desktops people
// have. CTest runs this test on a laptop screen of 1366 by 768 at scale 1
// and 1.25, at a font DPI of 144, and at scale 2 (see CMakeLists.txt):
// each time, for every sign (or fruit), no control is smaller than it needs,
// no two texts overlap and no text is cut. Under a dark and a high-contrast
// palette, every text that the desktop's colours reach stays readable.

#include "frame/program_window.h"
#include "helpers/program_driver.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The palettes of the themes tried: Adwaita's dark variant as Qt's GTK
// platform theme gives it, and white on black with cyan links.
QPalette ThemePalette(const QString &theme)
{
    const bool dark = theme == u"dark";
    const QColor ink(Qt::white), face(dark ? 0x353535 : 0x000000), base(dark ? 0x2d2d2d : 0x000000);
    // Text, button, light, dark, mid, text, bright text, base, window.
    QPalette palette(ink, face, face.lighter(150), face.darker(150), face, ink, ink, base, face);
    palette.setColor(QPalette::Link, dark ? QColor(0x8ab4f8) : QColor(Qt::cyan));
    return palette;
}

// The widgets that show text, as a person reads them.
bool ShowsText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
           || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QTabBar *>(widget)
           || qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QTextEdit *>(widget);
}

// Where a widget is seen within a window: its rectangle, in the window's
// coordinates, less what its parents cut away. What a scroll area hides,
// it scrolls to.
QRect SeenRect(const QWidget *widget, const QWidget *window)
{
    QRect seen(widget->mapTo(window, QPoint(0, 0)), widget->size());
    for (const QWidget *parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        const QWidget *above = parent->parentWidget();
        if (qobject_cast<const QScrollArea *>(parent) || (above && qobject_cast<const QScrollArea *>(above)))
            continue;
        seen &= QRect(parent->mapTo(window, QPoint(0, 0)), parent->size());
    }
    return seen;
}

QString NameOf(const QWidget *widget)
{
    QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                    : widget->objectName();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        name += u" \""_s + label->text().left(24) + u'"';
    else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        name += u" \""_s + button->text() + u'"';
    return name;
}

// The widgets of a window that a person sees, the window's own frame
// aside; the text boxes' and lists' inner parts are their box, and the
// program windows in the main window's area are windows of their own.
QList<QWidget *> SeenWidgets(QWidget *window)
{
    QList<QWidget *> seen;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        bool inside = false;
        for (QWidget *parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget())
            inside |= qobject_cast<QPlainTextEdit *>(parent) || qobject_cast<QTextEdit *>(parent)
                      || qobject_cast<QComboBox *>(parent) || qobject_cast<QTabBar *>(parent)
                      || qobject_cast<QMdiArea *>(parent);
        if (!inside)
            seen.append(widget);
    }
    return seen;
}

// What is wrong with a window's layout, one line each: a control smaller
// than it needs, a text cut by its own box or by its parents, two texts on
// top of one another.
QStringList LayoutProblems(QWidget *window)
{
    QStringList problems;
    const QList<QWidget *> widgets = SeenWidgets(window);
    QList<QWidget *> texts;
    for (QWidget *widget : widgets) {
        const QSize size = widget->size();
        if (widget->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored
            && (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
                || qobject_cast<QComboBox *>(widget) || qobject_cast<QTabBar *>(widget)
                || qobject_cast<QGroupBox *>(widget))) {
            const QSize needed = widget->minimumSizeHint().expandedTo(widget->minimumSize());
            if (size.width() < needed.width() || size.height() < needed.height())
                problems.append(u"%1 is %2x%3, needs %4x%5"_s.arg(NameOf(widget)).arg(size.width()).arg(size.height())
                                    .arg(needed.width()).arg(needed.height()));
        }
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            // Its text, that is: the margin below it may be a pixel short
            // where nested layouts round the widths they share out.
            const QSize needed(label->minimumSizeHint().width(),
                               label->wordWrap() ? label->heightForWidth(label->width()) - label->margin()
                                                 : label->minimumSizeHint().height());
            if (needed.width() > size.width() || needed.height() > size.height())
                problems.append(u"%1 needs %2x%3, has %4x%5"_s.arg(NameOf(label)).arg(needed.width())
                                    .arg(needed.height()).arg(size.width()).arg(size.height()));
        }
        if (!ShowsText(widget) && !(qobject_cast<QLabel *>(widget) && !qobject_cast<QLabel *>(widget)->pixmap().isNull()))
            continue;
        const QRect whole(widget->mapTo(window, QPoint(0, 0)), size);
        const QRect seen = SeenRect(widget, window);
        if (seen != whole)
            problems.append(u"%1 is cut: %2 of %3 px high, %4 of %5 wide"_s.arg(NameOf(widget)).arg(seen.height())
                                .arg(whole.height()).arg(seen.width()).arg(whole.width()));
        // The co-brand offer lies under the full-brand one, as designed.
        if (ShowsText(widget) && widget->objectName() != u"lblCobrand")
            texts.append(widget);
    }
    for (qsizetype i = 0; i < texts.size(); ++i) {
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            if (texts[i]->isAncestorOf(texts[j]) || texts[j]->isAncestorOf(texts[i]))
                continue;
            const QRect both = SeenRect(texts[i], window) & SeenRect(texts[j], window);
            if (!both.isEmpty())
                problems.append(u"%1 and %2 overlap by %3x%4"_s.arg(NameOf(texts[i]), NameOf(texts[j]))
                                    .arg(both.width()).arg(both.height()));
        }
    }
    return problems;
}

// WCAG's relative luminance and contrast ratio.
double Luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The part of a widget where its text is drawn, in its own coordinates:
// a box's page, a label's contents (labels draw no frame), and inside a
// control's frame, where its frame's lines would count as text: a line's
// or list's text from the left (a list's arrow aside), an option's after
// its indicator, a button's caption in its middle.
QRect TextArea(QWidget *widget)
{
    if (auto *box = qobject_cast<QAbstractScrollArea *>(widget))
        return QRect(box->viewport()->mapTo(widget, QPoint(0, 0)), box->viewport()->size());
    if (qobject_cast<QLabel *>(widget))
        return widget->contentsRect();
    QString text;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        text = button->text();
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        text = line->text();
    else if (auto *list = qobject_cast<QComboBox *>(widget))
        text = list->currentText();
    const QSize size = widget->fontMetrics().size(Qt::TextShowMnemonic, text).boundedTo(widget->size() - QSize(8, 4));
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)) {
        const QRect room = widget->rect().adjusted(4, 3, qobject_cast<QComboBox *>(widget) ? -24 : -4, -3);
        return QRect(room.topLeft(), QSize(std::min(room.width(), size.width()), room.height()));
    }
    if (qobject_cast<QRadioButton *>(widget) || qobject_cast<QCheckBox *>(widget))
        return widget->rect().adjusted(20, 0, 0, 0);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, widget->rect());
}

// The contrast of a text with what lies behind it, from the pixels: the
// commonest colour is the background. The text is the colour farthest from
// it that more than a stray pixel or two has; in a text box, whose runs may
// have colours of their own, the faintest colour that a tenth of the text
// has, so that every run counts.
double TextContrast(const QImage &image, bool box)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QList<std::pair<int, QRgb>> colours;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        colours.append({it.value(), it.key()});
    std::sort(colours.begin(), colours.end(), std::greater<>());
    if (box) {
        const int text = int(image.width() * image.height()) - colours.at(0).first;
        double faintest = 21;
        for (const auto &[count, colour] : std::as_const(colours)) {
            if (colour != colours.at(0).second && count * 10 >= text)
                faintest = std::min(faintest, Contrast(colours.at(0).second, colour));
        }
        return faintest;
    }
    double best = 1;
    for (const auto &[count, colour] : std::as_const(colours)) {
        if (count >= 3)
            best = std::max(best, Contrast(colours.at(0).second, colour));
    }
    return best;
}

// A picture of where a text widget's text is, taken from its window, so
// that what lies behind a see-through text is in.
struct TextPicture
{
    QString name;
    QImage image;
    bool box;
};

// The text widgets of a window that can be read; in the order the window
// made them.
QList<TextPicture> TextPictures(QWidget *window)
{
    QList<TextPicture> pictures;
    for (QWidget *widget : SeenWidgets(window)) {
        if (!ShowsText(widget) || !widget->isEnabled() || qobject_cast<QTabBar *>(widget))
            continue;
        const QRect area = TextArea(widget);
        if (area.isEmpty())
            continue;
        pictures.append({NameOf(widget), window->grab(area.translated(widget->mapTo(window, QPoint(0, 0)))).toImage(),
                         qobject_cast<QAbstractScrollArea *>(widget) != nullptr});
    }
    return pictures;
}

// Walks a program's windows: the input window with the details filled in,
// every tab of the display window for the given date (or fruit), and the
// report; and each time hands the window on screen to the visitor.
void Walk(const ReadingProgramEntry &program, int month,
          const std::function<void(const QString &, QWidget *)> &visit)
{
    static const QStringList months{u"January"_s, u"February"_s, u"March"_s, u"April"_s, u"May"_s, u"June"_s,
                                    u"July"_s, u"August"_s, u"September"_s, u"October"_s, u"November"_s, u"December"_s};
    ProgramDriver driver{program};
    // The longest names the reading is shown with: the widest letter.
    const QString name(20, u'W');
    driver.enterDetails({name, name, name}, 25, months.at(month), 1980);
    visit(u"main"_s, &driver.main());
    visit(u"input"_s, driver.input());
    driver.proceed();
    QWidget *display = driver.display();
    QVERIFY2(display, "no display window");
    const QList<QWidget *> fruits = display->findChildren<QWidget *>(u"picSmallFruit"_s);
    if (!fruits.isEmpty()) {
        visit(u"choice"_s, display);
        for (QWidget *fruit : fruits) {
            if (fruit->property("index").toInt() == month)
                QTest::mouseClick(fruit, Qt::LeftButton);
        }
    }
    for (QTabWidget *tabs : display->findChildren<QTabWidget *>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            visit(u"tab %1"_s.arg(tab + 1), display);
        }
    }
    visit(u"display"_s, display);
    if (program.reportWindow.isEmpty())
        return;
    QWidget *report = driver.openReport();
    QVERIFY2(report, "no report window");
    visit(u"report"_s, report);
    report->close();
}

} // namespace

class TestDesktops : public QObject
{
    Q_OBJECT
private slots:
    // Every window whole, for every sign or fruit, on this desktop.
    void whole_data()
    {
        QTest::addColumn<int>("program");
        for (const ReadingProgramEntry *program : ReadingPrograms())
            QTest::newRow(qPrintable(program->name)) << program->button;
    }
    void whole()
    {
        QFETCH(int, program);
        QStringList problems;
        for (int month = 0; month < 12; ++month) {
            Walk(ReadingProgramAt(program), month, [&](const QString &state, QWidget *window) {
                for (const QString &problem : LayoutProblems(window)) {
                    const QString line = state + u": "_s + problem;
                    if (!problems.contains(line))
                        problems.append(line);
                }
            });
            if (QTest::currentTestFailed())
                return;
        }
        for (const QString &line : std::as_const(problems))
            qWarning("%s", qPrintable(line));
        QVERIFY2(problems.isEmpty(), "windows not whole, listed above");
    }

    // Under a dark and a high-contrast theme, every text whose look the
    // theme changes reaches a contrast of 4.5:1. Texts that look the same
    // under every theme keep the colours the design gives them both.
    void readable_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("theme");
        for (const QString &theme : {u"dark"_s, u"high contrast"_s}) {
            for (const ReadingProgramEntry *program : ReadingPrograms())
                QTest::addRow("%s, %s", qPrintable(program->name), qPrintable(theme)) << program->button << theme;
        }
    }
    void readable()
    {
        QFETCH(int, program);
        QFETCH(QString, theme);
        const auto walk = [program] {
            QList<TextPicture> pictures;
            Walk(ReadingProgramAt(program), 2, [&pictures](const QString &state, QWidget *window) {
                for (TextPicture picture : TextPictures(window)) {
                    picture.name.prepend(state + u": "_s);
                    pictures.append(picture);
                }
            });
            return pictures;
        };
        const QPalette light = QApplication::palette();
        const QList<TextPicture> plain = walk();
        QApplication::setPalette(ThemePalette(theme));
        const QList<TextPicture> themed = walk();
        QApplication::setPalette(light);
        QCOMPARE(themed.size(), plain.size());
        QStringList unreadable;
        int compared = 0;
        for (qsizetype i = 0; i < themed.size(); ++i) {
            QCOMPARE(themed[i].name, plain[i].name);
            if (themed[i].image == plain[i].image)
                continue;
            ++compared;
            const double contrast = TextContrast(themed[i].image, themed[i].box);
            if (contrast < 4.5)
                unreadable.append(u"%1: %2:1"_s.arg(themed[i].name).arg(contrast, 0, 'f', 2));
        }
        for (const QString &line : std::as_const(unreadable))
            qWarning("%s", qPrintable(line));
        QVERIFY2(unreadable.isEmpty(), "texts too faint under this theme, listed above");
        QVERIFY(compared > 0);
    }
};

QTEST_MAIN(TestDesktops)
#include "tst_desktops.moc"
