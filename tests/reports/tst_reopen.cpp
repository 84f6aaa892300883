// SPDX-License-Identifier: GPL-3.0-or-later
// Reopening a saved reading in each of the four report programs: the name
// comes back as it was stored, outside the key rule, and a file that cannot
// be read says so once and leaves the entries as they were.

#include "core/file_names.h"
#include "frame/program_window.h"
#include "helpers/file_dialogs.h"
#include "helpers/program_driver.h"
#include "programs/financial/financial_program.h"
#include "programs/flower/flower_program.h"
#include "programs/health/health_program.h"
#include "programs/travel/travel_program.h"
#include "core/saved_reading.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/fsuid.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct ReportProgram
{
    const ReadingProgramEntry &program;
    bool keyRule; // whether its name box holds to the name key rule

    const SavedReadingKind &files() const { return *program.savedFiles; }
};

const ReportProgram kReportPrograms[] = {
    {FinancialProgram(), false},
    {TravelProgram(), false},
    {FlowerProgram(), true},
    {HealthProgram(), true},
};

const ReportProgram &ReportProgramOf(const ReadingProgramEntry &program)
{
    for (const ReportProgram &entry : kReportPrograms) {
        if (&entry.program == &program)
            return entry;
    }
    return kReportPrograms[0];
}

// How the chosen file is spoilt after the open dialog has accepted it.
enum class Spoilt { NoPermission, Folder, Vanished, ReadFails };

constexpr uid_t kNobody = 65534;

} // namespace

class TestReopen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(m_dir.isValid());
    }

    void storedNameComesBackAsStored_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("name");
        for (const ReportProgram &entry : kReportPrograms) {
            const QString program = entry.program.name;
            QTest::newRow(qPrintable(program + u", small letters"_s)) << entry.program.button << u"anna"_s;
            QTest::newRow(qPrintable(program + u", letters and digits"_s)) << entry.program.button << u"R2D2"_s;
        }
    }
    void storedNameComesBackAsStored()
    {
        QFETCH(int, program);
        QFETCH(QString, name);
        const ReportProgram &entry = ReportProgramOf(ReadingProgramAt(program));
        const SavedReadingKind &kind = entry.files();
        const QString path = m_dir.filePath(u"stored."_s + kind.extension);
        QVERIFY(WriteSavedReading(path, {name, u"9"_s, u"March"_s, u"1984"_s}, kind.order));

        ProgramDriver driver{ReadingProgramAt(program)};
        {
            FileDialogAnswer answer(path);
            driver.proceed("cmdOpen");
            QTest::qWait(50); // a refusal's message would show by now
            QCOMPARE(answer.dialogTitles, QStringList{u"Select the source file"_s});
            QCOMPARE(answer.messages.size(), 0);
        }
        QVERIFY(driver.display());
        QCOMPARE(driver.inInput<QLineEdit>("txtName")->text(), name);
        QVERIFY(driver.openReport());
        QVERIFY2(driver.reportBox()->toPlainText().contains(name), qPrintable(driver.reportBox()->toPlainText()));
        driver.report()->close();

        // Typed afterwards, the key rule holds again, for the typed keys only.
        driver.inDisplay<QPushButton>("cmdBack")->click();
        auto *box = driver.inInput<QLineEdit>("txtName");
        QVERIFY(box->isVisible());
        MessageWatcher messages;
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, u"x"_s);
        QTest::qWait(20);
        QCOMPARE(box->text(), name + (entry.keyRule ? u"X"_s : u"x"_s));
        QCOMPARE(messages.seen().size(), 0);
        if (entry.keyRule) {
            QTest::keyClicks(box, u"1"_s);
            QTRY_COMPARE(messages.seen().size(), 1);
            QCOMPARE(box->text(), name + u"X"_s);
        }
    }

    // A date line that is no entry of its list leaves that list as it was;
    // the rest of the file is put back and the reading follows.
    void dateThatIsNoEntryKeepsTheList_data()
    {
        QTest::addColumn<int>("program");
        for (const ReportProgram &entry : kReportPrograms)
            QTest::newRow(qPrintable(entry.program.name)) << entry.program.button;
    }
    void dateThatIsNoEntryKeepsTheList()
    {
        QFETCH(int, program);
        const SavedReadingKind &kind = ReportProgramOf(ReadingProgramAt(program)).files();
        const QString path = m_dir.filePath(u"odd."_s + kind.extension);
        QVERIFY(WriteSavedReading(path, {u"ANNA"_s, u"07"_s, u"Marc"_s, u" 1990"_s}, kind.order));

        ProgramDriver driver{ReadingProgramAt(program)};
        driver.enterDate(9, u"March"_s, 1984);
        {
            FileDialogAnswer answer(path);
            driver.proceed("cmdOpen");
            QTest::qWait(50); // a refusal's message would show by now
            QCOMPARE(answer.messages.size(), 0);
        }
        QVERIFY(driver.display());
        QCOMPARE(driver.inInput<QLineEdit>("txtName")->text(), u"ANNA"_s);
        QCOMPARE(driver.inInput<QComboBox>("cboDate")->currentText(), u"9"_s);
        QCOMPARE(driver.inInput<QComboBox>("cboMonth")->currentText(), u"March"_s);
        QCOMPARE(driver.inInput<QComboBox>("cboYear")->currentText(), u"1984"_s);
    }

    void unreadableFileSaysSo_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("spoilt");
        QTest::addColumn<QString>("reason");
        const struct { Spoilt spoilt; const char16_t *name; const char16_t *reason; } kinds[] = {
            {Spoilt::NoPermission, u"no permission", u"Permission denied"},
            {Spoilt::Folder, u"a folder", u"directory"},
            {Spoilt::Vanished, u"a vanished file", u"No such file or directory"},
            {Spoilt::ReadFails, u"reading fails", u"Input/output error"},
        };
        for (const ReportProgram &entry : kReportPrograms) {
            for (const auto &kind : kinds) {
                QTest::newRow(qPrintable(entry.program.name + u", "_s
                                         + QString::fromUtf16(kind.name)))
                    << entry.program.button << int(kind.spoilt) << QString::fromUtf16(kind.reason);
            }
        }
    }
    void unreadableFileSaysSo()
    {
        QFETCH(int, program);
        QFETCH(int, spoilt);
        QFETCH(QString, reason);
        const ReportProgram &entry = ReportProgramOf(ReadingProgramAt(program));
        const SavedReadingKind &kind = entry.files();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"rose."_s + kind.extension);
        if (Spoilt(spoilt) == Spoilt::ReadFails) {
            // Opens, but every read fails: this process's memory at address 0.
            if (!QFile::exists(u"/proc/self/mem"_s))
                QSKIP("/proc/self/mem, a file whose reading fails, is missing");
            QVERIFY(QFile::link(u"/proc/self/mem"_s, path));
        } else {
            QVERIFY(WriteSavedReading(path, {u"ANNA"_s, u"7"_s, u"May"_s, u"1990"_s}, kind.order));
        }
        // As root, who may read any file, it is read as an ordinary user
        // would read it: with the file system rights of nobody.
        const bool root = geteuid() == 0;
        if (Spoilt(spoilt) == Spoilt::NoPermission && root) {
            setfsuid(kNobody);
            const bool lowered = setfsuid(uid_t(-1)) == int(kNobody);
            setfsuid(0);
            if (!lowered)
                QSKIP("running as root without the right to read as another user: nothing is denied");
        }
        if (Spoilt(spoilt) == Spoilt::NoPermission) {
            QVERIFY(QFile::setPermissions(path, {}));
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                          | QFile::ReadOther | QFile::ExeOther));
        }

        ProgramDriver driver{ReadingProgramAt(program)};
        driver.inInput<QLineEdit>("txtName")->setText(u"ROSE"_s);
        driver.enterDate(9, u"March"_s, 1984);
        QList<SeenMessage> messages;
        bool loweredRights = false;
        {
            ModalWatcher watcher([&](QWidget *modal) {
                if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                    dialog->selectFile(path);
                    static_cast<QDialog *>(dialog)->accept();
                    switch (Spoilt(spoilt)) {
                    case Spoilt::NoPermission:
                        if (root) {
                            setfsuid(kNobody);
                            loweredRights = true;
                        }
                        break;
                    case Spoilt::Folder:
                        QFile::remove(path);
                        QDir().mkdir(path);
                        break;
                    case Spoilt::Vanished:
                        QFile::remove(path);
                        break;
                    case Spoilt::ReadFails:
                        break;
                    }
                } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                    messages.append({box->windowTitle(), box->text(), box->icon()});
                    box->accept();
                }
            });
            driver.proceed("cmdOpen");
        }
        if (loweredRights)
            setfsuid(0);

        QCOMPARE(messages.size(), 1);
        const SeenMessage &message = messages.first();
        QCOMPARE(message.title, u"Starbox"_s);
        QCOMPARE(message.icon, QMessageBox::Critical);
        QVERIFY2(message.text.startsWith(u"The file "_s + ShownPath(path) + u" could not be read.\n"_s), qPrintable(message.text));
        QVERIFY2(message.text.contains(reason, Qt::CaseInsensitive), qPrintable(message.text));
        // Nothing changed, nothing proceeded.
        QCOMPARE(driver.inInput<QLineEdit>("txtName")->text(), u"ROSE"_s);
        QCOMPARE(driver.inInput<QComboBox>("cboDate")->currentText(), u"9"_s);
        QCOMPARE(driver.inInput<QComboBox>("cboMonth")->currentText(), u"March"_s);
        QCOMPARE(driver.inInput<QComboBox>("cboYear")->currentText(), u"1984"_s);
        QVERIFY(!driver.display());
        QVERIFY(driver.input()->isVisible());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestReopen)
#include "tst_reopen.moc"
