// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/profile_display_window.h"
#include "programs/fashion/fashion_reading.h"

// Fashion Astrology's display window: the sign profile, with the trait
// boxes stacked, and the "Fashion Profile" tab; it opens on the profile.
class frmFashionAstrologyDisplay : public ProfileDisplayWindow<FashionReading>
{
    Q_OBJECT
public:
    frmFashionAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

private:
    QWidget *createFashionTab();

    void filled() override;
};
