// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmAbout.h"

#include "frame/clickable_label.h"
#include "frame/fonts.h"
#include "frame/pictures.h"
#include "frame/program_host.h"
#include "shell/reading_programs.h"
#include "shell/startup.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ClickableLabel *LinkLabel(const QString &text, const QString &name)
{
    auto *label = new ClickableLabel(text);
    label->setObjectName(name);
    label->setFont(StarboxFont(8.25, true, true));
    // The desktop's colour for links, on the desktop's background.
    Paint(label, label->palette().color(QPalette::Link));
    return label;
}

} // namespace

frmAbout::frmAbout(ProgramHost &host, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ApplicationCaption());
    setFont(StarboxFont(8.25));

    auto *picture = new QLabel;
    picture->setObjectName(QStringLiteral("picIcon"));
    ShowSvg(picture, QStringLiteral(":/starbox.svg"), QSize(96, 96), QStringLiteral("The Starbox emblem"));

    auto *heading = new QLabel(ApplicationCaption());
    heading->setObjectName(QStringLiteral("lblTitle"));
    heading->setFont(StarboxFont(14, true));

    auto *description = new QLabel(DescriptionText());
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);

    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *offer = new QLabel(QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online. "
        "Get this software fully branded for your website. "));
    offer->setWordWrap(true);
    auto *details = LinkLabel(QStringLiteral("Click here for more details."),
                              QStringLiteral("lblCoBrand"));
    connect(details, &ClickableLabel::clicked, this, [&host] { host.openLink(WebLink::FullBrandPage); });
    auto *home = LinkLabel(QStringLiteral("Visit Velmora Forums online for more fun with the stars"),
                           QStringLiteral("lblHomePage"));
    connect(home, &ClickableLabel::clicked, this, [&host] { host.openLink(WebLink::HomePage); });

    auto *ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(description);
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addWidget(offer);
    layout->addWidget(details);
    layout->addWidget(home);
    layout->addLayout(buttons);
    setMinimumWidth(Twips(7200));
}

QString frmAbout::DescriptionText()
{
    return QStringLiteral("Starbox shows you the fun and entertainment side of astrology. This program includes "
                          "%1. Astrology can make life fun and give you more information about "
                          "the above associated with each zodiac sign personality.")
        .arg(OfferedProgramsText([](const ReadingProgramEntry &program) { return program.name; },
                                 QStringLiteral(" & ")));
}
