#include "reports/report_files.h"

#include "core/details_widgets.h"
#include "core/guarded_dialog.h"
#include "core/messages.h"
#include "core/name_key_validator.h"

#include <QFileDialog>
#include <QLineEdit>

// The dialogs are guarded: the window they belong to may be closed, and
// deleted, while they are open (the main window closes under them).

bool SaveReading(QWidget *parent, const SavedReadingKind &kind, const SavedDetails &details)
{
    GuardedDialog<QFileDialog> dialog(parent, kind.saveTitle);
    dialog->setObjectName(QStringLiteral("dlgSave"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(kind.saveFilter);
    dialog->setDefaultSuffix(kind.extension);
    if (dialog.exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    const QString path = dialog->selectedFiles().constFirst();
    QString error;
    if (WriteSavedReading(path, details, kind.order, &error))
        return true;
    ShowMessage(parent, SaveFailedMessage() + QLatin1Char('\n') + error, MessageIcon::Stop);
    return false;
}

std::optional<SavedDetails> OpenSavedReading(QWidget *parent, const SavedReadingKind &kind)
{
    GuardedDialog<QFileDialog> dialog(parent, OpenDialogTitle());
    dialog->setObjectName(QStringLiteral("dlgOpen"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(kind.openFilter);
    dialog->setDefaultSuffix(kind.extension);
    if (dialog.exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog->selectedFiles().constFirst();
    if (!HasExtension(path, kind.extension)) {
        ShowMessage(parent, WrongFileMessage(), MessageIcon::Stop);
        return std::nullopt;
    }
    // A file that cannot be read says so, rather than giving empty details
    // that would only be refused as a missing name.
    QString error;
    std::optional<SavedDetails> details = ReadSavedReading(path, kind.order, &error);
    if (!details)
        ShowMessage(parent, ReadFailedMessage(path, error), MessageIcon::Stop);
    return details;
}

bool RestoreSavedReading(QWidget *parent, const SavedReadingKind &kind, QLineEdit *name,
                         const DateLists &date)
{
    const std::optional<SavedDetails> saved = OpenSavedReading(parent, kind);
    if (!saved)
        return false;
    SetStoredName(name, saved->name);
    SelectDateEntries(date, saved->day, saved->month, saved->year);
    return true;
}
