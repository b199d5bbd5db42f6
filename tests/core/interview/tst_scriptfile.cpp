// The sample script reaches a new start directory, and only a new one.
#include "interview/scriptfile.h"
#include "store/textfile.h"

#include <QtTest>

class TestScriptFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstRun_data() {
        QTest::addColumn<QString>("present"); // a file already in the start directory
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("copied");

        QTest::newRow("new directory") << QString() << true << true;
        QTest::newRow("the program ran here") << "Tavrin.ini" << true << false;
        QTest::newRow("the user's own script") << "Recrut.scp" << true << false;
        QTest::newRow("start directory cannot be written") << QString() << false << false;
    }
    void firstRun() {
        QFETCH(QString, present);
        QFETCH(bool, writable);
        QFETCH(bool, copied);
        QTemporaryDir program, start;
        const QStringList sample{"Le DRH", "- Bonjour", "\\*", "1 - a/Question longue de test ?"};
        QVERIFY(TextFile::write(program.filePath("Recrut.scp"), sample));
        const QStringList own{"Mon script"};
        if (!present.isEmpty())
            QVERIFY(TextFile::write(start.filePath(present), own));
        // Rights do not stop root: a start "directory" that is a file does.
        QString startDir = start.path();
        if (!writable) {
            startDir = start.filePath("fichier");
            QVERIFY(TextFile::write(startDir, own));
        }

        const QString shipped = ScriptFile::shipped(program.path());
        QCOMPARE(shipped, program.filePath("Recrut.scp"));
        QCOMPARE(ScriptFile::installAtFirstRun(startDir, shipped), copied);

        const QString target = QDir(startDir).filePath("Recrut.scp");
        if (copied)
            QCOMPARE(TextFile::read(target), sample);
        else if (present == QLatin1String("Recrut.scp"))
            QCOMPARE(TextFile::read(target), own);
        else
            QVERIFY(!QFile::exists(target));
    }

    void shippedInAnInstallation() {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("bin"));
        QVERIFY(QDir(prefix.path()).mkpath("share/tavrin"));
        QCOMPARE(ScriptFile::shipped(prefix.filePath("bin")), QString());
        QVERIFY(TextFile::write(prefix.filePath("share/tavrin/Recrut.scp"), {"x"}));
        QCOMPARE(ScriptFile::shipped(prefix.filePath("bin")),
                 prefix.filePath("share/tavrin/Recrut.scp"));
    }
};

QTEST_GUILESS_MAIN(TestScriptFile)
#include "tst_scriptfile.moc"
