#include "cli/clitest.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString data(const QString &name) {
    return testData("cli/" + name);
}

QString today() {
    return QDate::currentDate().toString("dd/MM/yyyy");
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkCountsASoundDataSet() {
        const Run r = cli({"check", data("sain.tvr")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("sociétés: 2\nopérations: 1\njournées: 1\n"));
        QCOMPARE(r.err, QString());
    }
    void checkReportsAndRepairsADamagedDataSet() {
        QTemporaryDir dir;
        const QString path = dir.filePath("abime.tvr");
        QVERIFY(QFile::copy(data("abime.tvr"), path));
        const QString message = "Des fichiers ont été altérés\n"
                                "Vérifiez s'il n'y a pas eu perte de données\n";
        Run r = cli({"check", path});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("sociétés: 3\nopérations: 0\njournées: 0\n"));
        QCOMPARE(r.err, message);
        QCOMPARE(fileBytes(path),
                 fileBytes(data("abime.tvr"))); // without --write nothing is written
        r = cli({"check", path, "--write"});
        QCOMPARE(r.err, message);
        QVERIFY(QFile::exists(dir.filePath("abime.opr")));
        QVERIFY(QFile::exists(dir.filePath("abime.jnr")));
        // What was written is the repaired set: the next opening is silent.
        r = cli({"check", path});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, QStringLiteral("sociétés: 3\nopérations: 0\njournées: 0\n"));
    }
    void writeWithNothingModifiedWritesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath("sain.tvr");
        QVERIFY(QFile::copy(data("sain.tvr"), path));
        const Run r = cli({"check", path, "--write"});
        QCOMPARE(r.status, 0);
        QVERIFY(!QFile::exists(dir.filePath("sain.opr")));
        QCOMPARE(fileBytes(path), fileBytes(data("sain.tvr")));
    }
    void refusedNames_data() {
        columns<QString, QString>("name", "message");
        row("missing", data("absent.tvr"), "Le fichier n'existe pas\n");
        row("other extension", data("lettres.txt"), "Type de fichier non valide\n");
        row("a folder", "dossier.tvr", "Le fichier n'existe pas\n");
    }
    // Every verb on a data set opens it through the same door.
    void refusedNames() {
        const auto [name, message] = fetch<QString, QString>("name", "message");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("dossier.tvr"));
        const Run r = cli({"check", name}, dir.path());
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, message);
        QCOMPARE(r.out, QString());
    }
    void showEachKind_data() {
        columns<QString, int, QString>("kind", "block", "card");
        row("company", "societe", 0,
            "Code\t10001\nDate\t05/12/2026\nSociété\tDurand SARL\n"
            "Adresse\t12 rue de la Paix\nAdresse\t\nCode postal\t75011\n"
            "Ville\tParis\nTéléphone\t01 02 03 04 05\nFax\t\n"
            "E.mail\tdurand@example.fr\nContact\tM. Durand\n"
            "Site Web\twww.durand.fr\nActivité\tInformatique\n"
            "Texte de l'annonce\tPoste de développeur\n"
            "Texte de l'annonce\tCDI € Paris\n"
            "Observations\tRappeler lundi\n"
            "Suivi\t01/12/2026\tAppel\tRappel lundi\n"
            "Suivi\t03/12/2026\tCourrier\tCV envoyé\n");
        row("operation, bad end date", "operation", 0,
            "Code\t10001\nType\tSalon\nRésumé\tForum emploi\nCoût fixe\t         12,50\n"
            "Coût unitaire\t          1,00\nDébut\t02/11/2026\nFin\t" +
                today() +
                "\nUrgent\tY\nDescription détaillée\tStand 12\n"
                "Faits marquants\tTrois contacts\nSuivi\t03/11/2026\tVisite\tStand 12\n");
        row("day action", "journee", 0,
            "Code\t10001\nDate\t06/12/2026\nHeure\t09:15:00\nAction\tEntretien\n"
            "Société\t10001\tDurand SARL\nRésultat\tRetenu\nValidé\tY\nNom\tDurand SARL\n"
            "Adresse\t12 rue de la Paix\nAdresse\t\nCode postal\t75011\nVille\tParis\n"
            "Téléphone\t01 02 03 04 05\nCommentaire\tApporter le CV\n");
    }
    void showEachKind() {
        const auto [kind, block, card] = fetch<QString, int, QString>("kind", "block", "card");
        const Run r = cli({"show", data("sain.tvr"), kind, QString::number(block)});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, card);
        QCOMPARE(r.err, QString());
    }
    void failedSaveReplacesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath("abime.tvr");
        QVERIFY(QFile::copy(data("abime.tvr"), path));
        // The day-action file cannot be written beside its place.
        QVERIFY(QDir(dir.path()).mkdir("abime.jnr.tavrin-tmp"));
        const Run r = cli({"check", path, "--write"});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains("Impossible d'enregistrer le fichier " + dir.filePath("abime.jnr") +
                               " : un dossier porte ce nom"));
    }
    // Each verb reads its own arguments; "F" stands for a sound data set.
    void usage_data() {
        QTest::addColumn<QStringList>("args");
        const auto row = [](const char *name, const QStringList &args) {
            QTest::newRow(name) << args;
        };
        row("no verb", {});
        row("unknown verb", {"frobnicate"});
        row("show, unknown kind", {"show", "F", "client", "0"});
        row("show, N not an integer", {"show", "F", "societe", "x"});
        row("export, unknown form", {"export", "F", "pdf", "v"});
        row("import, unknown option", {"import", "F", "l.csv", "--ecrire"});
        row("search, item of another kind", {"search", "F", "operation", "nom", "x"});
        row("sort, unknown item", {"sort", "F", "journee", "ville"});
        row("list, no kind", {"list", "F"});
        row("rtf2html, no output", {"rtf2html", "a.rtf"});
        row("rtf-roundtrip, three names", {"rtf-roundtrip", "a", "b", "c"});
        row("profile, no file", {"profile"});
        row("interview, draws not numbers", {"interview", "F", "--nom", "X", "--draws", "a"});
        row("print, unknown printout", {"print", "F", "carte", "societe", "0"});
        row("print, N not an integer", {"print", "F", "fiche", "societe", "x"});
        row("print, A missing", {"print", "F", "liste", "1"});
        row("print, landscape listing", {"print", "F", "liste", "1", "2", "--paysage"});
        row("print, bad surface", {"print", "F", "liste", "1", "2", "--surface", "10x10"});
        row("stats, unknown option", {"stats", "F", "--barres"});
        row("report, one bound", {"report", "F", "01/01/2024"});
        row("planning, two days", {"planning", "F", "a", "b"});
    }
    void usage() {
        QFETCH(QStringList, args);
        const Run r = cli(args.replaceInStrings(QRegularExpression("^F$"), data("sain.tvr")));
        QCOMPARE(r.status, 64);
        QVERIFY2(r.err.contains("usage: tavrin-cli check "), qPrintable(r.err));
        QVERIFY(r.err.contains("\n       tavrin-cli planning "));
        QCOMPARE(r.out, QString());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
