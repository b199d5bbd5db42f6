// The documents sent, on the company page: added by the file dialog or by a
// drop, following the company shown, opened, removed, shown missing; and the
// buttons beside "E.mail" and "Site Web".

#include "common/desktop.h"
#include "ui/store/cardtesting.h"

#include <QDragEnterEvent>
#include <QListWidget>
#include <QMimeData>
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
    static QString touch(const QString &path) {
        QDir().mkpath(QFileInfo(path).path());
        TextFile::writeBytes(path, "%PDF");
        return path;
    }
    void click(const char *button) {
        QTest::mouseClick(f.field<QAbstractButton>(button), Qt::LeftButton);
    }
    void clickRow(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
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
    // Three companies, the link file holding links.
    void open(const QByteArray &links) {
        TextFile::writeBytes(f.path("test.pj"), links);
        QVERIFY(f.open(companies(3)));
        f.data().setClock([] { return QDateTime(QDate(2024, 3, 12), QTime(10, 0)); });
    }

private Q_SLOTS:
    void init() {
        f.start();
        opened.clear();
        Desktop::setOpener([this](const QUrl &url) { return opened << url, true; });
    }
    void cleanup() {
        Desktop::setOpener({});
        f.stop();
    }
    void addedLinksFollowTheCompanyAndTheDataSet() {
        QVERIFY(!list()->isEnabled()); // no data set on disk yet
        QVERIFY(!f.field<QPushButton>("buttonJoindre")->isEnabled());
        open("10002\t01/03/2024\tautre.pdf\r\n");
        const QString letter = touch(f.path("lettres/Durand.pdf"));
        const QString cv = touch(elsewhere.filePath("CV.pdf"));
        f.dialogs->files << letter + u'\n' + cv;
        click("buttonJoindre");
        drop(letter); // already linked: not twice
        QCOMPARE(rows(), (QStringList{"12/03/2024  Durand.pdf", "12/03/2024  CV.pdf"}));
        QCOMPARE(list()->item(0)->toolTip(), letter);
        QCOMPARE(fileBytes(f.path("test.pj")), "10002\t01/03/2024\tautre.pdf\r\n"
                                               "10001\t12/03/2024\tlettres/Durand.pdf\r\n"
                                               "10001\t12/03/2024\t" +
                                                   cv.toUtf8() + "\r\n");
        QVERIFY(!f.fiche->TestModif());
        QTest::keyClick(list(), Qt::Key_PageDown);
        QCOMPARE(rows(), QStringList{"01/03/2024  autre.pdf (introuvable)"});
        drop(cv);
        QTest::keyClick(list(), Qt::Key_PageUp);
        QCOMPARE(rows().size(), 2);
        QVERIFY(fileBytes(f.path("test.pj"))
                    .endsWith(QByteArray("10002\t12/03/2024\t" + cv.toUtf8() + "\r\n")));
        // Saved elsewhere, the data set takes its links along.
        f.fiche->SetModif();
        QVERIFY(f.fiche->Sauve(elsewhere.filePath("copie.tvr")));
        QCOMPARE(fileBytes(elsewhere.filePath("copie.pj")),
                 "10002\t01/03/2024\t" + f.path("autre.pdf").toUtf8() + "\r\n10001\t12/03/2024\t" +
                     letter.toUtf8() +
                     "\r\n10001\t12/03/2024\tCV.pdf\r\n10002\t12/03/2024\tCV.pdf\r\n");
        QCOMPARE(rows().size(), 2);
        f.fiche->Nouveau();
        QVERIFY(!list()->isEnabled());
        QCOMPARE(list()->count(), 0);
    }
    void openedOrRemovedButAMissingFileIsOnlyShown() {
        const QString letter = touch(f.path("Durand.pdf"));
        open("10001\t01/03/2024\tperdu.pdf\r\nligne abîmée\r\n10001\t02/03/2024\tDurand.pdf\r\n");
        QCOMPARE(rows(),
                 (QStringList{"01/03/2024  perdu.pdf (introuvable)", "02/03/2024  Durand.pdf"}));
        QVERIFY(list()->item(0)->foreground() != list()->item(1)->foreground());
        clickRow(1);
        QTest::keyClick(list(), Qt::Key_Return);
        doubleClick(list(), 1, 0);
        clickRow(0);
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile(letter), QUrl::fromLocalFile(letter)}));
        QCOMPARE(f.dialogs->messages,
                 QStringList{"Le fichier " + f.path("perdu.pdf") + " est introuvable."});
        clickRow(1);
        f.dialogs->answers << QMessageBox::No << QMessageBox::Yes;
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(list()->count(), 2);
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(f.dialogs->warnings.last(),
                 u"Retirer le lien vers Durand.pdf ?\nLe fichier lui-même n'est pas supprimé."_s);
        QCOMPARE(rows(), QStringList{"01/03/2024  perdu.pdf (introuvable)"});
        QCOMPARE(fileBytes(f.path("test.pj")), "10001\t01/03/2024\tperdu.pdf\r\nligne abîmée\r\n");
        QVERIFY(QFileInfo::exists(letter));
        f.dialogs->answers << QMessageBox::Yes;
        click("buttonRetirerLien");
        QCOMPARE(fileBytes(f.path("test.pj")), "ligne abîmée\r\n");
        QVERIFY(!f.fiche->TestModif());
    }
    void mailAndWebButtonsOpenWhatTheFieldsHold() {
        QVERIFY(f.open(companies(1)));
        QVERIFY(!f.field<QToolButton>("buttonEmail")->isEnabled());
        QTest::keyClicks(f.edit("editEmail"), u"rh@durand.fr"_s);
        click("buttonEmail");
        QTest::keyClicks(f.edit("editSiteWeb"), u"www.durand.fr"_s);
        click("buttonSiteWeb");
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
