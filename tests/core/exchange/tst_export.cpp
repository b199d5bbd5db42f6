// Export of company addresses: the three forms against golden files, the
// name rule, XML escaping, and a failed write reported with its reason.

#include "exchange/export.h"
#include "store/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString data(const QString &name) {
    return QStringLiteral(TAVRIN_TEST_DATA "/exchange/") + name;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Four companies out of code order, one holding accents, markup and a
    // separator, one that lost its closing tag and stops after its name.
    void goldenFiles_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("golden");
        QTest::newRow("txt") << int(Export::Format::Txt) << "export.txt";
        QTest::newRow("csv") << int(Export::Format::Csv) << "export.csv";
        QTest::newRow("xml") << int(Export::Format::Xml) << "export.xml";
    }
    void goldenFiles() {
        QFETCH(int, format);
        QFETCH(QString, golden);
        BlocList list(5);
        QVERIFY(list.load(data("source.tvr")));
        QTemporaryDir dir;
        const QString out = dir.filePath(golden);
        QString message;
        QVERIFY(Export::write(out, list, Export::Format(format), &message));
        QCOMPARE(bytes(out), bytes(data(golden)));
    }

    void emptyList_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("txt") << int(Export::Format::Txt) << QByteArray();
        QTest::newRow("xml") << int(Export::Format::Xml)
                             << QByteArray("<?xml version=\"1.0\" ?>\r\n<racine>\r\n</racine>\r\n");
    }
    void emptyList() {
        QFETCH(int, format);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString out = dir.filePath("vide");
        QVERIFY(Export::write(out, BlocList(5), Export::Format(format), nullptr));
        QCOMPARE(bytes(out), expected);
    }

    void nameRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("written");
        QTest::newRow("liste, type 2") << "/d/liste" << 2 << "/d/liste.csv";
        QTest::newRow("liste.dat, type 3") << "/d/liste.dat" << 3 << "/d/liste.dat";
        QTest::newRow("dotted folder")
            << "/home/jean.dupont/liste" << 1 << "/home/jean.dupont/liste.txt";
        QTest::newRow("xml") << "liste" << 3 << "liste.xml";
    }
    void nameRule() {
        QFETCH(QString, typed);
        QFETCH(int, format);
        QFETCH(QString, written);
        QCOMPARE(Export::withExtension(typed, Export::Format(format)), written);
    }

    void xmlText_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("xml");
        QTest::newRow("markup") << "A & B <C>"
                                << "A &amp; B &lt;C&gt;";
        QTest::newRow("accents") << "été œuvre €"
                                 << "&#233;t&#233; &#339;uvre &#8364;";
        QTest::newRow("controls") << QString("a\tb\x01"
                                             "c") +
                                         QChar(0x81)
                                  << "a\tb?c?";
        QTest::newRow("quotes stay") << "l'\"x\""
                                     << "l'\"x\"";
    }
    void xmlText() {
        QFETCH(QString, value);
        QFETCH(QString, xml);
        QCOMPARE(Export::xmlText(value), xml);
    }

    void failedWriteIsReported() {
        QTemporaryDir dir;
        const QString target = dir.filePath("sub/x.txt");
        QString message;
        QVERIFY(!Export::write(target, BlocList(5), Export::Format::Txt, &message));
        QVERIFY(message.startsWith("Impossible d'enregistrer le fichier " + target + " : "));
        QVERIFY(message.size() >
                QString("Impossible d'enregistrer le fichier " + target + " : ").size());
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
