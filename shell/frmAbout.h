// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class ProgramHost;

// The About box: what Starbox is, and the maker's offers.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(ProgramHost &host, QWidget *parent = nullptr);

    static QString DescriptionText();
};
