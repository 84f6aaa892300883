#pragma once

// The input window that Gift and Fashion Astrology share: the introduction
// Label2, three names and a date of birth in fraName with the proceed button
// cmdNext at the end of its row, Exit, and the seven-step check. Each program
// adds what differs (Gift its gender choice) and states its cmdNext_Click.

#include "core/frame/details_widgets.h"
#include "core/frame/program_window.h"
#include "core/sun_sign.h"

class ProfileInputWindow : public ProgramWindow
{
    Q_OBJECT
public:
    struct Texts
    {
        QString programName;
        QString windowName;
        QString proceedCaption; // cmdNext, and mnuNext without the mnemonic
        QString introduction;   // Label2
    };

    ProfileInputWindow(ProgramHost &host, const Texts &texts);

public slots:
    virtual void cmdNext_Click() = 0;

protected:
    // The shared check: true when the details may be used; otherwise the
    // message has been shown and the focus moved.
    bool ValidateDetails();
    // The sun sign of the entered date, under a program's cusp days.
    SunSign EnteredSign(const CuspTable &cusps) const;

    // The row of fraName that holds the date frame, before cmdNext.
    void addToDetailsRow(QWidget *widget);

private:
    DetailsFrame m_details;
    QPushButton *m_next = nullptr;
};
