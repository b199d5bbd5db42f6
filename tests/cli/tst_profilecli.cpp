// tavrin-cli profile, cv and interview on files written as the program and
// its user write them.
#include "cli/clitest.h"

#include <QTemporaryDir>

namespace {

QByteArray windows(const QString &lines) {
    QByteArray out = lines.toLatin1(); // the texts here are Latin-1
    return out.replace("\n", "\r\n");
}

const QString Script =
    "Le DRH\n- Bonjour [TITRE].\n\\*\n"
    "1 - argent/Quelles sont vos prétentions de salaire ?\n"
    "Parlez-moi de votre dernier poste.\n\\*\n- Au revoir.\n\\*\n- motivé\n\\*\n";

} // namespace

class TestProfileCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &content) {
        writeFile(dir.filePath(name), content);
        return dir.filePath(name);
    }

private Q_SLOTS:
    void verbs_data() {
        // out: what the output holds
        columns<QStringList, QByteArray, int, QString, QString>("args", "input", "status", "out",
                                                                "err");
        const QByteArray none;
        row("profile missing", QStringList{"profile", "absent.moi"}, none, 2, "",
            "Le fichier n'existe pas\n");
        row("profile bad rating", QStringList{"profile", "bad.moi"}, none, 2, "",
            "'x' n'est pas une valeur entière correcte\n");
        row("empty profile", QStringList{"profile", "empty.moi"}, none, 0,
            "Divers\tnote\nEmployeur\t1/1\nSociété\t\nActivité\t", "");
        row("cv", QStringList{"cv", "empty.moi", "Tavrin.soc"}, none, 0,
            "Jean Dupont\n1 rue Haute\n\n75001 Paris\n\n\nExpérience "
            "professionnelle\n\n\n\nEtudes\n\n",
            "");
        row("cv missing identity", QStringList{"cv", "empty.moi", "absent.soc"}, none, 2, "",
            "Le fichier n'existe pas\n");
        row("interview",
            QStringList{"interview", "Recrut.scp", "--nom", " Dupont ", "--prenom", "Jean",
                        "--titre", "Madame", "--draws", "0,0,0,1", "--end"},
            QByteArray("ab\nJ'ai de l'argent, motivé\nbof bof\n"), 0,
            "Dupont Jean\nBonjour Madame.\nab\nJe vous écoute...\nJ'ai de l'argent, "
            "motivé\nQuelles sont vos prétentions de salaire ?\nbof bof\nParlez-moi de "
            "votre dernier poste.\n\nVotre score\nVous avez réalisé 105 points\nLongueur "
            "moyenne d'une réponse : 3 mots\n",
            "");
        row("script in UTF-8", QStringList{"interview", "utf8.scp", "--nom", "X"},
            QByteArray("argent\n"), 0,
            "X \nBonjour Monsieur.\nargent\nQuelles sont vos prétentions de salaire ?\n", "");
        row("interview without name", QStringList{"interview", "Recrut.scp", "--nom", "  "}, none,
            2, "", "Il manque le nom\n");
    }
    void verbs() {
        auto [args, input, status, out, err] =
            fetch<QStringList, QByteArray, int, QString, QString>("args", "input", "status", "out",
                                                                  "err");
        write("bad.moi", windows("PAGE6\n" + QString("1\n").repeated(23) + "x\n"));
        write("empty.moi", windows("PAGE2\n" + QString("\n").repeated(18) + "note\n"));
        write("Tavrin.soc", windows("Jean Dupont\n1 rue Haute\n\n75001 Paris\n01\n\n\n"));
        write("Recrut.scp", windows(Script));
        write("utf8.scp", QString(Script).replace("\n", "\r\n").toUtf8());
        for (QString &arg : args)
            if (arg.contains(u'.'))
                arg = dir.filePath(arg);
        const Run run = cli(args, {}, input);
        QCOMPARE(run.status, status);
        QCOMPARE(run.err, err);
        if (out.isEmpty())
            QCOMPARE(run.out, QString());
        else if (args[0] == "profile")
            QVERIFY2(run.out.contains(out), qPrintable(run.out));
        else
            QVERIFY2(run.out.endsWith(out) && run.out.startsWith(out.left(11)),
                     qPrintable(run.out));
    }
    // --write gives the lines the profile window writes after a change; read
    // back, they print and write the same.
    void writeProfile() {
        const QString in = write("in.moi", windows("PAGE3\n \n<BLOC00003>\nACME\n"));
        const QString first = dir.filePath("first.moi"), second = dir.filePath("second.moi");
        const Run run = cli({"profile", in, "--write", first});
        QCOMPARE(run.status, 0);
        const QByteArray written = fileBytes(first);
        QVERIFY(written.startsWith("PAGE1\r\nMonsieur\r\n"));
        // The blocks are renumbered; a block is written back as it stands.
        QVERIFY(written.contains("\r\n  /  /    \r\n"));
        QVERIFY(written.contains("PAGE3\r\n<BLOC00000>\r\nACME\r\nPAGE4\r\n0\r\n"));
        QVERIFY(written.endsWith(
            QByteArray(QByteArray("PAGE6\r\n") + QByteArray("1\r\n").repeated(24))));
        const Run again = cli({"profile", first, "--write", second});
        QCOMPARE(again.out, run.out);
        QCOMPARE(fileBytes(second), written);
    }
};

QTEST_GUILESS_MAIN(TestProfileCli)
#include "tst_profilecli.moc"
