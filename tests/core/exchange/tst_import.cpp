// Import of company addresses: the name decides the separator, each line
// becomes a block of fresh number and code, the limit truncates.

#include "exchange/import.h"
#include "store/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate Today(2026, 12, 6);

DataSet emptySet() {
    DataSet data;
    data.setClock([] { return QDateTime(Today, QTime(9, 0)); });
    data.Nouveau();
    return data;
}

using Companies = QList<QStringList>;

// The content lines of the block numbered n.
QStringList block(const DataSet &data, int n) {
    const BlocList &list = data.list(Kind::Company);
    const qsizetype at = list.findBlock(n);
    const qsizetype end = list.find(list.closeTag(n), at);
    return at < 0 ? QStringList() : list.lines().mid(at + 1, end - at - 1);
}

// Imports a file of that name and bytes into an empty set: the fields of
// each company, without its code and the padding lines.
Companies imported(const QString &name, const QByteArray &bytes) {
    QTemporaryDir dir;
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return {};
    f.close();
    DataSet data = emptySet();
    Import::Result r;
    if (Import::importFile(data, f.fileName(), r) != Import::Status::Done)
        return {};
    Companies companies;
    for (int i = 0; i < r.imported; ++i) {
        const QStringList lines = block(data, i);
        companies << lines.mid(1, lines.size() - 1 - Import::PaddingLines);
    }
    return companies;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void separatorFromName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("separator"); // "" = refused
        QTest::newRow("upper case") << "/d/Liste.TXT"
                                    << "\t";
        QTest::newRow("both, the later decides") << "/d/a.txt.csv"
                                                 << ";";
        QTest::newRow("inside the name") << "/d/a.csv.bak"
                                         << ";";
        QTest::newRow("neither") << "/d/liste.dat"
                                 << "";
        QTest::newRow("folder only") << "/d/x.txt/liste"
                                     << "";
        QTest::newRow("tsv") << "/d/Contacts.Tsv"
                             << "\t";
    }
    void separatorFromName() {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        const auto found = Import::separatorFor(path);
        QCOMPARE(found ? QString(*found) : QString(), separator);
    }

    void linesBecomeBlocks_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("csv, empty field")
            << "12/05/2025;Durand;3 rue Neuve;;69001" << QChar(u';')
            << QStringList{"12/05/2025", "Durand", "3 rue Neuve", "", "69001"};
        QTest::newRow("empty line") << "" << QChar(u'\t') << QStringList{""};
        QTest::newRow("fields reading as tags")
            << "<BLOC00000>\t</BLOC00000>" << QChar(u'\t')
            << QStringList{QChar(0x2039) + QStringLiteral("BLOC00000>"),
                           QChar(0x2039) + QStringLiteral("/BLOC00000>")};
    }
    void linesBecomeBlocks() {
        QFETCH(QString, line);
        QFETCH(QChar, separator);
        QFETCH(QStringList, fields);
        DataSet data = emptySet();
        QCOMPARE(Import::ImportTxt(data, {line}, separator).imported, 1);
        QStringList expected = QStringList{"10001"} + fields;
        expected.resize(expected.size() + Import::PaddingLines);
        QCOMPARE(block(data, 0), expected);
    }

    // Block numbers and codes after what the list already holds.
    void numbering_data() {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstBlock");
        QTest::addColumn<int>("firstCode");
        const QStringList one{"<BLOC00000>", "10007", "01/01/2024", "Seule", "</BLOC00000>"};
        QStringList five;
        for (int i = 0; i < 5; ++i)
            five << QStringLiteral("<BLOC0000%1>").arg(i) << QString::number(10100 - i)
                 << QStringLiteral("</BLOC0000%1>").arg(i);
        QTest::newRow("empty") << QStringList{} << 0 << 0 << 10001;
        QTest::newRow("one company stays") << one << 1 << 1 << 10008;
        QTest::newRow("five, codes out of order") << five << 5 << 5 << 10101;
        QTest::newRow("unwritten new card") << one << 2 << 1 << 10008;
    }
    void numbering() {
        QFETCH(QStringList, existing);
        QFETCH(int, count);
        QFETCH(int, firstBlock);
        QFETCH(int, firstCode);
        QTemporaryDir dir;
        QVERIFY(TextFile::write(dir.filePath("a.tvr"), existing));
        DataSet data = emptySet();
        if (!existing.isEmpty())
            QVERIFY(data.Charge(dir.filePath("a.tvr")));
        while (data.count(Kind::Company) < count)
            data.Ajout(Kind::Company); // a new card, never written
        const Import::Result r = Import::ImportTxt(data, {"a", "b", "c"});
        QCOMPARE(r.firstBlock, firstBlock);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(block(data, firstBlock + i).value(0), QString::number(firstCode + i));
        QCOMPARE(data.count(Kind::Company), firstBlock + 3);
        QCOMPARE(data.list(Kind::Company).countTags(), firstBlock + 3);
        QVERIFY(data.TestModif());
        // The last one is on the card; "c" is no date, the card shows today.
        QCOMPARE(data.current(Kind::Company), firstBlock + 2);
        QCOMPARE(data.company().date, Today);
    }

    void limit_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("truncated");
        QTest::newRow("89 998") << Import::MaxCount << false;
        QTest::newRow("89 999") << Import::MaxCount + 1 << true;
    }
    void limit() {
        QFETCH(int, lines);
        QFETCH(bool, truncated);
        DataSet data = emptySet();
        const Import::Result r = Import::ImportTxt(data, QStringList(lines, "x\ty"));
        QCOMPARE(r.imported, Import::MaxCount);
        QCOMPARE(r.truncated, truncated);
        QCOMPARE(data.list(Kind::Company).countTags(), Import::MaxCount);
    }

    // The card is written back before the import and not again after it.
    void editedCardIsWrittenFirst() {
        DataSet data = emptySet();
        data.company().name = QStringLiteral("Tapée");
        data.markEdited(Kind::Company);
        Import::ImportTxt(data, {"01/02/2024\tImportée"});
        QCOMPARE(block(data, 0).value(2), QStringLiteral("Tapée"));
        QCOMPARE(block(data, 1).value(2), QStringLiteral("Importée"));
        QCOMPARE(data.company().name, QStringLiteral("Importée"));
    }

    void quotedFields_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Companies>("companies");
        QTest::newRow("separator and doubled marks")
            << "l.csv" << QByteArray("d;\"Le \"\"Petit\"\" Caf\xe9\";\"3; rue\"\r\n")
            << Companies{{"d", "Le \"Petit\" Café", "3; rue"}};
        QTest::newRow("line break in a field")
            << "l.csv" << QByteArray("d;\"Durand\r\net fils\";Lyon\r\nd;Martin\r\n")
            << Companies{{"d", "Durand et fils", "Lyon"}, {"d", "Martin"}};
        QTest::newRow("tabs") << "l.txt" << QByteArray("\"a\tb\"\t\"\"\r\n")
                              << Companies{{"a\tb", ""}};
        QTest::newRow("mark inside a field is text")
            << "l.csv" << QByteArray("d;Le \"Petit\";x\r\n")
            << Companies{{"d", "Le \"Petit\"", "x"}};
        QTest::newRow("text after the closing mark")
            << "l.csv" << QByteArray("\"a;b\" c;d\r\n") << Companies{{"a;b c", "d"}};
        QTest::newRow("mark never closed")
            << "l.csv" << QByteArray("\"a;b\r\nc;d\r\n") << Companies{{"\"a", "b"}, {"c", "d"}};
    }
    void quotedFields() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(Companies, companies);
        QCOMPARE(imported(name, bytes), companies);
    }

    void commaSeparatedCsv_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Companies>("companies");
        QTest::newRow("commas") << "l.csv" << QByteArray("d,\"Durand, fils\",Lyon\r\nd,A;B\r\n")
                                << Companies{{"d", "Durand, fils", "Lyon"}, {"d", "A;B"}};
        QTest::newRow("semicolons first") << "l.csv" << QByteArray("d;Durand, fils\r\nd,B\r\n")
                                          << Companies{{"d", "Durand, fils"}, {"d,B"}};
        QTest::newRow("txt keeps tabs") << "l.txt" << QByteArray("a,b\r\n") << Companies{{"a,b"}};
    }
    void commaSeparatedCsv() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(Companies, companies);
        QCOMPARE(imported(name, bytes), companies);
    }

    void headerLine_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Companies>("companies");
        const QByteArray data("12/05/2025;Durand;69001\r\n");
        const Companies durand{{"12/05/2025", "Durand", "69001"}};
        QTest::newRow("titles, case and accents")
            << "l.csv"
            << "SOCI\xc9T\xc9;Adresse 1;Code postal;E-mail;T\xe9l.\r\n" + data << durand;
        QTest::newRow("tab-separated titles")
            << "l.txt" << QByteArray("date\tnom\tcp\r\n") << Companies{};
        QTest::newRow("one title only")
            << "l.csv"
            << "Ville;Martin\r\n" + data << Companies{{"Ville", "Martin"}} + durand;
        QTest::newRow("titles beside data")
            << "l.csv" << QByteArray("Nom;Ville;69001\r\n") << Companies{{"Nom", "Ville", "69001"}};
        QTest::newRow("titles on a later line") << "l.csv" << data + "Nom;Ville\r\n"
                                                << durand + Companies{{"Nom", "Ville"}};
    }
    void headerLine() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(Companies, companies);
        QCOMPARE(imported(name, bytes), companies);
    }

    void encodings_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("windows-1252, CR LF")
            << "l.txt" << QByteArray("d\t\x8c\xe9\r\nd\tB\r\n") << QStringList{"Œé", "B"};
        QTest::newRow("LF and CR")
            << "l.csv" << QByteArray("d;A\nd;B\rd;C") << QStringList{"A", "B", "C"};
        QTest::newRow("utf-8 from a spreadsheet") << "l.csv"
                                                  << QByteArray("\xef\xbb\xbf"
                                                                "d;Soci\xc3\xa9t\xc3\xa9\r\n")
                                                  << QStringList{"Société"};
        QTest::newRow("empty file") << "l.txt" << QByteArray("") << QStringList{};
        QTest::newRow("NUL bytes dropped")
            << "l.txt" << QByteArray("d\tA\0B\r\n", 7) << QStringList{"AB"};
        QByteArray le("\xFF\xFE"), be("\xFE\xFF");
        for (const QChar c : QStringLiteral("d\tSociété\r\nd\tB\r\n")) {
            le += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
            be += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xFF);
        }
        QTest::newRow("utf-16 little-endian, tsv") << "l.tsv" << le << QStringList{"Société", "B"};
        QTest::newRow("utf-16 big-endian") << "l.txt" << be << QStringList{"Société", "B"};
    }
    void encodings() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        DataSet data = emptySet();
        Import::Result r;
        QCOMPARE(Import::importFile(data, f.fileName(), r), Import::Status::Done);
        QStringList found;
        for (int i = 0; i < r.imported; ++i)
            found << block(data, i).value(2);
        QCOMPARE(found, names);
        QCOMPARE(data.TestModif(), !names.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
