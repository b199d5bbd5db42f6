#include "print/printersurface.h"
#include "print/recordingsurface.h"
#include "ui/fakedialogs.h"
#include "ui/widgettesting.h"
#include "utilities/tblocnotes.h"
#include "utilities/tdepart.h"
#include "utilities/tnaf.h"
#include "utilities/tplettre.h"
#include "utilities/tprenoms.h"
#include "utilities/utilitywindows.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

class TestDeskWindows : public QObject {
    Q_OBJECT

    static QString label(QWidget &w, const char *name) { return child<QLabel>(&w, name)->text(); }

private Q_SLOTS:
    void letterScale() {
        TPLettre w;
        w.show();
        QVERIFY(!(w.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(label(w, "weightLabel"), u"20 g"_s);
        QCOMPARE(label(w, "francsLabel"), u"3 F"_s);
        QCOMPARE(label(w, "eurosLabel"), u"0,46 E"_s);
        // One A4 sheet, one 110 x 220 envelope and 10 grams: 19,5 g.
        auto *sheets = child<QSpinBox>(&w, "quantity9");
        sheets->setFocus();
        QTest::keyClick(sheets, Qt::Key_Up);
        child<QSpinBox>(&w, "quantity1")->setValue(1);
        child<QSpinBox>(&w, "extraGrams")->setValue(10);
        QCOMPARE(label(w, "weightLabel"), u"20 g"_s);
        QCOMPARE(label(w, "francsLabel"), u"3,00 F"_s);
        QTest::keyClick(sheets, Qt::Key_Return); // Enter in a quantity does not close
        QVERIFY(w.isVisible());
        QTest::mouseClick(child<QRadioButton>(&w, "serviceEcopli"), Qt::LeftButton);
        QCOMPARE(label(w, "francsLabel"), u"2,70 F"_s);
        QCOMPARE(label(w, "eurosLabel"), u"0,41 E"_s);
    }
    void departementsClose_data() {
        columns<int>("key");
        row("Enter", int(Qt::Key_Return));
        row("keypad Enter", int(Qt::Key_Enter));
        row("Escape", int(Qt::Key_Escape));
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
        columns<QString, QString>("keys", "selected");
        row("m again stays", u"mm"_s, u"Marc................25 Avr"_s);
        row("capital letter", u"Y"_s, u"Yves................19 Mai"_s);
        row("digit left alone", u"b5"_s, u"Barbara.............04 Déc"_s);
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
        for (QDialog *w : std::initializer_list<QDialog *>{&departements, &prenoms, &naf}) {
            const QFontMetrics metrics(w->findChild<QListWidget *>()->font());
            QCOMPARE(metrics.horizontalAdvance(u"iiii"_s), metrics.horizontalAdvance(u"MMMM"_s));
        }
    }
    void notepadKeepsEdits() {
        QStringList notes{u"Relancer Dupont"_s, QString()};
        TBlocnotes w;
        w.Init(notes);
        w.show();
        auto *memo = child<QPlainTextEdit>(&w, "memo");
        QCOMPARE(memo->toPlainText(), u"Relancer Dupont\n\n"_s);
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, u"Appeler l'agence"_s);
        QTest::keyClick(memo, Qt::Key_Escape); // closing by Escape keeps the text too
        QVERIFY(!w.isVisible());
        w.Result(notes);
        QCOMPARE(notes, (QStringList{u"Relancer Dupont"_s, QString(), u"Appeler l'agence"_s}));
    }
    void notepadPrints() {
        FakeDialogs dialogs;
        TBlocnotes w;
        w.Init({u"un"_s, u"deux"_s});
        RecordingSurface surface;
        QVERIFY(w.Imprimer(surface));
        const auto texts = surface.texts();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[1].text, u"deux"_s);
        QVERIFY(texts[1].at.y() > texts[0].at.y());
        QVERIFY(dialogs.messages.isEmpty());
        surface.ops.clear();
        surface.failNextBegin(u"Aucune imprimante n'est installée."_s);
        QVERIFY(!w.Imprimer(surface));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].contains(u"Aucune imprimante"_s));
    }
};

QTEST_MAIN(TestDeskWindows)
#include "tst_deskwindows.moc"
