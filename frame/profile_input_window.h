// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The input window that Gift and Fashion Astrology share: the introduction
// Label2, three names and a date of birth in fraName with the proceed button
// cmdNext at the end of its row, Exit, and the seven-step check. Each program
// adds what differs (Gift its gender choice) and states its reading.

#include "frame/input_window.h"

class ProfileInputWindow : public InputWindow
{
    Q_OBJECT
public:
    // introduction: Label2. mnuNext is the proceed caption without its
    // mnemonic.
    ProfileInputWindow(ProgramHost &host, const ReadingProgramEntry &program,
                       const QString &introduction);

protected:
    // The row of fraName that holds the date frame, before cmdNext.
    void addToDetailsRow(QWidget *widget);

private:
    DetailsFrame m_details;
};
