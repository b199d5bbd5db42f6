#include "storetest.h"

#include "store/dataset.h"
#include "store/textfile.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// Record files damaged at random: opening never fails, every record can be
// read, and a repaired data set saved and opened again keeps every line.
class TestDamagedFiles : public QObject {
    Q_OBJECT

    static QStringList soundCompanies(int n) {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines += blockLines(5, i,
                                {QString::number(10001 + i), "01/12/2026", "S" + QString::number(i),
                                 "", "", "75011", "Paris", "", "", "", "", "", "", "MEMOm",
                                 "DATA01/12/2026\tAppel\tsuite"});
        return lines;
    }

    static QStringList damage(QStringList lines, QRandomGenerator &random) {
        const int edits = 1 + random.bounded(6);
        for (int e = 0; e < edits && !lines.isEmpty(); ++e) {
            const qsizetype at = random.bounded(lines.size());
            switch (random.bounded(6)) {
            case 0: // a lost line, often a tag
                lines.removeAt(at);
                break;
            case 1: // a block written twice
                lines.append(lines.mid(at, 1 + random.bounded(20)));
                break;
            case 2: // a cut tag
                lines[at] = lines[at].left(random.bounded(12));
                break;
            case 3: // a tag with another number
                lines.insert(at, "<BLOC" + QString::number(random.bounded(100000)) + ">");
                break;
            case 4: // noise bytes
                lines[at] = TextFile::decode(
                    QByteArray(QByteArray::number(random.generate64(), 36) + "\x81\x9d\xff"));
                break;
            default: // the end of the file lost
                lines = lines.mid(0, at);
            }
        }
        return lines;
    }

private Q_SLOTS:
    void damagedDataSetsOpenAndSettle() {
        QRandomGenerator random(2026);
        for (int round = 0; round < 80; ++round) {
            QTemporaryDir dir;
            const QString tvr = dir.filePath("suivi.tvr");
            QVERIFY(TextFile::write(tvr, damage(soundCompanies(12), random)));
            QVERIFY(TextFile::write(dir.filePath("suivi.opr"), damage(soundCompanies(5), random)));

            // Open, read every record, save, three times over.
            QList<QStringList> loads;
            QSet<QString> names;
            for (int pass = 0; pass < 3; ++pass) {
                DataSet data;
                data.setMessageHandler([](const QString &) {});
                QVERIFY(data.Charge(tvr));
                for (int k = 0; k < 3; ++k)
                    for (int block = 0; block < data.count(Kind(k)); ++block)
                        data.jumpTo(Kind(k), block);
                const QStringList lines = data.list(Kind::Company).lines();
                QSet<QString> present;
                for (const QString &line : lines)
                    if (line.startsWith('S'))
                        present.insert(line);
                // A repair drops a second copy of a block, never the last one.
                QVERIFY2(present.contains(names), qPrintable(QString::number(round)));
                names = present;
                loads << lines;
                data.SetModif();
                QVERIFY(data.Sauve(tvr));
            }
            // Repairs never make a file grow from one opening to the next.
            QVERIFY(loads[2].size() <= loads[1].size());
            QVERIFY(loads[1].size() <= loads[0].size());
        }
    }
};

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
