// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Sun Sign Profile" tab that Gift and Fashion Astrology share: sign,
// element, birthstone, the sign picture, lucky number and day,
// compatibility, and the two trait boxes.

#include "core/sun_sign.h"

#include <QWidget>

struct SignProfile;
class QGridLayout;
class QLabel;
class ReadingBox;

enum class TraitsLayout { SideBySide, Stacked };

// Two captioned values side by side in columns of one width, each caption
// over its value, as the tab shows its traits beside each other.
QGridLayout *SideBySide(QWidget *leftCaption, QWidget *left, QWidget *rightCaption, QWidget *right);

class SignProfileTab : public QWidget
{
    Q_OBJECT
public:
    explicit SignProfileTab(TraitsLayout traits, QWidget *parent = nullptr);

    void showProfile(SunSign sign, const SignProfile &profile);

private:
    QLabel *m_sign = nullptr;
    QLabel *m_element = nullptr;
    QLabel *m_birthstone = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_number = nullptr;
    QLabel *m_day = nullptr;
    QLabel *m_compatibility = nullptr;
    ReadingBox *m_positive = nullptr;
    ReadingBox *m_negative = nullptr;
};
