#include "core/openset.h"
#include "core/reports/reporttesting.h"

#include "followup/calendarexport.h"
#include "followup/conflictcopies.h"
#include "followup/links.h"
#include "followup/todo.h"
#include "followup/todosettings.h"
#include "store/dates.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <libical/ical.h>

using ReportTesting::block;
using ReportTesting::listOf;

namespace {

QStringList company(int number, const QString &code, const QString &name,
                    const QStringList &rows = {}) {
    QStringList content{code, "01/01/2024", name, "", "", "", "", "", "", "", "", "", ""};
    content += "MEMOannonce";
    for (const QString &row : rows)
        content += "DATA" + row;
    return block(5, number, content);
}

struct Day {
    QString code, date, time, action, companyCode, name, result;
    bool validated = false;
    QStringList group{}; // address 1, address 2, postal code, town
    QStringList comment{};
};

QStringList dayAction(int number, const Day &d) {
    QStringList group = d.group;
    group.resize(4);
    QStringList content{d.code,        d.date,      d.time,   d.action,
                        d.companyCode, d.name,      d.result, d.validated ? "Y" : "N",
                        d.name,        group[0],    group[1], group[2],
                        group[3],      "0102030405"};
    for (const QString &line : d.comment)
        content += "MEMO" + line;
    return block(4, number, content);
}

QStringList dayActions(const QList<Day> &days) {
    QStringList lines;
    for (int i = 0; i < days.size(); ++i)
        lines += dayAction(i, days[i]);
    return lines;
}

const QDateTime stamp(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);

// The events of an exported calendar, read back by libical's parser, each
// as "start|end|summary|location|description" keyed by UID.
QMap<QString, QString> events(const QByteArray &ics) {
    QMap<QString, QString> out;
    icalcomponent *calendar = icalparser_parse_string(ics.constData());
    if (!calendar)
        return out;
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        auto time = [](icaltimetype t) { return QString::fromLatin1(icaltime_as_ical_string(t)); };
        out.insert(QString::fromUtf8(icalcomponent_get_uid(e)),
                   QStringList{time(icalcomponent_get_dtstart(e)), time(icalcomponent_get_dtend(e)),
                               QString::fromUtf8(icalcomponent_get_summary(e)),
                               QString::fromUtf8(icalcomponent_get_location(e)),
                               QString::fromUtf8(icalcomponent_get_description(e))}
                       .join(u'|'));
    }
    icalcomponent_free(calendar);
    return out;
}

} // namespace

class TestFollowUp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void todo_data() {
        columns<QString, int, QStringList>("day", "delay", "expected");
        const QString beta = "|1|05/03/2024|14:30 Entretien - Beta",
                      gamma = "|2|10/03/2024|08:15 Appel - Gamma",
                      alpha = "|0|10/03/2024|09:00 Relance - Alpha",
                      unanswered = "sans réponse|0|01/02/2024|Alpha - Candidature",
                      gammaRow = "sans réponse|2|20/02/2024|Gamma - Relance",
                      salon = "opération|0|01/03/2024|Salon - Forum emploi";
        row("before anything is due", "04/03/2024", 14, QStringList{unanswered, salon});
        row("a day action today, a row exactly delay days old", "05/03/2024", 14,
            QStringList{"action" + beta, unanswered, salon});
        row("late first, today's by time, oldest companies first", "10/03/2024", 14,
            QStringList{"en retard" + beta, "action" + gamma, "action" + alpha, unanswered,
                        gammaRow, salon});
        row("a longer delay", "10/03/2024", 30,
            QStringList{"en retard" + beta, "action" + gamma, "action" + alpha, unanswered, salon});
        row("late by date then time, operations by end", "16/03/2024", 14,
            QStringList{"en retard" + beta, "en retard" + gamma, "en retard" + alpha, unanswered,
                        gammaRow, salon, "opération|2|15/03/2024|Annonce"});
    }
    void todo() {
        const auto [day, delay, expected] =
            fetch<QString, int, QStringList>("day", "delay", "expected");
        const BlocList companies = listOf(
            5, company(0, "10001", "Alpha", {"01/02/2024\tCandidature\tEnvoyée"}) +
                   company(1, "10002", "Beta") +
                   company(2, "10003", "Gamma",
                           {"15/01/2024\tCandidature\tEnvoyée", "20/02/2024\tRelance\tCourrier"}) +
                   // Answered by a day action of the same day as its last row.
                   company(3, "10004", "Delta", {"20/02/2024\tCandidature\tEnvoyée"}) +
                   company(4, "10005", "Epsilon", {"pas une date\tCandidature\tEnvoyée"}));
        const BlocList operations = listOf(
            4, ReportTesting::operation(0, "Salon", "Forum emploi", "01/02/2024", "01/03/2024") +
                   ReportTesting::operation(1, "Salon", "Autre", "01/02/2024", "01/03/2024",
                                            {"02/03/2024\tContacts\t2 réponses"}) +
                   ReportTesting::operation(2, "Annonce", "", "01/03/2024", "15/03/2024",
                                            {"12/03/2024\tEnvoi\t"}));
        const BlocList days = listOf(
            4, dayActions({
                   {"1", "10/03/2024", "09:00:00", "Relance", "10001", "Alpha", ""},
                   {"2", "05/03/2024", "14:30:00", "Entretien", "10002", "Beta", ""},
                   {"3", "10/03/2024", "08:15:00", "Appel", "10003", "Gamma", ""},
                   {"4", "01/03/2024", "10:00:00", "Visite", "10001", "Alpha", "", true},
                   {"5", "20/02/2024", "10:00:00", "Appel", "10004", "Delta", "Refus", true},
                   {"6", "pas une date", "10:00:00", "Appel", "10001", "Alpha", ""},
                   // A result older than Gamma's last row answers nothing.
                   {"7", "01/02/2024", "10:00:00", "Appel", "10003", "Gamma", "Rappeler", true},
               }));
        QStringList got;
        for (const Todo::Line &line :
             Todo::lines(companies, operations, days, Dates::parse(day), delay))
            got << QStringList{Todo::word(line.kind), QString::number(line.block),
                               Dates::format(line.date), line.label}
                       .join(u'|');
        QCOMPARE(got, expected);
    }
    void calendarText_data() {
        // expected: start|end|summary|location|description
        columns<QList<Day>, QString, QStringList>("days", "from", "expected");
        row("one hour, the group's address, comment lines",
            QList<Day>{{"10001", "12/03/2024", "14:30:00", "Entretien", "10004", "Durand SARL", "",
                        false, QStringList{"3 rue Haute", "Bât. B", "75001", "Paris"},
                        QStringList{"Apporter le CV", "Demander M. Roux"}}},
            "",
            QStringList{"20240312T143000|20240312T153000|Entretien - Durand SARL|3 rue Haute, Bât. "
                        "B, 75001 Paris|Apporter le CV\nDemander M. Roux"});
        row("commas, semicolons and backslashes come back as typed",
            QList<Day>{{"10001", "12/03/2024", "09:00:00", "Appel; relance", "1", "A, B \\ C", "",
                        false, QStringList{"1, rue du Port;", "", "13002", "Marseille"},
                        QStringList{"a;b,c\\d"}}},
            "",
            QStringList{"20240312T090000|20240312T100000|Appel; relance - A, B \\ C|1, rue du "
                        "Port;, 13002 Marseille|a;b,c\\d"});
        const QString longText =
            QString("Réunion d'équipe élargie à Saint-Étienne ").repeated(4).trimmed();
        row("long accented text folded and read back whole",
            QList<Day>{{"10001", "12/03/2024", "09:00:00", longText, "1", "Société Générale", "",
                        false, QStringList{}, QStringList{longText}}},
            "",
            QStringList{"20240312T090000|20240312T100000|" + longText.trimmed() +
                        " - Société Générale||" + longText});
        row("no time: the whole day",
            QList<Day>{{"10001", "12/03/2024", "", "Salon", "1", "Forum", ""}}, "",
            QStringList{"20240312|20240313|Salon - Forum||"});
        row("no date, or before the first day asked: no event",
            QList<Day>{{"10001", "", "09:00:00", "Appel", "1", "A", ""},
                       {"10002", "11/03/2024", "09:00:00", "Appel", "1", "B", ""},
                       {"10003", "12/03/2024", "09:00:00", "Appel", "1", "C", ""}},
            "12/03/2024", QStringList{"20240312T090000|20240312T100000|Appel - C||"});
    }
    void calendarText() {
        const auto [days, from, expected] =
            fetch<QList<Day>, QString, QStringList>("days", "from", "expected");
        const QByteArray ics =
            CalendarExport::calendar(listOf(4, dayActions(days)), "id", Dates::parse(from), stamp);
        QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
        for (const QByteArray &line : ics.split('\n')) {
            QVERIFY2(line.isEmpty() || line.endsWith('\r'), line.constData());
            QVERIFY2(line.size() <= 76, line.constData()); // 75 octets and the CR
        }
        QCOMPARE(events(ics).values(), expected);
    }
    void stableUids_data() {
        QTest::addColumn<int>("change");
        row("an earlier day action deleted, the blocks renumbered", 0);
        row("a day action added", 1);
        row("a day action rewritten to the end of the file", 2);
        row("a code written twice", 3);
    }
    void stableUids() {
        QFETCH(int, change);
        QList<Day> days{{"10001", "12/03/2024", "09:00:00", "Appel", "1", "A", ""},
                        {"10002", "13/03/2024", "09:00:00", "Visite", "1", "B", ""},
                        {"10003", "14/03/2024", "09:00:00", "Salon", "1", "C", ""}};
        auto uids = [](const QList<Day> &list) {
            QMap<QString, QString> bySummary;
            const QMap<QString, QString> found = events(CalendarExport::calendar(
                listOf(4, dayActions(list)), CalendarExport::identity("/a/Suivi.tvr"), {}, stamp));
            for (auto it = found.begin(); it != found.end(); ++it)
                bySummary.insert(it.value().section(u'|', 2, 2), it.key());
            return bySummary;
        };
        const QMap<QString, QString> before = uids(days);
        QCOMPARE(before.size(), 3);
        QList<Day> after = days;
        if (change == 0)
            after.removeFirst();
        else if (change == 1)
            after.append({"10004", "15/03/2024", "09:00:00", "Forum", "1", "D", ""});
        else if (change == 2)
            after.append(after.takeAt(1));
        else
            after.append({"10002", "15/03/2024", "09:00:00", "Forum", "1", "D", ""});
        const QMap<QString, QString> again = uids(after);
        QCOMPARE(QSet<QString>(again.begin(), again.end()).size(), again.size());
        for (auto it = again.begin(); it != again.end(); ++it)
            if (before.contains(it.key()))
                QCOMPARE(it.value(), before.value(it.key()));
    }
    void linkLines_data() {
        // links: code|date|path, or "-" for a kept line
        columns<QByteArray, QStringList>("file", "links");
        row("links, relative and absolute, CR LF or LF",
            QByteArray("10001\t12/03/2024\tlettres/Durand.pdf\r\n10002\t13/03/2024\t/home/p/CV "
                       "2024.pdf\n"),
            QStringList{"10001|12/03/2024|lettres/Durand.pdf",
                        "10002|13/03/2024|/home/p/CV 2024.pdf"});
        row("bad lines kept in place",
            QByteArray("10001\t31/02/2024\ta.pdf\n\nsans tabulation\n10001\t12/03/2024\t\n"
                       "\t12/03/2024\tb.pdf\n10001\t1/3/2024\tc.pdf\n10003\t12/03/2024\td\xff.pdf\n"
                       "10004\t12/03/2024\te.pdf"),
            QStringList{"-", "-", "-", "-", "-", "-", "-", "10004|12/03/2024|e.pdf"});
        row("a TAB inside the path, a byte-order mark before the first code",
            QByteArray("\xEF\xBB\xBF"
                       "10001\t12/03/2024\tun\tdeux.pdf\r"),
            QStringList{"10001|12/03/2024|un\tdeux.pdf"});
    }
    void linkLines() {
        const auto [file, links] = fetch<QByteArray, QStringList>("file", "links");
        const Links::LinkFile parsed = Links::LinkFile::parse(file);
        QStringList got;
        for (const Links::Link &link : parsed.lines())
            got << (link.valid ? link.code + u'|' + Dates::format(link.date) + u'|' + link.path
                               : QStringLiteral("-"));
        QCOMPARE(got, links);
        // Written back line for line, whatever could be read.
        QByteArray expected = file;
        expected.replace("\r\n", "\n").replace('\r', '\n');
        if (!expected.endsWith('\n'))
            expected += '\n';
        QCOMPARE(parsed.bytes(), expected.replace("\n", "\r\n"));
    }
    void storedPaths_data() {
        // moved: once the data set is saved in /d/autre
        columns<QString, QString, QString>("file", "stored", "moved");
        row("under the folder: relative", "/d/suivi/lettres/a.pdf", "lettres/a.pdf",
            "/d/suivi/lettres/a.pdf");
        row("beside the data set", "/d/suivi/a.pdf", "a.pdf", "/d/suivi/a.pdf");
        row("elsewhere: absolute", "/d/autre/a.pdf", "/d/autre/a.pdf", "a.pdf");
        row("a folder that only starts alike", "/d/suivi2/a.pdf", "/d/suivi2/a.pdf",
            "/d/suivi2/a.pdf");
    }
    void storedPaths() {
        const auto [file, stored, moved] =
            fetch<QString, QString, QString>("file", "stored", "moved");
        QCOMPARE(Links::stored(file, "/d/suivi"), stored);
        QCOMPARE(Links::resolved(stored, "/d/suivi"), file);
        const QByteArray lines = "sans tabulation\n10001\t12/03/2024\t" + stored.toUtf8() + '\n';
        const Links::LinkFile after = Links::LinkFile::parse(lines).movedTo("/d/suivi", "/d/autre");
        QCOMPARE(after.bytes(), "sans tabulation\r\n10001\t12/03/2024\t" + moved.toUtf8() + "\r\n");
    }
    void changedOnDisk_data() {
        // content: empty: touched only
        columns<QString, QByteArray, bool>("file", "content", "changed");
        row("nothing changed", "", QByteArray(), false);
        row("data file rewritten", "suivi.tvr", QByteArray("autre\r\n"), true);
        row("day actions, same size", "suivi.jnr", QByteArray("<BLOC0001>\r\n"), true);
        row("operations created meanwhile", "suivi.opr", QByteArray("x\r\n"), true);
        row("touched, content the same", "suivi.tvr", QByteArray(), false);
    }
    void changedOnDisk() {
        const auto [file, content, changed] =
            fetch<QString, QByteArray, bool>("file", "content", "changed");
        OpenSet set;
        set.write("suivi.tvr", company(0, "10001", "Alpha"));
        set.write("suivi.jnr", {"<BLOC0000>"});
        QVERIFY(set.open());
        DataSet &data = set.data;
        const QString name = set.path("suivi.tvr"), path = set.path(file);
        data.SetModif();
        QByteArray theirs;
        if (!file.isEmpty()) {
            theirs = content.isEmpty() ? TextFile::readBytes(path) : content;
            writeFile(path, theirs);
            // Another computer's write, a moment later.
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                  QFileDevice::FileModificationTime));
        }
        QCOMPARE(data.Sauve(name), !changed);
        if (changed) {
            QCOMPARE(data.saveConflicts(), QStringList{path});
            QVERIFY(set.messages.last().startsWith(DataSet::ChangedOnDiskMessage));
            QVERIFY(set.messages.last().endsWith(file));
            QCOMPARE(TextFile::readBytes(path), theirs);
            QVERIFY(data.TestModif());
            // Replacing is the user's explicit choice.
            QVERIFY(data.Sauve(name, true));
            QVERIFY(TextFile::readBytes(path) != theirs);
        }
        QVERIFY(data.changedOnDisk().isEmpty());
    }
    void conflictCopies_data() {
        columns<QString, bool>("name", "copy");
        row("Syncthing", "Suivi.sync-conflict-20240312-101500-ABCDEFG.tvr", true);
        row("Dropbox", "Suivi (conflicted copy 2024-03-12).jnr", true);
        row("French, case ignored", "suivi (Copie en conflit de Paul).opr", true);
        row("ownCloud", "Suivi_conflict-20240312-101500.tvr", true);
        row("the data set itself", "Suivi.tvr", false);
        row("a backup", "Suivi.tvr.bak", false);
        row("another data set's copy", "Suivi2.sync-conflict-20240312.tvr", false);
        row("another name", "Autre (conflicted copy).tvr", false);
    }
    void conflictCopies() {
        const auto [name, copy] = fetch<QString, bool>("name", "copy");
        QTemporaryDir dir;
        for (const QString &file : {QStringLiteral("Suivi.tvr"), name})
            writeFile(dir.filePath(file), "x");
        QCOMPARE(ConflictCopies::beside(dir.filePath("Suivi.tvr")),
                 copy ? QStringList{name} : QStringList{});
    }
    void todoSettings_data() {
        columns<QByteArray, bool, int>("file", "show", "delay");
        row("both set", QByteArray("0\r\n21\r\n"), false, 21);
        row("unreadable delay keeps the default", QByteArray("1\r\nx\r\n"), true, 14);
        row("a delay below one day keeps the default", QByteArray("0\r\n0\r\n"), false, 14);
    }
    void todoSettings() {
        const auto [file, show, delay] = fetch<QByteArray, bool, int>("file", "show", "delay");
        QTemporaryDir dir;
        const QString path = dir.filePath(TodoSettings::FileName);
        writeFile(path, file);
        for (const bool saved : {false, true}) { // as read, then as written and read again
            TodoSettings settings;
            QVERIFY(settings.load(path));
            QCOMPARE(settings.showAtStart, show);
            QCOMPARE(settings.delay, delay);
            QVERIFY(saved || settings.save(path));
        }
    }
};

QTEST_GUILESS_MAIN(TestFollowUp)
#include "tst_followup.moc"
