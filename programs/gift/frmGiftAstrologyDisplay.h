// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/frame/profile_display_window.h"
#include "core/frame/reading_fills.h"

struct GiftReading;

// Gift Astrology's display window: the sign profile and the "Gift Profile"
// tab with five gift ideas and the gift personality; it opens on the gift
// tab.
class frmGiftAstrologyDisplay : public ProfileDisplayWindow
{
    Q_OBJECT
public:
    frmGiftAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    void showReading(const GiftReading &reading);

private:
    QWidget *createGiftTab();

    ReadingFills<GiftReading> m_fills;
};
