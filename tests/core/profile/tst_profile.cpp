// The candidate's profile as Tavrin.moi holds it, and the CV written from it.
#include "core/coretest.h"
#include "profile/cv.h"
#include "profile/profile.h"

namespace {

QStringList employer(const QString &company, const QString &entry = "01/01/1995",
                     const QString &leaving = "31/12/1999") {
    return {company, "Chimie", "", "", "", "Chef", "", entry, leaving, "N", "MEMOGérer"};
}

QStringList filled(int count, const QString &value) {
    return QStringList(count, value);
}

// A profile as the window writes it, every section filled.
QStringList sampleProfile() {
    Profile p;
    for (int k = 0; k < Profile::IdentityCount; ++k)
        p.identity[k] = "Identité " + QString::number(k);
    for (int k = 0; k < Profile::FormationCount; ++k)
        p.formation[k] = "Formation " + QString::number(k);
    p.divers = {"Note une", "Note deux"};
    p.skills.fill(5);
    p.characteristics.fill(3);
    p.addKnowledge("Chimie", "Pratique");
    Employer e;
    e.company = "ACME";
    e.responsibilities = {"Gérer"};
    p.setEmployer(e);
    p.newEmployer();
    e.company = "Durand";
    e.responsibilities = {"Vendre"};
    p.setEmployer(e);
    return *p.Result();
}

// The sample without the line `offset` lines after `anchor`.
QStringList withoutLine(const QString &anchor, int offset) {
    QStringList lines = sampleProfile();
    lines.removeAt(lines.indexOf(anchor) + offset);
    return lines;
}

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sections_data() {
        columns<QStringList, QStringList, QStringList, QString, int, int>(
            "lines", "divers", "knowledge", "name", "firstSkill", "lastCharacteristic");
        const QStringList none;
        const QStringList page2 = QStringList{"PAGE2"} + filled(18, "x");
        row("no file", none, none, none, "", 0, 1);
        row("notes beginning PAGE are notes",
            page2 + QStringList{"PAGES ET PLUMES", "PAGE5", "Chimie : Pratique"},
            QStringList{"PAGES ET PLUMES"}, QStringList{"Chimie : Pratique"}, "", 0, 1);
        row("short identity skipped", QStringList{"PAGE1", "Madame", "Durand"}, none, none, "", 0,
            1);
        row("identity",
            QStringList{"PAGE1"} + filled(9, "Durand") + QStringList{""} + filled(4, "Durand"),
            none, none, "Durand", 0, 1);
        row("ratings to nearest bound",
            QStringList{"PAGE4", "11"} + filled(13, "0") + QStringList{"PAGE6"} + filled(23, "1") +
                QStringList{"9"},
            none, none, "", 10, 4);
        row("sections cut by the next marker",
            QStringList{"PAGE1", "Madame", "Durand", "PAGE2"} + filled(18, "x") +
                QStringList{"note", "PAGE4", "7", "PAGE6"} + filled(24, "4"),
            QStringList{"note"}, none, "Durand", 7, 4);
        row("ratings headed by their marker skipped",
            QStringList{"PAGE4", "PAGE4"} + filled(13, "5"), none, none, "", 0, 1);
    }
    void sections() {
        Profile p;
        QVERIFY(p.Init(fetch<QStringList>("lines")));
        QTEST(p.divers, "divers");
        QTEST(p.knowledge, "knowledge");
        QTEST(p.identity[1], "name");
        QTEST(p.skills[0], "firstSkill");
        QTEST(p.characteristics[23], "lastCharacteristic");
        QCOMPARE(p.identity[9], Profile::BlankDate);
        QCOMPARE(p.indicator(), QString("1/1"));
        QVERIFY(!p.Result()); // nothing typed: the list is not rewritten
    }
    // A line lost in any section: the first save mends the profile, the next
    // ones write it again as it is, every note once.
    void damagedProfileSavedAgain_data() {
        QTest::addColumn<QStringList>("lines");
        row("identity", withoutLine("PAGE1", 5));
        row("course", withoutLine("PAGE2", 3));
        row("employer field", withoutLine("PAGE3", 2));
        row("employer closing tag", withoutLine("</BLOC00000>", 0));
        row("skill", withoutLine("PAGE4", 14));
        row("characteristic", withoutLine("PAGE6", 1));
        QStringList twice = sampleProfile();
        const qsizetype page2 = twice.indexOf("PAGE2"), page6 = twice.indexOf("PAGE6");
        twice += twice.mid(page2, twice.indexOf("PAGE3") - page2);
        twice += twice.mid(page6, twice.indexOf("PAGE6", page6 + 1) - page6);
        row("sections written twice", twice);
    }
    void damagedProfileSavedAgain() {
        QFETCH(QStringList, lines);
        QStringList first;
        for (int save = 0; save < 10; ++save) {
            Profile p;
            QVERIFY(p.Init(lines));
            p.markChanged();
            lines = *p.Result();
            if (save == 0)
                first = lines;
            QCOMPARE(lines, first);
        }
        for (const QString &once :
             Profile::Markers + QStringList{"Note une", "Note deux", "Chimie : Pratique",
                                            "MEMOGérer", "MEMOVendre", "Durand"})
            QVERIFY2(lines.count(once) == 1, qPrintable(once));
    }
    void ratingNotInteger() {
        Profile p;
        QString error;
        QVERIFY(!p.Init(QStringList{"PAGE6"} + filled(23, "1") + QStringList{"abc"}, &error));
        QCOMPARE(error, QString("'abc' n'est pas une valeur entière correcte"));
    }
    // Written back after a change, the profile reads the same and writes the
    // same lines again: later lines of an employer and long lines survive.
    void roundTrip() {
        const QString longLine = QString(300, u'a');
        QStringList lines = QStringList{"PAGE1"} + filled(14, "v") + QStringList{"PAGE2"} +
                            filled(18, "1990") + QStringList{"PAGE1 note", "PAGE3"};
        QStringList content = employer("ACME");
        content += filled(189, "MEMOx") + QStringList{"kept"};
        lines += block(5, 0, content);
        lines += QStringList{"PAGE5", "Arts : Initiation"};
        Profile p;
        QVERIFY(p.Init(lines));
        Employer e = p.employer();
        QCOMPARE(e.tail, QStringList{"kept"});
        e.responsibilities = {longLine};
        p.setEmployer(e);
        const std::optional<QStringList> written = p.Result();
        QVERIFY(written);
        Profile again;
        QVERIFY(again.Init(*written));
        QCOMPARE(again.employer().responsibilities.join(QString()), longLine);
        QCOMPARE(again.employer().tail, QStringList{"kept"});
        QCOMPARE(again.divers, QStringList{"PAGE1 note"});
        again.markChanged();
        QCOMPARE(*again.Result(), *written);
    }
    // A new employer on an empty profile is stored past the count; read
    // again, it is the first.
    void newEmployerOnEmptyProfile() {
        Profile p;
        QVERIFY(p.Init({}));
        QVERIFY(p.newEmployer());
        QCOMPARE(p.indicator(), QString("2/2"));
        Employer e;
        e.company = "ACME";
        p.setEmployer(e);
        Profile again;
        QVERIFY(again.Init(*p.Result()));
        QCOMPARE(again.indicator(), QString("1/1"));
        QCOMPARE(again.employer().company, QString("ACME"));
        QCOMPARE(again.employer().entry, Profile::BlankDate);
    }
    void untouchedNewEmployerStoresNothing() {
        Profile p;
        QVERIFY(p.Init(QStringList{"PAGE3"} + block(5, 0, employer("ACME"))));
        QVERIFY(p.newEmployer());
        p.markChanged();
        Profile again;
        QVERIFY(again.Init(*p.Result()));
        QCOMPARE(again.count(), 1);
    }
    void deleteKeepsTheNextBlock_data() {
        QTest::addColumn<bool>("closed");
        row("closed", true);
        row("closing tag lost", false);
    }
    void deleteKeepsTheNextBlock() {
        Profile p;
        QVERIFY(p.Init(QStringList{"PAGE3"} + block(5, 0, employer("A"), fetch<bool>("closed")) +
                       block(5, 1, employer("B"))));
        QCOMPARE(p.employer().company, QString("A"));
        QCOMPARE(p.employer().responsibilities, QStringList{"Gérer"});
        p.deleteEmployer();
        QCOMPARE(p.indicator(), QString("1/1"));
        QCOMPARE(p.employer().company, QString("B"));
        p.deleteEmployer();
        QCOMPARE(p.indicator(), QString("1/1"));
        QVERIFY(p.employer().company.isEmpty());
    }
    void moves() {
        Profile p;
        QVERIFY(
            p.Init(QStringList{"PAGE3"} + block(5, 0, employer("A")) + block(5, 1, employer("B"))));
        p.previous();
        QCOMPARE(p.indicator(), QString("1/2"));
        p.next();
        p.next();
        QCOMPARE(p.indicator(), QString("2/2"));
        QCOMPARE(p.employer().company, QString("B"));
        QVERIFY(!p.changed());
        p.addKnowledge("Chimie", "Pratique");
        QCOMPARE(p.knowledge, QStringList{"Chimie : Pratique"});
        QVERIFY(p.changed());
    }
    void cv_data() {
        columns<QStringList, QStringList, QStringList>("profile", "employers", "studies");
        row("empty", QStringList(), QStringList(), QStringList());
        row("employers in record order",
            QStringList{"PAGE3"} + block(5, 1, employer("B", "01/02/2001", "")) +
                block(5, 0, employer("A", Profile::BlankDate, "03/04/1999")),
            QStringList{"2001  \tB", "\t\tChef", "      1999\tA", "\t\tChef"}, QStringList());
        row("courses without a year left out",
            QStringList{"PAGE2", "1990", "Bac", "", "BTS", "1995", ""}, QStringList(),
            QStringList{"1990\tBac", "1995\t"});
        row("truncated employer", QStringList{"<BLOC00000>", "A"}, QStringList{"  \tA", "\t\t"},
            QStringList());
    }
    void cv() {
        const auto [employers, studies] = fetch<QStringList, QStringList>("employers", "studies");
        const QStringList expected =
            QStringList{"1", "2", "3", "4", "", "", "Expérience professionnelle", ""} + employers +
            QStringList{"", "", "Etudes", ""} + studies;
        QCOMPARE(Cv::document({"1", "2", "3", "4", "5"}, fetch<QStringList>("profile")), expected);
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
