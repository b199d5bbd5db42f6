#include "print/printersurface.h"
#include "print/recordingsurface.h"
#include "ui/fakedialogs.h"
#include "utilities/tblocnotes.h"
#include "utilities/tdepart.h"
#include "utilities/tnaf.h"
#include "utilities/tplettre.h"
#include "utilities/tprenoms.h"
#include "utilities/utilitywindows.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TestDeskWindows : public QObject {
    Q_OBJECT

    static QString label(QWidget &w, const char *name) {
        return w.findChild<QLabel *>(QString::fromLatin1(name))->text();
    }

private Q_SLOTS:
    void letterScale() {
        TPLettre w;
        w.show();
        QVERIFY(!(w.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(label(w, "weightLabel"), QStringLiteral("20 g"));
        QCOMPARE(label(w, "francsLabel"), QStringLiteral("3 F"));
        QCOMPARE(label(w, "eurosLabel"), QStringLiteral("0,46 E"));

        // One A4 sheet, one 110 x 220 envelope and 10 grams: 19,5 g.
        auto *sheets = w.findChild<QSpinBox *>(QStringLiteral("quantity9"));
        sheets->setFocus();
        QTest::keyClick(sheets, Qt::Key_Up);
        w.findChild<QSpinBox *>(QStringLiteral("quantity1"))->setValue(1);
        w.findChild<QSpinBox *>(QStringLiteral("extraGrams"))->setValue(10);
        QCOMPARE(label(w, "weightLabel"), QStringLiteral("20 g"));
        QCOMPARE(label(w, "francsLabel"), QStringLiteral("3,00 F"));
        QTest::keyClick(sheets, Qt::Key_Return); // Enter in a quantity does not close
        QVERIFY(w.isVisible());
        QTest::mouseClick(w.findChild<QRadioButton *>(QStringLiteral("serviceEcopli")),
                          Qt::LeftButton);
        QCOMPARE(label(w, "francsLabel"), QStringLiteral("2,70 F"));
        QCOMPARE(label(w, "eurosLabel"), QStringLiteral("0,41 E"));
    }

    void departementsClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void departementsClose() {
        QFETCH(int, key);
        TDepart w;
        w.show();
        QCOMPARE(w.list()->count(), 97);
        QTest::keyClick(w.list(), Qt::Key(key));
        QVERIFY(!w.isVisible());
    }

    void prenomLetters_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("selected");
        QTest::newRow("m again stays") << "mm"
                                       << "Marc................25 Avr";
        QTest::newRow("capital letter") << "Y"
                                        << "Yves................19 Mai";
        QTest::newRow("digit left alone") << "b5"
                                          << "Barbara.............04 Déc";
    }

    void prenomLetters() {
        QFETCH(QString, keys);
        TPrenoms w;
        w.show();
        QTest::keyClicks(w.list(), keys);
        QVERIFY(w.list()->currentItem());
        QTEST(w.list()->currentItem()->text(), "selected");
    }

    void referenceListsLineUpTheirColumns() {
        TDepart departements;
        TPrenoms prenoms;
        TNaf naf;
        for (QDialog *w : {static_cast<QDialog *>(&departements), static_cast<QDialog *>(&prenoms),
                           static_cast<QDialog *>(&naf)}) {
            const QFontMetrics metrics(w->findChild<QListWidget *>()->font());
            QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
                     metrics.horizontalAdvance(QStringLiteral("MMMM")));
        }
    }

    void notepadKeepsEdits() {
        QStringList notes{QStringLiteral("Relancer Dupont"), QString()};
        TBlocnotes w;
        w.Init(notes);
        w.show();
        auto *memo = w.findChild<QPlainTextEdit *>(QStringLiteral("memo"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Relancer Dupont\n\n"));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("Appeler l'agence"));
        QTest::keyClick(memo, Qt::Key_Escape); // closing by Escape keeps the text too
        QVERIFY(!w.isVisible());
        w.Result(notes);
        QCOMPARE(notes, (QStringList{QStringLiteral("Relancer Dupont"), QString(),
                                     QStringLiteral("Appeler l'agence")}));
    }

    void notepadPrints() {
        FakeDialogs dialogs;
        TBlocnotes w;
        w.Init({QStringLiteral("un"), QStringLiteral("deux")});
        RecordingSurface surface;
        QVERIFY(w.Imprimer(surface));
        const auto texts = surface.texts();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[1].text, QStringLiteral("deux"));
        QVERIFY(texts[1].at.y() > texts[0].at.y());
        QVERIFY(dialogs.messages.isEmpty());

        surface.ops.clear();
        surface.failNextBegin(QStringLiteral("Aucune imprimante n'est installée."));
        QVERIFY(!w.Imprimer(surface));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].contains(QStringLiteral("Aucune imprimante")));
    }
};

QTEST_MAIN(TestDeskWindows)
#include "tst_deskwindows.moc"
