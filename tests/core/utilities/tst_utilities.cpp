#include "core/coretest.h"
#include "utilities/clockface.h"
#include "utilities/euroconverter.h"
#include "utilities/letterscale.h"
#include "utilities/notepad.h"
#include "utilities/numberformat.h"
#include "utilities/pocketcalculator.h"
#include "utilities/referencelists.h"

#include <QRegularExpression>

// Keys as the keyboard gives them: digits, "," or ".", the four operators,
// "=", "c" (C), "s" (sqr), "x" (1/x). The last error message shown.
static QString press(PocketCalculator &calc, const QString &keys) {
    using Op = PocketCalculator::Operator;
    const QHash<QChar, Op> operators{
        {u'+', Op::Add}, {u'-', Op::Subtract}, {u'*', Op::Multiply}, {u'/', Op::Divide}};
    QString message;
    for (QChar k : keys) {
        QString error;
        if (k.isDigit())
            calc.digit(k.digitValue());
        else if (k == u',' || k == u'.')
            calc.comma();
        else if (operators.contains(k))
            error = calc.apply(operators[k]);
        else if (k == u'c')
            calc.clear();
        else
            error = k == u'=' ? calc.equals() : k == u's' ? calc.squareRoot() : calc.reciprocal();
        if (!error.isEmpty())
            message = error;
    }
    return message;
}

namespace {

class FakeClock : public SystemClock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 5), QTime(9, 15, 42));
    bool accept = true;
    QList<SystemTime> set;

    QDateTime currentDateTime() const override { return now; }
    bool setUtc(const SystemTime &utc) override {
        set << utc;
        return accept;
    }
};

const QTimeZone paris("Europe/Paris");

} // namespace

using Field = ClockFace::Field;
using Direction = EuroConverter::Direction;

using LetterScale::Service;

// Item indexes as they stand on the window.
enum {
    Envelope110x220 = 1,
    Padded200x270 = 5,
    SheetA4 = 9,
    SheetCourante = 11,
    Cheque = 12,
};

class TestUtilities : public QObject {
    Q_OBJECT

    static void type(EuroConverter &c, const QString &keys) {
        for (QChar k : keys)
            c.key(k);
    }

private Q_SLOTS:
    void general_data() {
        columns<double, QString>("value", "text");
        row("zero", 0.0, "0");
        row("negative", -0.25, "-0,25");
        row("fifteen integer digits", 999999999999999.0, "999999999999999");
        row("sixteen integer digits", 1e15, "1E15");
        row("smallest fixed", 0.00001, "0,00001");
        row("below fixed", 0.000001, "1E-6");
        row("small mantissa", -2.5e-7, "-2,5E-7");
    }
    void general() { QTEST(formatGeneral(fetch<double>("value")), "text"); }
    void generalPrecision() {
        QCOMPARE(formatGeneral(2.0L / 3, 13), "0,6666666666667");
        QCOMPARE(formatGeneral(123456.0L, 3), "1,23E5");
    }
    void parse_data() {
        columns<QString, bool, double>("text", "valid", "value");
        row("integer", "42", true, 42.0);
        row("leading comma", ",5", true, 0.5);
        row("negative", "-2,25", true, -2.25);
        row("plus sign", "+3", true, 3.0);
        row("exponent", "1,5E20", true, 1.5e20);
        row("negative exponent", "1E-6", true, 1e-6);
        row("empty", "", false, 0.0);
        row("comma alone", ",", false, 0.0);
        row("point", "1.5", false, 0.0);
        row("overflow", "1E99999", false, 0.0);
    }
    void parse() {
        const auto [text, valid] = fetch<QString, bool>("text", "valid");
        const std::optional<long double> read = parseDecimal(text);
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QTEST(double(*read), "value");
    }
    void sequences_data() {
        columns<QString, QString, QString>("keys", "display", "message");
        const QString none;
        row("sum", "2+3=", "5", none);
        row("equals repeats", "2+3==", "10", none);
        row("equals repeats twice", "2+3===", "20", none);
        row("left to right", "2+3*4=", "20", none);
        row("operator shows running total", "2+3*", "5", none);
        row("chain after a result", "2+3=4*2=", "18", none);
        row("digit after a result", "2+3=7", "7", none);
        row("subtraction below zero", "3-5=", "-2", none);
        row("leading minus", "-5=", "-5", none);
        row("division", "10/4=", "2,5", none);
        row("decimal comma", "1,5+1=", "2,5", none);
        row("point as comma", "1.5+1=", "2,5", none);
        row("square root", "9s", "3", none);
        row("reciprocal", "4x", "0,25", none);
        row("root of two", "2s", "1,4142135623731", none);
        row("third cut to 15 characters", "1/3=", "0,3333333333333", none);
        row("two thirds rounded", "2/3=", "0,6666666666667", none);
        row("no binary noise", "0,1+0,2=", "0,3", none);
        row("large product", "99999999*99999999=", "9,9999998E15", none);
        row("reciprocal feeds the accumulator", "4x+1=", "1,25", none);
        row("C forgets operator and accumulator", "2+3c5==", "5", none);
        row("C empties the display", "2+3c", "", none);
        row("unreadable first number emptied", "1,,2+", "", none);
        row("then counts as zero", "1,,2+3=", "3", none);
        row("division by zero", "5/0=", "0", PocketCalculator::divisionByZeroMessage());
        row("zero by zero", "0/0=", "0", PocketCalculator::divisionByZeroMessage());
        row("reciprocal of zero", "0x", "0", PocketCalculator::divisionByZeroMessage());
        row("root of a negative", "0-4=s", "-4", PocketCalculator::invalidOperationMessage());
        row("bad operand", "2+1,,2=", "1,,2", "'1,,2' n'est pas une valeur flottante correcte");
        row("bad number for sqr", "s", "", "'' n'est pas une valeur flottante correcte");
    }
    void sequences() {
        PocketCalculator calc;
        QTEST(press(calc, fetch<QString>("keys")), "message");
        QTEST(calc.display(), "display");
    }
    void failureKeepsState() {
        PocketCalculator calc;
        QCOMPARE(press(calc, "8/0="), PocketCalculator::divisionByZeroMessage());
        // The failed "=" changed nothing: a new divisor continues the calculation.
        press(calc, "c");
        QCOMPARE(press(calc, "8/0/"), PocketCalculator::divisionByZeroMessage());
        QCOMPARE(calc.pendingOperator(), PocketCalculator::Operator::Divide);
        QCOMPARE(double(calc.accumulator()), 8.0);
        press(calc, "2=");
        QCOMPARE(calc.display(), "4");
    }
    void overflow() {
        PocketCalculator calc;
        calc.digit(9);
        press(calc, "*");
        // Squaring again and again leaves the range of the calculator.
        QString message;
        for (int i = 0; i < 20 && message.isEmpty(); ++i)
            message = press(calc, "=");
        QCOMPARE(message, PocketCalculator::overflowMessage());
        QVERIFY(calc.display().contains(u'E'));
    }
    void convert_data() {
        // rateSteps: clicks on the spin button, up when positive
        columns<QString, Direction, int, QString, QString>("keys", "direction", "rateSteps",
                                                           "input", "result");
        row("100 F", "100", Direction::FrancsToEuros, 0, "100", "15,24");
        row("1 E", "1", Direction::EurosToFrancs, 0, "1", "6,6");
        row("one euro of francs", "6,55957", Direction::FrancsToEuros, 0, "6,55957", "1");
        row("point typed as comma", "1.5", Direction::EurosToFrancs, 0, "1,5", "9,8");
        row("other keys ignored", "1a0-0 ", Direction::FrancsToEuros, 0, "100", "15,24");
        row("million francs", "1000000", Direction::FrancsToEuros, 0, "1000000", "152449,02");
        row("million francs, rate up", "1000000", Direction::FrancsToEuros, 1, "1000000",
            "152448,78");
        row("ten thousand euros", "10000", Direction::EurosToFrancs, 0, "10000", "65595,7");
        row("ten thousand euros, rate down", "10000", Direction::EurosToFrancs, -1, "10000",
            "65595,6");
        row("empty input", "", Direction::FrancsToEuros, 0, "", "");
        row("two commas", "1,2,3", Direction::FrancsToEuros, 0, "1,2,3", "");
    }
    void convert() {
        const auto [keys, direction, rateSteps] =
            fetch<QString, Direction, int>("keys", "direction", "rateSteps");
        EuroConverter c;
        c.setDirection(direction);
        for (int i = 0; i < qAbs(rateSteps); ++i)
            rateSteps > 0 ? c.rateUp() : c.rateDown();
        type(c, keys);
        c.compute();
        QVERIFY(c.resultShown());
        QTEST(c.input(), "input");
        QTEST(c.result(), "result");
    }
    void keyAfterResultStartsAgain() {
        EuroConverter c;
        type(c, "100");
        c.compute();
        c.key(u'5');
        QCOMPARE(c.input(), "5");
        QCOMPARE(c.result(), QString());
        QVERIFY(!c.resultShown());
        c.compute();
        QCOMPARE(c.result(), "0,76");
    }
    void rate() {
        EuroConverter c;
        QCOMPARE(c.rateText(), "6,55957");
        c.rateUp();
        QCOMPARE(c.rateText(), "6,55958");
        for (int i = 0; i < EuroConverter::DefaultRate + 10; ++i)
            c.rateDown();
        QCOMPARE(c.rate(), 1);
        QCOMPARE(c.rateText(), "0,00001");
        c.reset();
        QCOMPARE(c.rate(), EuroConverter::DefaultRate);
        QCOMPARE(c.direction(), Direction::FrancsToEuros);
    }
    void items() {
        const auto &table = LetterScale::items();
        QCOMPARE(table.size(), LetterScale::ItemCount);
        QCOMPARE(table[Envelope110x220].label, "110 x 220 mm");
        QCOMPARE(table[SheetA4].label, "210 x 297 mm (A4)");
        QCOMPARE(table[16].label, "CD-ROm boîte plast.");
        QCOMPARE(table[4].box, "Enveloppes matalassées");
        QCOMPARE(table[19].box, "Photos");
    }
    void compute_data() {
        // counts: pairs of item index and quantity
        // shown: the three labels of the result panel
        columns<QList<int>, int, Service, QString>("counts", "extra", "service", "shown");
        auto row = [](const char *name, const QList<int> &counts, int extra, Service service,
                      const char *shown) {
            QTest::newRow(name) << counts << extra << service << QString::fromUtf8(shown);
        };
        const Service rapide = Service::FranceRapide;
        const Service ecopli = Service::FranceEcopli;
        const Service europe = Service::UnionEuropeenne;
        row("nothing", {}, 0, rapide, "0 g  3,00 F  0,46 E");
        row("19.5 g ecopli", {SheetA4, 1, Envelope110x220, 1}, 10, ecopli, "20 g  2,70 F  0,41 E");
        row("half gram rounds up", {SheetCourante, 1}, 10, rapide, "13 g  3,00 F  0,46 E");
        row("20.4 g is the second band", {Padded200x270, 1}, 0, rapide, "20 g  4,50 F  0,69 E");
        row("40 g to Europe", {}, 40, europe, "40 g  4,60 F  0,70 E");
        row("40.6 g to Europe", {Cheque, 29}, 0, europe, "41 g  6,00 F  0,91 E");
        row("250 g ecopli", {}, 250, ecopli, "250 g  8,00 F  1,22 E");
        row("one of each item",
            {0,  1, 1,  1, 2,  1, 3,  1, 4,  1, 5,  1, 6,  1, 7,  1, 8,  1, 9,  1,
             10, 1, 11, 1, 12, 1, 13, 1, 14, 1, 15, 1, 16, 1, 17, 1, 18, 1, 19, 1},
            0, rapide, "421 g  16,00 F  2,44 E");
        row("750 g to Europe", {8, 20}, 0, europe, "750 g  47,00 F  7,17 E");
    }
    void compute() {
        const auto [counts, extra, service] =
            fetch<QList<int>, int, Service>("counts", "extra", "service");
        LetterScale::Quantities quantities{};
        for (int i = 0; i + 1 < counts.size(); i += 2)
            quantities[counts[i]] = counts[i + 1];
        const LetterScale::Result r = LetterScale::compute(quantities, extra, service);
        QTEST(QString(r.weightText + u"  " + r.francsText + u"  " + r.eurosText), "shown");
    }
    void bandBounds_data() {
        columns<Service, int, int>("service", "tenths", "centimes");
        row("0 g", Service::FranceEcopli, 0, 270);
        row("100 g", Service::FranceEcopli, 1000, 420);
        row("100.1 g", Service::FranceEcopli, 1001, 800);
        row("1000 g", Service::FranceRapide, 10000, 2100);
        row("1000.1 g", Service::FranceRapide, 10001, 2800);
        row("3000 g", Service::FranceRapide, 30000, 3300);
        row("3000.1 g", Service::FranceRapide, 30001, 0);
        row("1000 g Europe", Service::UnionEuropeenne, 10000, 5600);
        row("1000.1 g Europe", Service::UnionEuropeenne, 10001, 0);
    }
    void bandBounds() {
        const auto [service, tenths] = fetch<Service, int>("service", "tenths");
        QTEST(LetterScale::postage(service, tenths), "centimes");
    }
    void notepadRoundTrip_data() {
        QTest::addColumn<QStringList>("lines");
        row("blank lines kept", QStringList{"a", QString(), "b"});
        row("trailing blank line", QStringList{"a", QString()});
        row("only a blank line", QStringList{QString()});
    }
    void notepadRoundTrip() {
        QFETCH(QStringList, lines);
        QCOMPARE(notepadLines(notepadText(lines)), lines);
    }
    void notepadSplit_data() {
        columns<QString, QStringList>("text", "lines");
        row("no final break", "a\nb", QStringList{"a", "b"});
        row("final break", "a\nb\n", QStringList{"a", "b"});
        row("crlf", "a\r\nb\r\n", QStringList{"a", "b"});
        row("cr alone", "a\rb", QStringList{"a", "b"});
        row("empty", "", QStringList{});
        row("two breaks", "a\n\n", QStringList{"a", ""});
        row("paragraph separator", "a\u2029b", QStringList{"a", "b"});
    }
    void notepadSplit() { QTEST(notepadLines(fetch<QString>("text")), "lines"); }
    // The list box is sorted by text: codes ascending, no 96, names as shipped.
    void departements() {
        const QStringList lines = departementLines();
        QCOMPARE(lines.size(), 97);
        QStringList sorted = lines;
        sorted.sort();
        QCOMPARE(lines, sorted);
        QCOMPARE(lines.first(), "00 Armées");
        QCOMPARE(lines.last(), "97 Dom");
        QVERIFY(!lines.join(u'\n').contains("\n96"));
        QVERIFY(lines.contains("13 Bouches-du-Rhônes"));
        QVERIFY(lines.contains("81Tarn"));
    }
    void prenoms() {
        const QStringList lines = prenomLines();
        QCOMPARE(lines.size(), 326);
        static const QRegularExpression shape(
            "^[^.]+\\.+\\d\\d (Jan|Fév|Mar|Avr|Mai|Jun|Jul|Aoû|Sep|Oct|Nov|Déc)$");
        for (const QString &line : lines)
            QVERIFY2(line.size() == 26 && shape.match(line).hasMatch(), qPrintable(line));
        QCOMPARE(lines.first(), "Abel................05 Aoû");
        QCOMPARE(lines.last(), "Zita................27 Avr");
        QVERIFY(lines.contains("Théodore............09 Nov"));
        QVERIFY(lines.contains("tatiana.............12 Jan"));
    }
    void prenomSearch_data() {
        // line: empty: no selection change
        columns<QChar, QString>("key", "line");
        row("t finds Tanguy, not tatiana", QChar(u't'), "Tanguy..............19 Nov");
        row("upper case T", QChar(u'T'), "Tanguy..............19 Nov");
        row("m", QChar(u'm'), "Marc................25 Avr");
        row("first line", QChar(u'a'), "Abel................05 Aoû");
        row("last letter", QChar(u'z'), "Zita................27 Avr");
        row("k", QChar(u'k'), "Kévin...............03 Jun");
        row("digit", QChar(u'5'), "");
        row("accented letter", QChar(u'é'), "");
        row("letter without a name", QChar(u'o'), "Odette..............20 Avr");
    }
    void prenomSearch() {
        const auto [key, line] = fetch<QChar, QString>("key", "line");
        const QStringList lines = prenomLines();
        const int row = prenomRow(lines, key);
        QCOMPARE(row == -1 ? QString() : lines.value(row, "?"), line);
    }
    void prenomSearchMissingLetter() {
        const QStringList lines{"Abel", "Céline"};
        QCOMPARE(prenomRow(lines, u'b'), -1);
        QCOMPARE(prenomRow(lines, u'c'), 1);
    }
    void nafFormat() {
        const QString tsv = QStringLiteral("01\tAgriculture, chasse, services annexes\n"
                                           "011A\tCulture de céréales ; cultures industrielles\n"
                                           "015Z\tChasse\n"
                                           "10\tExtraction de houille, de lignite et de tourbe\n"
                                           "101Z\tExtraction ; agglomération ; houille\n");
        const QStringList expected{QString(),
                                   "1    Agriculture, chasse, services annexes",
                                   "011A      Culture de céréales - cultures industrielles",
                                   "015Z      Chasse",
                                   QString(),
                                   "10        Extraction de houille, de lignite et de tourbe",
                                   "101Z      Extraction - agglomération - houille"};
        QCOMPARE(nafLinesFrom(tsv), expected);
    }
    void nafBuiltIn() {
        const QStringList lines = nafLines();
        QCOMPARE(lines.size(), 816);
        QCOMPARE(lines.count(QString()), 60);
        QCOMPARE(lines[2], "011A      Culture de céréales - cultures industrielles");
        QCOMPARE(lines.last(), "990Z      Activités extra-territoriales");
        for (const QString &line : lines)
            QVERIFY2(!line.contains(" ; "), qPrintable(line));
    }
    // Lines are written "hh:mm:ss dd/mm/yyyy".
    void spin_data() {
        columns<Field, int, QString, QString>("field", "step", "before", "after");
        row("hour up to 24", Field::Hour, 1, "23:15:42 05/12/2026", "24:15:42 05/12/2026");
        row("hour stops at 24", Field::Hour, 1, "24:15:42 05/12/2026", "24:15:42 05/12/2026");
        row("hour stays at 00", Field::Hour, -1, "00:15:42 05/12/2026", "00:15:42 05/12/2026");
        row("minute stops at 59", Field::Minute, 1, "09:59:42 05/12/2026", "09:59:42 05/12/2026");
        row("day stops at 31", Field::Day, 1, "09:15:42 31/12/2026", "09:15:42 31/12/2026");
        row("day down to 0", Field::Day, -1, "09:15:42 01/12/2026", "09:15:42 00/12/2026");
        row("month stops at 12", Field::Month, 1, "09:15:42 05/12/2026", "09:15:42 05/12/2026");
        row("year stops at 2099", Field::Year, 1, "09:15:42 05/12/2099", "09:15:42 05/12/2099");
        row("year stops at 1900", Field::Year, -1, "09:15:42 05/12/1900", "09:15:42 05/12/1900");
        row("two-digit year", Field::Year, 1, "09:15:42 05/12/0098", "09:15:42 05/12/1999");
        row("no field", Field::None, 1, "09:15:42 05/12/2026", "09:15:42 05/12/2026");
    }
    void spin() {
        const auto [field, step, before] = fetch<Field, int, QString>("field", "step", "before");
        FakeClock clock;
        ClockFace face(clock, paris);
        face.setLines(before.section(u' ', 0, 0), before.section(u' ', 1, 1));
        face.setField(field);
        step > 0 ? face.spinUp() : face.spinDown();
        QTEST(QString(face.timeLine() + u' ' + face.dateLine()), "after");
    }
    void utc_data() {
        // local: "hh:mm:ss dd/mm/yyyy"
        // utc: "yyyy-MM-dd HH:mm:ss", empty when refused
        columns<QString, QString, QString>("zone", "local", "utc");
        const char *paris = "Europe/Paris";
        row("winter", paris, "14:30:00 05/12/2026", "2026-12-05 13:30:00");
        row("summer", paris, "14:30:00 05/07/2026", "2026-07-05 12:30:00");
        row("midnight goes back a year", paris, "00:15:07 01/01/2027", "2026-12-31 23:15:07");
        row("day summer time starts", paris, "12:00:00 29/03/2026", "2026-03-29 10:00:00");
        row("skipped hour", paris, "02:30:00 29/03/2026", "");
        row("another zone", "America/New_York", "14:30:00 05/12/2026", "2026-12-05 19:30:00");
        row("day 0", paris, "14:30:00 00/12/2026", "");
        row("month 0", paris, "14:30:00 05/00/2026", "");
        row("31 February", paris, "14:30:00 31/02/2026", "");
        row("29 February of a leap year", paris, "14:30:00 29/02/2028", "2028-02-29 13:30:00");
        row("hour 24", paris, "24:00:00 05/12/2026", "");
    }
    void utc() {
        const auto [zone, local, utc] = fetch<QString, QString, QString>("zone", "local", "utc");
        const std::optional<SystemTime> record = ClockFace::utcRecord(
            local.section(u' ', 0, 0), local.section(u' ', 1, 1), QTimeZone(zone.toLatin1()));
        QCOMPARE(record.has_value(), !utc.isEmpty());
        if (!record)
            return;
        const QDateTime expected = QDateTime::fromString(utc, "yyyy-MM-dd HH:mm:ss");
        QCOMPARE(*record, (SystemTime{expected.date().year(), expected.date().month(),
                                      expected.date().day(), expected.time().hour(),
                                      expected.time().minute(), expected.time().second(), 0}));
    }
    void setTwiceSetsTheClock() {
        FakeClock clock;
        ClockFace face(clock, paris);
        face.activate();
        QCOMPARE(face.timeLine(), "09:15:42");
        QCOMPARE(face.dateLine(), "05/12/2026");
        QCOMPARE(face.toggleSet(), false);
        QVERIFY(face.editMode());
        QVERIFY(clock.set.isEmpty());
        face.setLines("14:30:00", "05/12/2026");
        clock.now = QDateTime(QDate(2026, 12, 5), QTime(14, 30, 1));
        QCOMPARE(face.toggleSet(), true);
        QVERIFY(!face.editMode());
        QCOMPARE(clock.set, (QList<SystemTime>{{2026, 12, 5, 13, 30, 0, 0}}));
        QCOMPARE(face.timeLine(), "14:30:01"); // read back from the clock
    }
    void refusedTimeLeavesTheClock() {
        FakeClock clock;
        ClockFace face(clock, paris);
        face.activate();
        face.toggleSet();
        face.setLines("14:30:00", "31/02/2026");
        QCOMPARE(face.toggleSet(), false);
        QVERIFY(clock.set.isEmpty());
        QCOMPARE(face.dateLine(), "05/12/2026");
        clock.accept = false; // no right to set the clock
        face.toggleSet();
        QCOMPARE(face.toggleSet(), false);
        QCOMPARE(clock.set.size(), 1);
    }
    void activationEndsEditing() {
        FakeClock clock;
        ClockFace face(clock, paris);
        face.toggleSet();
        face.setLines("11:11:11", "11/11/2011");
        face.activate();
        QVERIFY(!face.editMode());
        QCOMPARE(face.timeLine(), "09:15:42");
        QVERIFY(clock.set.isEmpty());
    }
    void calendarTitles_data() {
        columns<int, int, QString>("year", "month", "title");
        row("february", 2026, 2, "février  2026");
        row("august", 2026, 8, "août  2026");
    }
    void calendarTitles() {
        const auto [year, month] = fetch<int, int>("year", "month");
        QTEST(calendarTitle(year, month), "title");
    }
};

QTEST_GUILESS_MAIN(TestUtilities)
#include "tst_utilities.moc"
