#include "core/coretest.h"
#include "store/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteSurvivesReadAndWrite() {
        QTemporaryDir dir;
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(char(b));
        const QString in = dir.filePath("in.txt"), out = dir.filePath("out.txt");
        writeFile(in, all + "\r\n" + all + "\r\n");
        bool ok = false;
        const QStringList lines = TextFile::read(in, &ok);
        QVERIFY(ok);
        QCOMPARE(lines.size(), 2);
        QVERIFY(TextFile::write(out, lines));
        QCOMPARE(fileBytes(out), fileBytes(in));
    }
    void decodesWindows1252() {
        QCOMPARE(TextFile::decode("\x80\xe9\x9c\xe0"), "€éœà");
        QCOMPARE(TextFile::encode("Société €"), QByteArray("Soci\xe9t\xe9 \x80"));
        // Characters outside the code page become "?".
        QCOMPARE(TextFile::encode("a→b日"), QByteArray("a?b?"));
    }
    void splitsEveryLineEnd_data() {
        columns<QString, QStringList>("text", "lines");
        row("crlf", "a\r\nb\r\n", QStringList{"a", "b"});
        row("lf", "a\nb\n", QStringList{"a", "b"});
        row("cr", "a\rb\r", QStringList{"a", "b"});
        row("mixed, no final end", "a\r\n\nb\rc", QStringList{"a", "", "b", "c"});
        row("empty lines kept", "\r\n\r\n", QStringList{"", ""});
        row("empty file", "", QStringList{});
        row("lf cr is two ends", "a\n\rb", QStringList{"a", "", "b"});
    }
    void splitsEveryLineEnd() { QTEST(TextFile::splitLines(fetch<QString>("text")), "lines"); }
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
        QCOMPARE(error, "fichier trop volumineux");
        QCOMPARE(fileBytes(path), QByteArray("ancien\r\n"));
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
        columns<QByteArray, QString, bool>("bytes", "text", "utf8");
        row("byte-order mark dropped", QByteArray("\xEF\xBB\xBF<BLOC00000>\r\n"), "<BLOC00000>",
            true);
        row("marks at the head of a line", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF<BLOC00000>\r\n"),
            "<BLOC00000>", true);
        row("mark misread then saved as utf-8",
            QByteArray("\xC3\xAF\xC2\xBB\xC2\xBF<BLOC00000> \xC3\xA9\r\n"), "<BLOC00000> é", true);
        row("utf-8 accents", QByteArray("Soci\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\r\n"), "Société €",
            true);
        row("windows-1252", QByteArray("Soci\xE9t\xE9\r\n"), "Société", false);
        row("ascii", QByteArray("abc\r\n"), "abc", false);
        row("mark before windows-1252", QByteArray("\xEF\xBB\xBFSoci\xE9t\xE9\r\n"), "Société",
            false);
        row("overlong form", QByteArray("\xC0\xAF\r\n"), "À¯", false);
        row("cut sequence at the end", QByteArray("\xC3\xA9\xC3"), "Ã©Ã", false);
        row("surrogate", QByteArray("\xED\xA0\x80"), "í\u00A0€", false);
        row("utf-16 little-endian, mark twice", QByteArray::fromHex("fffefffe6100e900ac200d000a00"),
            "aé€", false);
        row("utf-16 big-endian", QByteArray::fromHex("feff006100e920ac000d000a"), "aé€", false);
        row("utf-16, odd last byte", QByteArray::fromHex("fffe610062"), "a", false);
        row("windows-1252 beginning with \"ÿþ\"", QByteArray("\xFF\xFE<BLOC00000>\r\n"),
            "ÿþ<BLOC00000>", false);
        row("windows-1252 beginning with \"þÿ\" and NUL bytes",
            QByteArray::fromHex("feff0000610d0a"), "þÿ" + QString(2, QChar(0)) + "a", false);
    }
    void outsideTextIsReadInItsEncoding() {
        const auto [bytes, text] = fetch<QByteArray, QString>("bytes", "text");
        QTemporaryDir dir;
        const QString path = dir.filePath("in.txt");
        writeFile(path, bytes);
        TextFile::Encoding encoding;
        QCOMPARE(TextFile::read(path, nullptr, {}, &encoding).value(0), text);
        QTEST(encoding == TextFile::Encoding::Utf8, "utf8");
        QCOMPARE(TextFile::decodeText(bytes).split("\r\n").value(0), text);
    }
    // A mark misread as Windows-1252 and saved as UTF-8, once or twice, goes
    // whichever way the file decodes: saving a file read as UTF-8 undoes one
    // step, and the next reading must find the same lines.
    void misreadMarksGoInEitherEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray once("\xC3\xAF\xC2\xBB\xC2\xBF"),
            twice("\xC3\x83\xC2\xAF\xC3\x82\xC2\xBB\xC3\x82\xC2\xBF");
        row("once, windows-1252 file", once + "<BLOC00000>\r\n\xE9\r\n");
        row("twice, utf-8 file", twice + "<BLOC00000>\r\n\xC3\xA9\r\n");
        row("twice, windows-1252 file", twice + "<BLOC00000>\r\n\xE9\r\n");
    }
    void misreadMarksGoInEitherEncoding() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("in.txt");
        writeFile(path, bytes);
        QCOMPARE(TextFile::read(path).value(0), "<BLOC00000>");
        // A line's rest after a tag, a line head once saved, loses them too.
        const QString line = TextFile::decode(bytes.left(bytes.indexOf('\r')));
        QCOMPARE(TextFile::withoutMarks(line), QStringLiteral("<BLOC00000>"));
    }
    void systemErrorsInFrench_data() {
        columns<int, QString>("error", "text");
        row("full disk", int(ENOSPC), "disque plein");
        row("read-only medium", int(EROFS), "accès refusé");
        row("permission", int(EACCES), "accès refusé");
    }
    void systemErrorsInFrench() { QTEST(TextFile::systemError(fetch<int>("error")), "text"); }
    // The stamp a save returns is the one a reading gives, whatever the
    // parts the hash saw; one changed byte changes it.
    void stampsAgreeWhateverTheParts() {
        QByteArray bytes(200'000, Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7 % 251);
        TextFile::ContentHash whole, pieces;
        whole.add(bytes);
        for (qsizetype at = 0, step = 1; at < bytes.size(); at += step, step = step * 3 + 1)
            pieces.add(bytes.sliced(at, std::min(step, bytes.size() - at)));
        QCOMPARE(pieces.result(), whole.result());
        QTemporaryDir dir;
        const QString path = dir.filePath("a.tvr");
        QList<TextFile::Stamp> stamps;
        const TextFile::ByteSource content = [&](const TextFile::ByteSink &sink) {
            return sink(bytes);
        };
        QVERIFY(TextFile::writeAll({{path, content}}, {}, nullptr, nullptr, nullptr, &stamps));
        QCOMPARE(stamps.value(0).hash, whole.result());
        QCOMPARE(TextFile::stampOf(path), stamps.value(0));
        bytes[150'000] = char(bytes[150'000] ^ 1);
        TextFile::ContentHash changed;
        changed.add(bytes);
        QVERIFY(changed.result() != whole.result());
    }
    void missingFileReadsEmpty() {
        bool ok = true;
        QVERIFY(TextFile::read("/nonexistent/x.tvr", &ok).isEmpty() && !ok);
        QString error;
        QVERIFY(!TextFile::write("/nonexistent/dir/x.tvr", {"a"}, &error));
        QCOMPARE(error, "dossier introuvable");
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
