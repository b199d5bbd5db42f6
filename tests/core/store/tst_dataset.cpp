#include "core/coretest.h"
#include "core/openset.h"

#include "store/dates.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QDateTime fixedNow(QDate(2026, 12, 5), QTime(14, 30, 0));

QStringList company(int code, const QString &name, const QString &cp = {},
                    const QString &town = {}) {
    return {QString::number(code), "01/12/2026", name, "", "", cp, town, "", "", "", "", "", ""};
}

QList<QPair<QString, QString>> places(int n) {
    return QList<QPair<QString, QString>>(n, {"69001", "Lyon"});
}

struct Fixture : OpenSet {
    Fixture() {
        data.setClock([] { return fixedNow; });
    }
    // n companies in 69001 Lyon.
    explicit Fixture(int n) : Fixture() { companies(places(n)); }
    // A typed company name, as the company tab reports it.
    void rename(const QString &name) {
        data.company().name = name;
        data.markEdited(Kind::Company);
    }
    // Companies S0, S1... with the given postal codes and towns, codes 10001 upward.
    void companies(const QList<QPair<QString, QString>> &places) {
        QStringList lines;
        for (int i = 0; i < places.size(); ++i)
            lines += block(
                5, i,
                company(10001 + i, "S" + QString::number(i), places[i].first, places[i].second));
        write("suivi.tvr", lines);
    }
};

} // namespace

class TestDataSet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newDataSetSavesByteForByte() {
        Fixture f;
        DataSet &d = f.data;
        d.Nouveau();
        Company &c = d.company();
        QCOMPARE(c.code, "10001");
        QCOMPARE(c.date, fixedNow.date());
        c.name = "Société Générale";
        c.address1 = "29 bd Haussmann";
        c.postalCode = "75009";
        c.town = "Paris";
        c.phone = "01 42 14 20 00";
        c.email = "contact@example.fr";
        c.contact = "Mme Léa Martin";
        c.activity = "Banque";
        c.notice = {"Chargé de clientèle €"};
        c.observations = {"Candidature envoyée"};
        d.markEdited(Kind::Company);
        d.followUpInput(Kind::Company) = {fixedNow.date(), "Courrier", "Relance"};
        QVERIFY(d.addFollowUp(Kind::Company));
        Operation &o = d.operation();
        o.type = "Salon";
        o.summary = "Forum";
        o.fixedCost = "          2,50";
        o.description = {"Stand B"};
        d.markEdited(Kind::Operation);
        DayAction &j = d.dayAction();
        j.action = "Entretien";
        j.comment = {"Apporter le CV"};
        d.EcritFiche(); // leaving the company tab writes it; the picker reads the list
        d.pickCompany("10001");
        // The day action is still on its card: saving must not lose it.
        QVERIFY(d.Sauve(f.path("neuf.tvr")));
        const QString golden = QStringLiteral(TAVRIN_TEST_DATA "/store/golden-");
        QCOMPARE(fileBytes(f.path("neuf.tvr")), fileBytes(golden + "company.tvr"));
        QCOMPARE(fileBytes(f.path("neuf.opr")), fileBytes(golden + "operation.opr"));
        QCOMPARE(fileBytes(f.path("neuf.jnr")), fileBytes(golden + "dayaction.jnr"));
        QVERIFY(!d.TestModif());
    }
    void savingUnmodifiedWritesNothing() {
        Fixture f(2);
        QVERIFY(f.open());
        QVERIFY(!f.data.TestModif());
        QVERIFY(f.data.Sauve(f.path("copie.tvr")));
        QVERIFY(!QFile::exists(f.path("copie.tvr")) && !QFile::exists(f.path("copie.opr")));
    }
    void headBlankLinesGoAtSave() {
        Fixture f;
        f.write("suivi.tvr", QStringList{"", ""} + block(5, 0, company(10001, "A")));
        QVERIFY(f.open());
        f.data.SetModif();
        QVERIFY(f.data.Sauve(f.path("suivi.tvr")));
        QCOMPARE(TextFile::read(f.path("suivi.tvr")).first(), "<BLOC00000>");
        // The head of a file whose first block lost its opening tag is that
        // block, not blank lines to trim.
        f.write("suivi.tvr", company(10001, "A") + QStringList{"</BLOC00000>"} +
                                 block(5, 1, company(10002, "B")));
        QVERIFY(f.open());
        QVERIFY(f.data.Sauve(f.path("suivi.tvr")));
        QCOMPARE(TextFile::read(f.path("suivi.tvr")).mid(0, 4),
                 (QStringList{"<BLOC00000>", "10001", "01/12/2026", "A"}));
    }
    void missingSiblingGivesAnEmptyList() {
        Fixture f(1);
        f.write("suivi.opr", block(4, 0, {"10001", "Salon"}));
        f.write("suivi.jnr", block(4, 0, {"10001", "05/12/2026"}));
        QVERIFY(f.open());
        QCOMPARE(f.data.count(Kind::Operation), 1);
        QCOMPARE((QStringList{f.data.operationFileName(), f.data.dayActionFileName()}),
                 (QStringList{f.path("suivi.opr"), f.path("suivi.jnr")}));
        f.write("autre.tvr", block(5, 0, company(10001, "X")));
        QVERIFY(f.data.Charge(f.path("autre.tvr")));
        QCOMPARE((QList<int>{f.data.count(Kind::Operation), f.data.count(Kind::DayAction)}),
                 (QList<int>{0, 0}));
        QVERIFY(f.data.list(Kind::Operation).isEmpty() && f.data.operation().type.isEmpty());
        QCOMPARE(f.data.operation().code, "10001");
    }
    void openingANameThatDoesNotExist() {
        Fixture f(2);
        QVERIFY(f.open());
        QVERIFY(!f.data.Charge(f.path("absent.tvr")));
        QVERIFY(f.data.fileName().isEmpty());
        QCOMPARE(f.data.count(Kind::Company), 2); // nothing else changes
    }
    void damagedListsAreRepairedAtLoad() {
        Fixture f;
        // Companies 0, 1, 1, 2 where 2 lost its closing tag, and operations
        // 0, 1, 2 where 1 lost its closing tag: one message for the opening.
        f.write("suivi.tvr", block(5, 0, company(10001, "A")) + block(5, 1, company(10002, "B")) +
                                 block(5, 1, company(10002, "B bis")) + QStringList{"<BLOC00002>"} +
                                 company(10003, "C"));
        QStringList ops;
        for (int i = 0; i < 3; ++i)
            ops += block(4, i, {QString::number(10001 + i), "T"});
        ops.removeAt(ops.indexOf("</BLOC0001>"));
        f.write("suivi.opr", ops);
        QVERIFY(f.open());
        QCOMPARE((QList<int>{f.data.count(Kind::Company), f.data.count(Kind::Operation)}),
                 (QList<int>{3, 3}));
        QCOMPARE(f.messages, QStringList{DataSet::AlteredMessage});
        QVERIFY(f.data.TestModif());
        f.data.jumpTo(Kind::Company, 1);
        QCOMPARE(f.data.company().name, "B bis");
        QCOMPARE(tagOrder(f.data.list(Kind::Operation)), (QList<int>{0, 1, 2}));
    }
    void rewritingABlockWithoutClosingTagKeepsTheNextOnes() {
        Fixture f;
        f.write("suivi.tvr", QStringList{"<BLOC00000>"} + company(10001, "A") +
                                 block(5, 1, company(10002, "B")) +
                                 block(5, 2, company(10003, "C")));
        QVERIFY(f.open());
        f.rename("A corrigé");
        f.data.EcritFiche();
        const BlocList &list = f.data.list(Kind::Company);
        QCOMPARE(tagOrder(list), (QList<int>{0, 1, 2}));
        QVERIFY(list.toList().contains("</BLOC00000>"));
        f.data.jumpTo(Kind::Company, 2);
        QCOMPARE(f.data.company().name, "C");
    }
    void firstNewCardAfterTypingTheFirstCompany() {
        Fixture f;
        f.data.Nouveau();
        f.rename("Première");
        QVERIFY(f.data.Ajout(Kind::Company));
        QCOMPARE((QList<int>{f.data.current(Kind::Company), f.data.count(Kind::Company)}),
                 (QList<int>{1, 2}));
        QCOMPARE((QStringList{f.data.company().name, f.data.company().code}),
                 (QStringList{"", "10002"}));
    }
    void listFullAt9999() {
        Fixture f(1);
        QStringList ops;
        for (int i = 0; i < 9999; ++i)
            ops += block(4, i, {QString::number(10001 + i)});
        f.write("suivi.opr", ops);
        QVERIFY(f.open());
        const qsizetype lines = f.data.list(Kind::Operation).size();
        QVERIFY(!f.data.Ajout(Kind::Operation));
        QCOMPARE(f.messages, QStringList{DataSet::FullMessage});
        QCOMPARE(f.data.list(Kind::Operation).size(), lines);
        QCOMPARE(f.data.count(Kind::Operation), 9999);
        // One below the limit a record is still created: the 9999th.
        f.data.Supprime(Kind::Operation);
        QVERIFY(f.data.Ajout(Kind::Operation));
        QCOMPARE(f.data.current(Kind::Operation), 9998);
        QCOMPARE(f.data.operation().code, "20000");
    }
    void deletingRecords() {
        Fixture f(3);
        QVERIFY(f.open());
        DataSet &d = f.data;
        d.jumpTo(Kind::Company, 1);
        d.Supprime(Kind::Company);
        QCOMPARE((QList<int>{d.count(Kind::Company), d.current(Kind::Company)}),
                 (QList<int>{2, 1}));
        QCOMPARE(d.company().name, "S2");
        QVERIFY(d.TestModif());
        // The last record: the card shows the one before it.
        d.Supprime(Kind::Company);
        QCOMPARE(d.current(Kind::Company), 0);
        QCOMPARE(d.company().name, "S0");
        // The only record: removed, the count stays 1, an empty card 0 comes up.
        d.Supprime(Kind::Company);
        QCOMPARE((QList<int>{d.count(Kind::Company), d.current(Kind::Company)}),
                 (QList<int>{1, 0}));
        QCOMPARE((QStringList{d.company().name, d.company().code}), (QStringList{"", "10001"}));
        QVERIFY(d.list(Kind::Company).findBlock(0) < 0);
        f.rename("Nouvelle");
        d.EcritFiche();
        QCOMPARE(d.list(Kind::Company).at(d.list(Kind::Company).findBlock(0) + 3), "Nouvelle");
        // An empty data set: nothing to delete, an empty card numbered 0.
        d.Nouveau();
        d.Supprime(Kind::Operation);
        QCOMPARE((QList<int>{d.count(Kind::Operation), d.current(Kind::Operation)}),
                 (QList<int>{0, 0}));
        QCOMPARE(d.operation().code, "10001");
    }
    void movingThroughAllRecords() {
        Fixture f(1);
        QVERIFY(f.open());
        DataSet &d = f.data;
        using M = DataSet::Move;
        // A single company: Suivant and Dernier do nothing at all.
        f.rename("modifié");
        QVERIFY(!d.move(Kind::Company, M::Next) && !d.move(Kind::Company, M::Last));
        QCOMPARE(d.company().name, "modifié");
        // Précédent writes and reads the record again.
        QVERIFY(d.move(Kind::Company, M::Previous));
        QCOMPARE(d.company().name, "modifié");
        QVERIFY(!d.isRecordModified(Kind::Company));
        // Operations: only Dernier is guarded below 2.
        QVERIFY(d.move(Kind::Operation, M::Next));
        QCOMPARE(d.current(Kind::Operation), 0);
        QVERIFY(!d.move(Kind::Operation, M::Last));
    }
    // Companies 3, 8 and 12 of 15 in 75011 Paris (8 as PARIS); operation
    // types Salon, "" and SALON; day actions on the 5th, 6th and 5th.
    void movingThroughASelection_data() {
        columns<Kind, Selection, QString, int, DataSet::Move, int>("kind", "mode", "criterion",
                                                                   "from", "move", "to");
        using M = DataSet::Move;
        const Kind c = Kind::Company;
        row("all, last", c, Selection::All, "", 0, M::Last, 14);
        row("all, next from the last", c, Selection::All, "", 14, M::Next, 14);
        row("all, previous from the first", c, Selection::All, "", 0, M::Previous, 0);
        row("next", c, Selection::PostalCode, "75011", 8, M::Next, 12);
        row("next from the last match", c, Selection::PostalCode, "75011", 12, M::Next, 12);
        row("first", c, Selection::PostalCode, "75011", 8, M::First, 3);
        row("a postal code nobody has", c, Selection::PostalCode, "99999", 3, M::First, 3);
        row("an empty postal code", c, Selection::PostalCode, "", 8, M::First, 8);
        row("town, case ignored", c, Selection::Town, "paris", 0, M::Last, 12);
        row("town, previous", c, Selection::Town, "paris", 12, M::Previous, 8);
        row("type, case ignored", Kind::Operation, Selection::Type, "salon", 0, M::Last, 2);
        row("an empty type matches empty types", Kind::Operation, Selection::Type, "", 0, M::First,
            1);
        row("day, last", Kind::DayAction, Selection::Day, "05/12/2026", 0, M::Last, 2);
        row("day, previous", Kind::DayAction, Selection::Day, "05/12/2026", 2, M::Previous, 0);
    }
    void movingThroughASelection() {
        const auto [kind, mode, criterion, from, move] =
            fetch<Kind, Selection, QString, int, DataSet::Move>("kind", "mode", "criterion", "from",
                                                                "move");
        Fixture f;
        auto p = places(15);
        for (int i : {3, 8, 12})
            p[i] = {"75011", i == 8 ? "PARIS" : "Paris"};
        f.companies(p);
        f.write("suivi.opr", block(4, 0, {"10001", "Salon"}) + block(4, 1, {"10002", ""}) +
                                 block(4, 2, {"10003", "SALON"}));
        f.write("suivi.jnr", block(4, 0, {"10001", "05/12/2026"}) +
                                 block(4, 1, {"10002", "06/12/2026"}) +
                                 block(4, 2, {"10003", "05/12/2026"}));
        QVERIFY(f.open());
        DataSet &d = f.data;
        QCOMPARE(d.day(), Dates::format(QDate::currentDate())); // today until one is chosen
        d.setSelectionMode(kind, mode);
        kind == Kind::Operation   ? d.setOperationType(criterion)
        : kind == Kind::DayAction ? d.setDay(criterion)
        : mode == Selection::Town ? d.setTown(criterion)
                                  : d.setPostalCode(criterion);
        d.jumpTo(kind, from);
        d.move(kind, move);
        QTEST(d.current(kind), "to");
    }
    void selectionTextNamesWhatHidesRecords_data() {
        // modes: as stored: companies, operations, day actions
        columns<QList<int>, QString>("modes", "text");
        row("all records", QList<int>{1, 1, 1}, "");
        row("postal code", QList<int>{2, 0, 0}, "Sélection : code postal 75011");
        row("town", QList<int>{3, 1, 1}, "Sélection : ville PARIS");
        row("town and type", QList<int>{3, 2, 1}, "Sélection : ville PARIS, type (vide)");
        row("day", QList<int>{0, 0, 2}, "Sélection : jour 05/12/2026");
    }
    void selectionTextNamesWhatHidesRecords() {
        QFETCH(QList<int>, modes);
        DataSet d;
        d.setPostalCode("75011");
        d.setTown("paris");
        d.setDay("05/12/2026");
        for (Kind kind : {Kind::Company, Kind::Operation, Kind::DayAction})
            d.setSelectionMode(kind, selectionFromNumber(modes.at(int(kind))));
        QTEST(d.selectionText(), "text");
    }
    void operationsMoveToTheEndWhenWritten() {
        Fixture f(1);
        f.write("suivi.opr", block(4, 0, {"10001", "A"}) + block(4, 1, {"10002", "B"}) +
                                 block(4, 2, {"10003", "C"}));
        QVERIFY(f.open());
        DataSet &d = f.data;
        d.jumpTo(Kind::Operation, 1);
        d.operation().summary = "changé";
        d.markEdited(Kind::Operation);
        d.jumpTo(Kind::Operation, 0);
        QCOMPARE(tagOrder(d.list(Kind::Operation)), (QList<int>{0, 2, 1}));
        d.jumpTo(Kind::Operation, 1);
        QCOMPARE((QStringList{d.operation().summary, d.operation().type}),
                 (QStringList{"changé", "B"}));
        // A company keeps its place.
        d.jumpTo(Kind::Company, 0);
        f.rename("nouveau nom");
        d.EcritFiche();
        QCOMPARE(d.list(Kind::Company).findBlock(0), 0);
    }
    void copyAndPaste() {
        Fixture f;
        f.companies({{"75011", "Paris"}, {"69001", "Lyon"}});
        QVERIFY(f.open());
        DataSet &d = f.data;
        d.company().web = "www.a.fr";
        d.Copier();
        d.jumpTo(Kind::Company, 1);
        d.Coller();
        const Company &c = d.company();
        QCOMPARE((QStringList{c.name, c.postalCode, c.code, c.web}),
                 (QStringList{"S0", "75011", "10002", ""}));
        QVERIFY(d.isRecordModified(Kind::Company) && d.TestModif());
    }
    void followUpInputRules() {
        Fixture f;
        DataSet &d = f.data;
        d.followUpInput(Kind::Company) = {fixedNow.date(), "Appel", " "};
        QVERIFY(!d.addFollowUp(Kind::Company));
        QVERIFY(!d.TestModif());
        QCOMPARE(d.followUpInput(Kind::Company).action, "Appel");
        d.company().followUps = QList<FollowUpRow>(63, {"01/01/2026", "a", "b"});
        d.followUpInput(Kind::Company).text = "suite";
        QVERIFY(!d.addFollowUp(Kind::Company));
        QVERIFY(d.TestModif()); // flags are set even when the grid is full
        QCOMPARE(d.followUpInput(Kind::Company).text, "suite");
    }
    void pickingAndValidating() {
        Fixture f;
        f.write("suivi.tvr", block(5, 0, company(10003, "Durand", "75011", "Paris")) +
                                 block(5, 1, company(10004, "Martin")) +
                                 block(5, 2, company(10005, "Petit")));
        QVERIFY(f.open());
        DataSet &d = f.data;
        d.Ajout(Kind::DayAction);
        d.pickCompany("10003");
        const DayAction &a = d.dayAction();
        QCOMPARE((QStringList{a.companyCode, a.companyName, a.groupPostalCode, a.groupTown}),
                 (QStringList{"10003", "Durand", "75011", "Paris"}));
        // An unknown code keeps the other fields.
        d.pickCompany("99999");
        QCOMPARE(d.dayAction().companyName, "Durand");
        d.pickCompany("10003");
        d.dayAction().action = "Entretien";
        d.dayAction().result = "Retenu";
        d.validateDayAction();
        QVERIFY(d.dayAction().validated);
        QCOMPARE(d.current(Kind::Company), 0);
        QCOMPARE(d.company().followUps.value(0),
                 (FollowUpRow{"05/12/2026", "Entretien", "Retenu"}));
        const BlocList &companies = d.list(Kind::Company);
        QVERIFY(companies.toList().contains("DATA05/12/2026\tEntretien\tRetenu"));
        d.validateDayAction();
        QCOMPARE(companies.toList().count("DATA05/12/2026\tEntretien\tRetenu"), 1);
        // A day action created after a validated one starts open.
        d.Ajout(Kind::DayAction);
        QVERIFY(!d.dayAction().validated);
        d.jumpTo(Kind::DayAction, 0);
        QVERIFY(d.dayAction().validated);
        // A code prefix matches the first company whose code begins with it.
        d.Ajout(Kind::DayAction);
        d.dayAction().companyCode = "1000";
        d.dayAction().action = "Appel";
        d.dayAction().result = "ok";
        d.validateDayAction();
        QCOMPARE(d.current(Kind::Company), 0);
        QVERIFY(d.company().followUps.contains(FollowUpRow{"05/12/2026", "Appel", "ok"}));
        // No company for the code: validated all the same, no row anywhere.
        d.Ajout(Kind::DayAction);
        d.dayAction().companyCode = "424242";
        d.dayAction().action = "Appel";
        d.dayAction().result = "rien";
        d.validateDayAction();
        QVERIFY(d.dayAction().validated);
        QVERIFY(!companies.toList().join('\n').contains("rien"));
    }
    void outsideEncodingIsReadAndSavedInWindows1252_data() {
        QTest::addColumn<QByteArray>("content");
        const QString text("<BLOC00000>\r\n10001\r\n01/12/2026\r\nSociété\r\n</BLOC00000>\r\n");
        row("utf-8 with its mark", "\xEF\xBB\xBF" + text.toUtf8());
        QByteArray le("\xFF\xFE"), be("\xFE\xFF");
        for (const QChar c : text) {
            le += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
            be += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xFF);
        }
        row("utf-16 little-endian", le);
        row("utf-16 big-endian", be);
    }
    void outsideEncodingIsReadAndSavedInWindows1252() {
        Fixture f;
        writeFile(f.path("suivi.tvr"), fetch<QByteArray>("content"));
        QVERIFY(f.open());
        QCOMPARE(f.data.count(Kind::Company), 1);
        QCOMPARE(f.data.company().name, "Société");
        QVERIFY(f.data.TestModif() && f.messages.isEmpty());
        QVERIFY(f.data.Sauve(f.path("suivi.tvr")));
        QVERIFY(fileBytes(f.path("suivi.tvr"))
                    .startsWith("<BLOC00000>\r\n10001\r\n01/12/2026\r\nSoci\xE9t\xE9"));
    }
    // A save cut short: what Charge finds beside the data file.
    void interruptedSavesAreFinishedOrUndone_data() {
        // renamed: files already in place
        columns<bool, int, QString>("journal", "renamed", "name");
        row("before the journal: the old set", false, 0, "ancien");
        row("journal written: the new set", true, 0, "nouveau");
        row("half renamed: the new set", true, 2, "nouveau");
        // A journal that names other files leaves them all, temporaries too.
        row("journal of other files", true, -1, "ancien");
    }
    void interruptedSavesAreFinishedOrUndone() {
        const auto [journal, renamed] = fetch<bool, int>("journal", "renamed");
        Fixture f;
        const char *endings[] = {"tvr", "opr", "jnr"};
        QString text = "TAVRIN-JOURNAL 1\r\n";
        for (int k = 0; k < 3; ++k) {
            const QString file = QStringLiteral("suivi.") + endings[k];
            const QStringList old = block(k ? 4 : 5, 0, company(10001, "ancien"));
            const QStringList fresh = block(k ? 4 : 5, 0, company(10001, "nouveau"));
            f.write(file, k < renamed ? fresh : old);
            if (k >= renamed)
                f.write(file + ".tavrin-tmp", fresh);
            const QString listed = renamed < 0 ? QStringLiteral("?ancien.") + endings[k] : file;
            text += listed + ".tavrin-tmp\t" + listed + "\t" +
                    QString::number(TextFile::encodeLines(fresh).size()) + "\r\n";
        }
        if (journal)
            writeFile(f.path("suivi.tvr-journal"), (text + "fin\r\n").toLatin1());
        QVERIFY(f.open());
        QTEST(f.data.company().name, "name");
        for (const Kind kind : {Kind::Operation, Kind::DayAction})
            QTEST(f.data.list(kind).at(3), "name");
        const QStringList files = QDir(f.dir.path()).entryList(QDir::Files);
        if (renamed >= 0) {
            QCOMPARE(files, (QStringList{"suivi.jnr", "suivi.opr", "suivi.tvr"}));
            return;
        }
        QCOMPARE(files.size(), 7);
        QVERIFY(f.messages.last().contains("ne correspond pas aux fichiers"));
    }
    void firstSaveOfARunKeepsBackups() {
        Fixture f(1);
        const QByteArray opened = fileBytes(f.path("suivi.tvr"));
        for (const char *name : {"premier", "second"}) {
            QVERIFY(f.open());
            f.rename(name);
            QVERIFY(f.data.Sauve(f.path("suivi.tvr")));
        }
        // What was opened at the start of the run, not what the run saved.
        QCOMPARE(fileBytes(f.path("suivi.tvr.bak")), opened);
        // The siblings did not exist when the set was opened.
        QVERIFY(!QFile::exists(f.path("suivi.opr.bak")));
        // The next run's first save replaces them.
        DataSet next;
        QVERIFY(next.Charge(f.path("suivi.tvr")));
        next.SetModif();
        const QByteArray second = fileBytes(f.path("suivi.tvr"));
        QVERIFY(next.Sauve(f.path("suivi.tvr")));
        QCOMPARE(fileBytes(f.path("suivi.tvr.bak")), second);
    }
    void failedRenamePutsBackTheFilesReplaced() {
        Fixture f(1);
        QVERIFY(f.open());
        QVERIFY(QDir(f.dir.path()).mkpath("suivi.jnr/occupe"));
        const QByteArray before = fileBytes(f.path("suivi.tvr"));
        f.rename("changé");
        QVERIFY(!f.data.Sauve(f.path("suivi.tvr")));
        QCOMPARE(f.messages.last(), "Impossible d'enregistrer le fichier " + f.path("suivi.jnr") +
                                        " : un dossier porte ce nom");
        QCOMPARE(fileBytes(f.path("suivi.tvr")), before);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"suivi.tvr"});
        QVERIFY(!QFile::exists(f.path("suivi.opr")) && f.data.TestModif());
    }
    // The save is done; the backup is not, and the user is told.
    void backupThatCannotBeMadeIsTold() {
        Fixture f(1);
        QVERIFY(QDir(f.dir.path()).mkpath("suivi.tvr.bak/occupe"));
        QVERIFY(f.open());
        f.rename("changé");
        QVERIFY(f.data.Sauve(f.path("suivi.tvr")));
        QCOMPARE(TextFile::read(f.path("suivi.tvr")).value(3), "changé");
        QCOMPARE(f.data.saveWarning(), "La copie de sauvegarde " + f.path("suivi.tvr.bak") +
                                           " n'a pas pu être faite : un dossier porte ce nom");
        QCOMPARE(f.messages.last(), f.data.saveWarning());
    }
};

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
