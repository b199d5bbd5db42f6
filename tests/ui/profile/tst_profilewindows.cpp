// "Mon profil" and the CV, opened from the record card.

#include "ui/store/cardtesting.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestProfileWindows : public QObject {
    Q_OBJECT

    CardFixture f;
    QStringList &profile() { return f.fiche->profile(); }
    static QLineEdit *edit(QDialog *d, const char *name) { return child<QLineEdit>(d, name); }
    static void click(QDialog *d, const char *name) { child<QAbstractButton>(d, name)->click(); }
    static QString position(QDialog *d) { return child<QLabel>(d, "labelPosition")->text(); }

private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() { f.stop(); }
    void everyCloseKeepsTheEdits_data() {
        columns<int>("how");
        row("Fermer", 0);
        row("close box", 1);
        row("Escape", 2);
        row("nothing typed", 3);
    }
    void everyCloseKeepsTheEdits() {
        QFETCH(int, how);
        f.dialogs->scripts << [how](QDialog *d) {
            // A first use: empty fields and the initial values.
            QCOMPARE(d->windowTitle(), u"Mon profil"_s);
            QCOMPARE(child<QTabWidget>(d, "tabs")->currentIndex(), 0);
            QCOMPARE(child<QComboBox>(d, "comboTitre")->currentText(), u"Monsieur"_s);
            QCOMPARE(child<QSpinBox>(d, "spinCompetence14")->value(), 0);
            QCOMPARE(child<QSpinBox>(d, "spinCaracteristique24")->value(), 1);
            QCOMPARE(position(d), u"1/1"_s);
            if (how == 3) {
                click(d, "buttonFermer");
                return;
            }
            QTest::keyClicks(edit(d, "editNom"), u"Dupont Jean"_s);
            child<QSpinBox>(d, "spinCompetence1")->setValue(7);
            if (how == 0)
                click(d, "buttonFermer");
            else if (how == 1)
                d->close();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        };
        f.fiche->Vous();
        if (how == 3) {
            QVERIFY(profile().isEmpty());
            return;
        }
        QCOMPARE(profile().size(), 1 + 14 + 1 + 18 + 1 + 1 + 14 + 1 + 1 + 24);
        QCOMPARE(profile().mid(0, 3), (QStringList{"PAGE1", "Monsieur", "Dupont Jean"}));
        // An untyped birth date keeps the mask's blanks.
        QCOMPARE(profile().at(10), u"  /  /    "_s);
        QCOMPARE(profile().at(profile().indexOf("PAGE4") + 1), u"7"_s);
    }
    // Dates typed with their slashes land whole in the masked fields; the
    // field after each is left untouched.
    void typedDatesWithSlashes() {
        f.dialogs->scripts << [](QDialog *d) {
            const std::pair<const char *, const char *> fields[] = {{"editNaissance", "editAge"},
                                                                    {"editEntree", "editSortie"}};
            QTest::keyClicks(edit(d, "editSociete"), u"Acme"_s);
            for (const auto &[name, next] : fields) {
                auto *tabs = child<QTabWidget>(d, "tabs");
                for (int i = 0; i < tabs->count(); ++i)
                    if (tabs->widget(i)->isAncestorOf(edit(d, name)))
                        tabs->setCurrentIndex(i);
                QTest::mouseClick(edit(d, name), Qt::LeftButton, {}, QPoint(5, 10));
                QTest::keyClicks(edit(d, name), u"15/03/2026"_s);
                QCOMPARE(edit(d, name)->text(), u"15/03/2026"_s);
                QVERIFY(edit(d, next)->text().remove(u'/').trimmed().isEmpty());
            }
            click(d, "buttonFermer");
        };
        f.fiche->Vous();
        QCOMPARE(profile().at(10), u"15/03/2026"_s);
        QCOMPARE(profile().at(profile().indexOf("<BLOC00000>") + 8), u"15/03/2026"_s);
    }
    void employerButtons() {
        f.dialogs->scripts << [](QDialog *d) {
            QTest::keyClicks(edit(d, "editSociete"), u"Acme"_s);
            QTest::mouseClick(edit(d, "editEntree"), Qt::LeftButton, {}, QPoint(85, 10));
            QTest::keyClicks(edit(d, "editEntree"), u"01022003"_s);
            click(d, "buttonNouvelle");
            QCOMPARE(position(d), u"2/2"_s);
            QCOMPARE(edit(d, "editSociete")->text(), QString());
            QTest::keyClicks(edit(d, "editSociete"), u"Beta"_s);
            click(d, "buttonPrecedent");
            QCOMPARE(position(d), u"1/2"_s);
            QCOMPARE(edit(d, "editSociete")->text(), u"Acme"_s);
            click(d, "buttonSuivant");
            QCOMPARE(edit(d, "editSociete")->text(), u"Beta"_s);
            click(d, "buttonSupprimer");
            QCOMPARE(position(d), u"1/1"_s);
            QCOMPARE(edit(d, "editSociete")->text(), u"Acme"_s);
            // An empty new employer is not stored.
            click(d, "buttonNouvelle");
            click(d, "buttonFermer");
        };
        f.fiche->Vous();
        const qsizetype tag = profile().indexOf("<BLOC00000>");
        QVERIFY(tag > 0);
        QCOMPARE(profile().at(tag + 1), u"Acme"_s);
        QCOMPARE(profile().at(tag + 8), u"01/02/2003"_s);
        QCOMPARE(profile().at(tag + 9), u"  /  /    "_s);
        QCOMPARE(profile().filter("<BLOC").size(), 1);
        QVERIFY(!profile().contains("Beta"));
    }
    void plusThenTabFillsTheNewEmployer() {
        f.dialogs->scripts << [](QDialog *d) {
            QTabBar *tabs = child<QTabWidget>(d, "tabs")->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
            auto *note = child<QPlainTextEdit>(d, "memoResponsabilites");
            QTest::mouseClick(note->viewport(), Qt::LeftButton);
            QTest::keyClicks(d->focusWidget(), u"Ventes"_s);
            QTest::mouseClick(child<QToolButton>(d, "buttonNouvelle"), Qt::LeftButton);
            QCOMPARE(position(d), u"2/2"_s);
            QTest::keyClicks(d->focusWidget(), u"Beta"_s);
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(d->focusWidget(), u"Chimie"_s);
            // Tab leaves the note instead of going into it.
            QTest::mouseClick(note->viewport(), Qt::LeftButton);
            QTest::keyClicks(d->focusWidget(), u"Achats"_s);
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            QVERIFY(d->focusWidget() != note);
            click(d, "buttonFermer");
        };
        f.fiche->Vous();
        const qsizetype first = profile().indexOf("<BLOC00000>");
        const qsizetype second = profile().indexOf("<BLOC00001>");
        QVERIFY(first > 0 && second > first);
        QVERIFY(profile().contains("MEMOVentes"));
        QCOMPARE(profile().mid(second + 1, 2), (QStringList{"Beta", "Chimie"}));
        QVERIFY(profile().contains("MEMOAchats"));
    }
    void knowledgeItems() {
        f.dialogs->scripts << [](QDialog *d) {
            child<QComboBox>(d, "comboConnaissances")->setCurrentText(u"Chimie"_s);
            child<QComboBox>(d, "comboNiveau")->setCurrentText(u"Pratique"_s);
            click(d, "buttonOk");
            child<QComboBox>(d, "comboConnaissances")->setCurrentText(u"Arts"_s);
            click(d, "buttonOk");
            auto *list = child<QListWidget>(d, "listConnaissances");
            QTest::keyClick(list, Qt::Key_Delete); // nothing selected
            QCOMPARE(list->count(), 2);
            list->setCurrentRow(1);
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(list->count(), 1);
        };
        f.fiche->Vous();
        const qsizetype page5 = profile().indexOf("PAGE5");
        QCOMPARE(profile().mid(page5, 3), (QStringList{"PAGE5", "Chimie : Pratique", "PAGE6"}));
    }
    void aBadRatingShowsNoWindow() {
        QStringList lines{"PAGE4"};
        for (int k = 0; k < 14; ++k)
            lines << (k == 3 ? u"5,5"_s : u"3"_s);
        profile() = lines;
        f.fiche->Vous();
        QCOMPARE(f.dialogs->messages,
                 QStringList{u"'5,5' n'est pas une valeur entière correcte"_s});
        QVERIFY(f.dialogs->titles.isEmpty());
        QCOMPARE(profile(), lines);
    }
    void cvInTheWordProcessor() {
        profile() = {"PAGE2", "1998", "BTS Commerce", "", "Sans année"};
        profile() += QStringList(14);
        profile() += {
            "PAGE3",      "<BLOC00000>", "Acme",        "", "", "", "", "Vendeur", "", "01/02/2003",
            "  /  /    ", "N",           "</BLOC00000>"};
        QString text;
        f.dialogs->scripts <<
            [&text](QDialog *d) { text = d->findChild<QTextEdit *>()->toPlainText(); };
        f.fiche->CV();
        // Laid out by the core's CV; here, it reaches the word processor.
        QVERIFY(text.contains("2003      \tAcme\n\t\tVendeur"));
        QVERIFY(text.contains("1998\tBTS Commerce"));
    }
};

QTEST_MAIN(TestProfileWindows)
#include "tst_profilewindows.moc"
