// tavrin-cli print: traces of the printouts, PDF files and the refusals, run
// in a start directory holding the identity and the settings.
#include "cli/clitest.h"

#include <QTemporaryDir>

class TestPrintCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    Run run(const QStringList &args) {
        return cli(QStringList{QStringLiteral("print")} + args, dir.path());
    }

private Q_SLOTS:
    void initTestCase() {
        for (const char *ext : {"tvr", "opr", "jnr"})
            QVERIFY(QFile::copy(testData(QStringLiteral("cli/sain.") + ext),
                                dir.filePath(QStringLiteral("sain.") + ext)));
        writeFile(dir.filePath(QStringLiteral("Tavrin.soc")),
                  "Jean Moi\r\n3 rue\r\n\r\n69000 Lyon\r\n04 00\r\n");
        writeFile(dir.filePath(QStringLiteral("Tavrin.ini")), "\r\n0\r\n0\r\n100\r\n3\r\n");
    }
    void verb_data() {
        columns<QStringList, int, QString, QString>("args", "status", "out", "err");
        // The guide offset of Tavrin.ini (100 mm) moves the whole envelope.
        row("envelope, landscape",
            QStringList{"sain.tvr", "enveloppe", "societe", "0", "--paysage"}, 0,
            "document\tEnveloppe\tpaysage\t6780\t4724\t287\t200\n"
            "texte\t1\t115\t2484\tArial\t10\tJean Moi\n"
            "texte\t1\t115\t2599\tArial\t10\t3 rue\n"
            "texte\t1\t115\t2829\tArial\t10\t69000 Lyon\n"
            "texte\t1\t2530\t3519\tArial\t10\tDurand SARL\n"
            "texte\t1\t2530\t3634\tArial\t10\t12 rue de la Paix\n"
            "texte\t1\t2530\t3864\tArial\t10\t75011 Paris\n"
            "fin\norientation\tportrait\n",
            "Insérez une enveloppe dans l'imprimante\n");
        row("envelope into a PDF file: no paper to ask for",
            QStringList{"sain.tvr", "enveloppe", "journee", "0", "--pdf", "enveloppe.pdf"}, 0, "",
            "");
        row("range past the records: the heading only",
            QStringList{"sain.tvr", "liste", "5", "2", "--surface", "2480x3508/210x297"}, 0,
            "document\tListe des sociétés\tpaysage\t3508\t2480\t297\t210\n"
            "texte\t1\t55\t33\tArial\t10\tSociété\n"
            "texte\t1\t605\t33\tArial\t10\tAdresse\n"
            "texte\t1\t1155\t33\tArial\t10\tAdresse\n"
            "texte\t1\t1705\t33\tArial\t10\tC.P.\n"
            "texte\t1\t1925\t33\tArial\t10\tVille\n"
            "texte\t1\t2475\t33\tArial\t10\tTéléphone\n"
            "texte\t1\t2805\t33\tArial\t10\tFax\n"
            "ligne\t1\t55\t88\t3300\t88\n"
            "fin\norientation\tportrait\n",
            "");
        row("not a postal code", QStringList{"sain.tvr", "enveloppes", "1", "9", "--cp", "69 001"},
            2, "", "Code postal non valide\n");
    }
    void verb() {
        const Run r = run(fetch<QStringList>("args"));
        QTEST(r.out, "out");
        QTEST(r.err, "err");
        QTEST(r.status, "status");
    }
    void selection_data() {
        columns<QStringList, QStringList>("filter", "names");
        row("all", QStringList{}, QStringList{"Durand SARL", "Martin & Fils"});
        row("postal code", QStringList{"--cp", "69001"}, QStringList{"Martin & Fils"});
        row("town in any case", QStringList{"--ville", "paris"}, QStringList{"Durand SARL"});
    }
    void selection() {
        const Run r =
            run(QStringList{"sain.tvr", "enveloppes", "-3", "99"} + fetch<QStringList>("filter"));
        QCOMPARE(r.status, 0);
        QStringList names;
        for (const QString &line : r.out.split(u'\n'))
            if (line.startsWith(QLatin1String("texte\t")) && line.split(u'\t')[2] == "2530" &&
                line.split(u'\t')[3] == "3519")
                names << line.split(u'\t')[6];
        QTEST(names, "names");
        QCOMPARE(r.out.count(QLatin1String("\npage\t")), std::max<qsizetype>(names.size() - 1, 0));
    }
    void pdf() {
        const QString name = dir.filePath(QStringLiteral("fiche.pdf"));
        Run r = run({"sain.tvr", "fiche", "journee", "0", "--pdf", name});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString());
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        // No document begun: no file.
        const QString none = dir.filePath(QStringLiteral("rien.pdf"));
        QCOMPARE(run({"sain.tvr", "enveloppe", "operation", "0", "--pdf", none}).status, 0);
        QVERIFY(!QFile::exists(none));
        const QString bad = dir.filePath(QStringLiteral("absent/liste.pdf"));
        r = run({"sain.tvr", "liste", "1", "2", "--pdf", bad});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("Impossible d'enregistrer le fichier ") + bad +
                                  QStringLiteral(" : dossier introuvable")),
                 qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestPrintCli)
#include "tst_printcli.moc"
