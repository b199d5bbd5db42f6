// tavrin-cli export and import: the files byte for byte, what is printed,
// the exit statuses.

#include "cli/clitest.h"

#include <QDir>
#include <QTemporaryDir>

class TestCliExchange : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    // A copy of a sound data set and a list to import, fresh for each case.
    void init() {
        for (const char *name : {"a.tvr", "a.opr", "a.jnr"})
            QFile::remove(path(name));
        QVERIFY(QFile::copy(testData("cli/sain.tvr"), path("a.tvr")));
        writeFile(path("l.csv"), "12/05/2025;Durand;3 rue Neuve\r\n\r\nx;Soci\xe9t\xe9\r\n");
    }
    void exportEachForm_data() {
        columns<QString, QString, QString>("word", "typed", "written");
        row("txt", "txt", "export.txt", "export.txt");
        row("csv, extension added", "csv", "export", "export.csv");
        row("xml into .dat", "xml", "export.dat", "export.dat");
    }
    void exportEachForm() {
        const auto [word, typed, written] =
            fetch<QString, QString, QString>("word", "typed", "written");
        // The source lost a closing tag: the open repairs it, the export is the same.
        const Run r = cli({"export", testData("exchange/source.tvr"), word, path(typed)});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, path(written) + "\n");
        QCOMPARE(
            fileBytes(path(written)),
            fileBytes(testData("exchange/export." + (word == "xml" ? word : written.right(3)))));
    }
    void exportFailures() {
        QFile(path("vide.tvr")).open(QIODevice::WriteOnly);
        QCOMPARE(cli({"export", path("vide.tvr"), "txt", path("v")}).status, 0);
        QVERIFY(QFileInfo(path("v.txt")).isFile() && QFileInfo(path("v.txt")).size() == 0);
        const Run r = cli({"export", path("vide.tvr"), "txt", path("absent/v.txt")});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.startsWith("Impossible d'enregistrer le fichier " + path("absent/v.txt")));
    }
    void importPrintsEachCompanyThenWrites() {
        Run r = cli({"import", path("a.tvr"), path("l.csv")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("00002\t10003\tDurand\n00003\t10004\t\n"
                                       "00004\t10005\tSociété\nsociétés: 5\n"));
        QCOMPARE(fileBytes(path("a.tvr")), fileBytes(testData("cli/sain.tvr")));
        QCOMPARE(cli({"import", path("a.tvr"), path("l.csv"), "--write"}).status, 0);
        QCOMPARE(cli({"check", path("a.tvr")}).out.section('\n', 0, 0),
                 QStringLiteral("sociétés: 5"));
    }
    void importRefusals_data() {
        // message: %1 = the list named
        columns<QString, int, QString>("list", "status", "message");
        row("missing", "absent.txt", 2, "Le ficher %1n'existe pas");
        row("neither extension", "a.tvr", 2, "Type de fichier non valide");
        row("unreadable", "mem.txt", 1, "Impossible de lire le fichier %1");
    }
    void importRefusals() {
        auto [list, status, message] = fetch<QString, int, QString>("list", "status", "message");
        // A name that exists but whose reading fails.
        QFile::link("/proc/self/mem", path("mem.txt"));
        const Run r = cli({"import", path("a.tvr"), path(list)});
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message.replace("%1", path(list))), qPrintable(r.err));
        QCOMPARE(fileBytes(path("a.tvr")), fileBytes(testData("cli/sain.tvr")));
    }
};

QTEST_GUILESS_MAIN(TestCliExchange)
#include "tst_cliexchange.moc"
