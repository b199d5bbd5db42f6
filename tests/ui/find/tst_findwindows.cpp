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
#include <QTest>

#include <memory>

namespace {

QLineEdit *input(QDialog *dialog) {
    return dialog->findChild<QLineEdit *>("editRecherche");
}

// A script that types text into a search dialog and presses Enter.
std::function<void(QDialog *)> typing(const QString &text) {
    return [text](QDialog *dialog) {
        QTest::keyClicks(input(dialog), text);
        QTest::keyClick(input(dialog), Qt::Key_Return);
    };
}

QPoint cellCentre(QTableView *grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
}

void doubleClick(QTableView *grid, int row) {
    const QPoint at = cellCentre(grid, row, 3);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
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
        QTest::addColumn<bool>("digitsOnly");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        // Typed, then Backspace, then Ctrl+V with "x9" on the clipboard.
        QTest::newRow("all keys") << false << "Dup 1a"
                                  << "Dup 1x9";
        QTest::newRow("digits only") << true << "01 a2-3"
                                     << "012";
    }
    void searchDialogKeys() {
        QFETCH(bool, digitsOnly);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QApplication::clipboard()->setText("x9");
        std::unique_ptr<SearchDialog> dialog;
        if (digitsOnly)
            dialog = std::make_unique<TRTel>();
        else
            dialog = std::make_unique<TRNom>();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QVERIFY(input(dialog.get())->hasFocus());
        QTest::keyClicks(input(dialog.get()), typed);
        QTest::keyClick(input(dialog.get()), Qt::Key_Backspace);
        QTest::keyClick(input(dialog.get()), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(input(dialog.get()), Qt::Key_Return);
        QVERIFY(dialog->isHidden());
        QCOMPARE(dialog->Result(), text);

        dialog->show(); // empty again, and Escape cancels
        QCOMPARE(input(dialog.get())->text(), QString());
        QTest::keyClicks(input(dialog.get()), "1");
        QTest::keyClick(input(dialog.get()), Qt::Key_Escape);
        QVERIFY(dialog->isHidden());
        QCOMPARE(dialog->Result(), QString());
    }

    void searchBringsTheRecordOntoItsCardOnly() {
        QVERIFY(f.open(threeCompanies(), operationBlock(0, "10001", "Salon", "Forum VENTE")));
        f.fiche->Operations();
        f.dialogs->scripts << typing("dup");
        f.fiche->RechNom();
        QCOMPARE(f.dialogs->titles.last(), QStringLiteral("Recherche par nom"));
        QCOMPARE(f.fiche->dataSet().current(Kind::Company), 0);
        QCOMPARE(f.edit("editSociete")->text(), QStringLiteral("Dupont SA"));
        QCOMPARE(f.fiche->findChild<QStackedWidget *>("pages")->currentIndex(),
                 int(Kind::Operation));

        f.dialogs->scripts << typing("zz");
        f.fiche->RechResume();
        QCOMPARE(f.dialogs->messages, QStringList{"Fiche ZZ non trouvée"});

        f.fiche->RechDeci(); // cancelled: no message
        QCOMPARE(f.dialogs->messages.size(), 1);
    }

    void sortDialog() {
        TTri dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Trier"));
        QVERIFY(dialog.findChild<QRadioButton *>("radio0")->isChecked());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.Result(), -1);
        dialog.show();
        dialog.findChild<QRadioButton *>("radio3")->click();
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
        QCOMPARE(name->text(), QStringLiteral("Alpha"));
        QCOMPARE(list.at(2 * 15 + 3), QStringLiteral("Zebre"));
    }

    void listWindowLayout_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("rows");
        QTest::newRow("empty") << 0 << 19;
        QTest::newRow("20") << 20 << 20;
        QTest::newRow("42") << 42 << 42;
    }
    void listWindowLayout() {
        QFETCH(int, records);
        QFETCH(int, rows);
        BlocList list(5);
        list.setLines(companies(records));
        TFListe window;
        window.Init(list);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Liste des sociétés"));
        QTableView *grid = window.grid();
        QCOMPARE(grid->model()->rowCount(), rows);
        if (records > 0)
            QCOMPARE(grid->model()->index(records - 1, 3).data().toString(),
                     QStringLiteral("Société %1").arg(records - 1));
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
        QTest::addColumn<int>("records");
        QTest::newRow("200") << 200;
        QTest::newRow("20 000") << 20000;
    }
    void listWindowLastRowOpensTheNumberShown() {
        QFETCH(int, records);
        BlocList list(5);
        list.setLines(companies(records));
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

        const QPoint at(rows->width() / 2, y);
        QTest::mouseClick(rows, Qt::LeftButton, {}, at);
        QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
        QVERIFY(window.isHidden());
        QCOMPARE(window.Result() + 1, number.toInt()); // companies(n) lists blocks in order
    }

    void listWindowChoices_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("block");
        QTest::newRow("row of block 7") << 0 << 7;
        QTest::newRow("below the last row") << 5 << -1;
        QTest::newRow("tag not decimal") << 2 << -1;
    }
    void listWindowChoices() {
        QFETCH(int, row);
        QFETCH(int, block);
        BlocList list(4);
        list.setLines(operationBlock(7, "10008", "Salon", "A") +
                      operationBlock(0, "10001", "Salon", "B") +
                      QStringList{"<BLOC00x1>", "10002", "</BLOC00x1>"});
        TFListe2 window;
        window.Init(list);
        window.show();
        doubleClick(window.grid(), row);
        QVERIFY(window.isHidden());
        QCOMPARE(window.Result(), block);
    }

    void listWindowKeys() {
        BlocList list(4);
        list.setLines(operationBlock(7, "10008", "Salon", "A") +
                      operationBlock(3, "10004", "Salon", "B"));
        TFListe2 window;
        window.Init(list);
        window.show();
        window.grid()->setFocus();
        window.grid()->selectRow(1);
        QTest::keyClick(window.grid(), Qt::Key_Escape);
        QCOMPARE(window.Result(), -1);
        window.show();
        window.grid()->selectRow(1);
        QTest::keyClick(window.grid(), Qt::Key_Return);
        QVERIFY(window.isHidden());
        QCOMPARE(window.Result(), 3);
    }

    void f2ListsThePageShownAndJumps() {
        QVERIFY(f.open(threeCompanies(), {},
                       dayActionBlock(0, "10001", "01/02/2024", "10001", "N") +
                           dayActionBlock(1, "10002", "02/02/2024", "10002", "N")));
        f.fiche->Journees();
        f.dialogs->scripts <<
            [](QDialog *d) { doubleClick(static_cast<ListWindow *>(d)->grid(), 1); };
        QTest::keyClick(f.edit("editAction"), Qt::Key_F2);
        QCOMPARE(f.dialogs->titles, QStringList{"Liste des rendez-vous"});
        QCOMPARE(f.fiche->dataSet().current(Kind::DayAction), 1);

        f.fiche->Societes(); // Fermer: nothing changes
        f.dialogs->scripts << [](QDialog *d) { press(d, "buttonFermer"); };
        QTest::keyClick(f.edit("editSociete"), Qt::Key_F2);
        QCOMPARE(f.dialogs->titles.last(), QStringLiteral("Liste des sociétés"));
        QCOMPARE(f.fiche->dataSet().current(Kind::Company), 0);
    }
};

QTEST_MAIN(TestFindWindows)
#include "tst_findwindows.moc"
