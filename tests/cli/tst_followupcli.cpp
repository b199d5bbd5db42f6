#include "clitest.h"

#include <QDir>
#include <QTemporaryDir>

class TestFollowUpCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() {
        writeFile(dir.filePath("suivi.tvr"),
                  "<BLOC00000>\r\n10001\r\n01/01/2024\r\nAlpha\r\n\r\n\r\n\r\n\r\n"
                  "\r\n\r\n\r\n\r\n\r\n\r\nDATA01/02/2024\tCandidature\tEnvoy\xe9"
                  "e\r\n</BLOC00000>\r\n");
        writeFile(dir.filePath("suivi.jnr"),
                  "<BLOC0000>\r\n10001\r\n05/03/2024\r\n14:30:00\r\nEntretien\r\n"
                  "10001\r\nAlpha\r\n\r\nN\r\nAlpha\r\n3 rue Haute\r\n\r\n75001\r\n"
                  "Paris\r\n\r\n</BLOC0000>\r\n");
        writeFile(dir.filePath("lettre.pdf"), "%PDF");
        writeFile(dir.filePath("suivi.pj"),
                  "10001\t12/03/2024\tlettre.pdf\nbad line\n10001\t13/03/2024\t"
                  "absent.pdf\n10002\t14/03/2024\tlettre.pdf\n");
        writeFile(dir.filePath("suivi.sync-conflict-20240312-101500-ABC.tvr"), "x");
    }
    void verbs_data() {
        // args: "@" stands for the scratch folder
        // err: a part of standard error
        columns<QStringList, int, QString, QString>("args", "status", "out", "err");
        row("todo: kind, block, date, label",
            QStringList{"todo", "@/suivi.tvr", "--jour", "10/03/2024"}, 0,
            "en retard\t0\t05/03/2024\t14:30 Entretien - Alpha\n"
            "sans réponse\t0\t01/02/2024\tAlpha - Candidature\n",
            "");
        row("todo: the delay given",
            QStringList{"todo", "@/suivi.tvr", "--delai", "60", "--jour", "10/03/2024"}, 0,
            "en retard\t0\t05/03/2024\t14:30 Entretien - Alpha\n", "");
        row("todo: a day that does not exist",
            QStringList{"todo", "@/suivi.tvr", "--jour", "31/02/2024"}, 2, "",
            "'31/02/2024' n'est pas une date correcte");
        row("todo: a delay that is no number", QStringList{"todo", "@/suivi.tvr", "--delai", "x"},
            2, "", "'x' n'est pas un nombre de jours correct");
        row("todo: an option without its value", QStringList{"todo", "@/suivi.tvr", "--delai"}, 64,
            "", "usage:");
        row("ics: the number of events", QStringList{"ics", "@/suivi.tvr", "@/agenda.ics"}, 0,
            "événements: 1\n", "");
        row("ics: from a later day",
            QStringList{"ics", "@/suivi.tvr", "@/agenda.ics", "--depuis", "06/03/2024"}, 0,
            "événements: 0\n", "");
        row("ics: a folder that does not exist",
            QStringList{"ics", "@/suivi.tvr", "@/non/agenda.ics"}, 1, "",
            "Impossible d'enregistrer le fichier");
        row("pieces: every link, missing files said, bad lines named",
            QStringList{"pieces", "@/suivi.tvr"}, 0,
            "10001\t12/03/2024\tlettre.pdf\n10001\t13/03/2024\tabsent.pdf\tmanquant\n"
            "10002\t14/03/2024\tlettre.pdf\n",
            "Ligne 2 non reconnue");
        row("pieces: one company", QStringList{"pieces", "@/suivi.tvr", "10002"}, 0,
            "10002\t14/03/2024\tlettre.pdf\n", "");
        row("check: conflict copies on standard error", QStringList{"check", "@/suivi.tvr"}, 0,
            "sociétés: 1\nopérations: 0\njournées: 1\n",
            "suivi.sync-conflict-20240312-101500-ABC.tvr");
    }
    void verbs() {
        auto [args, status, out, err] =
            fetch<QStringList, int, QString, QString>("args", "status", "out", "err");
        args.replaceInStrings(QStringLiteral("@"), dir.path());
        QFile::remove(dir.filePath("agenda.ics"));
        const Run run = cli(args);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        if (args.first() == QLatin1String("ics"))
            QCOMPARE(fileBytes(dir.filePath("agenda.ics")).startsWith("BEGIN:VCALENDAR\r\n"),
                     status == 0);
    }
};

QTEST_GUILESS_MAIN(TestFollowUpCli)
#include "tst_followupcli.moc"
