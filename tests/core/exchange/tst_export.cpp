// Export of company addresses: the three forms against golden files and the
// name rule.

#include "exchange/export.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
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
    // Four companies out of code order: one holding accents, markup, a
    // control and both separators, one that lost its closing tag and stops
    // after its name (not repaired here: no open ran).
    void goldenFiles_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("golden");
        QTest::newRow("txt") << int(Export::Format::Txt) << "export.txt";
        QTest::newRow("csv") << int(Export::Format::Csv) << "export.csv";
        QTest::newRow("xml") << int(Export::Format::Xml) << "export.xml";
        QTest::newRow("xml, empty list") << int(Export::Format::Xml) << "vide.xml";
    }
    void goldenFiles() {
        QFETCH(int, format);
        QFETCH(QString, golden);
        BlocList list(5);
        if (!golden.startsWith("vide"))
            QVERIFY(list.load(data("source.tvr")));
        QTemporaryDir dir;
        const QString out = dir.filePath(golden);
        QVERIFY(Export::write(out, list, Export::Format(format), nullptr));
        QCOMPARE(bytes(out), bytes(data(golden)));
    }

    // Whatever a name holds, the export is XML a parser reads back: what XML
    // cannot hold becomes "?".
    void xmlReadsBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("read");
        QTest::newRow("U+FFFE, U+FFFF") << QString::fromUtf16(u"a\uFFFEb\uFFFF") << "a?b?";
        QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + "x" + QChar(0xDFFF) << "?x?";
        QTest::newRow("a pair") << QString::fromUtf16(u"\U0001F600")
                                << QString::fromUtf16(u"\U0001F600");
    }
    void xmlReadsBack() {
        QFETCH(QString, name);
        BlocList list(5);
        list.setLines({"<BLOC00000>", "", "", name, "", "", "", "", "", "", "</BLOC00000>"});
        QXmlStreamReader xml(Export::ExportXml(list));
        QString nom;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("nom"))
                nom = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QFETCH(QString, read);
        QCOMPARE(nom, read);
    }

    // Only the file name is looked at for a ".", not its folders.
    void nameRule() {
        QCOMPARE(Export::withExtension("/home/jean.dupont/liste", Export::Format::Csv),
                 QStringLiteral("/home/jean.dupont/liste.csv"));
        QCOMPARE(Export::withExtension("/d/liste.dat", Export::Format::Xml),
                 QStringLiteral("/d/liste.dat"));
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
