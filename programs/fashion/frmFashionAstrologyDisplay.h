#pragma once

#include "core/frame/profile_display_window.h"

struct FashionReading;
class QLabel;
class ReadingBox;

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

    QLabel *m_boldness = nullptr;
    QLabel *m_colorful = nullptr;
    QLabel *m_customMade = nullptr;
    QLabel *m_traditional = nullptr;
    QLabel *m_frilly = nullptr;
    QLabel *m_preferred = nullptr;
    QLabel *m_undesirable = nullptr;
    ReadingBox *m_characteristics = nullptr;
};
