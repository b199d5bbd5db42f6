#include "cli/clitest.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

QString data(const QString &name) {
    return testData("wordproc/" + name);
}

} // namespace

class TestWordProcCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // Runs in the temporary folder, as a user in their start directory.
    Run cli(const QStringList &args) { return ::cli(args, m_dir.path()); }

private Q_SLOTS:
    void init() { QFile::remove(m_dir.filePath("Tavrin.soc")); }
    // The letter's lines may end in any of the three ways.
    void exportsTheLetter_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        row("CR LF", QByteArray("\r\n"));
        row("LF", QByteArray("\n"));
        row("CR", QByteArray("\r"));
    }
    void exportsTheLetter() {
        writeFile(m_dir.filePath("Tavrin.soc"), "Jean Dupont\r\n1 rue\r\n");
        writeFile(m_dir.filePath("in.rtf"),
                  fileBytes(data("lettre.rtf")).replace("\r\n", fetch<QByteArray>("lineEnd")));
        QDir(m_dir.path()).mkpath("sortie.1");
        const Run r = cli({"rtf2html", "in.rtf", "sortie.1/lettre.v2.rtf"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("sortie.1/lettre.v2.htm\n"));
        QCOMPARE(fileBytes(m_dir.filePath("sortie.1/lettre.v2.htm")),
                 fileBytes(data("lettre.htm")));
    }
    void titleIsEmptyWithoutIdentity() {
        const Run r = cli({"rtf2html", data("lettre.rtf"), "cv"});
        QCOMPARE(r.status, 0);
        QVERIFY(fileBytes(m_dir.filePath("cv.htm")).contains("\r\n<title>cv de</title>\r\n"));
    }
    void roundTripWritesTheSameBytesAndPrintsTheText() {
        const Run r = cli({"rtf-roundtrip", data("complet.rtf"), "copie.rtf"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString::fromUtf8("Élise Ŝarmont\t{à} \\ 5 €\nObjet : candidature "
                                          "spontanée\nUn\nDeux\n\nFin\n"));
        QCOMPARE(fileBytes(m_dir.filePath("copie.rtf")), fileBytes(data("complet.rtf")));
    }
    void roundTripNamesWhatItLeavesOut() {
        writeFile(m_dir.filePath("cv.rtf"), "{\\rtf1 Jean{\\footnote note}}");
        const Run r = cli({"rtf-roundtrip", "cv.rtf", "copie.rtf"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("Jean\n"));
        QCOMPARE(r.err, QStringLiteral("Ce document contient des éléments que le traitement de "
                                       "texte ne peut pas conserver : notes de bas de page. Ils "
                                       "seront perdus à l'enregistrement.\n"));
    }
    void failures_data() {
        columns<QStringList, int, QString>("args", "status", "message");
        const QString letter = data("lettre.rtf");
        row("missing input", QStringList{"rtf2html", "absent.rtf", "x"}, 2,
            "Le fichier n'existe pas\n");
        row("a folder as input", QStringList{"rtf-roundtrip", ".", "x.rtf"}, 2,
            "Le fichier n'existe pas\n");
        row("unwritable html", QStringList{"rtf2html", letter, "absent/lettre.rtf"}, 1,
            "Impossible d'enregistrer le fichier absent/lettre.htm : dossier introuvable\n");
        row("unwritable rtf", QStringList{"rtf-roundtrip", letter, "absent/lettre.rtf"}, 1,
            "Impossible d'enregistrer le fichier absent/lettre.rtf : dossier introuvable\n");
    }
    void failures() {
        const auto [args, status, message] =
            fetch<QStringList, int, QString>("args", "status", "message");
        const Run r = cli(args);
        QCOMPARE(r.err, message);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, QString());
    }
};

QTEST_GUILESS_MAIN(TestWordProcCli)
#include "tst_wordproccli.moc"
