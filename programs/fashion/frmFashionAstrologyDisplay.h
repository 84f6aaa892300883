// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/frame/profile_display_window.h"
#include "core/frame/reading_fills.h"

struct FashionReading;

// Fashion Astrology's display window: the sign profile, with the trait
// boxes stacked, and the "Fashion Profile" tab; it opens on the profile.
class frmFashionAstrologyDisplay : public ProfileDisplayWindow
{
    Q_OBJECT
public:
    frmFashionAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    void showReading(const FashionReading &reading);

private:
    QWidget *createFashionTab();

    ReadingFills<FashionReading> m_fills;
};
