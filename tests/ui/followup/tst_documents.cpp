// The documents sent, on the company page: added by the file dialog or by a
// drop, following the company shown, opened, removed, shown missing; and the
// buttons beside "E.mail" and "Site Web".

#include "common/desktop.h"
#include "ui/store/cardtesting.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestDocuments : public QObject {
    Q_OBJECT

private:
    CardFixture f;
    QTemporaryDir elsewhere; // a folder outside the data set's
    QList<QUrl> opened;

    QListWidget *list() const { return f.field<QListWidget>("listeDocuments"); }
    QStringList rows() const {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    QByteArray linkFile() const {
        QFile file(f.path("test.pj"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    static QString touch(const QString &path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    void click(const char *button) {
        QTest::mouseClick(f.field<QAbstractButton>(button), Qt::LeftButton);
    }
    void clickRow(int row) {
        const QRect rect = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void drop(const QString &file) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at = list()->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(list()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(list()->viewport(), &dropped);
    }
    // Opens three companies, with links of 10001 already in test.pj.
    void open(const QByteArray &links) {
        QFile file(f.path("test.pj"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(links);
        file.close();
        QVERIFY(f.open(companies(3)));
        f.data().setClock([] { return QDateTime(QDate(2024, 3, 12), QTime(10, 0)); });
    }

private Q_SLOTS:
    void init() {
        f.start();
        opened.clear();
        Desktop::setOpener([this](const QUrl &url) {
            opened << url;
            return true;
        });
    }
    void cleanup() {
        Desktop::setOpener({});
        f.stop();
    }

    void addedLinksFollowTheCompanyAndAreNoRecordChange() {
        // No data set on disk yet: nothing to link to.
        QVERIFY(!list()->isEnabled());
        QVERIFY(!f.field<QPushButton>("buttonJoindre")->isEnabled());
        open("10002\t01/03/2024\tautre.pdf\r\n");
        QVERIFY(list()->isEnabled());
        QCOMPARE(list()->count(), 0);

        const QString letter = touch(f.path("lettres/Durand.pdf"));
        const QString cv = touch(elsewhere.filePath("CV.pdf"));
        f.dialogs->files << letter + u'\n' + cv;
        click("buttonJoindre");
        drop(letter); // already linked: not twice
        QCOMPARE(rows(), (QStringList{"12/03/2024  Durand.pdf", "12/03/2024  CV.pdf"}));
        QCOMPARE(list()->item(0)->toolTip(), letter);
        QCOMPARE(linkFile(), "10002\t01/03/2024\tautre.pdf\r\n"
                             "10001\t12/03/2024\tlettres/Durand.pdf\r\n"
                             "10001\t12/03/2024\t" +
                                 cv.toUtf8() + "\r\n");
        QVERIFY(!f.fiche->TestModif());

        QTest::keyClick(list(), Qt::Key_PageDown);
        QCOMPARE(f.edit("editCode")->text(), u"10002"_s);
        QCOMPARE(rows(), QStringList{"01/03/2024  autre.pdf (introuvable)"});
        drop(cv);
        QTest::keyClick(list(), Qt::Key_PageUp);
        QCOMPARE(rows(), (QStringList{"12/03/2024  Durand.pdf", "12/03/2024  CV.pdf"}));
        QVERIFY(linkFile().endsWith(QByteArray("10002\t12/03/2024\t" + cv.toUtf8() + "\r\n")));

        // Saved elsewhere, the data set takes its links along.
        f.fiche->SetModif();
        QVERIFY(f.fiche->Sauve(elsewhere.filePath("copie.tvr")));
        QFile copy(elsewhere.filePath("copie.pj"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), "10002\t01/03/2024\t" + f.path("autre.pdf").toUtf8() + "\r\n" +
                                     "10001\t12/03/2024\t" + letter.toUtf8() + "\r\n" +
                                     "10001\t12/03/2024\tCV.pdf\r\n10002\t12/03/2024\tCV.pdf\r\n");
        QCOMPARE(rows().size(), 2);

        f.fiche->Nouveau();
        QVERIFY(!list()->isEnabled());
        QCOMPARE(list()->count(), 0);
    }

    void openedByEnterOrDoubleClickUnlessMissing() {
        const QString letter = touch(f.path("Durand.pdf"));
        open("10001\t01/03/2024\tperdu.pdf\r\n10001\t02/03/2024\tDurand.pdf\r\n");
        QCOMPARE(rows(),
                 (QStringList{"01/03/2024  perdu.pdf (introuvable)", "02/03/2024  Durand.pdf"}));
        QVERIFY(list()->item(0)->foreground() != list()->item(1)->foreground());

        clickRow(1);
        QTest::keyClick(list(), Qt::Key_Return);
        const QRect rect = list()->visualItemRect(list()->item(1));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        clickRow(0);
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile(letter), QUrl::fromLocalFile(letter)}));
        QCOMPARE(f.dialogs->messages,
                 QStringList{"Le fichier " + f.path("perdu.pdf") + " est introuvable."});
    }

    void removedByDeleteAfterTheQuestionNeverTheFile() {
        const QString letter = touch(f.path("Durand.pdf"));
        open("10001\t01/03/2024\tperdu.pdf\r\nligne abîmée\r\n10001\t02/03/2024\tDurand.pdf\r\n");
        clickRow(1);
        f.dialogs->answers << QMessageBox::No;
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(list()->count(), 2);
        f.dialogs->answers << QMessageBox::Yes;
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(f.dialogs->warnings.last(),
                 u"Retirer le lien vers Durand.pdf ?\nLe fichier lui-même n'est pas supprimé."_s);
        QCOMPARE(rows(), QStringList{"01/03/2024  perdu.pdf (introuvable)"});
        QCOMPARE(linkFile(), "10001\t01/03/2024\tperdu.pdf\r\nligne abîmée\r\n");
        QVERIFY(QFileInfo::exists(letter));
        // The missing one goes only when asked, by the button this time.
        f.dialogs->answers << QMessageBox::Yes;
        click("buttonRetirerLien");
        QCOMPARE(linkFile(), "ligne abîmée\r\n");
        QVERIFY(!f.fiche->TestModif());
    }

    void mailAndWebButtonsOpenWhatTheFieldsHold() {
        QVERIFY(f.open(companies(1)));
        QVERIFY(!f.field<QToolButton>("buttonEmail")->isEnabled());
        QVERIFY(!f.field<QToolButton>("buttonSiteWeb")->isEnabled());
        QTest::keyClicks(f.edit("editEmail"), u"rh@durand.fr"_s);
        click("buttonEmail");
        QTest::keyClicks(f.edit("editSiteWeb"), u"www.durand.fr"_s);
        click("buttonSiteWeb");
        f.edit("editSiteWeb")->setFocus();
        QTest::keyClick(f.edit("editSiteWeb"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.edit("editSiteWeb"), Qt::Key_Delete);
        QVERIFY(!f.field<QToolButton>("buttonSiteWeb")->isEnabled());
        QTest::keyClicks(f.edit("editSiteWeb"), u"https://durand.fr/emplois"_s);
        click("buttonSiteWeb");
        QCOMPARE(opened,
                 (QList<QUrl>{QUrl(u"mailto:rh@durand.fr"_s), QUrl(u"http://www.durand.fr"_s),
                              QUrl(u"https://durand.fr/emplois"_s)}));
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
