// The follow-up commands of the main window: today's to-do, the calendar
// export, and a data set changed on disk by another computer.

#include "followup/conflictcopies.h"
#include "followup/todowindow.h"
#include "ui/mainwindowtesting.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2025, 3, 10);

// A company whose last follow-up row is of day.
QStringList followedCompany(int block, const QString &code, const QString &name,
                            const QString &day) {
    return companyBlock(block, code, name, {}, {},
                        {"MEMOannonce", "DATA" + day + "\tCandidature\tEnvoyée"});
}

} // namespace

class TestFollowUpWindows : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    // a.tvr: a company unanswered since 01/02, one followed up lately; day
    // actions of 05/03 (late), 10/03 (today) and 11/03 (to come), for a
    // company of another data set.
    void writeSet(const QString &firstName = QStringLiteral("Alpha")) {
        writeLines(path("a.tvr"), followedCompany(0, "10001", firstName, "01/02/2025") +
                                      followedCompany(1, "10002", "Beta", "05/03/2025"));
        writeLines(path("a.opr"), {});
        writeLines(path("a.jnr"), dayActionBlock(0, "1", "11/03/2025", "10009", "N") +
                                      dayActionBlock(1, "2", "10/03/2025", "10009", "N") +
                                      dayActionBlock(2, "3", "05/03/2025", "10009", "N"));
    }
    // The main window on a.tvr, once written.
    void start() {
        startForm();
        data().setClock([] { return QDateTime(Today, QTime(9, 0)); });
        openSet();
    }
    void openSet() {
        m_dialogs->files << path("a.tvr");
        m_form->OpenItemClick();
    }
    static TodoWindow *todo() {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *todo = qobject_cast<TodoWindow *>(window))
                return todo;
        return nullptr;
    }
    QStringList rows() const {
        QStringList out;
        auto *list = todo()->findChild<QTreeWidget *>("list");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = list->topLevelItem(i);
            out << item->text(0) + '|' + item->text(1) + '|' + item->text(2);
        }
        return out;
    }
    QString shownCompany() const { return m_form->findChild<QLineEdit *>("editSociete")->text(); }

private Q_SLOTS:
    void cleanupTestCase() { leaveFolder(); }
    void init() { enterFolder(); }
    void cleanup() { stopForm(); }
    // Opening shows the lines in the core's order; Enter and a double-click
    // open the record of the line on the card.
    void todoAtOpening() {
        writeSet();
        start();
        QVERIFY(todo() && todo()->isVisible());
        QCOMPARE(rows(), QStringList({"en retard|05/03/2025|14:30 Entretien - Société",
                                      "action|10/03/2025|14:30 Entretien - Société",
                                      "sans réponse|01/02/2025|Alpha - Candidature"}));
        auto *list = todo()->findChild<QTreeWidget *>("list");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_form->fiche()->currentKind(), Kind::DayAction);
        QCOMPARE(data().current(Kind::DayAction), 1);
        doubleClick(list, 2, 0);
        QCOMPARE(m_form->fiche()->currentKind(), Kind::Company);
        QCOMPARE(shownCompany(), QStringLiteral("Alpha"));
        QCOMPARE(m_dialogs->messages, QStringList());
    }
    // At an opening the window shows only when asked and when something is
    // due; the command shows it always.
    void todoShownWhen_data() {
        columns<QByteArray, bool, bool>("settings", "late", "shown");
        row("default, due", QByteArray(), true, true);
        row("not at start", QByteArray("0\r\n14\r\n"), true, false);
        row("nothing due", QByteArray("1\r\n60\r\n"), false, false);
    }
    void todoShownWhen() {
        const auto [settings, late, shown] =
            fetch<QByteArray, bool, bool>("settings", "late", "shown");
        writeSet();
        if (!late)
            writeLines(path("a.jnr"), {});
        if (!settings.isEmpty())
            writeFile(path("Tavrin.taf"), settings);
        start();
        QCOMPARE(todo() && todo()->isVisible(), shown);
        action("actionAFaire")->trigger();
        QVERIFY(todo()->isVisible());
        QCOMPARE(todo()->findChild<QLabel *>("empty")->isVisibleTo(todo()), !late && !shown);
    }
    // The box and the delay, changed by mouse and keys, are kept in the file
    // at once; the list follows the delay.
    void todoSettingsKept() {
        writeSet();
        start();
        auto *box = todo()->findChild<QCheckBox *>("checkDemarrage");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(fileBytes(path("Tavrin.taf")), QByteArray("0\r\n14\r\n"));
        auto *spin = todo()->findChild<QSpinBox *>("spinDelai");
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, "40");
        QCOMPARE(fileBytes(path("Tavrin.taf")), QByteArray("0\r\n40\r\n"));
        QCOMPARE(rows().size(), 2); // Alpha's 37 days are within 40
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(fileBytes(path("Tavrin.taf")), QByteArray("1\r\n40\r\n"));
    }
    void conflictCopiesNamedOnce() {
        writeSet();
        writeLines(path("a.sync-conflict-20250301-101500-ABC.tvr"), {});
        start();
        openSet();
        QCOMPARE(m_dialogs->messages,
                 QStringList{ConflictCopies::message({"a.sync-conflict-20250301-101500-ABC.tvr"})});
    }
    void exportCalendar() {
        writeSet();
        start();
        m_dialogs->files << path("agenda") << path("agenda");
        m_dialogs->answers << QMessageBox::Yes;
        action("actionExporterAgenda")->trigger();
        action("actionExporterAgenda")->trigger();
        QCOMPARE(m_dialogs->filters.last(), QStringLiteral("Agenda iCalendar (*.ics)"));
        QCOMPARE(m_dialogs->warnings,
                 QStringList{"Le fichier agenda.ics existe déjà.\nVoulez-vous le remplacer ?"});
        const QByteArray ics = fileBytes(path("agenda.ics"));
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(ics.count("BEGIN:VEVENT"), 3);
        QCOMPARE(m_form->findChild<QLabel *>("statusHint")->text(),
                 QStringLiteral("3 événements écrits dans l'agenda"));
    }
    // Each answer to a save stopped by a file another computer changed.
    void saveStoppedByDiskChange_data() {
        columns<int, QString, QString, QString, bool>("pick", "inA", "inB", "shown", "modified");
        row("Recharger", 0, u"Autre"_s, QString(), u"Autre"_s, false);
        row("Enregistrer sous", 1, u"Autre"_s, u"Alpha moi"_s, u"Alpha moi"_s, false);
        row("Remplacer", 2, u"Alpha moi"_s, QString(), u"Alpha moi"_s, false);
        row("Annuler", 3, u"Autre"_s, QString(), u"Alpha moi"_s, true);
    }
    void saveStoppedByDiskChange() {
        const auto [pick, inA, inB, shown, modified] =
            fetch<int, QString, QString, QString, bool>("pick", "inA", "inB", "shown", "modified");
        writeSet();
        start();
        QTest::keyClicks(m_form->findChild<QLineEdit *>("editSociete"), " moi");
        writeSet("Autre");
        m_dialogs->picks << pick;
        m_dialogs->files << path("b.tvr");
        action("actionEnregistrer")->trigger();
        QCOMPARE(m_dialogs->choices.size(), 1);
        QVERIFY(m_dialogs->choices.first().contains("a.tvr"));
        QCOMPARE(m_dialogs->messages, QStringList());
        QVERIFY(QString::fromLatin1(fileBytes(path("a.tvr"))).contains(inA));
        if (!inB.isEmpty())
            QVERIFY(QString::fromLatin1(fileBytes(path("b.tvr"))).contains(inB));
        QCOMPARE(shownCompany(), shown);
        QCOMPARE(data().TestModif(), modified);
    }
    // A change on disk reloads an unchanged set, keeping the record shown;
    // with unsaved changes it asks, and the program's own save is quiet.
    void watcherReloads() {
        writeSet();
        start();
        action("actionDernier")->trigger();
        writeLines(path("a.tvr"), followedCompany(0, "10001", "Alpha", "01/02/2025") +
                                      followedCompany(1, "10002", "Beta 2", "05/03/2025"));
        QTRY_COMPARE_WITH_TIMEOUT(shownCompany(), QStringLiteral("Beta 2"), 5000);
        QTest::keyClicks(m_form->findChild<QLineEdit *>("editSociete"), " moi");
        writeSet("Autre");
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->choices.size(), 1, 5000);
        QCOMPARE(shownCompany(), QStringLiteral("Beta 2 moi"));
        m_dialogs->picks << 2; // Remplacer
        action("actionEnregistrer")->trigger();
        QTest::qWait(2 * 500 + 200);
        QCOMPARE(m_dialogs->choices.size(), 2);
        QCOMPARE(m_dialogs->messages, QStringList());
    }
};

QTEST_MAIN(TestFollowUpWindows)
#include "tst_followupwindows.moc"
