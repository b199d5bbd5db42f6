#include "storetest.h"

#include "store/dataset.h"
#include "store/textfile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <thread>

namespace {

const char *const Endings[] = {"tvr", "opr", "jnr"};

// A set of a few thousand companies, with operations and day actions; the
// first record of each kind carries the set's name.
void writeSet(const QString &dir, const QString &name) {
    for (int k = 0; k < 3; ++k) {
        const int width = k == 0 ? 5 : 4;
        QStringList lines;
        for (int i = 0; i < (k == 0 ? 3000 : 300); ++i) {
            const QString marker = i == 0 ? name : QStringLiteral("autre");
            // The name is line 3 of a company or an operation, line 4 of a day action.
            lines += blockLines(width, i,
                                {QString::number(10001 + i), "01/12/2026",
                                 k == 2 ? QStringLiteral("10:00:00") : marker,
                                 k == 2 ? marker : QStringLiteral("1 rue de la Paix"), "75002",
                                 "Paris", "MEMO" + QString(60, u'x')});
        }
        QVERIFY(TextFile::write(dir + "/suivi." + Endings[k], lines));
    }
}

QString &marker(DataSet &data, Kind kind) {
    data.jumpTo(kind, 0);
    return kind == Kind::Company     ? data.company().name
           : kind == Kind::Operation ? data.operation().summary
                                     : data.dayAction().action;
}

// The child: opens the old set, renames its first records, saves.
int saveNewSet(const QString &dir) {
    DataSet data;
    if (!data.Charge(dir + "/suivi.tvr"))
        return 3;
    for (int k = 0; k < 3; ++k) {
        marker(data, Kind(k)) = QStringLiteral("nouveau");
        data.markEdited(Kind(k));
    }
    return data.Sauve(dir + "/suivi.tvr") ? 0 : 4;
}

// Which set each file holds once the data set is opened.
QStringList setsFound(const QString &dir) {
    DataSet data;
    data.setMessageHandler([](const QString &) {});
    if (!data.Charge(dir + "/suivi.tvr"))
        return {"illisible"};
    QStringList found;
    for (int k = 0; k < 3; ++k) {
        found << marker(data, Kind(k));
        if (data.count(Kind(k)) != (k == 0 ? 3000 : 300))
            found.last() = "incomplet";
    }
    return found;
}

} // namespace

// A save killed at any point leaves the old set or the new set, whole.
class TestKilledSave : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void killedSaveLeavesOneWholeSet() {
        QTemporaryDir dir;
        const QString program = QCoreApplication::applicationFilePath();
        auto run = [&](QProcess &child) {
            child.start(program, {"--save", dir.path()});
            QVERIFY(child.waitForStarted());
        };

        // How long a whole save takes, start-up included.
        writeSet(dir.path(), "ancien");
        QElapsedTimer timer;
        timer.start();
        QProcess whole;
        run(whole);
        QVERIFY(whole.waitForFinished(60000));
        QCOMPARE(whole.exitCode(), 0);
        const qint64 span = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
        QCOMPARE(setsFound(dir.path()), QStringList(3, "nouveau"));

        QRandomGenerator random(1789);
        int old = 0, fresh = 0;
        for (int trial = 0; trial < 30; ++trial) {
            writeSet(dir.path(), "ancien");
            QProcess child;
            run(child);
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(span)));
            child.kill();
            child.waitForFinished(60000);
            const QStringList found = setsFound(dir.path());
            QVERIFY2(found == QStringList(3, "ancien") || found == QStringList(3, "nouveau"),
                     qPrintable(QString("essai %1 : %2").arg(trial).arg(found.join(", "))));
            (found.first() == "ancien" ? old : fresh)++;
        }
        qInfo("old set %d times, new set %d times", old, fresh);
    }
};

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], "--save") == 0) {
        QCoreApplication app(argc, argv);
        return saveNewSet(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestKilledSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killedsave.moc"
