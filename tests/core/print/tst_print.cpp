#include "core/coretest.h"
#include "print/addressprint.h"
#include "print/cardprint.h"
#include "print/pagesetup.h"
#include "print/recordingsurface.h"
#include "print/textprint.h"

using Kind = RecordingSurface::Kind;
using Orientation = PrintSurface::Orientation;

namespace {

// Texts as "x,y:text" in printer units, in drawing order.
QStringList placed(const RecordingSurface &s) {
    QStringList out;
    for (const auto &op : s.texts())
        out << QStringLiteral("%1,%2:%3").arg(op.at.x()).arg(op.at.y()).arg(op.text);
    return out;
}

// Where a text at (x, y) mm lands on the default surface (factor 23 both ways).
QString at(int x, int y, const QString &text) {
    return QStringLiteral("%1,%2:%3").arg(23 * x).arg(23 * (y + 3)).arg(text);
}

// A company: code, date, name, two address lines, postal code, town,
// telephone, fax.
QStringList company(int n, const QString &name, const QString &cp = {}, const QString &town = {}) {
    return block(5, n,
                 {QString::number(10001 + n), "01/02/2026", name, "rue " + name, "", cp, town,
                  "tel " + name, "fax " + name});
}

BlocList numbered(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << company(i, QStringLiteral("S%1").arg(i));
    return listOf(5, lines);
}

// The recipient names printed, page by page: "p1:S0 S1|p2:S2".
QString namesByPage(const RecordingSurface &s, int x) {
    QStringList pages;
    for (const auto &op : s.texts()) {
        if (op.at.x() != x || !op.text.startsWith(u'S'))
            continue;
        const QString head = QStringLiteral("p%1:").arg(op.page);
        if (pages.isEmpty() || !pages.last().startsWith(head))
            pages << head + op.text;
        else
            pages.last() += u' ' + op.text;
    }
    return pages.join(u'|');
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

    static const PrintSurface::Font &font() {
        static const PrintSurface::Font f{QStringLiteral("Sans Serif"), 12, PrintSurface::Plain};
        return f;
    }

private Q_SLOTS:
    void millimetres_data() {
        columns<int, int, double, double, bool, int, int, int>(
            "width", "height", "widthMm", "heightMm", "landscape", "mm", "mh", "mv");
        // Whole units per whole millimetre: 2480/210 is 11, 3508/297 is 11.
        row("A4 300 dpi", 2480, 3508, 210.0, 297.0, false, 110, 1210, 1243);
        row("zero", 2480, 3508, 210.0, 297.0, false, 0, 0, 33);
        // The millimetres are whole ones: 200.9 counts as 200.
        row("fraction of a mm", 4724, 6780, 200.9, 287.0, false, 10, 230, 299);
        // Asked at every call: landscape swaps the factors' sources.
        row("landscape", 2480, 7016, 210.0, 297.0, true, 10, 230, 143);
        row("no millimetres", 100, 100, 0.0, 0.0, false, 10, 0, 0);
    }
    void millimetres() {
        const auto [width, height, widthMm, heightMm, landscape, mm] =
            fetch<int, int, double, double, bool, int>("width", "height", "widthMm", "heightMm",
                                                       "landscape", "mm");
        auto s = RecordingSurface::fromUnits(width, height, widthMm, heightMm);
        if (landscape)
            s.setOrientation(Orientation::Landscape);
        QTEST(Mh(s, mm), "mh");
        QTEST(Mv(s, mm), "mv");
    }
    void companyCard() {
        Company c;
        c.code = "10007";
        c.date = QDate(2026, 3, 4);
        c.name = "Durand";
        c.web = "durand.fr";
        c.activity = "Chimie";
        for (int i = 0; i < 12; ++i)
            c.notice << QStringLiteral("ligne %1").arg(i);
        c.followUps = {
            {"01/01/2026", "Appel", "ok"}, {"", "perdu", "perdu"}, {"03/01/2026", "jamais", ""}};
        RecordingSurface s;
        QVERIFY(ImpFiche(s, c));
        const QStringList texts = placed(s);
        for (const QString &expected :
             {at(5, 0, "Code"), at(35, 0, "10007"), at(85, 0, "04/03/2026"), at(35, 5, "Durand"),
              at(5, 50, "Site Web"), at(35, 50, "durand.fr"), at(135, 0, "Chimie"),
              at(110, 10, "Annonce"), at(110, 70, "ligne 11"), at(5, 55, "Date"),
              at(35, 55, "Action"), at(60, 55, "Suivi"), at(5, 60, "01/01/2026"), at(60, 60, "ok")})
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        // The grid stops at the first entry without a date; empty fields are
        // not drawn, their labels are; the observations are not printed.
        QVERIFY(!texts.join(u' ').contains(QLatin1String("jamais")));
        QVERIFY(!texts.join(u' ').contains(QLatin1String("perdu")));
        QCOMPARE(texts.size(), 2 + 2 + 2 + 10 + 2 + 1 + 12 + 3 + 3);
        QCOMPARE(s.pageCount(), 1);
        QCOMPARE(s.ops.first().text, "Fiche");
        QCOMPARE(s.ops.first().orientation, Orientation::Portrait);
    }
    void gridAtMost63Entries() {
        Company c;
        for (int i = 0; i < 70; ++i)
            c.followUps << FollowUpRow{QStringLiteral("d%1").arg(i), {}, {}};
        RecordingSurface s;
        QVERIFY(ImpFiche(s, c));
        const QStringList texts = placed(s);
        QVERIFY(texts.contains(at(5, 55 + 5 * 63, "d62")));
        QVERIFY(!texts.join(u' ').contains(QLatin1String(":d63")));
    }
    void operationAndDayActionCards() {
        Operation o;
        o.fixedCost = "   12,50";
        o.urgent = true;
        o.description = {"desc"};
        o.highlights = {"fait"};
        RecordingSurface s;
        QVERIFY(ImpFiche(s, o));
        QStringList texts = placed(s);
        for (const QString &expected :
             {at(35, 10, "   12,50"), at(110, 10, "[X] Urgent"), at(5, 25, "desc"),
              at(110, 25, "fait"), at(35, 65, "Libellé")})
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        DayAction d;
        d.time = QTime(9, 5, 7);
        d.companyCode = "10002";
        d.companyName = "Durand";
        d.groupName = "Durand SA";
        d.groupTown = "Lyon";
        d.comment = {"un", "deux"};
        RecordingSurface s2;
        QVERIFY(ImpFiche(s2, d));
        texts = placed(s2);
        for (const QString &expected :
             {at(35, 10, "09:05:07"), at(35, 20, "10002"), at(55, 20, "Durand"),
              at(110, 5, "Durand SA"), at(110, 30, "Lyon"), at(5, 30, "Commentaire"),
              at(5, 40, "deux")})
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        for (const QString &text : texts)
            QVERIFY2(!text.startsWith(QStringLiteral("%1,%2:").arg(23 * 110).arg(23 * 13)),
                     qPrintable(text));
    }
    void envelope_data() {
        columns<int, int>("guide", "orientation");
        row("portrait", 0, 0);
        row("guide on the right", 100, 0);
        row("landscape", 0, 1);
    }
    void envelope() {
        const auto [guide, orientation] = fetch<int, int>("guide", "orientation");
        EnvelopeSetup setup;
        setup.sender = {"Moi", "1 rue", QString(), "69000 Lyon", "tel"};
        setup.guide = guide;
        RecordingSurface s;
        const EnvelopeAddress to{"Durand", "2 rue", QString(), "75011", "Paris"};
        QVERIFY(ImpEnv(s, setup, to, orientation));
        QCOMPARE(s.ops.first().orientation,
                 orientation ? Orientation::Landscape : Orientation::Portrait);
        QCOMPARE(s.orientation(), Orientation::Portrait);
        // Landscape keeps the millimetre positions on the swapped page.
        QCOMPARE(placed(s),
                 (QStringList{at(5, guide + 5, "Moi"), at(5, guide + 10, "1 rue"),
                              at(5, guide + 20, "69000 Lyon"), at(110, guide + 50, "Durand"),
                              at(110, guide + 55, "2 rue"), at(110, guide + 65, "75011 Paris")}));
    }
    void range_data() {
        columns<int, int, QString>("firstPage", "lastPage", "printed");
        // Blocks stand in the list as 2, 0, 3, 5 (number 1 and 4 have no tag).
        row("all", 1, 6, "p1:S0|p2:S2|p3:S3|p4:S5");
        row("clamped", -5, 100, "p1:S0|p2:S2|p3:S3|p4:S5");
        row("part", 2, 4, "p1:S2|p2:S3");
        row("reversed", 4, 2, "");
        row("beyond", 7, 9, "");
    }
    void range() {
        const auto [firstPage, lastPage] = fetch<int, int>("firstPage", "lastPage");
        const BlocList list =
            listOf(5, company(2, "S2") + company(0, "S0") + company(3, "S3") + company(5, "S5"));
        RecordingSurface s;
        QVERIFY(Enveloppes(s, list, PrintRange::fromPages(firstPage, lastPage, 6), {}));
        QTEST(namesByPage(s, 23 * 110), "printed");
        QCOMPARE(s.ops.first().orientation, Orientation::Landscape);
        QCOMPARE(s.ops.last().kind, Kind::End);
        QCOMPARE(s.orientation(), Orientation::Portrait);
    }
    void envelopeSelection_data() {
        columns<int, QString, QString>("mode", "town", "printed");
        row("all", 1, "LYON", "p1:S0|p2:S1|p3:S2|p4:S3|p5:S4");
        row("postal code, exact", 2, "LYON", "p1:S0");
        row("town, any case", 3, "LYON", "p1:S2|p2:S3");
        row("town that grows upper-cased", 3, "STRASSE", "p1:S4");
    }
    void envelopeSelection() {
        const BlocList list =
            listOf(5, company(0, "S0", "75011", "Paris") + company(1, "S1", "75011 ", "Paris") +
                          company(2, "S2", "69000", "lyon") + company(3, "S3", "69000", "Lyon") +
                          company(4, "S4", "67000", "Straße"));
        EnvelopeSetup setup;
        setup.mode = selectionFromNumber(fetch<int>("mode"));
        setup.postalCode = "75011";
        setup.town = fetch<QString>("town");
        RecordingSurface s;
        QVERIFY(Enveloppes(s, list, PrintRange::fromPages(1, 5, 5), setup));
        QTEST(namesByPage(s, 23 * 110), "printed");
    }
    void listingPages_data() {
        columns<int, int>("rows", "pages");
        row("no company: the heading", 0, 1);
        row("a full page, no empty one after", 34, 1);
        row("one row more", 35, 2);
        row("two full pages", 68, 2);
    }
    void listingPages() {
        const auto [rows, pages] = fetch<int, int>("rows", "pages");
        // Landscape: 4724 units over 200 mm down the page, factor 23.
        const BlocList list = numbered(rows);
        RecordingSurface s;
        QVERIFY(Imprime(s, list, PrintRange::fromPages(1, std::max(rows, 1), rows)));
        QCOMPARE(s.pageCount(), pages);
        QCOMPARE(s.ops.first().text, "Liste des sociétés");
        const QStringList texts = placed(s);
        QCOMPARE(texts.count(at(5, 0, "Société")), pages);
        if (rows > 0)
            QVERIFY(texts.contains(at(5, 10, "S0")));
        if (rows >= 34)
            QVERIFY(texts.contains(at(5, 175, "S33")));
        if (rows > 34) // the 35th row opens the second page, below its heading
            QVERIFY(texts.contains(at(5, 10, "S34")));
        QCOMPARE(namesByPage(s, 23 * 5).count(u'|'), rows ? pages - 1 : 0);
    }
    void trace() {
        const BlocList list = listOf(5, company(0, "S0", "1", "V"));
        RecordingSurface s;
        QVERIFY(Imprime(s, list, PrintRange::fromPages(1, 1, 1)));
        const QStringList lines = s.trace();
        QCOMPARE(lines.first(), QStringLiteral("document\tListe des sociétés\tpaysage\t6780\t4724"
                                               "\t287\t200"));
        QVERIFY(lines.contains("texte\t1\t115\t69\tArial\t10\tSociété"));
        QVERIFY(lines.contains("ligne\t1\t115\t184\t6900\t184"));
        QCOMPARE(lines.last(), "fin");
    }
    // The printer refuses the document: nothing drawn, its error kept.
    void printerRefusesTheDocument() {
        for (const bool notepad : {false, true}) {
            RecordingSurface s;
            s.failNextBegin("hors ligne");
            QVERIFY(notepad ? !printTextLines(s, QString(), font(), {"a"})
                            : !Imprime(s, numbered(2), PrintRange::fromPages(1, 2, 2)));
            QVERIFY(s.ops.isEmpty());
            QCOMPARE(s.errorString(), "hors ligne");
            QCOMPARE(s.orientation(), Orientation::Portrait);
        }
    }
    void pageSetup_data() {
        columns<int, int, bool>("reserved", "orientation", "seeds");
        row("in range", 3, 1, true);
        row("reserved 7", 7, 0, false);
        row("reserved -1", -1, 0, false);
        row("orientation 2", 0, 2, false);
    }
    void pageSetup() {
        const auto [reserved, orientation] = fetch<int, int>("reserved", "orientation");
        QTEST(PageSetup::seeds(reserved, orientation), "seeds");
    }
    void pageSetupStore_data() {
        columns<int, bool, int, int>("orientation", "guideRight", "guide", "kept");
        row("ticked", 1, true, 100, 1);
        row("unticked", 0, false, 0, 0);
        row("Annuler", -1, true, 100, 1);
    }
    void pageSetupStore() {
        const auto [orientation, guideRight] = fetch<int, bool>("orientation", "guideRight");
        PageSetup setup{2, 1, 100};
        setup.store(2, orientation, guideRight);
        QTEST(setup.guideOffset, "guide");
        QTEST(setup.orientation, "kept");
        QCOMPARE(setup.reserved, 2);
    }
    void pageBreaks_data() {
        columns<double, int, int, int>("heightMm", "lineCount", "pages", "linesOnFirstPage");
        // 12 pt at 600 dpi: 120 units a line; 25.4 mm is 600 units, so exactly 5 lines.
        row("page exactly full", 25.4, 5, 1, 5);
        row("one line over", 25.4, 6, 2, 5);
        row("three pages", 25.4, 11, 3, 5);
        row("short of a line", 25.0, 5, 2, 4);
        row("page lower than a line", 2.0, 2, 2, 1);
    }
    void pageBreaks() {
        const auto [heightMm, lineCount, first] =
            fetch<double, int, int>("heightMm", "lineCount", "linesOnFirstPage");
        RecordingSurface surface(600, 100, heightMm);
        QStringList lines;
        for (int i = 0; i < lineCount; ++i) // an empty line takes its place too
            lines << (i == 1 ? QString() : QStringLiteral("ligne %1").arg(i + 1));
        QVERIFY(printTextLines(surface, "Bloc-notes", font(), lines));
        QCOMPARE(surface.ops.first().kind, Kind::Begin);
        QCOMPARE(surface.ops.first().text, "Bloc-notes");
        QCOMPARE(surface.ops.last().kind, Kind::End);
        QTEST(surface.pageCount(), "pages");
        const auto texts = surface.texts();
        QCOMPARE(texts.size(), lineCount);
        for (int i = 0; i < lineCount; ++i) { // in order, each page from its top
            QCOMPARE(texts[i].text, lines[i]);
            QCOMPARE(texts[i].font, font());
            QCOMPARE(texts[i].page, 1 + i / first);
            QCOMPARE(texts[i].at, QPoint(0, 120 * (i % first)));
        }
    }
    void longLinesAndTabs() {
        RecordingSurface surface;
        const QString longLine(500, u'x');
        QVERIFY(printTextLines(surface, QString(), font(), {longLine, "a\tb", "abcdefgh\ti"}));
        const auto texts = surface.texts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0].text, longLine); // not wrapped
        QCOMPARE(texts[1].text, "a       b");
        QCOMPARE(texts[2].text, "abcdefgh        i");
    }
    void emptyNotepad() {
        RecordingSurface surface;
        QVERIFY(printTextLines(surface, QString(), font(), {}));
        QVERIFY(surface.texts().isEmpty());
        QVERIFY(!surface.inDocument());
    }
};

QTEST_GUILESS_MAIN(TestPrint)
#include "tst_print.moc"
