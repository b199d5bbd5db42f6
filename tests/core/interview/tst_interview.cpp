#include "core/coretest.h"
#include "interview/dialogue.h"
#include "interview/scriptfile.h"
#include "interview/transcript.h"
#include "store/textfile.h"

// The scripted recruiter: reading the script, reading the answers, scoring
// them, the transcript a dialogue leaves and the sample script installed.

namespace {

const QString Sep = "\\*";

QStringList script(const QStringList &questions, const QStringList &positives = {},
                   const QStringList &negatives = {}) {
    return QStringList{"Le DRH", "- Bonjour [TITRE], asseyez-vous.", Sep} + questions +
           QStringList{Sep, "- Au revoir.", Sep} + positives + QStringList{Sep} + negatives;
}

const QString Q1 = "Quelles sont vos prétentions de salaire ?";
const QString Q2 = "Parlez-moi de votre dernier poste.";

// A dialogue on the script, started for M. Dupont.
struct Started {
    ScriptedRandom random;
    Dialogue d{random};
    explicit Started(const QStringList &lines, const QList<int> &draws = {}) : random(draws) {
        d.setScript(lines);
        QCOMPARE(d.Nouveaudial("Dupont", "Jean", "Monsieur"), Dialogue::Start::Started);
    }
};

} // namespace

class TestInterview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normalise_data() {
        columns<QString, QString, QString, int>("typed", "padded", "folded", "words");
        row("punctuation", "  Je veux de l'Argent.\t", " je veux de l argent  ",
            " je veux de l argent  ", 5);
        row("accents, capitals kept", "Été à Noël, ça!", " Été à noël  ça  ", " Éte a noel  ca  ",
            4);
        row("all twelve marks", "&#@,'?;:/!§.", "              ", "              ", 0);
    }
    void normalise() {
        const auto [padded, typed] = fetch<QString, QString>("padded", "typed");
        QCOMPARE(Dialogue::padded(typed), padded);
        QTEST(SansAccents(padded), "folded");
        QTEST(NbMots(padded), "words");
    }
    void questions_data() {
        columns<QStringList, QStringList, QStringList>("lines", "questions", "keywords");
        row("keywords", QStringList{"1 - salaire,Expérience/ " + Q1 + " "}, QStringList{Q1},
            QStringList{" salaire -1", " experience -1"});
        row("20 characters dropped, keywords kept",
            QStringList{"1 - court/Quel âge avez-vous ?", "1 - paie/" + Q1}, QStringList{Q1},
            QStringList{" court -1", " paie -1"});
        row("no slash: no keywords", QStringList{Q2}, QStringList{Q2}, QStringList());
        row("no hyphen: keywords skipped", QStringList{"1 paie/" + Q1}, QStringList{Q1},
            QStringList());
        row("spaces become part of the keyword", QStringList{"12 - a, b/" + Q1}, QStringList{Q1},
            QStringList{" a -12", "  b -12"});
    }
    void questions() {
        const Script s = Script::parse(script(fetch<QStringList>("lines")));
        QTEST(s.questions, "questions");
        QTEST(s.keywords, "keywords");
        QCOMPARE(s.openings, QStringList{"Bonjour [TITRE], asseyez-vous."});
        QCOMPARE(s.closings, QStringList{"Au revoir."});
    }
    void score_data() {
        columns<QString, int>("answer", "score");
        row("8 characters", "abcdefgh", 95);
        row("9 characters", "abcdefghi", 100);
        row("29 characters", QString(29, u'a'), 110);
        row("997 characters", QString(997, u'a'), 120);
        row("998 characters", QString(998, u'a'), 100);
        row("good word inside a word, once", "bienvenue bien", 110);
        row("bad word", "je suis nul", 90);
    }
    void score() {
        Started s(script({Q1}, {"- bien", ""}, {"- nul"}));
        s.d.CalculScore(Dialogue::padded(fetch<QString>("answer")));
        QTEST(s.d.score(), "score");
    }
    void keywords_data() {
        columns<QString, QString>("answer", "said");
        row("keyword", "Je veux de l'argent.", Q1);
        row("not inside a word", "argentin", Q2);
        row("accent folded", "Mon expérience...", Q1);
        row("too short", " ab ", "Je vous écoute...");
    }
    void keywords() {
        ScriptedRandom random({0, 0, 1});
        Dialogue d(random);
        d.setScript(script({"1 - argent,experience/" + Q1, Q2}));
        QCOMPARE(d.Nouveaudial(" Dupont ", " Jean ", "Madame"), Dialogue::Start::Started);
        QCOMPARE(d.caption(), QString("Dupont Jean"));
        QCOMPARE(d.recruiterLine(), QString("Bonjour Madame, asseyez-vous."));
        d.submit(fetch<QString>("answer"));
        QTEST(d.recruiterLine(), "said");
    }
    void averages_data() {
        columns<QStringList, QString>("answers", "average");
        row("4 5 6", QStringList{"a b c d", "a b c d e", "a b c d e f"}, "5");
        row("4 5: halves to even", QStringList{"a b c d", "a b c d e"}, "4");
        row("no answer", QStringList(), "0");
    }
    void averages() {
        Started s(script({Q1}));
        for (const QString &answer : fetch<QStringList>("answers"))
            s.d.submit(answer);
        s.d.FinDial();
        const QStringList tail = s.d.transcript().mid(s.d.transcript().size() - 4);
        QCOMPARE(tail[2].left(18), QString("Vous avez réalisé "));
        QCOMPARE(tail[3],
                 "Longueur moyenne d'une réponse : " + fetch<QString>("average") + " mots");
    }
    // The 16th answer of a dialogue limited to 15 turns brings the closing
    // line and a summary that counts that answer too.
    void closesAfterTheTurnLimit() {
        Started s(script({Q1}));
        Dialogue &d = s.d;
        QCOMPARE(d.turnLimit(), 15);
        for (int i = 0; i < 15; ++i)
            d.submit("abcdefghi");
        d.submit("un deux trois quatre cinq six sept");
        QVERIFY(!d.running());
        d.submit("ignored");
        const QStringList t = d.transcript();
        QCOMPARE(t.mid(t.size() - 6),
                 (QStringList{"un deux trois quatre cinq six sept", "Au revoir.", "", "Votre score",
                              "Vous aavez réalisé 110 points",
                              "Longueur moyenne d'une réponse : 1 mots"}));
    }
    void refusedStarts_data() {
        columns<QStringList, QString, int, QString>("lines", "name", "start", "message");
        row("two lines", QStringList{"a", "b"}, "X", int(Dialogue::Start::NoScript),
            "Aucun script n'est chargé");
        row("name of spaces", script({Q1}), "  ", int(Dialogue::Start::NoName), "Il manque le nom");
        row("no question", script({}), "X", int(Dialogue::Start::Incomplete),
            "Le script est incomplet");
    }
    void refusedStarts() {
        ScriptedRandom random({3});
        Dialogue d(random);
        d.setScript(fetch<QStringList>("lines"));
        const Dialogue::Start start = d.Nouveaudial(fetch<QString>("name"), "", "Monsieur");
        QTEST(int(start), "start");
        QTEST(Dialogue::message(start), "message");
        QVERIFY(!d.running());
        QVERIFY(d.transcript().isEmpty());
    }
    // A refused start leaves the running dialogue as it was.
    void cancelKeepsTheDialogue() {
        Started s(script({Q1}));
        s.d.submit("abcdefghi jklmnopqrstuvw");
        QCOMPARE(s.d.Nouveaudial("", "", "Monsieur"), Dialogue::Start::NoName);
        QCOMPARE((QList<int>{s.d.answers(), s.d.score()}), (QList<int>{1, 105}));
        QVERIFY(s.d.running());
    }
    void shippedScript() {
        const QByteArray bytes = [] {
            QFile f(TAVRIN_SCRIPT);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(bytes.contains("\r\n"));
        QVERIFY(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n"));
        QCOMPARE(TextFile::detect(bytes), TextFile::Encoding::Windows1252);
        const QStringList lines = TextFile::read(TAVRIN_SCRIPT);
        QCOMPARE(lines.count("\\*"), 4);
        const Script s = Script::parse(lines);
        QVERIFY(s.complete() && !s.positives.isEmpty() && !s.negatives.isEmpty());
        QVERIFY(s.questions.size() >= 20);
        QVERIFY(s.openings.join(QString()).contains("[TITRE]"));
        // Every line of the question section is retained.
        const qsizetype first = lines.indexOf("\\*") + 1;
        QCOMPARE(s.questions.size(), lines.indexOf("\\*", first) - first);
        for (const QString &entry : s.keywords) {
            const QStringList parts = entry.mid(1).split(u' ');
            QCOMPARE(parts.size(), 2); // the keyword holds no space
            QVERIFY2(!parts[0].isEmpty() && !parts[0].contains(u'-'), qPrintable(entry));
            const int n = parts[1].mid(1).toInt();
            QVERIFY2(n >= 1 && n <= s.questions.size(), qPrintable(entry));
        }
    }
    void transcriptFileName_data() {
        columns<QString, QString>("chosen", "written");
        row("no extension", "/tmp/entretien", "/tmp/entretien.txt");
        row("own extension kept", "/tmp/entretien.log", "/tmp/entretien.log");
        row("dotted folder", "/tmp/v1.2/entretien", "/tmp/v1.2/entretien.txt");
        row("cancelled", "", "");
    }
    void transcriptFileName() { QTEST(Transcript::fileName(fetch<QString>("chosen")), "written"); }
    // The sample script reaches a new start directory, and only a new one.
    void firstRun_data() {
        // present: a file already in the start directory
        columns<QString, bool, bool>("present", "writable", "copied");
        row("new directory", QString(), true, true);
        row("the program ran here", "Tavrin.ini", true, false);
        row("the user's own script", "Recrut.scp", true, false);
        row("start directory cannot be written", QString(), false, false);
    }
    void firstRun() {
        const auto [present, writable, copied] =
            fetch<QString, bool, bool>("present", "writable", "copied");
        QTemporaryDir program, start;
        const QStringList sample{"Le DRH", "- Bonjour", "\\*", "1 - a/Question longue de test ?"};
        QVERIFY(TextFile::write(program.filePath("Recrut.scp"), sample));
        const QStringList own{"Mon script"};
        if (!present.isEmpty())
            QVERIFY(TextFile::write(start.filePath(present), own));
        // Rights do not stop root: a start "directory" that is a file does.
        QString startDir = start.path();
        if (!writable) {
            startDir = start.filePath("fichier");
            QVERIFY(TextFile::write(startDir, own));
        }
        const QString shipped = ScriptFile::shipped(program.path());
        QCOMPARE(shipped, program.filePath("Recrut.scp"));
        QCOMPARE(ScriptFile::installAtFirstRun(startDir, shipped), copied);
        const QString target = QDir(startDir).filePath("Recrut.scp");
        if (copied)
            QCOMPARE(TextFile::read(target), sample);
        else if (present == QLatin1String("Recrut.scp"))
            QCOMPARE(TextFile::read(target), own);
        else
            QVERIFY(!QFile::exists(target));
    }
    void shippedInAnInstallation() {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("bin"));
        QVERIFY(QDir(prefix.path()).mkpath("share/tavrin"));
        QCOMPARE(ScriptFile::shipped(prefix.filePath("bin")), QString());
        QVERIFY(TextFile::write(prefix.filePath("share/tavrin/Recrut.scp"), {"x"}));
        QCOMPARE(ScriptFile::shipped(prefix.filePath("bin")),
                 prefix.filePath("share/tavrin/Recrut.scp"));
    }
};

QTEST_GUILESS_MAIN(TestInterview)
#include "tst_interview.moc"
