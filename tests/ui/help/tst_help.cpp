// The help: its pages, links and quoted commands; F1 and the "Aide" menu.

#include "help/helpbook.h"
#include "help/helpwindow.h"
#include "ui/mainwindowtesting.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString ToolBar = u"Barre d'outils"_s;

QString plain(const QString &html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// A caption as the user reads it; an entry that shows its key after a run of
// spaces is also quoted by its name alone.
QStringList shown(const QString &caption) {
    QString text = caption;
    text.remove(u'&');
    QStringList names{text.simplified()};
    const int run = text.indexOf(QLatin1String("  "));
    if (run > 0)
        names << text.left(run).simplified();
    return names;
}

void collect(const QList<QAction *> &actions, const QString &path, QSet<QString> &paths) {
    for (QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        for (const QString &name : shown(action->text())) {
            const QString entry = path.isEmpty() ? name : path + u" > "_s + name;
            paths << entry;
            if (action->menu())
                collect(action->menu()->actions(), entry, paths);
        }
    }
}

// Every quote of a command in the pages: "Fichier > Ouvrir..." for a menu entry,
// "Barre d'outils > Ouvrir" for a tool button.
QList<std::pair<QString, QString>> quotedCommands() {
    static const QRegularExpression quote(u"<span class=\"(cmd|btn)\">(.*?)</span>"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    QList<std::pair<QString, QString>> quotes;
    for (const QString &page : HelpBook::instance().pages()) {
        for (auto it = quote.globalMatch(HelpBook::html(page)); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString text = plain(m.captured(2));
            quotes.append(
                {page, m.captured(1) == QLatin1String("btn") ? ToolBar + u" > "_s + text : text});
        }
    }
    return quotes;
}

} // namespace

class TestHelp : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    HelpWindow *help() const { return m_form->helpWindow(); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        enterFolder();
    }
    void cleanupTestCase() { leaveFolder(); }
    void init() { startForm(); }
    void cleanup() { stopForm(); }
    void everyPageLoadsAndIsInTheContents() {
        const HelpBook &book = HelpBook::instance();
        QVERIFY(book.pages().size() > 20);
        QCOMPARE(m_form->helpFile(), QLatin1String(HelpBook::HelpFile));
        QSet<QString> listed{book.pages().first()};
        for (const HelpBook::Entry &entry : book.contents())
            listed << entry.page;
        auto *browser = child<QTextBrowser>(help(), "helpBrowser");
        for (const QString &page : book.pages()) {
            help()->showPage(page);
            QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable(page));
            QVERIFY2(browser->toPlainText().size() > 200, qPrintable(page));
            QVERIFY2(listed.contains(page), qPrintable(page + " is not in the contents"));
            QVERIFY2(std::any_of(book.keywords().begin(), book.keywords().end(),
                                 [&](const HelpBook::Entry &e) { return e.page == page; }),
                     qPrintable(page + " has no keyword"));
        }
    }
    void everyLinkResolves() {
        static const QRegularExpression link(u"href=\"([^\"]*)\""_s);
        const QStringList pages = HelpBook::instance().pages();
        for (const QString &page : pages) {
            for (auto it = link.globalMatch(HelpBook::html(page)); it.hasNext();) {
                const QString target = it.next().captured(1);
                const QString file = target.section(u'#', 0, 0);
                const QString anchor = target.section(u'#', 1);
                const QString where = page + " -> " + target;
                QVERIFY2(pages.contains(file.isEmpty() ? page : file), qPrintable(where));
                if (!anchor.isEmpty())
                    QVERIFY2(HelpBook::html(file.isEmpty() ? page : file)
                                 .contains(u"name=\"%1\""_s.arg(anchor)),
                             qPrintable(where));
            }
        }
    }
    void everyQuotedCommandIsShown() {
        QSet<QString> shownCommands;
        collect(m_form->menuBar()->actions(), {}, shownCommands);
        collect(child<QToolBar>(m_form, "toolBar")->actions(), ToolBar, shownCommands);
        const auto quotes = quotedCommands();
        QVERIFY(quotes.size() > 100);
        for (const auto &[page, command] : quotes)
            QVERIFY2(shownCommands.contains(command), qPrintable(page + ": " + command));
    }
    void f1OpensThePageOfTheOpenMenu_data() {
        columns<QString, QString>("menu", "page");
        row("Fichier", u"menuFichier"_s, u"menu-fichier.html"_s);
        row("Base", u"menuBase"_s, u"menu-base.html"_s);
        row("Outils", u"menuOutils"_s, u"menu-outils.html"_s);
        row("Aide", u"menuAide"_s, u"aide.html"_s);
    }
    void f1OpensThePageOfTheOpenMenu() {
        const auto [menu, page] = fetch<QString, QString>("menu", "page");
        m_form->showOperations(); // the card's own page must not win over the menu
        QMenu *open = m_form->menu(menu.toLatin1().constData());
        open->popup(m_form->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(open));
        QCOMPARE(QApplication::activePopupWidget(), open);
        QTest::keyClick(open, Qt::Key_F1);
        QCOMPARE(help()->currentPage(), page);
        QVERIFY(help()->isVisible());
        QVERIFY(!open->isVisible());
    }
    void f1WithoutAMenuOpensThePageOfTheCard_data() {
        columns<int, QString>("kind", "page");
        row("sociétés", int(Kind::Company), u"societes.html"_s);
        row("opérations", int(Kind::Operation), u"operations.html"_s);
        row("journée", int(Kind::DayAction), u"journee.html"_s);
    }
    void f1WithoutAMenuOpensThePageOfTheCard() {
        const auto [kind, page] = fetch<int, QString>("kind", "page");
        showPage(kind);
        QTest::keyClick(m_form->fiche(), Qt::Key_F1);
        QCOMPARE(help()->currentPage(), page);
    }
    // F1 in a dialog opens its page, and the help obeys the mouse while the
    // dialog runs modally.
    void f1InADialogOpensItsPage_data() {
        columns<QString, QString>("command", "page");
        row("profil", u"actionVousDecrire"_s, u"profil.html"_s);
        row("traitement de texte", u"actionTraitementTexte"_s, u"texte.html"_s);
        row("recherche", u"actionRechercheSociete"_s, u"recherche.html"_s);
    }
    void f1InADialogOpensItsPage() {
        const auto [command, page] = fetch<QString, QString>("command", "page");
        m_form->Nouveau1Click();
        QString shown, clicked;
        m_dialogs->scripts << [&](QDialog *dialog) {
            dialog->hide(); // shown again modal, as exec() shows it
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QWidget *caret = QApplication::focusWidget();
            QVERIFY(caret && caret->window() == dialog);
            QTest::keyClick(caret, Qt::Key_F1);
            shown = help()->currentPage();
            QVERIFY(QTest::qWaitForWindowExposed(help()));
            auto *contents = child<QListWidget>(help(), "helpContents");
            const QPoint at = contents->visualItemRect(contents->item(0)).center();
            QTest::mouseClick(help()->windowHandle(), Qt::LeftButton, {},
                              contents->viewport()->mapTo(help(), at));
            clicked = help()->currentPage();
        };
        m_form->action(command.toLatin1().constData())->trigger();
        QCOMPARE(shown, page);
        QCOMPARE(clicked, HelpBook::instance().contents().first().page);
    }
    void helpMenuEntries_data() {
        columns<QString, int, QString>("action", "tab", "page"); // tab -1: either
        row("Index", u"actionIndex"_s, 0, u"index.html"_s);
        row("Rechercher", u"actionRechercher"_s, 1, u"journee.html"_s);
        row("Utiliser l'aide", u"actionUtiliserAide"_s, -1, u"aide.html"_s);
    }
    void helpMenuEntries() {
        const auto [action, tab, page] = fetch<QString, int, QString>("action", "tab", "page");
        // Left on another page and tab, with a keyword typed.
        help()->showPage(u"journee.html"_s);
        auto *tabs = child<QTabWidget>(help(), "helpTabs");
        tabs->setCurrentIndex(tab == 0 ? 1 : 0);
        auto *keyword = child<QLineEdit>(help(), "helpKeyword");
        keyword->setText(u"zzz"_s);
        m_form->action(action.toLatin1().constData())->trigger();
        QVERIFY(help()->isVisible());
        if (tab >= 0)
            QCOMPARE(tabs->currentIndex(), tab);
        QCOMPARE(help()->currentPage(), page);
        if (action == QLatin1String("actionRechercher")) {
            QVERIFY(keyword->text().isEmpty());
            QCOMPARE(child<QListWidget>(help(), "helpKeywords")->count(),
                     HelpBook::instance().keywords().size());
        }
    }
    void keywordSearch_data() {
        columns<QString, QString>("typed", "page");
        // "choisir une société" comes first in the alphabet, "société" begins with it.
        row("accents and case ignored, beginning first", u"SOCIETE"_s, u"societes.html"_s);
        row("inside a keyword", u"APE"_s, u"utilitaires.html"_s);
        row("a file name", u"tavrin.moi"_s, u"fichiers.html"_s);
        row("nothing found: the page stays", u"zzz"_s, u"index.html"_s);
    }
    void keywordSearch() {
        const auto [typed, page] = fetch<QString, QString>("typed", "page");
        // From the contents, a click on the index tab gives the caret to the keyword.
        m_form->showHelpContents();
        QVERIFY(QTest::qWaitForWindowActive(help()));
        QTabBar *tabs = child<QTabWidget>(help(), "helpTabs")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QWidget *keyword = QApplication::focusWidget();
        QCOMPARE(keyword, child<QLineEdit>(help(), "helpKeyword"));
        QTest::keyClicks(keyword, typed);
        QTest::keyClick(keyword, Qt::Key_Return);
        QCOMPARE(help()->currentPage(), page);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
