// Every menu entry and tool button, found by its caption as the user finds it.

#include "print/printersurface.h"
#include "ui/mainwindowtesting.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

// Menu (or "tools"), caption, hint, enabled at start, then enabled on the
// company, operation and day-action pages before a data set exists and after.
struct Entry {
    const char *menu;
    const char *caption;
    const char *hint;
    bool atStart;
    const char *before;
    const char *after;
};

constexpr const char *Tools = "tools";

// clang-format off
const Entry entries[] = {
    {"&Fichier", "&Nouveau", "Nouveau fichier", true, "111", "111"},
    {"&Fichier", "&Ouvrir...", "Ouvrir un fichier", true, "111", "111"},
    {"&Fichier", "&Enregistrer", "Enregistrer le fichier en cours", false, "000", "111"},
    {"&Fichier", "Enregistrer &sous...", "", false, "000", "111"},
    {"&Fichier", "&Imprimer...", "Imprimer", false, "000", "111"},
    {"&Imprimer...", "&Liste des sociétés...", "Imprime listing d'adresses", true, "111", "111"},
    {"&Imprimer...", "&Enveloppes", "Imprimer enveloppes à partir du fichier", true, "111", "111"},
    {"&Fichier", "Aperçu avant impression", "Aperçu avant impression", false, "000", "111"},
    {"Aperçu avant impression", "Fiche courante", "Aperçu de la fiche courante", false, "000", "111"},
    {"Aperçu avant impression", "Enveloppe courante", "Aperçu de l'enveloppe courante", false, "101", "101"},
    {"Aperçu avant impression", "Liste des sociétés...", "Aperçu du listing d'adresses", true, "111", "111"},
    {"Aperçu avant impression", "Enveloppes...", "Aperçu des enveloppes à partir du fichier", true, "111", "111"},
    {"&Fichier", "&Mise en page...", "Mise en page", true, "111", "111"},
    {"&Fichier", "&Configurer l'imprimante...", "Confuguration de l'imprimante", true, "111", "111"},
    {"&Fichier", "I&mporter...", "Importer fichier", true, "111", "111"},
    {"&Fichier", "E&xporter...", "Exporter fichier", false, "000", "111"},
    {"&Fichier", "Exporter l'&agenda...", "Exporter les actions vers un agenda (iCalendar)", false, "000", "111"},
    {"&Fichier", "&Quitter", "Quitter l'application", true, "111", "111"},

    {"&Ediiton", "C&opier", "Copier", false, "000", "111"},
    {"&Ediiton", "Co&ller", "Coller", false, "000", "111"},
    {"&Ediiton", "Recherche &Société...", "Recherche par nom", false, "100", "100"},
    {"&Ediiton", "Recherche &Télephone...", "Recherche par téléphone", false, "100", "100"},
    {"&Ediiton", "Recherche Numéro &fiche...", "Recherche par numéro de fiche", false, "100", "100"},
    {"&Ediiton", "Recherche nom &décideur...", "Recherche par nom de décideur", false, "100", "100"},
    {"&Ediiton", "&Trier...", "Trier les fiches", false, "100", "100"},
    {"&Ediiton", "Rechercher &résumé...", "Rechercher résumé opération", false, "010", "010"},
    {"&Ediiton", "Trier &opérations...", "Trier opérations", false, "010", "010"},
    {"&Ediiton", "Rechercher &action...", "Rechercher action", false, "001", "001"},
    {"&Ediiton", "Trier &journées...", "Trier journées", false, "001", "001"},

    {"&Base", "&Sociétés", "Fiche contacts", true, "111", "111"},
    {"&Base", "&Opérations", "Fiche opérations", true, "101", "101"},
    {"&Base", "&Journée", "Actions à faire", true, "110", "110"},
    {"&Base", "&Entretien", "Préparation à l'entretien", true, "111", "111"},
    {"&Base", "&Précédent                  PgUp", "Fiche précédente", false, "000", "111"},
    {"&Base", "Sui&vant                        PgDn", "Fiche suivante", false, "000", "111"},
    {"&Base", "P&remier", "Première fiche", false, "000", "111"},
    {"&Base", "&Dernier", "Dernière fiche", false, "000", "111"},
    {"&Base", "&Nouvelle fiche", "Nouvelle fiche", true, "111", "111"},
    {"&Base", "S&upprimer fiche", "Supprimer fiche", false, "000", "111"},
    {"&Base", "&Listre                           F2", "Liste des contacts", false, "000", "111"},
    {"&Base", "&Imprimer fiche", "Imprimer fiche courante", false, "000", "111"},

    {"&Sélection", "&Toutes les fiches", "Montrer toutes les fiches", false, "100", "100"},
    {"&Sélection", "&Code postal...", "Montrer par code postal", false, "100", "100"},
    {"&Sélection", "&Ville...", "Montrer par ville", false, "100", "100"},
    {"&Sélection", "Toutes &les fiches", "Afficher toutes les fiches", false, "011", "011"},
    {"&Sélection", "&Type...", "Afficher type d'opération", false, "011", "011"},
    {"&Sélection", "Toutes les fiches", "Montrer toutes les fiches", false, "001", "001"},
    {"&Sélection", "&Actions du jour...", "Montrer les choses à faire", false, "001", "001"},

    {"&Outils", "&Traitement de texte", "Traitement de texte", false, "000", "111"},
    {"&Outils", "&Enveloppe courante", "Imprimer enveloppe", false, "101", "101"},
    {"&Outils", "&Rapport d'activité", "Rapport d'activiré", false, "000", "111"},
    {"&Outils", "&Planning", "Planning des relances", false, "000", "111"},
    {"&Outils", "À &faire...", "Ce qui est à faire aujourd'hui", false, "000", "111"},
    {"&Outils", "&Stats opérations", "Statistiques sur les opérations", false, "000", "111"},
    {"&Outils", "E&ntretien", "Simulation d'un entretien", false, "000", "111"},
    {"&Outils", "&Curriculum vitae", "Préparation du CV", false, "000", "111"},

    {"&Paramètres", "&Identité", "Identification de la société", true, "111", "111"},
    {"&Paramètres", "&Activité", "Secteur d'activité de la société", true, "111", "111"},
    {"&Paramètres", "&Type d'opération", "Types d'opération", true, "111", "111"},
    {"&Paramètres", "&Vous décrire", "Eléments pour votre CV", true, "111", "111"},
    {"&Paramètres", "&Ouvrir automatiquement", "Ouvrir le fichier en cours automatiquement", true, "111", "111"},

    {"&Utilitaires", "&Calendrier", "Calendrier", true, "111", "111"},
    {"&Utilitaires", "C&alculatrice", "Calculatrice", true, "111", "111"},
    {"&Utilitaires", "&Horloge", "Horloge", true, "111", "111"},
    {"&Utilitaires", "&Euto conversion", "Convertisseur euro", true, "111", "111"},
    {"&Utilitaires", "&Bloc-notes", "Blocnotes", true, "111", "111"},
    {"&Utilitaires", "&Départements", "Liste des départements", true, "111", "111"},
    {"&Utilitaires", "&Pèse lettres", "Pèse-Lettres", true, "111", "111"},
    {"&Utilitaires", "P&rénoms", "Liste des prénoms", true, "111", "111"},
    {"&Utilitaires", "C&odes activité", "Les codes APE des sociétés", true, "111", "111"},

    {"&Aide", "&Index", "Sommaire d el'aide", true, "111", "111"},
    {"&Aide", "&Rechercher", "Rechercher dans l'aide", true, "111", "111"},
    {"&Aide", "&Utiliser l'aide", "Comment utiliser l'aide", true, "111", "111"},
    {"&Aide", "&A propos", "Informations sur le programme, la version", true, "111", "111"},

    {Tools, "Nouveau fichier", "Nouveau fichier", true, "111", "111"},
    {Tools, "Ouvrir", "Ouvrir", true, "111", "111"},
    {Tools, "Enregistrer", "Enregistrer", false, "000", "111"},
    {Tools, "Copier", "Copier", false, "000", "111"},
    {Tools, "Coller", "Coller", false, "000", "111"},
    {Tools, "Premier", "Premier", false, "000", "111"},
    {Tools, "Précédent", "Précédent", false, "000", "111"},
    {Tools, "Suivant", "Suivant", false, "000", "111"},
    {Tools, "Dernier", "Dernier", false, "000", "111"},
    {Tools, "Nouvelle fiche", "Nouvelle fiche", true, "111", "111"},
    {Tools, "Sociétés", "Sociétés", true, "011", "011"},
    {Tools, "Opérations", "Opérations", true, "101", "101"},
    {Tools, "Journée", "Journée", true, "110", "110"},
    {Tools, "Entretien", "Entretien", true, "111", "111"},
    {Tools, "À faire", "À faire", false, "000", "111"},
    {Tools, "Imprimer fiche", "Imprimer fiche", false, "000", "111"},
    {Tools, "Imprimer enveloppe", "Imprimer enveloppe", false, "101", "101"},
};
// clang-format on

} // namespace

using namespace Qt::StringLiterals;

class TestCommandWalk : public QObject, MainWindowFixture {
    Q_OBJECT

    QStringList m_strayModals;

    // The entries of a menu in order, those of its submenus after it, by
    // menu caption; the tool bar under "tools".
    QHash<QString, QList<QAction *>> m_found;

    void collect(QMenu *menu) {
        for (QAction *a : menu->actions()) {
            if (a->isSeparator())
                continue;
            m_found[menu->title()] << a;
            if (a->menu())
                collect(a->menu());
        }
    }

    QAction *find(const Entry &e) const {
        for (QAction *a : m_found.value(QString::fromUtf8(e.menu)))
            if (a->text() == QString::fromUtf8(e.caption))
                return a;
        return nullptr;
    }

    QString states() const {
        QString s;
        for (const Entry &e : entries)
            s += !find(e) ? u'?' : find(e)->isEnabled() ? u'1' : u'0';
        return s;
    }

    enum Page { Companies, Operations, DayActions };

    void openThreeCompanies() {
        const QString file = m_dir.filePath(u"a.tvr"_s);
        writeLines(file, companies(3, [](int i) { return QString::number(75001 + i); }));
        QStringList operations, dayActions;
        for (int k = 0; k < 3; ++k) {
            operations +=
                operationBlock(k, QString::number(1001 + k), "Courrier", u"Relance %1"_s.arg(k));
            dayActions += dayActionBlock(k, QString::number(1001 + k), u"0%1/12/2026"_s.arg(k + 1),
                                         "10001", "N");
        }
        writeLines(m_dir.filePath("a.opr"), operations);
        writeLines(m_dir.filePath("a.jnr"), dayActions);
        m_dialogs->files << file;
        m_form->OpenItemClick();
        QCOMPARE(m_form->fileName(), file);
    }
    // What a command can change that a user sees.
    QStringList observe() const {
        QStringList seen;
        seen << m_dialogs->titles << m_dialogs->messages << m_dialogs->warnings
             << QString::number(m_dialogs->fileDialogs) << QString::number(m_dialogs->printDialogs)
             << QString::number(m_dialogs->previews)
             << QString::number(int(m_form->fiche()->currentKind()));
        for (int k = 0; k < 3; ++k)
            seen << QString::number(m_form->fiche()->dataSet().current(Kind(k)));
        seen << QString::number(m_form->fiche()->TestModif())
             << QString::number(m_form->isVisible());
        for (const QLineEdit *edit : m_form->findChildren<QLineEdit *>())
            seen << edit->text();
        for (const QList<QAction *> &list : m_found)
            for (QAction *a : list)
                seen << QString::number(a->isChecked());
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                seen << w->windowTitle();
        return seen;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        enterFolder();
        startForm();
        for (QAction *a : m_form->menuBar()->actions())
            collect(a->menu());
        for (QAction *a : m_form->findChild<QToolBar *>("toolBar")->actions())
            if (!a->isSeparator())
                m_found[QString::fromUtf8(Tools)] << a;
        // A preview paints into a PDF file, as there is no printer here.
        m_dialogs->onPreview = [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_dir.filePath(u"apercu.pdf"_s));
        };
        // A window opened outside the injectable dialogs would block the run.
        auto *watchdog = new QTimer(this);
        connect(watchdog, &QTimer::timeout, this, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                m_strayModals << modal->windowTitle();
                modal->close();
            }
        });
        watchdog->start(100);
    }
    void cleanupTestCase() {
        stopForm();
        leaveFolder();
        QVERIFY2(m_strayModals.isEmpty(), qPrintable(m_strayModals.join(u',')));
    }
    // Every entry is there, in the order of its menu, with its hint; nothing
    // else is; the menus carry their help context numbers.
    void everyEntryIsThereInOrder() {
        QHash<QString, QStringList> expected;
        for (const Entry &e : entries) {
            expected[QString::fromUtf8(e.menu)] << QString::fromUtf8(e.caption);
            QAction *a = find(e);
            QVERIFY2(a && a->isVisible(), e.caption);
            QCOMPARE(a->statusTip(), QString::fromUtf8(e.hint));
        }
        for (auto it = m_found.cbegin(); it != m_found.cend(); ++it) {
            QStringList shown;
            for (QAction *a : it.value())
                shown << a->text();
            QCOMPARE(shown, expected.value(it.key()));
        }
        QStringList contexts;
        for (QAction *a : m_form->menuBar()->actions())
            contexts << a->menu()->title() + u'=' + a->property("helpContext").toString();
        QCOMPARE(contexts,
                 (QStringList{"&Fichier=3", "&Ediiton=4", "&Base=5", "&Sélection=6", "&Outils=7",
                              "&Paramètres=8", "&Utilitaires=9", "&Aide=10"}));
    }
    // The states at start, then on each page before and after a data set.
    void enablingFollowsTheDataSetAndThePage() {
        QString start, before[3], after[3];
        for (const Entry &e : entries) {
            start += e.atStart ? u'1' : u'0';
            for (int page = 0; page < 3; ++page) {
                before[page] += QLatin1Char(e.before[page]);
                after[page] += QLatin1Char(e.after[page]);
            }
        }
        QCOMPARE(states(), start);
        for (int page : {Operations, DayActions, Companies}) {
            showPage(page);
            QCOMPARE(states(), before[page]);
        }
        openThreeCompanies();
        for (int page : {Companies, Operations, DayActions, Companies}) {
            showPage(page);
            QCOMPARE(states(), after[page]);
        }
    }
    // Chosen on a page where it is on, with every dialog cancelled, each
    // entry does something the user sees. "C&opier" keeps the card for
    // "Co&ller", which shows it.
    void everyEntryActs() {
        for (const Entry &e : entries) {
            QAction *a = find(e);
            const QByteArrayView caption(e.caption);
            if (a->menu() || caption == "&Quitter" || caption == "C&opier" || caption == "Copier")
                continue;
            bool acted = false;
            for (int page = 0; page < 3 && !acted; ++page) {
                if (e.after[page] != '1')
                    continue;
                // No printer: a printout asks for a PDF file.
                runPrinter().setOutputFormat(QPrinter::NativeFormat);
                runPrinter().setOutputFileName({});
                m_form->fiche()->dataSet().Nouveau();
                openThreeCompanies();
                // No window left from the last command, nor from the opening.
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (w != m_form && w->isVisible())
                        w->close();
                showPage(page);
                // The second of three records: every move goes somewhere.
                m_form->showNextRecord();
                if (caption == "Co&ller" || caption == "Coller") {
                    m_form->copyAddress();
                    m_form->showNextRecord();
                }
                // Unsaved changes, so that saving has something to do.
                m_form->fiche()->dataSet().SetModif();
                const QStringList before = observe();
                a->trigger();
                acted = observe() != before;
            }
            QVERIFY2(acted, e.caption);
        }
        // Last, as it closes the window; nothing left to save.
        m_form->fiche()->dataSet().Nouveau();
        QAction *quit =
            find(*std::find_if(std::begin(entries), std::end(entries), [](const Entry &e) {
                return QByteArrayView(e.caption) == "&Quitter";
            }));
        QCOMPARE(quit->text(), u"&Quitter"_s);
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        quit->trigger();
        QVERIFY(!m_form->isVisible());
    }
};

QTEST_MAIN(TestCommandWalk)
#include "tst_commandwalk.moc"
