// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/program_window.h"

#include "frame/accessibility/accessibility.h"
#include "frame/clickable_label.h"
#include "frame/enter_key.h"
#include "frame/fonts.h"
#include "frame/program_area.h"
#include "frame/program_host.h"
#include "frame/solid_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QColor kBrandOrange(0xFF, 0x80, 0x00);

} // namespace

void SolidFrame::paintEvent(QPaintEvent *event)
{
    if (m_colour.isValid())
        QPainter(this).fillRect(rect(), m_colour);
    QFrame::paintEvent(event);
}

ProgramWindow::ProgramWindow(ProgramHost &host, const QString &programName,
                             const QString &windowName, WindowRole role)
    : m_host(host), m_programName(programName), m_role(role)
{
    setObjectName(windowName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    // Tab goes round the window's controls, not through the window itself,
    // which a screen reader would announce in place of the control reached.
    setFocusPolicy(Qt::ClickFocus);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!now || !isAncestorOf(now))
            return;
        if (now->focusPolicy() & Qt::TabFocus)
            m_controlInUse = now;
        if (auto *area = qobject_cast<ProgramArea *>(mdiArea()))
            area->bringIntoView(now);
    });

    m_content = new QWidget;
    auto *layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createBanner());

    m_bodyFrame = new SolidFrame;
    m_body = new QVBoxLayout(m_bodyFrame);
    m_body->setContentsMargins(12, 10, 12, 10);
    m_body->setSpacing(8);
    layout->addWidget(m_bodyFrame, 1);
    layout->addWidget(createBrandFrame());
    setWidget(m_content);
}

QString ProgramWindow::BannerText()
{
    return QStringLiteral("Velmora, the liveliest discussion board on the esoteric arts. "
                          "Come and join us!");
}

QString ProgramWindow::FullBrandText()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. "
                          "Click here for more details.");
}

QString ProgramWindow::CoBrandText()
{
    return QStringLiteral("Co-brand this software for your site. Put your name and your web "
                          "address on every window. Click Here for more info on co-branding.");
}

ClickableLabel *ProgramWindow::createBanner()
{
    auto *banner = new ClickableLabel(BannerText());
    banner->setObjectName(QStringLiteral("Label61"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setFont(StarboxFont(8.25, true));
    banner->setMargin(4);
    Paint(banner, kBrandOrange, Qt::white);
    connect(banner, &ClickableLabel::clicked, this, [this] { m_host.openLink(WebLink::HomePage); });
    return banner;
}

QFrame *ProgramWindow::createBrandFrame()
{
    auto *frame = new SolidFrame(Qt::black);
    m_brandFrame = frame;
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setColumnStretch(0, 1);
    m_brandGrid = grid;

    // Two offers at one place: the full-brand offer lies on top and covers
    // the co-brand one, so a click there reaches the full-brand page. What
    // cannot be seen is not reached with Tab or read out either.
    auto *coBrand = new ClickableLabel(CoBrandText(), nullptr, ClickableLabel::Kind::MouseOnly);
    coBrand->setObjectName(QStringLiteral("lblCobrand"));
    auto *fullBrand = new ClickableLabel(FullBrandText());
    fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    for (ClickableLabel *label : {coBrand, fullBrand}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setFont(StarboxFont(8.25, true));
        Paint(label, kBrandOrange, Qt::black);
        grid->addWidget(label, 0, 0);
    }
    fullBrand->raise();
    m_brandOffers = {coBrand, fullBrand};
    connect(fullBrand, &ClickableLabel::clicked, this,
            [this] { m_host.openLink(WebLink::FullBrandPage); });
    connect(coBrand, &ClickableLabel::clicked, this,
            [this] { m_host.openLink(WebLink::CoBrandPage); });
    return frame;
}

QAction *ProgramWindow::makeCommand(const QString &caption, const QString &name)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    return action;
}

FaceButton *ProgramWindow::makeButton(const QString &caption, const QString &name)
{
    auto *created = new FaceButton(caption);
    created->setObjectName(name);
    return created;
}

void ProgramWindow::sizeStripButton(FaceButton *button, int widthTwips)
{
    button->setFont(StarboxFont(8.25, true));
    button->setMinimumSize(Twips(widthTwips), Twips(465));
}

void ProgramWindow::addButtonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *b : buttons)
        row->addWidget(b);
    row->addStretch(1);
    m_body->addLayout(row);
}

void ProgramWindow::setCompactBody()
{
    m_body->setContentsMargins(4, 4, 4, 4);
    m_body->setSpacing(4);
}

void ProgramWindow::setBodyBackground(const QColor &colour)
{
    m_bodyFrame->setColour(colour);
}

void ProgramWindow::setBottomStripColour(const QColor &colour)
{
    m_brandFrame->setColour(colour);
}

void ProgramWindow::addToBottomStrip(QWidget *widget)
{
    m_brandGrid->addWidget(widget, 0, 1, Qt::AlignRight | Qt::AlignVCenter);
}

void ProgramWindow::addToBottomStrip(const QList<QWidget *> &widgets)
{
    auto *strip = new QWidget;
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    addToBottomStrip(strip);
}

void ProgramWindow::createMenuBar(const QList<QAction *> &fileCommands,
                                  UpdateCaption updateCaption)
{
    auto *bar = new QMenuBar(m_content);
    bar->setNativeMenuBar(false);

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    for (QAction *action : fileCommands) {
        if (action)
            file->addAction(action);
        else
            file->addSeparator();
    }
    file->addAction(command(QStringLiteral("E&xit"), QStringLiteral("mnuExit"),
                            &ProgramWindow::close));

    AddHelpMenu(bar, m_host, this, updateCaption);

    m_content->layout()->setMenuBar(bar);
}

void ProgramWindow::open()
{
    QMdiArea *area = m_host.programArea();
    QWidget *firstField = nullptr;
    if (mdiArea() != area) {
        // The title bar and frame count only once the window is in the area.
        // The window takes the room it would like, as far as the area has it.
        area->addSubWindow(this);
        placeBrandLastInTabOrder();
        PrepareForScreenReaders(this);
        // The area may widen the window past its hint (room for the title
        // bar's buttons), so it is centred at the width it was given. A
        // window keeps its size in a smaller area: the main window scrolls.
        QSize size = sizeHint();
        if (m_designedWidth > 0) // the frame around the client area, and the client area
            size.setWidth(size.width() - m_content->sizeHint().width() + Twips(m_designedWidth));
        resize(size.expandedTo(minimumSizeHint()));
        growToContent();
        // The area gives back the room of the windows closed before this
        // one, so that it is centred across the area as it will stay.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        move(TopCentre(area, width()));
        firstField = openingFocus();
    } else {
        placeAtTopCentre();
    }
    show();
    if (firstField)
        firstField->setFocus(Qt::OtherFocusReason);
    // The caption comes last: the area lays the title bar out again on every
    // change of geometry while a window settles, and an empty caption is cheap.
    setWindowTitle(caption());
}

QList<QWidget *> ProgramWindow::tabStops() const
{
    QList<QWidget *> stops;
    QWidget *step = nextInFocusChain();
    for (int guard = 0; step && step != this && guard < 10000; ++guard, step = step->nextInFocusChain()) {
        if (isAncestorOf(step) && (step->focusPolicy() & Qt::TabFocus))
            stops.append(step);
    }
    return stops;
}

void ProgramWindow::placeLastInTabOrder(QWidget *control)
{
    m_lastStops.append(control);
}

void ProgramWindow::placeBrandLastInTabOrder()
{
    // The brand frame is made before the window's own controls, so Tab
    // would reach the offers at the bottom before them: they go last,
    // after the controls asked to come after the rest.
    QWidget *last = nullptr;
    for (QWidget *stop : tabStops()) {
        if (!m_brandOffers.contains(stop) && !m_lastStops.contains(stop))
            last = stop;
    }
    for (QWidget *control : std::as_const(m_lastStops)) {
        if (last && control->window() == last->window())
            QWidget::setTabOrder(last, control);
        last = control;
    }
    for (QWidget *offer : m_brandOffers) {
        if (offer->focusPolicy() == Qt::NoFocus)
            continue; // the covered offer is no stop
        if (last && offer->window() == last->window())
            QWidget::setTabOrder(last, offer);
        last = offer;
    }
}

QWidget *ProgramWindow::openingFocus() const
{
    // An input window opens ready for typing, in its first text box, even
    // where a button comes before it; any other window on its first
    // control that is not a link to a web page.
    for (QWidget *stop : tabStops()) {
        if (!stop->isVisibleTo(this) || !stop->isEnabled())
            continue;
        const auto *label = qobject_cast<ClickableLabel *>(stop);
        if (m_role == WindowRole::Input ? qobject_cast<QLineEdit *>(stop) != nullptr
                                         : !label || label->kind() != ClickableLabel::Kind::Link)
            return stop;
    }
    return nullptr;
}

QString ProgramWindow::CaptionOf(const QString &programName)
{
    return QStringLiteral("Orla ") + programName;
}

QPoint ProgramWindow::TopCentre(const QMdiArea *area, int windowWidth)
{
    return {std::max(0, (area->viewport()->width() - windowWidth) / 2), 0};
}

void ProgramWindow::growToContent()
{
    // An MDI window takes no notice of heights that depend on the width:
    // wrapped texts would be squeezed onto one another.
    if (!mdiArea())
        return;
    layout()->activate(); // the content takes the window's width
    const int needed = m_content->layout()->totalMinimumHeightForWidth(m_content->width());
    if (needed > m_content->height())
        resize(width(), height() + needed - m_content->height());
}

void ProgramWindow::placeAtTopCentre()
{
    if (QMdiArea *area = mdiArea())
        move(TopCentre(area, width()));
}

void ProgramWindow::openDisplay(ProgramWindow *display)
{
    if (m_display && m_display != display)
        m_display->close();
    m_display = display;
    display->open();
    hide();
    m_host.setSelectorVisible(false);
}

void ProgramWindow::backTo(ProgramWindow *input)
{
    if (input) {
        input->show();
        input->placeAtTopCentre();
        // The details come back ready to change, in their first box.
        if (QWidget *first = input->openingFocus())
            first->setFocus(Qt::OtherFocusReason);
    }
    m_closingForBack = true;
    close();
    m_host.setSelectorVisible(false);
}

void ProgramWindow::keyPressEvent(QKeyEvent *event)
{
    if (!PressButtonForEnter(event, this))
        QMdiSubWindow::keyPressEvent(event);
}

void ProgramWindow::closeEvent(QCloseEvent *event)
{
    if (m_role != WindowRole::Report && !m_closingForBack)
        m_host.setSelectorVisible(true);
    QMdiSubWindow::closeEvent(event);
}
