// The operation page of the record card.

#include "store/costformat.h"
#include "store/dates.h"
#include "ui/store/cardtesting.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace Qt::StringLiterals;

class TestOperationPage : public QObject {
    Q_OBJECT

private:
    CardFixture f;

    QString cell(int row, int column) const {
        return f.field<QTableWidget>("gridSuiviOperation")->item(row, column)->text();
    }
    // Block lines of an operation as written in the list.
    QStringList block(int n) const {
        const BlocList &list = f.data().list(Kind::Operation);
        const qsizetype at = list.findBlock(n);
        if (at < 0)
            return {};
        const qsizetype end = list.find(list.closeTag(n), at);
        return list.toList().mid(at, end - at + 1);
    }

private Q_SLOTS:
    void init() {
        f.start();
        QVERIFY(QTest::qWaitForWindowActive(f.fiche));
    }
    void cleanup() { f.stop(); }

    void costFieldsTakeDigitsAndFormatOnLeaving() {
        f.fiche->Nouveau();
        f.fiche->Operations();
        f.fiche->Ajout();
        QLineEdit *cost = f.edit("editCoutFixe");
        cost->setFocus();
        // The keys go through the cost filter (its cases: the record tests).
        QTest::keyClicks(cost, "1.5a");
        QCOMPARE(cost->text(), u"1,5"_s);
        // Editing keys keep working: Delete after Home removes the first digit.
        QTest::keyClick(cost, Qt::Key_Home);
        QTest::keyClick(cost, Qt::Key_Delete);
        QCOMPARE(cost->text(), u",5"_s);
        QTest::keyClick(cost, Qt::Key_1);
        QTest::keyClick(cost, Qt::Key_End);
        QGuiApplication::clipboard()->setText(u"9x"_s);
        cost->paste();
        QCOMPARE(cost->text(), u"1,5"_s);
        QTest::keyClicks(cost, ",2"); // one comma at most
        QCOMPARE(cost->text(), u"1,52"_s);
        QVERIFY(f.data().isRecordModified(Kind::Operation));

        f.edit("editCoutUnitaire")->setFocus();
        QCOMPARE(cost->text().trimmed(), u"1,52"_s);
        QVERIFY(cost->text().startsWith(u' '));
        QVERIFY(cost->fontMetrics().horizontalAdvance(cost->text()) > 90);
        // The field is right-aligned by its padding, which is stored with the amount.
        QVERIFY(f.fiche->Sauve(f.path("ops.tvr")));
        const QStringList lines = TextFile::read(f.path("ops.opr"));
        const qsizetype tag = lines.indexOf(u"<BLOC0000>"_s);
        QVERIFY(tag >= 0);
        QCOMPARE(lines.value(tag + 4), cost->text());
    }

    void blankCostFieldIsLeftAlone() {
        QStringList op = operationBlock(0, "10001", {}, "x");
        op[4] = u"   "_s;
        QVERIFY(f.open(companies(1), op));
        f.fiche->Operations();
        QLineEdit *cost = f.edit("editCoutFixe");
        cost->setFocus();
        f.edit("editResume")->setFocus();
        QCOMPARE(cost->text(), u"   "_s);
        QVERIFY(!f.data().isRecordModified(Kind::Operation));
    }

    void newOperationGetsTheFirstCodeAndTheFocusOnTheSummary() {
        f.fiche->Nouveau();
        f.fiche->Operations();
        f.fiche->Ajout();
        QCOMPARE(f.edit("editCodeOperation")->text(), u"10001"_s);
        QCOMPARE(f.fiche->focusWidget(), f.edit("editResume"));
        QCOMPARE(f.field<QDateEdit>("dateDebut")->date(), QDate::currentDate());
        QTest::keyClicks(f.edit("editResume"), "Salon de l'emploi");
        f.field<QCheckBox>("checkUrgent")->click();
        // Leaving the page writes the card.
        f.fiche->Societes();
        const QStringList written = block(0);
        QCOMPARE(written.value(3), u"Salon de l'emploi"_s);
        QCOMPARE(written.mid(8), (QStringList{"Y", "</BLOC0000>"}));
    }

    void enterOrOkAddsTheRow() {
        f.fiche->Nouveau();
        f.fiche->Operations();
        QLineEdit *label = f.edit("editLibelle");
        QTest::keyClicks(label, "Relance");
        QTest::keyClick(label, Qt::Key_Return);
        QVERIFY(cell(0, 0).isEmpty()); // no follow-up text yet
        QTest::keyClicks(f.edit("editSuiviOperation"), "  par mail ");
        QTest::keyClick(label, Qt::Key_Return);
        QCOMPARE((QStringList{cell(0, 0), cell(0, 1), cell(0, 2)}),
                 (QStringList{Dates::format(QDate::currentDate()), "Relance", "  par mail "}));
        QVERIFY(label->text().isEmpty());
        QVERIFY(f.fiche->TestModif());
        QTest::keyClicks(label, "Appel");
        QTest::keyClicks(f.edit("editSuiviOperation"), "oui");
        QTest::mouseClick(f.field<QPushButton>("buttonSuiviOperationOk"), Qt::LeftButton);
        QCOMPARE(cell(1, 1), u"Appel"_s);
    }

    void typeListEditorFeedsTheTypeComboAndTheSelectionDialog() {
        f.dialogs->scripts << [](QDialog *d) {
            auto *input = child<QLineEdit>(d, "editItem");
            for (const char *type : {"Candidature", "Salon"}) {
                QTest::keyClicks(input, QLatin1String(type));
                QTest::keyClick(input, Qt::Key_Return);
            }
            press(d, "buttonFermer");
        };
        f.fiche->TypeOperation();
        QCOMPARE(f.dialogs->titles.last(), u"Les types d'opérations"_s);
        auto *combo = f.field<QComboBox>("comboType");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(1), u"Salon"_s);

        f.dialogs->scripts << [](QDialog *d) {
            auto *choice = child<QComboBox>(d, "comboType");
            QCOMPARE(choice->count(), 2);
            QCOMPARE(choice->currentText(), u"Candidature"_s);
            press(d, "buttonOk");
        };
        f.fiche->SetOpr(Selection::Type);
        QCOMPARE(f.data().operationType(), u"CANDIDATURE"_s);
    }
};

QTEST_MAIN(TestOperationPage)
#include "tst_operationpage.moc"
