#include "core/frame/profile_input_window.h"

#include "core/frame/clickable_label.h"
#include "core/frame/fonts.h"
#include "core/name_filter.h"
#include "core/frame/program_host.h"

#include <QComboBox>
#include <QLineEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

ProfileInputWindow::ProfileInputWindow(ProgramHost &host, const Texts &texts)
    : ProgramWindow(host, texts.programName, texts.windowName, WindowRole::Input)
{
    QString menuCaption = texts.proceedCaption;
    menuCaption.remove(QLatin1Char('&'));
    createMenuBar({command(menuCaption, QStringLiteral("mnuNext"), &ProfileInputWindow::cmdNext_Click)},
                  UpdateCaption::CheckMnemonic);

    auto *intro = new ClickableLabel(texts.introduction);
    intro->setObjectName(QStringLiteral("Label2"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    connect(intro, &ClickableLabel::clicked, this, [this] { this->host().openLink(WebLink::FullBrandPage); });
    body()->addWidget(intro);

    m_details = CreateDetailsFrame(OnlyAlphabetMessage());
    m_next = button(texts.proceedCaption, QStringLiteral("cmdNext"), &ProfileInputWindow::cmdNext_Click);
    m_next->setDefault(true);
    m_details.row->addStretch(1);
    m_details.row->addWidget(m_next, 0, Qt::AlignBottom);
    body()->addWidget(m_details.frame);

    addButtonRow({button(QStringLiteral("E&xit"), QStringLiteral("cmdExit"), &ProfileInputWindow::close)});
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

bool ProfileInputWindow::ValidateDetails()
{
    return passes(::ValidateDetails(EnteredDetails(m_details.names, m_details.date)),
                  [this](DetailsField field) {
                      return FocusTarget(field, m_details.names, m_details.date);
                  });
}

SunSign ProfileInputWindow::EnteredSign(const CuspTable &cusps) const
{
    return SunSignFor(m_details.date.month->currentIndex(), m_details.date.day->currentIndex() + 1,
                      cusps);
}
