#include "intactblocks.h"
#include "storetest.h"

#include "store/dataset.h"
#include "store/textfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Record files damaged at random: opening and saving keeps every intact
// block, and the saved data set opens again with no repair.
class TestDamagedFiles : public QObject {
    Q_OBJECT

    static QStringList soundList(int width, int n) {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines +=
                blockLines(width, i,
                           {QString::number(10001 + i), "01/12/2026", "S" + QString::number(i), "",
                            "", "75011", "Paris", "MEMOm", "DATA01/12/2026\tAppel\tsuite"});
        return lines;
    }

    static QStringList damage(QStringList lines, QRandomGenerator &random) {
        const int edits = 1 + random.bounded(6);
        for (int e = 0; e < edits && !lines.isEmpty(); ++e) {
            const qsizetype at = random.bounded(lines.size());
            switch (random.bounded(8)) {
            case 0: // a lost line, often a tag
                lines.removeAt(at);
                break;
            case 1: // a block written again
                lines.append(lines.mid(at, 1 + random.bounded(20)));
                break;
            case 2: // a cut line
                lines[at] = lines[at].left(random.bounded(12));
                break;
            case 3: // a closing tag of any number
                lines.insert(at, "</BLOC" + QString::number(random.bounded(100000)) + ">");
                break;
            case 4: // look-alike tags
                lines.insert(at, QStringList{"<BLOC0", "<BLOC00001-old>", "<BLOC00002> "}.at(
                                     random.bounded(3)));
                break;
            case 5: // a lost line end
                if (at + 1 < lines.size())
                    lines[at] += lines.takeAt(at + 1);
                break;
            case 6: // noise bytes
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
    void damagedDataSetsKeepEveryIntactBlock() {
        QRandomGenerator random(2026);
        const char *endings[] = {"tvr", "opr", "jnr"};
        for (int round = 0; round < 60; ++round) {
            QTemporaryDir dir;
            QList<QHash<int, QStringList>> intact;
            for (int k = 0; k < 3; ++k) {
                const int width = k == 0 ? 5 : 4;
                const QStringList lines = damage(soundList(width, 6 + random.bounded(8)), random);
                QVERIFY(TextFile::write(dir.filePath("in.") + endings[k], lines));
                intact << Intact::newestBlocks(lines, width);
            }
            DataSet first;
            first.setMessageHandler([](const QString &) {});
            QVERIFY(first.Charge(dir.filePath("in.tvr")));
            first.SetModif();
            QVERIFY(first.Sauve(dir.filePath("out.tvr")));

            DataSet second;
            QStringList messages;
            second.setMessageHandler([&](const QString &m) { messages << m; });
            QVERIFY(second.Charge(dir.filePath("out.tvr")));
            QVERIFY2(messages.isEmpty(), qPrintable(QString::number(round)));
            QVERIFY(!second.TestModif());
            for (int k = 0; k < 3; ++k) {
                QCOMPARE(second.count(Kind(k)), first.count(Kind(k)));
                const BlocList &list = second.list(Kind(k));
                QVERIFY2(Intact::firstMissing(intact[k], list.lines(), list.width()).isEmpty(),
                         qPrintable(QString("round %1, file %2").arg(round).arg(k)));
                // Every block can be read.
                for (int block = 0; block < second.count(Kind(k)); ++block)
                    QVERIFY(list.findBlock(block) >= 0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
