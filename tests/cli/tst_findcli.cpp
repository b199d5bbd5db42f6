// tavrin-cli search, sort and list on a damaged data set kept for the purpose:
// stray lines, a block without its closing tag, names differing in case.
#include "cli/clitest.h"

#include <QTemporaryDir>

namespace {

QString data(const QString &name) {
    return testData("find/" + name);
}

const QString Altered =
    "Des fichiers ont été altérés\nVérifiez s'il n'y a pas eu perte de données\n";

} // namespace

class TestFindCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString file;

private Q_SLOTS:
    void init() {
        for (const char *ext : {"tvr", "opr", "jnr"}) {
            QFile::remove(dir.filePath(QStringLiteral("trier.") + ext));
            QVERIFY(QFile::copy(data(QStringLiteral("trier.") + ext),
                                dir.filePath(QStringLiteral("trier.") + ext)));
        }
        file = dir.filePath("trier.tvr");
    }
    void verbs_data() {
        columns<QStringList, int, QString, QString>("args", "status", "out", "err");
        row("name prefix, every match in list order",
            QStringList{"search", "societe", "nom", "dup"}, 0, "00001\t10002\tDupont SA\n",
            QString());
        row("not found", QStringList{"search", "societe", "decideur", "zoé"}, 1, QString(),
            "Fiche ZOé non trouvée\n");
        row("summary anywhere", QStringList{"search", "operation", "resume", "vente"}, 0,
            "0001\t10002\tSalon de la VENTE\n0000\t10001\tVente directe\n", QString());
        row("sort companies by date", QStringList{"sort", "societe", "date"}, 0,
            "00000\t10001\t15/06/2024\n00001\t100000\t31/12/2024\n"
            "00002\t99999\t01/01/2025\n00003\t10002\t02/03/2025\n",
            QString());
        row("list of operations", QStringList{"list", "operation"}, 0,
            "\t\tType\tRésumé\tCoût fixe\tCoût unitaire\tDate début\tDate fin\n"
            "0001\t1\tSalon\tSalon de la VENTE\t12,50\t1,00\t15/01/2025\t20/01/2025\n"
            "0000\t2\tAnnonce\tVente directe\t\t\t02/03/2025\t02/03/2025\n",
            QString());
    }
    void verbs() {
        auto [args, status, out, err] =
            fetch<QStringList, int, QString, QString>("args", "status", "out", "err");
        args.insert(1, file);
        const Run r = cli(args);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        // the load repairs the block that lost its closing tag, and says so
        QCOMPARE(r.err, Altered + err);
    }
    void sortWritesAsSaveDoes_data() {
        columns<QStringList, QString, QString>("args", "written", "golden");
        row("companies by name", QStringList{"societe", "nom"}, "trier.tvr", "trier-nom.tvr");
        row("operations by date", QStringList{"operation", "date"}, "trier.opr", "trier-date.opr");
    }
    void sortWritesAsSaveDoes() {
        const auto [args, written, golden] =
            fetch<QStringList, QString, QString>("args", "written", "golden");
        Run r = cli(QStringList{"sort", file} + args);
        QCOMPARE(r.status, 0);
        QCOMPARE(fileBytes(dir.filePath(written)), fileBytes(data(written))); // not without --write
        r = cli(QStringList{"sort", file} + args + QStringList{"--write"});
        QCOMPARE(r.status, 0);
        QCOMPARE(fileBytes(dir.filePath(written)), fileBytes(data(golden)));
    }
};

QTEST_GUILESS_MAIN(TestFindCli)
#include "tst_findcli.moc"
