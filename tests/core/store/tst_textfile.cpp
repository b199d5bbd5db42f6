#include "store/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

class TestTextFile : public QObject {
    Q_OBJECT

    static QByteArray readBytes(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void everyByteSurvivesReadAndWrite() {
        QTemporaryDir dir;
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(char(b));
        const QString in = dir.filePath("in.txt"), out = dir.filePath("out.txt");
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(all + "\r\n" + all + "\r\n");
        f.close();

        bool ok = false;
        const QStringList lines = TextFile::read(in, &ok);
        QVERIFY(ok);
        QCOMPARE(lines.size(), 2);
        QVERIFY(TextFile::write(out, lines));
        QCOMPARE(readBytes(out), readBytes(in));
    }

    void decodesWindows1252() {
        QCOMPARE(TextFile::decode("\x80\xe9\x9c\xe0"), QStringLiteral("€éœà"));
        QCOMPARE(TextFile::encode(QStringLiteral("Société €")), QByteArray("Soci\xe9t\xe9 \x80"));
        // Characters outside the code page become "?".
        QCOMPARE(TextFile::encode(QStringLiteral("a→b日")), QByteArray("a?b?"));
    }

    void splitsEveryLineEnd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lf") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("cr") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("mixed, no final end") << "a\r\n\nb\rc" << QStringList{"a", "", "b", "c"};
        QTest::newRow("empty lines kept") << "\r\n\r\n" << QStringList{"", ""};
        QTest::newRow("empty file") << "" << QStringList{};
        QTest::newRow("lf cr is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    }
    void splitsEveryLineEnd() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TextFile::splitLines(text), lines);
    }

    void writesCrLfAfterEveryLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        QVERIFY(TextFile::write(path, {"un", "", "trois"}));
        QCOMPARE(readBytes(path), QByteArray("un\r\n\r\ntrois\r\n"));
        QVERIFY(TextFile::write(path, {}));
        QCOMPARE(readBytes(path), QByteArray());
    }

    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("suivi.tvr");
        QVERIFY(TextFile::write(path, {"ancien"}));

        // Limit the size of files this process may write, so that the write
        // fails half-way through.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096;
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        QString error;
        const bool written = TextFile::write(path, QStringList(1000, QString(40, u'x')), &error);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);

        QVERIFY(!written);
        QCOMPARE(error, QStringLiteral("fichier trop volumineux"));
        QCOMPARE(readBytes(path), QByteArray("ancien\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"suivi.tvr"});
    }

    // What a killed save of a single file left beside it goes at its next
    // write.
    void leftoversGoAtTheNextWrite() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavrin.moi");
        for (const QString &leftover :
             {TextFile::temporaryName(path), TextFile::previousName(path)})
            QVERIFY(TextFile::write(leftover, {"reste"}));
        QVERIFY(TextFile::write(path, {"profil"}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tavrin.moi"});
    }

    void outsideTextIsReadInItsEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("byte-order mark dropped")
            << QByteArray("\xEF\xBB\xBF<BLOC00000>\r\n") << "<BLOC00000>" << true;
        QTest::newRow("marks at the head of a line")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF<BLOC00000>\r\n") << "<BLOC00000>" << true;
        QTest::newRow("mark misread then saved as utf-8")
            << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBF<BLOC00000> \xC3\xA9\r\n") << "<BLOC00000> é"
            << true;
        QTest::newRow("utf-8 accents")
            << QByteArray("Soci\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\r\n") << "Société €" << true;
        QTest::newRow("windows-1252") << QByteArray("Soci\xE9t\xE9\r\n") << "Société" << false;
        QTest::newRow("ascii") << QByteArray("abc\r\n") << "abc" << false;
        QTest::newRow("mark before windows-1252")
            << QByteArray("\xEF\xBB\xBFSoci\xE9t\xE9\r\n") << "Société" << false;
        QTest::newRow("overlong form") << QByteArray("\xC0\xAF\r\n") << "À¯" << false;
        QTest::newRow("cut sequence at the end") << QByteArray("\xC3\xA9\xC3") << "Ã©Ã" << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << "í\u00A0€" << false;
        QTest::newRow("utf-16 little-endian, mark twice")
            << QByteArray::fromHex("fffefffe6100e900ac200d000a00") << "aé€" << false;
        QTest::newRow("utf-16 big-endian")
            << QByteArray::fromHex("feff006100e920ac000d000a") << "aé€" << false;
        QTest::newRow("utf-16, odd last byte") << QByteArray::fromHex("fffe610062") << "a" << false;
    }
    void outsideTextIsReadInItsEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, utf8);
        QTemporaryDir dir;
        QFile f(dir.filePath("in.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        TextFile::Encoding encoding;
        QCOMPARE(TextFile::read(f.fileName(), nullptr, {}, &encoding).value(0), text);
        QCOMPARE(encoding == TextFile::Encoding::Utf8, utf8);
        QCOMPARE(TextFile::decodeText(bytes).split(QStringLiteral("\r\n")).value(0), text);
    }

    // A mark misread as Windows-1252 and saved as UTF-8, once or twice, goes
    // whichever way the file decodes: saving a file read as UTF-8 undoes one
    // step, and the next reading must find the same lines.
    void misreadMarksGoInEitherEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray once("\xC3\xAF\xC2\xBB\xC2\xBF"),
            twice("\xC3\x83\xC2\xAF\xC3\x82\xC2\xBB\xC3\x82\xC2\xBF");
        QTest::newRow("once, windows-1252 file") << once + "<BLOC00000>\r\n\xE9\r\n";
        QTest::newRow("twice, utf-8 file") << twice + "<BLOC00000>\r\n\xC3\xA9\r\n";
        QTest::newRow("twice, windows-1252 file") << twice + "<BLOC00000>\r\n\xE9\r\n";
    }
    void misreadMarksGoInEitherEncoding() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile f(dir.filePath("in.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QCOMPARE(TextFile::read(f.fileName()).value(0), QStringLiteral("<BLOC00000>"));
        // A line's rest after a tag, a line head once saved, loses them too.
        const QString line = TextFile::decode(bytes.left(bytes.indexOf('\r')));
        QCOMPARE(TextFile::withoutMarks(line), QStringLiteral("<BLOC00000>"));
    }

    void systemErrorsInFrench_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("full disk") << int(ENOSPC) << "disque plein";
        QTest::newRow("read-only medium") << int(EROFS) << "accès refusé";
        QTest::newRow("permission") << int(EACCES) << "accès refusé";
    }
    void systemErrorsInFrench() {
        QFETCH(int, error);
        QFETCH(QString, text);
        QCOMPARE(TextFile::systemError(error), text);
    }

    void missingFileReadsEmpty() {
        bool ok = true;
        QVERIFY(TextFile::read("/nonexistent/x.tvr", &ok).isEmpty());
        QVERIFY(!ok);
        QString error;
        QVERIFY(!TextFile::write("/nonexistent/dir/x.tvr", {"a"}, &error));
        QCOMPARE(error, QStringLiteral("dossier introuvable"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
