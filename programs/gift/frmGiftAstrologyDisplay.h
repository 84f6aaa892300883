// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/profile_display_window.h"
#include "programs/gift/gift_reading.h"

// Gift Astrology's display window: the sign profile and the "Gift Profile"
// tab with five gift ideas and the gift personality; it opens on the gift
// tab.
class frmGiftAstrologyDisplay : public ProfileDisplayWindow<GiftReading>
{
    Q_OBJECT
public:
    frmGiftAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

private:
    QWidget *createGiftTab();

    void filled() override;
};
