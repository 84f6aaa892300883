// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmMDI.h"

#include "core/file_names.h"
#include "core/saved_reading.h"
#include "frame/accessibility/accessibility.h"
#include "frame/clickable_label.h"
#include "frame/enter_key.h"
#include "frame/fonts.h"
#include "frame/guarded_dialog.h"
#include "frame/help_menu.h"
#include "frame/input_window.h"
#include "frame/messages.h"
#include "frame/pictures.h"
#include "frame/program_area.h"
#include "frame/program_window.h"
#include "reports/report_files.h"
#include "shell/app_settings.h"
#include "shell/frmAbout.h"
#include "shell/links.h"
#include "shell/reading_programs.h"
#include "shell/startup.h"
#include "shell/update_reminder.h"
#include "shell/window_mnemonics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kStripColour(0xC0, 0xC0, 0xFF);

// The browser takes a moment to show: a screen reader hears at once that
// it is on its way.
void AnnounceBrowser()
{
    Announce(QApplication::activeWindow(), QStringLiteral("Opening in your web browser"));
}

// A wrapped label whose height is settled otherwise (a fixed width, a strip
// of fixed height). A height that depends on the width would make the
// window's scroll area ask for the content's preferred height, and scroll
// where everything fits.
void KeepOutOfHeightForWidth(QWidget *label)
{
    QSizePolicy policy = label->sizePolicy();
    policy.setHeightForWidth(false);
    label->setSizePolicy(policy);
}

} // namespace

frmMDI::frmMDI(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(ApplicationCaption());
    setAcceptDrops(true); // saved readings from a file manager
    createMenus();
    new WindowMnemonics(menuBar(), this);

    // The program area and the selector area share one place; the selector
    // covers the program area whenever it is shown.
    m_area = new ProgramArea;
    m_area->setObjectName(QStringLiteral("mdiArea"));
    // The area grows to its windows, and the main window scrolls.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QWidget *selector = createSelectorArea();
    auto *middle = new QGridLayout;
    middle->addWidget(m_area, 0, 0);
    middle->addWidget(selector, 0, 0);
    selector->raise();

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget *banner = createBannerStrip();
    QWidget *buttons = createButtonPanel();
    QWidget *bottom = createBottomStrip();
    layout->addWidget(banner);
    layout->addWidget(buttons);
    layout->addLayout(middle, 1);
    layout->addWidget(bottom);
    // On a screen too small for the window, its content scrolls rather
    // than being squeezed below what its strips and buttons need.
    auto *scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("mdiScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, not to the frame around them
    scroller->setWidgetResizable(true);
    scroller->setWidget(central);
    setCentralWidget(scroller);
    m_ownControls = {banner, buttons, selector, bottom, menuBar()};

    // Designed for a client area of 11880 by 11210 twips; a smaller screen
    // gets a window that fits it, and scrolls.
    QSize size(Twips(11880) + 8, Twips(560 + 1275 + 8640 + 735) + menuBar()->sizeHint().height());
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableSize() - QSize(16, 48));
    resize(size);
}

QString frmMDI::BannerText()
{
    return QStringLiteral("Velmora, the most popular forum on the esoteric. Visit us today!");
}

void frmMDI::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto *exit = new QAction(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmMDI::close);
    file->addAction(exit);

    AddHelpMenu(bar, *this, this, UpdateCaption::UpdateMnemonic);
}

QWidget *frmMDI::createBannerStrip()
{
    // The strip opens the home page too, but the banner on it is the link
    // that Tab and a screen reader reach: the strip itself is no stop.
    auto *strip = new ClickableLabel(QString(), nullptr, ClickableLabel::Kind::Text);
    strip->setObjectName(QStringLiteral("Picture6"));
    strip->setFocusPolicy(Qt::NoFocus);
    strip->setFixedHeight(Twips(560));
    Paint(strip, Qt::black, kStripColour);
    connect(strip, &ClickableLabel::clicked, this, [this] { openLink(WebLink::HomePage); });

    auto *banner = new ClickableLabel(BannerText());
    banner->setObjectName(QStringLiteral("lblVelmoraBanner"));
    banner->setFont(StarboxFont(9.75, true, true));
    banner->setMargin(3);
    Paint(banner, Qt::black, Qt::white);
    connect(banner, &ClickableLabel::clicked, this, [this] { openLink(WebLink::HomePage); });

    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 0, 8, 0);
    row->addWidget(banner, 0, Qt::AlignCenter);
    return strip;
}

QWidget *frmMDI::createButtonPanel()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("picButtonContainer"));
    panel->setFixedHeight(Twips(1275));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);

    const QSize buttonSize(Twips(2610), Twips(495));
    for (const ReadingProgramEntry *program : ReadingPrograms()) {
        const int index = program->button;
        auto *button = new QPushButton(program->name, panel);
        button->setObjectName(QStringLiteral("cmdSelectOption"));
        button->setProperty("index", index);
        button->setFont(StarboxFont(8.25, true));
        button->setFixedSize(buttonSize);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
        SetTextColour(palette, QPalette::ButtonText, Qt::black);
        button->setPalette(palette);
        button->setVisible(program->offered());
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
        m_buttons.append(button);
    }

    int position = 0;
    QWidget *previous = nullptr;
    for (const ReadingProgramEntry *program : SelectorOrder()) {
        auto *picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("imgSelectOption"));
        picture->setProperty("index", program->button);
        ShowSvg(picture, program->picture, QSize(32, 32), program->name);
        const int row = position / 3;
        const int column = (position % 3) * 2;
        QPushButton *button = m_buttons.at(program->button);
        grid->addWidget(picture, row, column);
        grid->addWidget(button, row, column + 1);
        // Tab takes the buttons in the order they are shown.
        if (previous)
            QWidget::setTabOrder(previous, button);
        previous = button;
        ++position;
    }

    auto *centred = new QHBoxLayout(panel);
    centred->addStretch(1);
    centred->addLayout(grid);
    centred->addStretch(1);
    return panel;
}

QWidget *frmMDI::createSelectorArea()
{
    m_picMain = new QWidget;
    m_picMain->setObjectName(QStringLiteral("picMain"));
    Paint(m_picMain, Qt::white, Qt::black);
    m_picMain->setMouseTracking(true);
    m_picMain->installEventFilter(this);

    struct Heading { const char16_t *text; QRgb colour; qreal size; };
    const Heading headings[] = {
        {u"Welcome to Starbox", 0x00FFFF, 12},
        {u"Starbox can bring joy in your lives with its simple and heartwarming programs. "
         u"Try out each of them and have a great time.", 0xFF0000, 8.25},
        {u"Starbox includes the following programs", 0x00FFFF, 12},
    };
    static_assert(std::size(headings) == kCaptionOffset);
    const int captions = kCaptionOffset + int(ReadingPrograms().size());
    for (int index = 0; index < captions; ++index) {
        QString text;
        QColor colour;
        qreal size = 12;
        if (index < kCaptionOffset) {
            text = QString::fromUtf16(headings[index].text);
            colour = QColor::fromRgb(headings[index].colour);
            size = headings[index].size;
        } else {
            const ReadingProgramEntry &entry = ReadingProgramAt(index - kCaptionOffset);
            text = entry.name;
            colour = entry.captionColour;
        }
        // A program's caption runs what its button runs: the button is the
        // one that Tab and a screen reader reach, the caption is for the mouse.
        auto *caption = new ClickableLabel(text, m_picMain,
                                           index < kCaptionOffset ? ClickableLabel::Kind::Text
                                                                  : ClickableLabel::Kind::MouseOnly);
        caption->setObjectName(QStringLiteral("lblCaption"));
        caption->setProperty("index", index);
        caption->setFont(StarboxFont(size, true));
        caption->setAlignment(Qt::AlignCenter);
        caption->setMouseTracking(true);
        caption->installEventFilter(this);
        Paint(caption, colour);
        if (index >= kCaptionOffset)
            caption->setVisible(ReadingProgramAt(index - kCaptionOffset).offered());
        else {
            // A heading, not a link: no hand, and no stop for Tab.
            caption->setCursor(Qt::ArrowCursor);
            caption->setFocusPolicy(Qt::NoFocus);
        }
        connect(caption, &ClickableLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        m_captions.append(caption);
    }
    ClickableLabel *intro = m_captions.at(1);
    intro->setWordWrap(true);
    intro->setFixedWidth(Twips(7200));
    intro->setMinimumHeight(intro->heightForWidth(intro->width()));
    KeepOutOfHeightForWidth(intro);

    auto *column = new QVBoxLayout(m_picMain);
    column->setContentsMargins(0, 16, 0, 16);
    column->setSpacing(10);
    for (int index = 0; index < kCaptionOffset; ++index)
        column->addWidget(m_captions.at(index), 0, Qt::AlignHCenter);
    column->addSpacing(10);
    for (const ReadingProgramEntry *program : SelectorOrder())
        column->addWidget(m_captions.at(program->button + kCaptionOffset), 0, Qt::AlignHCenter);
    column->addStretch(1);
    return m_picMain;
}

QWidget *frmMDI::createBottomStrip()
{
    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("PicCoBrand"));
    strip->setFixedHeight(Twips(735));
    Paint(strip, Qt::black, kStripColour);

    auto *offer = new ClickableLabel(ProgramWindow::FullBrandText());
    offer->setObjectName(QStringLiteral("Label7"));
    offer->setFont(StarboxFont(8.25, true, true));
    offer->setWordWrap(true);
    KeepOutOfHeightForWidth(offer);
    connect(offer, &ClickableLabel::clicked, this, [this] { openLink(WebLink::FullBrandPage); });

    auto *exit = new QPushButton(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("cmdMdiExit"));
    connect(exit, &QPushButton::clicked, this, &frmMDI::close);

    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(12, 2, Twips(120), 2);
    row->addWidget(offer, 1);
    row->addSpacing(12);
    row->addWidget(exit);
    return strip;
}

void frmMDI::setSelectorVisible(bool visible)
{
    m_picMain->setVisible(visible);
    // The last program's window closed: the keyboard comes back to that
    // program's button, and a screen reader says where it is. A focus still
    // on a control of the main window's own stays there.
    QWidget *focus = QApplication::focusWidget();
    if (visible && !m_openingProgram && m_lastProgram >= 0 && (!focus || m_area->isAncestorOf(focus)))
        m_buttons.at(m_lastProgram)->setFocus(Qt::OtherFocusReason);
}

void frmMDI::setOwnControlsEnabled(bool enabled)
{
    // The menu bar takes its titles along: each menu turns its own title
    // off and on with the bar, and all are drawn alike as unavailable.
    for (QWidget *control : m_ownControls)
        control->setEnabled(enabled);
    m_ownControlsEnabled = enabled;
}

void frmMDI::openLink(WebLink link)
{
    OpenLink(link);
    AnnounceBrowser();
}

void frmMDI::openAddress(const QUrl &address)
{
    OpenUrl(address);
    AnnounceBrowser();
}

void frmMDI::remindAboutUpdate(QWidget *parent)
{
    AppSettings settings;
    RemindAboutUpdate(settings, QDate::currentDate(), parent, &OpenDownloadPage);
}

void frmMDI::showAbout(QWidget *parent)
{
    GuardedDialog<frmAbout> about(*this, parent ? parent : this);
    about.exec();
}

void frmMDI::cmdSelectOption_Click(int index)
{
    OpenReadingProgram(index);
}

void frmMDI::lblCaption_Click(int index)
{
    if (index < kCaptionOffset) {
        CloseAllProgramWindows();
        return;
    }
    OpenReadingProgram(index - kCaptionOffset);
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (index < kCaptionOffset || index >= m_captions.size())
        return;
    ClickableLabel *caption = m_captions.at(index);
    QFont font = caption->font();
    font.setUnderline(true);
    caption->setFont(font);
}

void frmMDI::picMain_MouseMove()
{
    for (ClickableLabel *caption : m_captions) {
        QFont font = caption->font();
        font.setUnderline(false);
        caption->setFont(font);
    }
}

ProgramWindow *frmMDI::OpenReadingProgram(int index)
{
    if (index < 0 || index >= ReadingPrograms().size())
        return nullptr;
    m_openingProgram = true;
    CloseAllProgramWindows();
    m_openingProgram = false;
    m_lastProgram = index;
    setSelectorVisible(false);
    ProgramWindow *input = ReadingProgramAt(index).openInput(*this);
    input->open();
    return input;
}

void frmMDI::openSavedFiles(const QStringList &paths)
{
    // Opened from the event loop: a message must not run inside a drop or
    // inside the socket's reading. Only the last files can matter, so no
    // more than those wait, however many arrive.
    m_waitingFiles += paths;
    if (const qsizetype excess = m_waitingFiles.size() - kMaxFilesTried; excess > 0) {
        m_passedOverFiles += excess;
        m_waitingFiles.remove(0, excess);
    }
    QTimer::singleShot(0, this, &frmMDI::openWaitingFiles);
}

namespace {

// A file from outside that could not be opened, and why.
struct Refusal
{
    QString path;
    QString message; // as a message of its own
    QString reason;  // as a line of a list that names the file
};

QString BatchMessage(const QString &opened, qsizetype passedOver, qsizetype tried,
                     const QList<Refusal> &refusals)
{
    if (passedOver == 0 && refusals.size() == 1)
        return refusals.first().message;
    QStringList parts;
    if (passedOver > 0 && !opened.isEmpty()) {
        const QString files =
            passedOver == 1 ? QStringLiteral("the file") : QStringLiteral("%1 files").arg(passedOver);
        parts.append(QStringLiteral("Starbox shows one reading at a time. It opened %1 and passed over "
                                    "%2 given before it.")
                         .arg(ShownPath(opened), files));
    } else if (passedOver > 0) {
        parts.append(QStringLiteral("None of the last %1 files given could be opened, so Starbox passed over "
                                    "the %2 before them.")
                         .arg(tried)
                         .arg(passedOver));
    }
    if (!refusals.isEmpty()) {
        constexpr qsizetype kListed = 5;
        QStringList lines{QStringLiteral("These files could not be opened:")};
        for (const Refusal &refusal : refusals.first(std::min(kListed, refusals.size())))
            lines.append(QStringLiteral("%1: %2").arg(ShownPath(refusal.path), refusal.reason));
        if (refusals.size() > kListed)
            lines.append(QStringLiteral("and %1 more.").arg(refusals.size() - kListed));
        parts.append(lines.join(QLatin1Char('\n')));
    }
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace

void frmMDI::openWaitingFiles()
{
    if (m_waitingFiles.isEmpty())
        return;
    if (QApplication::activeModalWidget() || !m_ownControlsEnabled) {
        QTimer::singleShot(250, this, &frmMDI::openWaitingFiles);
        return;
    }
    // One program shows at a time, so the files are tried from the last
    // one given, and the first that reads is opened; those before it are
    // passed over unread. What went wrong is told once, for them all.
    const QStringList batch = std::exchange(m_waitingFiles, {});
    qsizetype passedOver = std::exchange(m_passedOverFiles, 0);
    QList<Refusal> refusals;
    QString opened;
    for (qsizetype i = batch.size() - 1; i >= 0; --i) {
        const QString &path = batch.at(i);
        const ReadingProgramEntry *program = ProgramForSavedFile(path);
        if (!program) {
            refusals.prepend({path, WrongFileMessage(), WrongFileMessage()});
            continue;
        }
        if (!program->offered()) {
            const QString which =
                QStringLiteral("a saved %1 reading, which this Starbox does not open.").arg(program->name);
            refusals.prepend({path, QStringLiteral("%1 is %2").arg(ShownPath(path), which), which});
            continue;
        }
        QString error;
        const std::optional<SavedDetails> lines = ReadSavedReading(path, program->savedFiles->order, &error);
        if (!lines) {
            refusals.prepend({path, ReadFailedMessage(path, error), ReadFailedReason(error)});
            continue;
        }
        if (auto *input = qobject_cast<InputWindow *>(OpenReadingProgram(program->button)))
            input->showSaved(SavedPerson(*lines));
        opened = path;
        passedOver += i;
        break;
    }
    if (passedOver > 0 || !refusals.isEmpty())
        ShowMessage(this, BatchMessage(opened, passedOver, batch.size(), refusals),
                    refusals.isEmpty() ? MessageIcon::Information : MessageIcon::Stop);
}

void frmMDI::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

namespace {

QStringList LocalFiles(const QMimeData *data)
{
    QStringList files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile() || !url.host().isEmpty())
            continue;
        // The name's bytes, UTF-8 or not. A path holding a NUL
        // ("rose.flo%00.flo") names to the system a file other than the
        // one its end shows.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!path.contains('\0'))
            files.append(FileNameFromBytes(path));
    }
    return files;
}

} // namespace

void frmMDI::dragEnterEvent(QDragEnterEvent *event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMDI::dropEvent(QDropEvent *event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    openSavedFiles(files);
}

void frmMDI::CloseAllProgramWindows()
{
    const auto windowsOf = [this](const QString &program, WindowRole role) {
        QList<ProgramWindow *> found;
        for (QMdiSubWindow *sub : m_area->subWindowList()) {
            auto *window = qobject_cast<ProgramWindow *>(sub);
            if (window && window->programName() == program && window->role() == role)
                found.append(window);
        }
        return found;
    };
    const auto closeAll = [](const QList<ProgramWindow *> &windows) {
        for (ProgramWindow *window : windows)
            window->close();
    };
    for (const ReadingProgramEntry *entry : ReadingPrograms()) {
        for (WindowRole role : {WindowRole::Display, WindowRole::Input, WindowRole::Report})
            closeAll(windowsOf(entry->name, role));
    }
    // A closing report window shows its display window again.
    for (const ReadingProgramEntry *entry : ReadingPrograms())
        closeAll(windowsOf(entry->name, WindowRole::Display));
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    // A logout may close the main window while a dialog is open, the
    // window that opened it waiting in the dialog's own event loop. The
    // dialogs are closed first, and the windows only once every dialog has
    // returned, so that no window is deleted from under a running dialog
    // (some, like the file dialog's question before replacing a file, live
    // on the toolkit's own stack).
    if (QApplication::activeModalWidget() || RunningGuardedDialogs() > 0) {
        for (int tries = 0; tries < 100; ++tries) {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                break;
            modal->close();
            if (modal->isVisible())
                modal->hide(); // one that refuses to close still ends its loop
        }
        event->ignore();
        QTimer::singleShot(10, this, &frmMDI::close);
        return;
    }
    CloseAllProgramWindows();
    QMainWindow::closeEvent(event);
}

void frmMDI::keyPressEvent(QKeyEvent *event)
{
    if (!PressButtonForEnter(event, this))
        QMainWindow::keyPressEvent(event);
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_picMain) {
            picMain_MouseMove();
            return false;
        }
        if (auto *caption = qobject_cast<ClickableLabel *>(watched);
            caption && caption->parent() == m_picMain) {
            lblCaption_MouseMove(caption->property("index").toInt());
            return true; // the pointer is on a caption, not on the background
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
