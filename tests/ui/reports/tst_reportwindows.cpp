// The report windows: statistics and chart, activity report, planning.
#include "core/reports/reporttesting.h"
#include "print/printersurface.h"
#include "reports/tgraph.h"
#include "reports/tplanning.h"
#include "reports/trapport.h"
#include "reports/tstatsopr.h"
#include "store/dates.h"
#include "ui/store/cardtesting.h"

#include <QCalendarWidget>
#include <QPrinter>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {

QTableWidget *grid(QWidget *window) {
    return child<QTableWidget>(window, "grid");
}

QString cell(QWidget *window, int row, int column) {
    const QTableWidgetItem *item = grid(window)->item(row, column);
    return item ? item->text() : QString();
}

// Column c of the rows that are not empty.
QStringList column(QWidget *window, int c) {
    QStringList out;
    for (int r = 0; r < grid(window)->rowCount(); ++r)
        if (!cell(window, r, 0).isEmpty() || !cell(window, r, 1).isEmpty())
            out << cell(window, r, c);
    return out;
}

} // namespace

class TestReportWindows : public QObject {
    Q_OBJECT

    CardFixture f;
    const QDate today = QDate::currentDate();
    const int year = today.year();

    QString day(const char *dayMonth, int y = 0) const {
        return QString::fromLatin1(dayMonth) + u'/' + QString::number(y ? y : year);
    }

private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() { f.stop(); }
    void statsTableAndChart() {
        QList<OperationStats::Entry> entries;
        for (int i = 0; i < 70; ++i)
            entries.append(
                {u"%1/01/2024"_s.arg(i % 28 + 1, 2, 10, QChar(u'0')), u"Op %1"_s.arg(i), i});
        TStatsOpr window;
        window.Init(entries, " (test)");
        window.show();
        QCOMPARE(window.windowTitle(), "Statistiques sur les opérations (test)");
        QCOMPARE(grid(&window)->horizontalHeaderItem(3)->text(), "Réponses");
        const QStringList numbers = column(&window, 0);
        QCOMPARE(numbers.size(), 70);
        QCOMPARE(numbers.last(), "70");
        QCOMPARE(cell(&window, 0, 1), "01/01/2024");
        const QString answers = cell(&window, 0, 3);
        QVERIFY(answers.startsWith(u' ')); // right-aligned by spaces
        QCOMPARE(answers.trimmed(), "0");
        // The chart takes the 32 last rows of the grid.
        QStringList drawn;
        f.dialogs->scripts << [&](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), "Graphique");
            auto *view = child<ChartView>(dialog, "chart");
            QCOMPARE(view->size(), QSize(559, 321));
            const QImage image = view->grab().toImage();
            // Bar i spans x = 20 + 15 i to + 10; the tallest reaches y = 20.
            int tallest = -1;
            for (int i = 0; i < 32; ++i)
                if (image.pixelColor(25 + 15 * i, 21) == QColor(Qt::blue))
                    tallest = i;
            drawn << QString::number(tallest);
            drawn << image.pixelColor(500, 10).name() << image.pixelColor(300, 300).name();
            press(dialog, "buttonFermer");
        };
        child<QPushButton>(&window, "buttonGraphique")->click();
        // Grid rows 39..70 are charted; the largest among them stands where
        // its row lies among those 32.
        int largestRow = 38;
        for (int r = 38; r < 70; ++r)
            if (cell(&window, r, 3).trimmed().toInt() >
                cell(&window, largestRow, 3).trimmed().toInt())
                largestRow = r;
        QCOMPARE(drawn, (QStringList{QString::number(largestRow - 38), "#ffffff", "#000000"}));
    }
    void reportPeriods() {
        using ReportTesting::operation;
        const QStringList ops = operation(0, "Salon", "Forum", day("31/12", year - 1), "") +
                                operation(1, "Envoi", "CV", day("01/01"), "");
        QStringList days;
        for (int i = 0; i < 70; ++i)
            days += ReportTesting::dayAction(i, day("15/06"), "10:00:00",
                                             u"Appel %1"_s.arg(i, 2, 10, QChar(u'0')), "10001",
                                             "Dupont");
        days += ReportTesting::dayAction(70, day("31/12"), "10:00:00", "Visite", "10001", "Dupont");
        QVERIFY(f.open(companies(1), ops, days));
        f.dialogs->scripts << [&](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), "Rapport d'activité");
            auto *from = child<QLineEdit>(dialog, "editDu");
            QCOMPARE(from->displayText(), day("01/01"));
            QCOMPARE(child<QLineEdit>(dialog, "editAu")->displayText(), day("31/12"));
            // This year only, the last day included, every entry on its row.
            QStringList actions = column(dialog, 2);
            QCOMPARE(actions.size(), 72);
            QCOMPARE(actions.first(), "Envoi");
            QCOMPARE(actions.last(), "Visite");
            QCOMPARE(column(dialog, 0).last(), "72");
            const int rows = grid(dialog)->rowCount();
            // Narrowed to one day: renumbered from 1, the rows beyond emptied.
            from->setText(day("31/12"));
            press(dialog, "buttonOK");
            QCOMPARE(column(dialog, 0), QStringList{"1"});
            QCOMPARE(column(dialog, 1), QStringList{day("31/12")});
            QCOMPARE(grid(dialog)->rowCount(), rows);
            QCOMPARE(cell(dialog, 1, 2), QString());
            // A date typed halfway selects nothing, and nothing fails.
            from->clear();
            QTest::keyClicks(from, "0");
            press(dialog, "buttonOK");
            QCOMPARE(column(dialog, 0), QStringList{});
            press(dialog, "buttonFermer");
        };
        f.fiche->StatsActivites();
        QCOMPARE(f.dialogs->titles, QStringList{"Rapport d'activité"});
    }
    void printing_data() {
        columns<bool, QString, bool, int>("confirm", "output", "pdf", "messages");
        row("confirmed: printed", true, u"table.pdf"_s, true, 0);
        row("cancelled: nothing", false, u"table.pdf"_s, false, 0);
        row("printer cannot open: told", true, u"absent/table.pdf"_s, false, 1);
    }
    void printing() {
        const auto [confirm, output, pdf, messages] =
            fetch<bool, QString, bool, int>("confirm", "output", "pdf", "messages");
        const QString path = f.path(output);
        f.dialogs->printAnswers << confirm;
        f.dialogs->onPrint = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
        };
        TStatsOpr window;
        window.Init({{"05/03/2024", "Forum", 2}}, {});
        window.show();
        child<QPushButton>(&window, "buttonImprimer")->click();
        QCOMPARE(fileBytes(path).startsWith("%PDF"), pdf);
        QCOMPARE(f.dialogs->messages.size(), messages);
        if (messages)
            QVERIFY(f.dialogs->messages.first().startsWith("Erreur d'impression.\n"));
        f.dialogs->onPrint = nullptr;
    }
    void planningDays() {
        using ReportTesting::dayAction;
        const BlocList companies =
            ReportTesting::listOf(5, ReportTesting::company(0, "10001", "Dupont") +
                                         ReportTesting::company(1, "10002", "Durand"));
        const QString march5 = day("05/03");
        const BlocList days = ReportTesting::listOf(
            4, dayAction(0, march5, "14:00:00", "Visite", "10002", "Durand") +
                   dayAction(1, march5, "09:00:00", "Appel", "10001", "Dupont") +
                   dayAction(2, march5, "08:00:00", "Appel", "10099", "Aucune"));
        TPlanning window;
        window.Init(companies, days, QDate(year, 3, 4));
        window.show();
        auto *calendar = child<QCalendarWidget>(&window, "calendar");
        QCOMPARE(calendar->selectedDate(), QDate(year, 3, 4));
        QCOMPARE(column(&window, 3), QStringList{}); // only the header
        calendar->setSelectedDate(QDate(year, 3, 5));
        QCOMPARE(column(&window, 2), (QStringList{"08:00:00", "09:00:00", "14:00:00"}));
        QCOMPARE(cell(&window, 0, 0), QString()); // no such company: listed only
        QCOMPARE(cell(&window, 0, 3), "Aucune");
        doubleClick(grid(&window), 0, 1); // no company
        doubleClick(grid(&window), 5, 1); // empty row
        QVERIFY(window.isVisible());
        QCOMPARE(window.Result(), -1);
        doubleClick(grid(&window), 2, 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.Result(), 1);
    }
    void planningJump_data() {
        columns<int, int>("chosenRow", "company"); // row -1: Fermer
        row("a company chosen is shown", 0, 2);
        row("Fermer leaves the card", -1, 0);
    }
    void planningJump() {
        const auto [chosenRow, company] = fetch<int, int>("chosenRow", "company");
        const QString now = Dates::format(f.fiche->dataSet().today());
        QVERIFY(
            f.open(companies(3), {},
                   ReportTesting::dayAction(0, now, "10:00:00", "Visite", "10003", "Société 2")));
        f.fiche->Journees();
        f.dialogs->scripts << [&](QDialog *dialog) {
            if (chosenRow < 0)
                press(dialog, "buttonFermer");
            else
                doubleClick(grid(dialog), chosenRow, 1);
        };
        f.fiche->Relances();
        QCOMPARE(f.dialogs->titles, QStringList{"Planning"});
        QCOMPARE(f.fiche->dataSet().current(Kind::Company), company);
        QCOMPARE(f.fiche->currentKind(), chosenRow >= 0 ? Kind::Company : Kind::DayAction);
        if (chosenRow >= 0)
            QCOMPARE(f.edit("editSociete")->text(), "Société 2");
    }
};

QTEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
