// tavrin-cli export and import: the files byte for byte, what is printed,
// the exit statuses.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run cli(const QStringList &args) {
    QProcess p;
    p.start(TAVRIN_CLI, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString data(const QString &name) {
    return QStringLiteral(TAVRIN_TEST_DATA "/") + name;
}

QByteArray bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestCliExchange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportEachForm_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("golden");
        QTest::newRow("txt") << "txt"
                             << "a.txt"
                             << "a.txt"
                             << "export.txt";
        QTest::newRow("csv, extension added") << "csv"
                                              << "liste"
                                              << "liste.csv"
                                              << "export.csv";
        QTest::newRow("xml into .dat") << "xml"
                                       << "liste.dat"
                                       << "liste.dat"
                                       << "export.xml";
    }
    void exportEachForm() {
        QFETCH(QString, word);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, golden);
        QTemporaryDir dir;
        // The source lost a closing tag: the open repairs it, the export is the same.
        const Run r = cli({"export", data("exchange/source.tvr"), word, dir.filePath(typed)});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, dir.filePath(written) + "\n");
        QCOMPARE(bytes(dir.filePath(written)), bytes(data("exchange/" + golden)));
    }

    void exportFailures() {
        QTemporaryDir dir;
        writeBytes(dir.filePath("vide.tvr"), {});
        Run r = cli({"export", dir.filePath("vide.tvr"), "txt", dir.filePath("v")});
        QCOMPARE(r.status, 0);
        QVERIFY(QFile::exists(dir.filePath("v.txt")));
        QCOMPARE(bytes(dir.filePath("v.txt")), QByteArray());

        r = cli({"export", dir.filePath("vide.tvr"), "txt", dir.filePath("absent/v.txt")});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.startsWith("Impossible d'enregistrer le fichier " +
                                 dir.filePath("absent/v.txt") + " : "));

        QCOMPARE(cli({"export", dir.filePath("vide.tvr"), "pdf", dir.filePath("v")}).status, 64);
        QCOMPARE(cli({"export", dir.filePath("vide.tvr"), "txt"}).status, 64);
    }

    void importPrintsEachCompany() {
        QTemporaryDir dir;
        const QString tvr = dir.filePath("a.tvr");
        QVERIFY(QFile::copy(data("cli/sain.tvr"), tvr));
        writeBytes(dir.filePath("l.csv"),
                   "12/05/2025;Durand;3 rue Neuve\r\n\r\nx;Soci\xe9t\xe9\r\n");
        Run r = cli({"import", tvr, dir.filePath("l.csv")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out,
                 QStringLiteral("00002\t10003\tDurand\n00003\t10004\t\n00004\t10005\tSociété\n"
                                "sociétés: 5\n"));
        QCOMPARE(bytes(tvr), bytes(data("cli/sain.tvr"))); // not written without --write

        r = cli({"import", tvr, dir.filePath("l.csv"), "--write"});
        QCOMPARE(r.status, 0);
        QCOMPARE(cli({"check", tvr}).out.section('\n', 0, 0), QStringLiteral("sociétés: 5"));
        QCOMPARE(cli({"show", tvr, "societe", "4"}).out.contains("Société"), true);
    }

    void importRefusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // %1 = the path
        QTest::newRow("missing") << "absent.txt" << 2 << "Le ficher %1n'existe pas\n";
        QTest::newRow("neither extension") << "l.dat" << 2 << "Type de fichier non valide\n";
        QTest::newRow("a folder") << "dossier.txt" << 2 << "Le ficher %1n'existe pas\n";
    }
    void importRefusals() {
        QFETCH(QString, name);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString tvr = dir.filePath("a.tvr");
        QVERIFY(QFile::copy(data("cli/sain.tvr"), tvr));
        writeBytes(dir.filePath("l.dat"), "a\tb\r\n");
        QVERIFY(QDir(dir.path()).mkdir("dossier.txt"));
        const Run r = cli({"import", tvr, dir.filePath(name), "--write"});
        QCOMPARE(r.status, status);
        QCOMPARE(r.err, message.replace("%1", dir.filePath(name)));
        QCOMPARE(r.out, QString());
        QCOMPARE(bytes(tvr), bytes(data("cli/sain.tvr")));
    }

    void importWriteThatCannotSave() {
        QTemporaryDir dir;
        const QString tvr = dir.filePath("a.tvr");
        QVERIFY(QFile::copy(data("cli/sain.tvr"), tvr));
        QVERIFY(QDir(dir.path()).mkdir("a.jnr"));
        writeBytes(dir.filePath("l.txt"), "d\tA\r\n");
        const Run r = cli({"import", tvr, dir.filePath("l.txt"), "--write"});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains("Impossible d'enregistrer le fichier " + dir.filePath("a.jnr")));
        QCOMPARE(bytes(tvr), bytes(data("cli/sain.tvr")));
        QCOMPARE(cli({"import", tvr}).status, 64);
        QCOMPARE(cli({"import", tvr, dir.filePath("l.txt"), "--ecrire"}).status, 64);
    }
};

QTEST_GUILESS_MAIN(TestCliExchange)
#include "tst_cliexchange.moc"
