#pragma once

#include "core/frame/profile_display_window.h"

#include <array>

struct GiftReading;
class QLabel;

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

    std::array<QLabel *, 5> m_ideas{};
    QLabel *m_personality = nullptr;
};
