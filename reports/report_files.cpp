// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_files.h"

#include "frame/accessibility/accessibility.h"
#include "frame/guarded_dialog.h"
#include "frame/messages.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

namespace {

// The file chosen in a save or open dialog of the given title, filter and
// default extension; nothing when cancelled. The dialog is guarded: the
// window it belongs to may be closed, and deleted, while it is open (the
// main window closes under it).
std::optional<QString> ChooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &title,
                                  const QString &filter, const QString &extension)
{
    const bool saving = mode == QFileDialog::AcceptSave;
    GuardedDialog<QFileDialog> dialog(parent, title);
    dialog->setObjectName(saving ? QStringLiteral("dlgSave") : QStringLiteral("dlgOpen"));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(extension);
    // Qt's own dialog does not tie the caption of its list of file types to
    // the list, which a screen reader then speaks by its entry alone.
    auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    if (auto *caption = dialog->findChild<QLabel *>(QStringLiteral("fileTypeLabel")); caption && types)
        NameMadeList(types, caption->text());
    if (dialog.exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

} // namespace

bool SaveReading(QWidget *parent, const SavedReadingKind &kind, const SavedDetails &details)
{
    const std::optional<QString> path = ChooseFile(parent, QFileDialog::AcceptSave, kind.saveTitle,
                                                   kind.saveFilter, kind.extension);
    if (!path)
        return false;
    QString error;
    if (WriteSavedReading(*path, details, kind.order, &error)) {
        // The screen shows nothing of it: a screen reader is told.
        Announce(parent, QStringLiteral("Saved to %1").arg(QFileInfo(*path).fileName()));
        return true;
    }
    ShowMessage(parent, SaveFailedMessage() + QLatin1Char('\n') + error, MessageIcon::Stop);
    return false;
}

std::optional<Person> OpenSavedReading(QWidget *parent, const SavedReadingKind &kind)
{
    const std::optional<QString> chosen = ChooseFile(parent, QFileDialog::AcceptOpen, OpenDialogTitle(),
                                                     kind.openFilter, kind.extension);
    if (!chosen)
        return std::nullopt;
    return ReadSavedReadingFile(parent, kind, *chosen);
}

std::optional<Person> ReadSavedReadingFile(QWidget *parent, const SavedReadingKind &kind,
                                           const QString &path)
{
    if (!HasExtension(path, kind.extension)) {
        ShowMessage(parent, WrongFileMessage(), MessageIcon::Stop);
        return std::nullopt;
    }
    // A file that cannot be read says so, rather than giving empty details
    // that would only be refused as a missing name.
    QString error;
    const std::optional<SavedDetails> lines = ReadSavedReading(path, kind.order, &error);
    if (!lines) {
        ShowMessage(parent, ReadFailedMessage(path, error), MessageIcon::Stop);
        return std::nullopt;
    }
    return SavedPerson(*lines);
}
