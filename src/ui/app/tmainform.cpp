#include "app/tmainform.h"

#include "app/commandtable.h"
#include "app/taboutbox.h"
#include "card/tfiche.h"
#include "common/dialogs.h"
#include "followup/conflictcopies.h"
#include "followup/diskwatch.h"
#include "help/helpbook.h"
#include "help/helpwindow.h"
#include "interview/scriptfile.h"
#include "store/datafile.h"
#include "store/dates.h"
#include "store/textfile.h"
#include "utilities/utilitywindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {
const QString DataFilter = QStringLiteral("Fichiers tvr (*.tvr)");
} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainForm"));
    m_fiche = new TFiche(this);
    setCentralWidget(m_fiche);
    connect(m_fiche, &QWidget::windowTitleChanged, this, &TMainForm::updateTitle);
    connect(m_fiche, &TFiche::dataSetChanged, this, [this] {
        m_dataSetInUse = true;
        updateActions();
    });
    connect(m_fiche, &TFiche::kindChanged, this, [this] {
        m_pageChosen = true;
        updateActions();
    });
    connect(m_fiche, &TFiche::recordChanged, this, &TMainForm::updateActions);
    m_watch = std::make_unique<DiskWatch>(m_fiche->dataSet(), [this] { diskChanged(); });

    buildCommands();

    m_hint = new QLabel;
    m_hint->setObjectName(QStringLiteral("statusHint"));
    m_time = new QLabel;
    m_time->setObjectName(QStringLiteral("statusTime"));
    m_time->setAlignment(Qt::AlignCenter);
    // The hint panel takes all but the last 100 pixels, whatever the width.
    m_time->setFixedWidth(100);
    // An active selection hides records: it is named beside the time.
    m_selection = new QLabel;
    m_selection->setObjectName(QStringLiteral("statusSelection"));
    statusBar()->addWidget(m_hint, 1);
    statusBar()->addPermanentWidget(m_selection);
    statusBar()->addPermanentWidget(m_time);
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this,
            [this] { m_time->setText(Dates::formatTime(QTime::currentTime())); });
    m_timer->start();
    m_time->setText(Dates::formatTime(QTime::currentTime()));
    showSelection();

    updateTitle();
    qApp->installEventFilter(this); // F1, also while a menu is open
}

TMainForm::~TMainForm() = default;

void TMainForm::buildCommands() {
    QHash<int, QMenu *> menus;
    for (const TopMenu &top : menuTable()) {
        QMenu *menu = menuBar()->addMenu(top.caption);
        menu->setObjectName(QLatin1String(top.name));
        menu->menuAction()->setProperty("helpContext", top.helpContext);
        menus.insert(int(top.place), menu);
        m_menus.insert(QLatin1String(top.name), menu);
    }
    QToolBar *tools = addToolBar(QStringLiteral("Outils"));
    tools->setObjectName(QStringLiteral("toolBar"));
    tools->setMovable(false);
    tools->setIconSize(QSize(24, 24));

    for (const Command &command : commandTable()) {
        const bool onToolBar = command.place == Place::Tools;
        if (!command.name) {
            if (onToolBar)
                tools->addSeparator();
            else
                menus.value(int(command.place))->addSeparator();
            continue;
        }
        QMenu *into = command.submenu ? m_menus.value(QLatin1String(command.submenu))
                                      : menus.value(int(command.place));
        if (command.opensSubmenu) {
            auto *submenu = into->addMenu(command.caption);
            submenu->setObjectName(QLatin1String(command.name));
            QAction *action = submenu->menuAction();
            action->setObjectName(QLatin1String(command.name));
            action->setStatusTip(command.hint);
            action->setEnabled(command.enabled);
            m_menus.insert(QLatin1String(command.name), submenu);
            m_actions.insert(QLatin1String(command.name), action);
            continue;
        }
        auto *action = new QAction(command.caption, this);
        action->setObjectName(QLatin1String(command.name));
        action->setStatusTip(command.hint);
        if (onToolBar) {
            action->setIcon(toolIcon(command.glyph));
            action->setToolTip(command.caption);
            action->setStatusTip(command.caption);
            tools->addAction(action);
        } else {
            into->addAction(action);
        }
        action->setShortcut(command.shortcut);
        action->setEnabled(command.enabled);
        action->setCheckable(command.checkable);
        action->setChecked(command.checked);
        connect(action, &QAction::triggered, this, command.handler);
        m_actions.insert(QLatin1String(command.name), action);
    }
    // A menu whose commands all come later is not shown at all.
    for (QMenu *menu : std::as_const(menus))
        menu->menuAction()->setVisible(!menu->actions().isEmpty());
}

void TMainForm::updateActions() {
    // Until then, a command keeps its state at start. A page-bound command
    // follows the page even before a data set is in use.
    const bool pagesApply = m_dataSetInUse || m_pageChosen;
    for (const Command &command : commandTable()) {
        if (!command.name)
            continue;
        QAction *action = m_actions.value(QLatin1String(command.name));
        if (command.tabs && pagesApply)
            action->setEnabled(command.tabs.testFlag(pageOf(m_fiche->currentKind())));
        else if (command.needsDataSet && m_dataSetInUse)
            action->setEnabled(true);
    }
}

void TMainForm::uncheckGroup(int group) {
    for (const Command &command : commandTable()) {
        if (command.name && command.group == group)
            m_actions.value(QLatin1String(command.name))->setChecked(false);
    }
}

void TMainForm::check(const char *name) {
    action(name)->setChecked(true);
}

void TMainForm::selectCompanies(const char *name, Selection mode) {
    Decoche();
    check(name);
    m_fiche->SetSel(mode);
    showSelection();
    m_fiche->Premier();
}

void TMainForm::selectOperations(const char *name, Selection mode) {
    Decoche2();
    check(name);
    m_fiche->SetOpr(mode);
    showSelection();
    m_fiche->Premier();
}

void TMainForm::selectDayActions(const char *name, Selection mode) {
    Decoche3();
    check(name);
    m_fiche->SetJnr(mode);
    showSelection();
    m_fiche->Premier();
}

bool TMainForm::askSaveChanges() {
    if (!m_fiche->TestModif())
        return true;
    const QMessageBox::StandardButton answer =
        Dialogs::instance().warning(this,
                                    QStringLiteral("Enregistrer changements dans ") +
                                        DataFile::displayName(m_fileName) + QStringLiteral(" ?"),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return save(); // a failed or cancelled save must not lose the changes
    return answer == QMessageBox::No;
}

bool TMainForm::save() {
    // A name kept from the settings whose file was not opened (no automatic
    // opening, or a file that could not be read) is never written over
    // without a question.
    const bool notOpened = m_fiche->dataSet().fileName().isEmpty() && QFileInfo::exists(m_fileName);
    if (m_fileName.isEmpty() || notOpened)
        return SaveAs();
    m_fileName = DataFile::withDataExtension(m_fileName);
    return writeDataSet(m_fileName);
}

bool TMainForm::SaveAs() {
    // Nothing is saved on a cancel or a refusal: the name stays what it was.
    const QString chosen = Dialogs::instance().saveFileName(
        this, QStringLiteral("Enregistrer sous"), DataFilter, QStringLiteral("*.tvr"), nullptr, {},
        Dialogs::Replace::CallerAsks);
    const QString name = DataFile::withDataExtension(chosen);
    if (name.isEmpty())
        return false;
    if (QFileInfo::exists(name) &&
        Dialogs::instance().warning(this, QStringLiteral("Ce fichier existe déjà"),
                                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return false;
    m_fiche->SetModif();
    if (!writeDataSet(name))
        return false;
    m_fileName = name;
    updateTitle();
    return true;
}

bool TMainForm::writeDataSet(const QString &name) {
    bool saved = m_fiche->Sauve(name);
    const QStringList conflicts = m_fiche->dataSet().saveConflicts();
    if (!saved && !conflicts.isEmpty()) {
        QStringList names;
        for (const QString &path : conflicts)
            names << QFileInfo(path).fileName();
        const QString text =
            DataSet::ChangedOnDiskMessage + u'\n' + names.join(QStringLiteral(", ")) +
            QStringLiteral("\n\nRecharger : lire leur version, vos changements sont perdus."
                           "\nEnregistrer sous : garder les vôtres sous un autre nom."
                           "\nRemplacer : écrire les vôtres à la place des leurs.");
        switch (Dialogs::instance().choice(this, text,
                                           {QStringLiteral("Recharger"),
                                            QStringLiteral("Enregistrer sous..."),
                                            QStringLiteral("Remplacer"), QStringLiteral("Annuler")},
                                           3)) {
        case 0:
            reload();
            return true;
        case 1:
            return SaveAs();
        case 2:
            saved = m_fiche->Sauve(name, true);
            break;
        default:
            return false;
        }
    }
    m_watch->follow();
    return saved;
}

void TMainForm::reload() {
    m_keptAgainst.clear();
    if (m_fiche->reload())
        m_hint->setText(QStringLiteral("Fichier relu : il a changé sur le disque"));
}

void TMainForm::diskChanged() {
    if (m_closed)
        return;
    // Not under an open dialog, which may hold records: once it has closed.
    if (QApplication::activeModalWidget()) {
        m_watch->later();
        return;
    }
    const DataSet &data = m_fiche->dataSet();
    if (!QFileInfo(data.fileName()).isFile())
        return; // gone: the next save asks before writing it back
    if (!m_fiche->TestModif()) {
        reload();
        return;
    }
    // Asked once for a given state of the files, not at each look.
    QString state;
    for (const QString &path :
         {data.fileName(), data.operationFileName(), data.dayActionFileName()}) {
        const QFileInfo file(path);
        state += path + u' ' + QString::number(file.size()) + u' ' +
                 QString::number(file.lastModified().toMSecsSinceEpoch()) + u'\n';
    }
    if (state == m_keptAgainst)
        return;
    const QString text =
        QStringLiteral("Les fichiers de ") + DataFile::displayName(data.fileName()) +
        QStringLiteral(" ont changé sur le disque (un autre ordinateur ?) alors que vous avez des "
                       "changements non enregistrés.\n\nRecharger : lire leur version, vos "
                       "changements sont perdus.\nGarder mes changements : continuer ; à "
                       "l'enregistrement, le programme vous demandera quoi faire.");
    if (Dialogs::instance().choice(
            this, text, {QStringLiteral("Recharger"), QStringLiteral("Garder mes changements")},
            1) == 0)
        reload();
    else
        m_keptAgainst = state;
}

void TMainForm::dataSetOpened() {
    m_keptAgainst.clear();
    m_watch->follow();
    const QString file = QFileInfo(m_fiche->dataSet().fileName()).absoluteFilePath();
    if (!m_copiesNamed.contains(file)) {
        m_copiesNamed.insert(file);
        const QString copies = ConflictCopies::message(ConflictCopies::beside(file));
        if (!copies.isEmpty())
            Dialogs::instance().message(this, copies);
    }
    m_fiche->showTodo(true);
}

void TMainForm::Nouveau1Click() {
    if (!askSaveChanges())
        return;
    m_fileName.clear();
    m_fiche->Nouveau();
    m_watch->follow();
    // The empty data set shows every operation: the mark says so too.
    Decoche2();
    check("actionToutesOperations");
    Touteslesfiches1Click();
}

void TMainForm::OpenItemClick() {
    if (!askSaveChanges())
        return;
    const QString path =
        Dialogs::instance().openFileName(this, QStringLiteral("Ouvrir"), DataFilter);
    if (path.isEmpty())
        return;
    // A refused name leaves the open data set and its name as they were.
    if (!DataFile::hasDataExtension(path)) {
        Dialogs::instance().message(this, QStringLiteral("Type de fichier non valide"));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        Dialogs::instance().message(this, QStringLiteral("Le fichier n'existe pas"));
        return;
    }
    if (!m_fiche->Charge(path))
        return;
    m_fileName = path;
    m_fiche->Societes();
    Touteslesfiches1Click();
    dataSetOpened();
}

void TMainForm::ExitItemClick() {
    close();
}

void TMainForm::importCompanies() {
    const int imported = m_fiche->Importer();
    if (imported < 0)
        return;
    // As after Open: every company, the first one on the card.
    m_fiche->Societes();
    Touteslesfiches1Click();
    m_hint->setText(imported > 1 ? QStringLiteral("%1 sociétés importées").arg(imported)
                                 : QStringLiteral("%1 société importée").arg(imported));
}

void TMainForm::exportCompanies() {
    m_fiche->Exporter();
}

void TMainForm::copyAddress() {
    m_fiche->Copier();
}

void TMainForm::pasteAddress() {
    m_fiche->Coller();
}

void TMainForm::showCompanies() {
    m_fiche->Societes();
}

void TMainForm::showOperations() {
    m_fiche->Operations();
}

void TMainForm::showDayActions() {
    m_fiche->Journees();
}

void TMainForm::showPreviousRecord() {
    m_fiche->Precedent();
}

void TMainForm::showNextRecord() {
    m_fiche->Suivant();
}

void TMainForm::showFirstRecord() {
    m_fiche->Premier();
}

void TMainForm::showLastRecord() {
    m_fiche->Dernier();
}

void TMainForm::addRecord() {
    m_fiche->Ajout();
}

void TMainForm::deleteRecord() {
    if (Dialogs::instance().warning(this, QStringLiteral("Confirmer suppression de la fiche ?"),
                                    QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        m_fiche->Supprime();
}

void TMainForm::findCompanyByName() {
    m_fiche->RechNom();
}

void TMainForm::findCompanyByPhone() {
    m_fiche->RechTel();
}

void TMainForm::findCompanyByCode() {
    m_fiche->RechNum();
}

void TMainForm::findCompanyByContact() {
    m_fiche->RechDeci();
}

void TMainForm::sortCompanies() {
    m_fiche->Trier();
}

void TMainForm::findOperationBySummary() {
    m_fiche->RechResume();
}

void TMainForm::sortOperations() {
    m_fiche->TriOperation();
}

void TMainForm::findDayAction() {
    m_fiche->RechAction();
}

void TMainForm::sortDayActions() {
    m_fiche->Trijournee();
}

void TMainForm::showRecordList() {
    m_fiche->Liste();
}

void TMainForm::openWordProcessor() {
    m_fiche->TrTexte();
}

void TMainForm::editIdentity() {
    m_fiche->Psoc();
}

void TMainForm::editActivities() {
    m_fiche->Activite();
}

void TMainForm::editOperationTypes() {
    m_fiche->TypeOperation();
}

void TMainForm::Ouvrirautomatiquement1Click() {
    m_fiche->SetIni(action("actionOuvrirAuto")->isChecked());
}

void TMainForm::showCalendar() {
    showCalendrier(this);
}

void TMainForm::showCalculator() {
    showCalculatrice(this);
}

void TMainForm::showClock() {
    showHorloge(this);
}

void TMainForm::showEuroConverter() {
    showEuro(this);
}

void TMainForm::showNotepad() {
    showBlocnotes(this, m_notepad);
}

void TMainForm::showDepartments() {
    showDepartements(this);
}

void TMainForm::showLetterScale() {
    showPeseLettres(this);
}

void TMainForm::showFirstNames() {
    showPrenoms(this);
}

void TMainForm::showActivityCodes() {
    showCodesApe(this);
}

void TMainForm::About1Click() {
    TAboutBox box(this);
    Dialogs::instance().exec(&box);
}

void TMainForm::editProfile() {
    m_fiche->Vous();
}

void TMainForm::startInterview() {
    m_fiche->Nouveaudial();
}

void TMainForm::writeCv() {
    m_fiche->CV();
}

void TMainForm::updateTitle() {
    const QString caption = m_fiche->windowTitle();
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Tavrin")
                                     : QStringLiteral("Tavrin - [") + caption + u']');
}

bool TMainForm::event(QEvent *event) {
    // The hint of the entry under the mouse goes to the first status panel.
    if (event->type() == QEvent::StatusTip) {
        m_hint->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    const QScreen *screen = this->screen();
    if (screen && screen->size().width() > 800) {
        resize(800, 600);
        move(screen->availableGeometry().center() - rect().center());
    } else {
        // Fill the screen even where no window manager honours the state.
        if (screen)
            setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    m_startDir = QDir::currentPath();
    m_helpFile = QLatin1String(HelpBook::HelpFile);
    ScriptFile::installAtFirstRun(m_startDir,
                                  ScriptFile::shipped(QCoreApplication::applicationDirPath()));
    if (QFileInfo::exists(QLatin1String(NotepadFileName)))
        m_notepad = TextFile::read(QLatin1String(NotepadFileName));
    m_fiche->activate();

    Decoche();
    const TFiche::Ini ini = m_fiche->GetIni();
    m_fileName = ini.fileName;
    if (ini.autoOpen) {
        action("actionOuvrirAuto")->setChecked(true);
        // A file that cannot be opened still leaves the empty data set to
        // work on.
        if (!m_fiche->Charge(m_fileName)) {
            m_dataSetInUse = true;
            updateActions();
        } else {
            // Over the main window, once it is on the screen.
            QTimer::singleShot(0, this, &TMainForm::dataSetOpened);
        }
    }
    check(ini.selectionMode == Selection::PostalCode ? "actionCodePostal"
          : ini.selectionMode == Selection::Town     ? "actionVille"
                                                     : "actionToutesSocietes");
    showSelection();
}

void TMainForm::showSelection() {
    const QString text = m_fiche->dataSet().selectionText();
    m_selection->setText(text);
    m_selection->setVisible(!text.isEmpty());
}

void TMainForm::closeEvent(QCloseEvent *event) {
    if (m_closed) {
        event->accept();
        return;
    }
    if (!askSaveChanges()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainForm::FormClose() {
    m_closed = true;
    m_timer->stop();
    // The dialogs may have changed the current directory; the program's files live
    // in the one it started from.
    if (!m_startDir.isEmpty())
        QDir::setCurrent(m_startDir);
    // One message names every file that could not be written.
    QStringList failures;
    m_fiche->SauveIni(m_fileName, &failures);
    m_fiche->SauveSoc(&failures);
    m_fiche->SauveCombo(&failures);
    m_fiche->SauveMoi(&failures);
    QString error;
    if (!TextFile::write(QLatin1String(NotepadFileName), m_notepad, &error))
        failures.append(QLatin1String(NotepadFileName) + QStringLiteral(" : ") + error);
    if (!failures.isEmpty())
        Dialogs::instance().message(
            this, QStringLiteral("Impossible d'enregistrer les fichiers du programme :\n") +
                      failures.join(u'\n'));
}

void TMainForm::showHelpContents() {
    helpWindow()->showContents();
}

void TMainForm::searchHelp() {
    helpWindow()->showSearch();
}

void TMainForm::showHelpOnHelp() {
    helpWindow()->showPage(QLatin1String(HelpBook::UsingHelpPage));
}

HelpWindow *TMainForm::helpWindow() {
    if (!m_help)
        m_help = new HelpWindow(this);
    return m_help;
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            contextHelp(static_cast<QWidget *>(watched)))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::contextHelp(QWidget *target) {
    QString page;
    if (auto *open = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        // A submenu belongs to the top-level menu it hangs from.
        const std::function<bool(const QMenu *)> holds = [&](const QMenu *menu) {
            if (menu == open)
                return true;
            for (const QAction *action : menu->actions())
                if (action->menu() && holds(action->menu()))
                    return true;
            return false;
        };
        for (const QMenu *top : std::as_const(m_menus))
            if (holds(top))
                page = HelpBook::pageOfContext(top->menuAction()->property("helpContext").toInt());
        if (page.isEmpty())
            return false;
        for (int depth = 0; depth < 8 && QApplication::activePopupWidget(); ++depth)
            QApplication::activePopupWidget()->close();
    } else {
        // A dialog's own page, else that of the window that opened it.
        for (const QWidget *window = target->window(); window && page.isEmpty();
             window = window->parentWidget() ? window->parentWidget()->window() : nullptr)
            page = window == this ? HelpBook::pageOfKind(m_fiche->currentKind())
                                  : HelpBook::pageOfWindow(*window->metaObject());
    }
    if (page.isEmpty())
        return false;
    helpWindow()->showPage(page);
    return true;
}

void TMainForm::printCompanyList() {
    m_fiche->Imprime();
}

void TMainForm::printEnvelopes() {
    m_fiche->Enveloppes();
}

void TMainForm::previewCard() {
    m_fiche->previewCard();
}

void TMainForm::previewEnvelope() {
    m_fiche->previewEnvelope();
}

void TMainForm::previewCompanyList() {
    m_fiche->previewCompanyList();
}

void TMainForm::previewEnvelopes() {
    m_fiche->previewEnvelopes();
}

void TMainForm::setUpPage() {
    m_fiche->ParM();
}

void TMainForm::setUpPrinter() {
    m_fiche->setUpPrinter();
}

void TMainForm::printCard() {
    m_fiche->ImpFiche();
}

void TMainForm::printEnvelope() {
    m_fiche->ImpEnv();
}

void TMainForm::showActivityReport() {
    m_fiche->StatsActivites();
}

void TMainForm::showFollowUpPlanning() {
    m_fiche->Relances();
}

void TMainForm::showOperationStats() {
    m_fiche->StatsOperation();
}

void TMainForm::showTodo() {
    m_fiche->showTodo();
}

void TMainForm::exportCalendar() {
    const int events = m_fiche->exportCalendar();
    if (events >= 0)
        m_hint->setText(events > 1
                            ? QStringLiteral("%1 événements écrits dans l'agenda").arg(events)
                            : QStringLiteral("%1 événement écrit dans l'agenda").arg(events));
}
