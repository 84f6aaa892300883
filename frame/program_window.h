// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frame every program window shares: caption "Orla <program>", placement
// centred at the top of the program area, the menu bar with the common Help
// commands, the banner and brand labels, and the moves between the input
// window, the display window and the selector.
//
// A program window is an MDI child of the main window. Subclasses fill
// body() and state their File menu commands; everything else is here.

#include "frame/face_button.h"
#include "frame/help_menu.h"

#include <QList>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include <type_traits>

class ProgramHost;
class QAction;
class QFrame;
class QGridLayout;
class QLabel;
class QMdiArea;
class QMenuBar;
class QVBoxLayout;
class ClickableLabel;
class SolidFrame;

enum class WindowRole { Input, Display, Report };

class ProgramWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    ProgramWindow(ProgramHost &host, const QString &programName, const QString &windowName,
                  WindowRole role);

    const QString &programName() const { return m_programName; }
    // "Orla " and the program's name; the window shows it once opened.
    QString caption() const { return CaptionOf(m_programName); }
    static QString CaptionOf(const QString &programName);
    WindowRole role() const { return m_role; }

    // Shows the window in the host's program area, centred at the top; the
    // first time, with the focus on its first field.
    void open();

    // The control of this window that last had the keyboard's focus, of
    // those Tab reaches (not a menu bar the focus passed through); null
    // before any had it.
    QWidget *controlInUse() const { return m_controlInUse; }

    // Left = (area width - window width) / 2, Top = 0.
    void placeAtTopCentre();

    // The slogan of the banner label shared by program windows.
    static QString BannerText();
    static QString FullBrandText();
    static QString CoBrandText();

protected:
    ProgramHost &host() const { return m_host; }

    // The area between the banner and the brand frame.
    QVBoxLayout *body() const { return m_body; }

    // Builds the menu bar: File with the given commands (a null entry is a
    // separator) and then "E&xit"; Help; and the unavailable
    // "Make Money &Online".
    void createMenuBar(const QList<QAction *> &fileCommands, UpdateCaption updateCaption);

    // A File menu command with its objectName, run by the given slot.
    template <typename Slot>
    QAction *command(const QString &caption, const QString &name, Slot slot)
    {
        QAction *action = makeCommand(caption, name);
        connectToThis(action, &QAction::triggered, slot);
        return action;
    }

    // A push button with its objectName, run by the given slot.
    template <typename Slot>
    FaceButton *button(const QString &caption, const QString &name, Slot slot)
    {
        FaceButton *created = makeButton(caption, name);
        connectToThis(created, &QPushButton::clicked, slot);
        return created;
    }

    // A button for the bottom strip: bold, as wide as given, one strip
    // button high.
    template <typename Slot>
    FaceButton *stripButton(const QString &caption, const QString &name, Slot slot, int widthTwips)
    {
        FaceButton *created = button(caption, name, slot);
        sizeStripButton(created, widthTwips);
        return created;
    }

    // A row of buttons, centred, at the end of the body.
    void addButtonRow(const QList<QPushButton *> &buttons);

    // Puts a control at the right end of the bottom strip, beside the brand
    // offers.
    void addToBottomStrip(QWidget *widget);
    // Puts controls in a row at the right end of the bottom strip.
    void addToBottomStrip(const QList<QWidget *> &widgets);

    // Tab reaches this control after the window's other controls, and
    // before the brand offers; controls so placed keep the order given.
    void placeLastInTabOrder(QWidget *control);

    // Fills the area between the banner and the brand frame with a colour.
    void setBodyBackground(const QColor &colour);

    // Colours the bottom strip around the brand offers, which stay on black.
    void setBottomStripColour(const QColor &colour);

    // The window opens with its client area this wide, or as wide as its
    // controls need where that is more; without it, as wide as they like.
    void setDesignedWidth(int twips) { m_designedWidth = twips; }

    // Narrows the margins around the body, for windows that need the room.
    void setCompactBody();

    // Makes the window as high as its content needs at its width, once its
    // texts are in: it grows, and never shrinks.
    void growToContent();

    // Proceed's last step: show a new display window, hide this input window
    // (which keeps its entries) and the selector. Every reading has a display
    // window of its own; one still open from before is closed first.
    void openDisplay(ProgramWindow *display);

    // Back: show the input window again, close this display window, and keep
    // the selector hidden.
    void backTo(ProgramWindow *input);

    // Form_Unload: a closing input or display window brings the selector back,
    // except when the display window closes through Back.
    void closeEvent(QCloseEvent *event) override;

    // Enter or Return that no control took: on a focused button it presses
    // that button, elsewhere the window's default button (its proceed
    // command).
    void keyPressEvent(QKeyEvent *event) override;

private:
    template <typename T> struct MemberOf;
    template <typename R, typename C, typename... A> struct MemberOf<R (C::*)(A...)>
    {
        using type = C;
    };

    // A slot of this window: a lambda, or a member of this window's own class.
    template <typename Sender, typename Signal, typename Slot>
    void connectToThis(Sender *sender, Signal signal, Slot slot)
    {
        if constexpr (std::is_member_function_pointer_v<Slot>)
            connect(sender, signal, static_cast<typename MemberOf<Slot>::type *>(this), slot);
        else
            connect(sender, signal, this, slot);
    }

    static QPoint TopCentre(const QMdiArea *area, int windowWidth);
    // The window's own controls that Tab can reach, in the order it does.
    QList<QWidget *> tabStops() const;
    void placeBrandLastInTabOrder();
    QWidget *openingFocus() const;
    QAction *makeCommand(const QString &caption, const QString &name);
    FaceButton *makeButton(const QString &caption, const QString &name);
    static void sizeStripButton(FaceButton *button, int widthTwips);
    ClickableLabel *createBanner();
    QFrame *createBrandFrame();

    ProgramHost &m_host;
    QString m_programName;
    WindowRole m_role;
    QWidget *m_content = nullptr;
    SolidFrame *m_bodyFrame = nullptr;
    QVBoxLayout *m_body = nullptr;
    SolidFrame *m_brandFrame = nullptr;
    QGridLayout *m_brandGrid = nullptr;
    QList<QWidget *> m_brandOffers; // co-brand, then full-brand
    QList<QWidget *> m_lastStops;   // placed after the other controls, before the offers

    int m_designedWidth = 0; // twips
    QPointer<QWidget> m_controlInUse;
    bool m_closingForBack = false;
    QPointer<ProgramWindow> m_display; // an input window's current display window
};
