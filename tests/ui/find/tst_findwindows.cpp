// The search, sort and list windows, from the card and from the main window.
#include "find/searchdialog.h"
#include "find/tfliste.h"
#include "find/ttri.h"
#include "ui/store/cardtesting.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *input(QDialog *dialog) {
    return child<QLineEdit>(dialog, "editRecherche");
}

// A script that types text into a search dialog and presses Enter.
std::function<void(QDialog *)> typing(const QString &text) {
    return [text](QDialog *dialog) {
        QTest::keyClicks(input(dialog), text);
        QTest::keyClick(input(dialog), Qt::Key_Return);
    };
}

} // namespace

class TestFindWindows : public QObject {
    Q_OBJECT

    CardFixture f;

    QStringList threeCompanies() {
        return companyBlock(2, "10003", "Durand") + companyBlock(0, "10001", "Dupont SA") +
               companyBlock(1, "10002", "Alpha");
    }

private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void searchDialogKeys_data() {
        // Typed, then Backspace, then Ctrl+V with "x9" on the clipboard.
        columns<bool, QString, QString>("digitsOnly", "typed", "text");
        row("all keys", false, u"Dup 1a"_s, u"Dup 1x9"_s);
        row("digits only", true, u"01 a2-3"_s, u"012"_s);
    }
    void searchDialogKeys() {
        QFETCH(bool, digitsOnly);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QApplication::clipboard()->setText("x9");
        const std::unique_ptr<SearchDialog> dialog(
            digitsOnly ? static_cast<SearchDialog *>(new TRTel) : new TRNom);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QLineEdit *field = input(dialog.get());
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(dialog->isHidden());
        QCOMPARE(dialog->Result(), text);

        dialog->show(); // empty again, and Escape cancels
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, "1");
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(dialog->isHidden());
        QCOMPARE(dialog->Result(), QString());
    }

    void searchBringsTheRecordOntoItsCardOnly() {
        QVERIFY(f.open(threeCompanies(), operationBlock(0, "10001", "Salon", "Forum VENTE")));
        f.fiche->Operations();
        f.dialogs->scripts << typing("dup");
        f.fiche->RechNom();
        QCOMPARE(f.dialogs->titles.last(), u"Recherche par nom"_s);
        QCOMPARE(f.fiche->dataSet().current(Kind::Company), 0);
        QCOMPARE(f.edit("editSociete")->text(), u"Dupont SA"_s);
        QCOMPARE(f.field<QStackedWidget>("pages")->currentIndex(), int(Kind::Operation));

        f.dialogs->scripts << typing("zz");
        f.fiche->RechResume();
        QCOMPARE(f.dialogs->messages, QStringList{"Fiche ZZ non trouvée"});

        f.fiche->RechDeci(); // cancelled: no message
        QCOMPARE(f.dialogs->messages.size(), 1);
    }

    void sortDialog() {
        TTri dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u"Trier"_s);
        QVERIFY(child<QRadioButton>(&dialog, "radio0")->isChecked());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.Result(), -1);
        dialog.show();
        child<QRadioButton>(&dialog, "radio3")->click();
        press(&dialog, "buttonOk");
        QCOMPARE(dialog.Result(), 3);
    }

    void sortFromTheCard() {
        QVERIFY(f.open(threeCompanies()));
        QLineEdit *name = f.edit("editSociete"); // block 0, Dupont SA
        name->selectAll();
        QTest::keyClicks(name, "Zebre");
        const BlocList &list = f.fiche->dataSet().list(Kind::Company);
        f.dialogs->scripts << [](QDialog *d) { press(d, "buttonAnnuler"); };
        f.fiche->Trier();
        QVERIFY(!list.toList().contains("Zebre")); // not even written back
        f.dialogs->scripts << [](QDialog *d) { press(d, "buttonOk"); };
        f.fiche->Trier();
        // Alpha, Durand, Zebre: block 0 is now Alpha.
        QCOMPARE(f.fiche->dataSet().current(Kind::Company), 0);
        QCOMPARE(name->text(), u"Alpha"_s);
        QCOMPARE(list.at(2 * 15 + 3), u"Zebre"_s);
    }

    void listWindowLayout_data() {
        columns<int, int>("records", "rows");
        row("empty", 0, 19);
        row("20", 20, 20);
        row("42", 42, 42);
    }
    void listWindowLayout() {
        QFETCH(int, records);
        QFETCH(int, rows);
        const BlocList list = listOf(5, companies(records)); // the window reads it in place
        TFListe window;
        window.Init(list);
        window.show();
        QCOMPARE(window.windowTitle(), u"Liste des sociétés"_s);
        QTableView *grid = window.grid();
        QCOMPARE(grid->model()->rowCount(), rows);
        if (records > 0)
            QCOMPARE(grid->model()->index(records - 1, 3).data().toString(),
                     u"Société %1"_s.arg(records - 1));
        QCOMPARE(grid->model()->index(records, 3).data(), QVariant());
        QVERIFY(grid->isColumnHidden(0));
        QCOMPARE(grid->verticalHeader()->width(), 40); // the running numbers
        QCOMPARE(grid->model()->headerData(8, Qt::Horizontal), QVariant("Téléphone"));
    }

    // A timed run, not a timed test: the figure goes to the log. The list is
    // read from a file, as an opened data set holds it.
    void listWindowOpensNinetyThousandCompanies() {
        QTemporaryDir dir;
        const QString path = dir.filePath("grand.tvr");
        writeLines(path, companies(90000));
        BlocList list(5);
        QVERIFY(list.load(path));
        QElapsedTimer timer;
        timer.start();
        TFListe window;
        window.Init(list);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        qInfo("liste de 90 000 sociétés ouverte en %lld ms", timer.elapsed());
        QCOMPARE(window.grid()->model()->index(89999, 3).data().toString(),
                 QStringLiteral("Société 89999"));
    }

    void listWindowLastRowOpensTheNumberShown_data() {
        columns<int>("records");
        row("200", 200);
        row("20 000", 20000);
    }
    void listWindowLastRowOpensTheNumberShown() {
        QFETCH(int, records);
        const BlocList list = listOf(5, companies(records)); // the window reads it in place
        TFListe window;
        window.Init(list);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTableView *grid = window.grid();
        QCOMPARE(window.focusWidget(), grid);
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        // The lowest row in view is the last one, whole above the scroll bar.
        QWidget *rows = grid->viewport();
        int y = rows->height() - 1;
        while (y > 0 && grid->rowAt(y) < 0)
            --y;
        const int row = grid->rowAt(y);
        const QRect cell = grid->visualRect(grid->model()->index(row, 8));
        QVERIFY(cell.top() >= 0 && cell.bottom() < rows->height());
        // Its number, level with it and whole.
        QHeaderView *numbers = grid->verticalHeader();
        const QString number =
            numbers->model()->headerData(numbers->logicalIndexAt(y), Qt::Vertical).toString();
        QCOMPARE(number, QString::number(records));
        QFont bold = numbers->font(); // the current row's number is drawn in bold
        bold.setBold(true);
        const int margin = numbers->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, numbers);
        QVERIFY(QFontMetrics(bold).horizontalAdvance(number) + 2 * margin <= numbers->width());

        doubleClick(rows, QPoint(rows->width() / 2, y));
        QVERIFY(window.isHidden());
        QCOMPARE(window.Result() + 1, number.toInt()); // companies(n) lists blocks in order
    }

    // A double-click (key 0) or Enter chooses the row's block, Escape nothing.
    void listWindowChoices_data() {
        columns<int, int, int>("row", "key", "block");
        row("row of block 7", 0, 0, 7);
        row("below the last row", 5, 0, -1);
        row("tag not decimal", 2, 0, -1);
        row("Enter", 1, int(Qt::Key_Return), 0);
        row("Escape", 1, int(Qt::Key_Escape), -1);
    }
    void listWindowChoices() {
        QFETCH(int, row);
        QFETCH(int, key);
        const BlocList list = listOf(4, operationBlock(7, "10008", "Salon", "A") +
                                            operationBlock(0, "10001", "Salon", "B") +
                                            QStringList{"<BLOC00x1>", "10002", "</BLOC00x1>"});
        TFListe2 window;
        window.Init(list);
        window.show();
        if (key) {
            window.grid()->setFocus();
            window.grid()->selectRow(row);
            QTest::keyClick(window.grid(), Qt::Key(key));
        } else {
            doubleClick(window.grid(), row, 3);
        }
        QVERIFY(window.isHidden());
        QTEST(window.Result(), "block");
    }

    void f2ListsThePageShownAndJumps() {
        QVERIFY(f.open(threeCompanies(), {},
                       dayActionBlock(0, "10001", "01/02/2024", "10001", "N") +
                           dayActionBlock(1, "10002", "02/02/2024", "10002", "N")));
        f.fiche->Journees();
        f.dialogs->scripts <<
            [](QDialog *d) { doubleClick(static_cast<ListWindow *>(d)->grid(), 1, 3); };
        QTest::keyClick(f.edit("editAction"), Qt::Key_F2);
        QCOMPARE(f.dialogs->titles, QStringList{"Liste des rendez-vous"});
        QCOMPARE(f.fiche->dataSet().current(Kind::DayAction), 1);

        f.fiche->Societes(); // Fermer: nothing changes
        f.dialogs->scripts << [](QDialog *d) { press(d, "buttonFermer"); };
        QTest::keyClick(f.edit("editSociete"), Qt::Key_F2);
        QCOMPARE(f.dialogs->titles.last(), u"Liste des sociétés"_s);
        QCOMPARE(f.fiche->dataSet().current(Kind::Company), 0);
    }
};

QTEST_MAIN(TestFindWindows)
#include "tst_findwindows.moc"
