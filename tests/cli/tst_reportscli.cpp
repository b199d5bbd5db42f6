// tavrin-cli stats, report and planning on a data set written for the
// purpose, dated in the current year so that the default period and day apply.
#include "cli/clitest.h"
#include "core/reports/reporttesting.h"
#include "store/textfile.h"

#include <QDate>
#include <QTemporaryDir>

using namespace ReportTesting;

class TestReportsCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString file;
    const int year = QDate::currentDate().year();
    const QString today = QDate::currentDate().toString("dd/MM/yyyy");

    QString day(const char *dayMonth, int y = 0) const {
        return QString::fromLatin1(dayMonth) + u'/' + QString::number(y ? y : year);
    }

private Q_SLOTS:
    void initTestCase() {
        file = dir.filePath("rapport.tvr");
        const QStringList companies = company(0, "10001", "Dupont") + company(1, "10002", "Durand");
        const QStringList operations =
            operation(0, "Salon", "Forum\tParis", day("31/12", year - 1), day("05/03"),
                      {"a\tb\tOui", "a\tb\tNon", "a\tb\t"}) +
            operation(1, "Envoi", "CV", day("01/01"), day("12/01"), {"a\t\tOui"});
        const QStringList days =
            dayAction(0, today, "10:00:00", "Visite", "10002", "Durand\tfils") +
            dayAction(1, day("15/06"), "09:00:00", "Appel", "10099", "Inconnue");
        QVERIFY(TextFile::write(file, companies));
        QVERIFY(TextFile::write(dir.filePath("rapport.opr"), operations));
        QVERIFY(TextFile::write(dir.filePath("rapport.jnr"), days));
    }
    void verbs_data() {
        // args: "F" stands for the data file
        columns<QStringList, int, QString, QString>("args", "status", "out", "err");
        row("stats: day first, a TAB in a summary is a space", QStringList{"stats", "F"}, 0,
            "1\t" + day("05/03") + "\tForum Paris\t2\n2\t" + day("12/01") + "\tCV\t1\n", QString());
        row("stats: bars", QStringList{"stats", "F", "--graphique"}, 0, "2\t20\t20\n1\t35\t160\n",
            QString());
        row("report: bounds included",
            QStringList{"report", "F", day("31/12", year - 1), day("01/01")}, 0,
            "1\t" + day("31/12", year - 1) + "\tSalon\tForum Paris\n2\t" + day("01/01") +
                "\tEnvoi\tCV\n",
            QString());
        row("report: a half-typed period is taken, and shows nothing",
            QStringList{"report", "F", "__/__/____", day("31/12")}, 0, QString(), QString());
        row("planning: a company not found leaves the number empty",
            QStringList{"planning", "F", day("15/06")}, 0,
            "\t" + day("15/06") + "\t09:00:00\tInconnue\n", QString());
        row("planning: today by default, a TAB in a name is a space", QStringList{"planning", "F"},
            0, "00001\t" + today + "\t10:00:00\tDurand fils\n", QString());
        row("planning: one-digit day refused", QStringList{"planning", "F", "1/3/2024"}, 2,
            QString(), "'1/3/2024' n'est pas une date correcte\n");
        row("planning: no such day", QStringList{"planning", "F", "30/02/2024"}, 2, QString(),
            "'30/02/2024' n'est pas une date correcte\n");
    }
    void verbs() {
        auto [args, status, out, err] =
            fetch<QStringList, int, QString, QString>("args", "status", "out", "err");
        args.replaceInStrings(QRegularExpression("^F$"), file);
        const Run run = cli(args);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
    }
    void defaultPeriodIsThisYear() {
        const Run byDefault = cli({"report", file});
        QCOMPARE(byDefault.status, 0);
        QCOMPARE(byDefault.out, cli({"report", file, day("01/01"), day("31/12")}).out);
        QCOMPARE(byDefault.out.count(u'\n'), 3);
    }
};

QTEST_GUILESS_MAIN(TestReportsCli)
#include "tst_reportscli.moc"
