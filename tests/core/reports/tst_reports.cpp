// The report tables: answers per operation, the chart's bars, the activity
// entries and their period, the planning of a day, and the printed grid.
#include "core/coretest.h"
#include "print/recordingsurface.h"
#include "reports/activityreport.h"
#include "reports/chart.h"
#include "reports/impgrille.h"
#include "reports/operationstats.h"
#include "reports/planning.h"
#include "reporttesting.h"

using namespace ReportTesting;

namespace {

QStringList flatten(const QList<OperationStats::Entry> &entries) {
    QStringList out;
    for (const auto &e : entries)
        out << e.date + u'|' + e.summary + u'|' + QString::number(e.answers);
    return out;
}

QStringList flatten(const QList<ActivityReport::Entry> &entries) {
    QStringList out;
    for (const auto &e : entries)
        out << e.key + u'|' + e.action + u'|' + e.description;
    return out;
}

QStringList numbered(const QString &prefix, int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << prefix + QString::number(i);
    return out;
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stats_data() {
        // expected: sorted
        columns<QStringList, QStringList>("lines", "expected");
        const QString e = "31/03/2024";
        row("Suivi filled counts, label may be empty, short rows count nothing",
            operation(0, "Salon", "Forum", "01/03/2024", e,
                      {"01/03/2024\tAppel\tRéponse", "02/03/2024\tAppel\t", "\t\tOui",
                       "03/03/2024\tSeul", ""}),
            QStringList{e + "|Forum|2"});
        const QStringList many(70, "01/03/2024\tAppel\tOui");
        row("every row of the block counts, beyond the card's 63",
            operation(0, "Salon", "Forum", "01/03/2024", e, many), QStringList{e + "|Forum|70"});
        row("a block without its closing tag ends at the next block",
            operation(0, "Salon", "A", "01/03/2024", e, {"x\ty\tz"}, false) +
                operation(1, "Salon", "B", "01/03/2024", e, {"x\ty\tz", "x\ty\tz"}),
            QStringList{e + "|A|1", e + "|B|2"});
        const QString longSummary = QString(300, u'r') + u'\t' + "fin";
        row("a long summary with a TAB stays whole",
            operation(0, "Salon", longSummary, "01/03/2024", e, {"a\tb\tc"}),
            QStringList{e + u'|' + longSummary + "|1"});
        row("day first, then summary case ignored",
            operation(0, "T", "b", "", "12/01/2024") + operation(1, "T", "zz", "", "05/03/2024") +
                operation(2, "T", "A", "", "12/01/2024"),
            QStringList{"05/03/2024|zz|0", "12/01/2024|A|0", "12/01/2024|b|0"});
    }
    void stats() {
        QList<OperationStats::Entry> entries =
            OperationStats::entries(listOf(4, fetch<QStringList>("lines")));
        OperationStats::sort(entries);
        QTEST(flatten(entries), "expected");
    }
    void chart_data() {
        columns<QStringList, QList<int>, QList<int>>("texts", "values", "ys");
        QList<int> last32, ys32;
        for (int v = 9; v <= 40; ++v) {
            last32 << v;
            ys32 << 300 - v * 280 / 40;
        }
        row("40 values: the 32 last", numbered(QString(), 40), last32, ys32);
        row("tallest at 20, half at 160, padding trimmed", QStringList{"   4", "2 "},
            QList<int>{4, 2}, QList<int>{20, 160});
        row("decimal comma, halves to even", QStringList{"2,5", "3,5", "0,4", "x"},
            QList<int>{2, 4, 0, 0}, QList<int>{160, 20, 300, 300});
        row("largest 0: flat on the axis", QStringList{"0", "0"}, QList<int>{0, 0},
            QList<int>{300, 300});
        row("no entry, no bar", QStringList{}, QList<int>{}, QList<int>{});
    }
    void chart() {
        const auto [texts, values] = fetch<QStringList, QList<int>>("texts", "values");
        QCOMPARE(Chart::values(texts), values);
        const QList<Chart::Bar> bars = Chart::bars(values);
        QList<int> barYs;
        for (qsizetype i = 0; i < bars.size(); ++i) {
            QCOMPARE(bars[i].x, 20 + 15 * int(i));
            barYs << bars[i].y;
        }
        QTEST(barYs, "ys");
    }
    void activity_data() {
        columns<QStringList, QStringList, QString, QString, QStringList>("operations", "dayActions",
                                                                         "from", "to", "expected");
        const QStringList ops = operation(0, "Salon", "Forum", "31/12/2023", "") +
                                operation(1, "Envoi", "CV", "01/01/2024", "") +
                                operation(2, "Relance", "Tél", "", "") +
                                operation(3, "Salon", "Court", "1/1/2024", "");
        const QStringList days =
            dayAction(0, "31/12/2024", "10:00:00", "Visite", "10001", "Dupont") +
            dayAction(1, "05/03/2024", "09:00:00", "appel", "10002", "Durand\tfils") +
            dayAction(2, "01/01/2025", "09:00:00", "Visite", "10001", "Dupont");
        row("one year: bounds inclusive, last year's 31/12 and bad dates out", ops, days,
            "01/01/2024", "31/12/2024",
            QStringList{"20240101|Envoi|CV", "20240305|appel|Durand\tfils",
                        "20241231|Visite|Dupont"});
        row("one day: operations and day actions by action text, case ignored",
            operation(0, "Salon", "Forum", "05/03/2024", "") +
                operation(1, "Banque", "Prêt", "05/03/2024", ""),
            days, "05/03/2024", "05/03/2024",
            QStringList{"20240305|appel|Durand\tfils", "20240305|Banque|Prêt",
                        "20240305|Salon|Forum"});
        row("a period typed half matches nothing", ops, days, "__/__/____", "31/12/2024",
            QStringList{});
    }
    void activity() {
        const auto [operations, dayActions, from, to] =
            fetch<QStringList, QStringList, QString, QString>("operations", "dayActions", "from",
                                                              "to");
        QList<ActivityReport::Entry> entries =
            ActivityReport::entries(listOf(4, operations), listOf(4, dayActions));
        ActivityReport::sort(entries);
        QTEST(flatten(ActivityReport::inPeriod(entries, from, to)), "expected");
    }
    void planning_data() {
        columns<QStringList, QString, QStringList>("days", "day", "expected");
        const QStringList days =
            dayAction(0, "05/03/2024", "14:00:00", "Visite", "10002", "Durand") +
            dayAction(1, "05/03/2024", "09:30:00", "Appel", "10009", "Inconnue") +
            dayAction(2, "06/03/2024", "08:00:00", "Appel", "10001", "Dupont") +
            dayAction(3, "05/03/2024", "11:00:00", "Appel", "10001", "Dupont", true) +
            dayAction(4, "5/03/2024", "08:00:00", "Appel", "10001", "Court");
        row("time order; unknown company empty; first code wins; validated listed", days,
            "05/03/2024",
            QStringList{"|05/03/2024|09:30:00|Inconnue", "00000|05/03/2024|11:00:00|Dupont",
                        "00001|05/03/2024|14:00:00|Durand"});
        row("a day without any: nothing", days, "07/03/2024", QStringList{});
        row("a TAB in a name stays in its column",
            dayAction(0, "05/03/2024", "10:00:00", "Visite", "10002", "A\tB"), "05/03/2024",
            QStringList{"00001|05/03/2024|10:00:00|A\tB"});
        row("a line like a closing tag of the planning cuts nothing",
            dayAction(1, "05/03/2024", "</BLOC0000>", "Visite", "10002", "Durand"), "05/03/2024",
            QStringList{"00001|05/03/2024|</BLOC0000>|Durand"});
    }
    void planning() {
        const BlocList companies =
            listOf(5, company(0, "10001", "Dupont") + company(1, "10002", "Durand") +
                          company(2, "10001", "Double"));
        const auto [days, day] = fetch<QStringList, QString>("days", "day");
        Planning planning;
        planning.Init(companies, listOf(4, days));
        QStringList rows;
        for (const Planning::Row &r : planning.LitJour(day))
            rows << r.company + u'|' + r.date + u'|' + r.time + u'|' + r.name;
        QTEST(rows, "expected");
    }
    // RecordingSurface at 600 dpi on 200 x 287 mm: 4724 x 6779 units, a 10 pt
    // line 100 units high and a character 42 wide, so lineH 150, left 188, top 271, right 4536; the
    // grid 200 pixels wide gives a scale of 23.
    void impGrillePositions() {
        RecordingSurface surface;
        PrintedGrid grid{
            {{"", "Date", "Nom"}, {"1", "05/03/2024", "Forum"}}, {64, 83, 100}, 200, {}};
        QVERIFY(ImpGrille(surface, grid, "Titre", "Tête", 1, QDate(2024, 3, 7)));
        QCOMPARE(surface.ops.first().text, "Titre");
        QStringList texts;
        for (const auto &op : surface.texts())
            texts << QStringLiteral("%1,%2 %3%4")
                         .arg(op.at.x())
                         .arg(op.at.y())
                         .arg(op.text, op.font.style & PrintSurface::Bold ? " b" : "");
        const QString date = "Imprimé le 07/03/2024";
        QCOMPARE(
            texts,
            (QStringList{"188,271 Tête b",
                         QStringLiteral("%1,271 %2 b").arg(4536 - 42 * int(date.size())).arg(date),
                         "198,431  b", "1670,431 Date b", "3579,431 Nom b", "198,581 1",
                         "1670,581 05/03/2024", "3579,581 Forum"}));
        const auto fill = std::find_if(surface.ops.begin(), surface.ops.end(), [](const auto &op) {
            return op.kind == RecordingSurface::Kind::Fill;
        });
        QCOMPARE(fill->rect, QRect(QPoint(188, 421), QPoint(4536, 571)));
        QCOMPARE(fill->color, QColor(0xC0, 0xC0, 0xC0));
        // Column lines from under the band's top down to the last rule.
        QList<QPoint> lines;
        for (qsizetype i = 1; i < surface.ops.size(); ++i)
            if (surface.ops[i].kind == RecordingSurface::Kind::LineTo &&
                surface.ops[i - 1].at.x() == surface.ops[i].at.x())
                lines << surface.ops[i - 1].at << surface.ops[i].at;
        QList<QPoint> rules;
        for (const int x : {188, 1660, 3569, 4536})
            rules << QPoint(x, 421) << QPoint(x, 721);
        QCOMPARE(lines, rules);
    }
    void impGrillePaging_data() {
        columns<int, int>("rows", "pages");
        // 40 rows fill a page exactly.
        row("a full page ends the document", 40, 1);
        row("one more row, one more page", 41, 2);
        row("two full pages and one row", 81, 3);
    }
    void impGrillePaging() {
        QFETCH(int, rows);
        RecordingSurface surface;
        PrintedGrid grid{{{"", "N"}}, {64, 100}, 164, {}};
        for (int r = 1; r <= rows; ++r)
            grid.rows << QStringList{QString::number(r), "x"};
        QVERIFY(ImpGrille(surface, grid, "T", {}, rows, QDate(2024, 3, 7)));
        QTEST(surface.pageCount(), "pages");
        int headings = 0, lastRow = 0;
        for (const auto &op : surface.texts()) {
            headings += op.text.startsWith("Imprimé le ") ? 1 : 0;
            if (op.at.x() < 1000 && !op.text.isEmpty() && op.text[0].isDigit())
                lastRow = op.text.toInt();
        }
        QCOMPARE(headings, surface.pageCount());
        QCOMPARE(lastRow, rows);
    }
    void impGrilleFailure() {
        RecordingSurface surface;
        surface.failNextBegin("Imprimante absente");
        QVERIFY(!ImpGrille(surface, PrintedGrid{}, "T", {}, 0, QDate(2024, 3, 7)));
        QVERIFY(surface.ops.isEmpty());
        QCOMPARE(surface.errorString(), "Imprimante absente");
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
