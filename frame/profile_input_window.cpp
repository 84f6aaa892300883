// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/profile_input_window.h"

#include "frame/clickable_label.h"
#include "frame/fonts.h"
#include "core/name_filter.h"
#include "frame/program_host.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

ProfileInputWindow::ProfileInputWindow(ProgramHost &host, const ReadingProgramEntry &program,
                                       const QString &introduction)
    : InputWindow(host, program)
{
    createMenuBar({proceedCommand(QStringLiteral("mnuNext"), Mnemonic::Dropped)}, UpdateCaption::CheckMnemonic);

    auto *intro = new ClickableLabel(introduction);
    intro->setObjectName(QStringLiteral("Label2"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    connect(intro, &ClickableLabel::clicked, this, [this] { this->host().openLink(WebLink::FullBrandPage); });
    body()->addWidget(intro);

    askForThreeNames(OnlyAlphabetMessage(), DateOrder::MonthDayYear);
    m_details = CreateDetailsFrame(threeNames(), dateLists());
    m_details.row->addStretch(1);
    m_details.row->addWidget(createProceedButton(), 0, Qt::AlignBottom);
    body()->addWidget(m_details.frame);

    addButtonRow({createExitButton(QStringLiteral("E&xit"))});
    body()->addStretch(1);
}

void ProfileInputWindow::addToDetailsRow(QWidget *widget)
{
    m_details.row->insertWidget(0, widget);
    // It comes before the date lists on screen, and so for Tab too.
    QWidget *previous = m_details.names.last;
    for (QWidget *control : widget->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus) {
            QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}
