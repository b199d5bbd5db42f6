#include "store/documentlist.h"

#include "common/desktop.h"
#include "common/dialogs.h"
#include "store/dates.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int RawRole = Qt::UserRole;
constexpr int PathRole = Qt::UserRole + 1;

// The list itself: takes files dropped from the desktop, opens on Enter and
// removes on Delete.
class DropList : public QListWidget {
public:
    std::function<void(const QStringList &)> dropped;
    std::function<void()> enterPressed, deletePressed;

    explicit DropList(QWidget *parent) : QListWidget(parent) {
        setDragDropMode(QAbstractItemView::DropOnly);
        viewport()->setAcceptDrops(true);
    }

protected:
    // The regular files among the dropped addresses; folders and web
    // addresses are not documents to link.
    static QStringList files(const QMimeData *data) {
        QStringList found;
        if (!data)
            return found;
        for (const QUrl &url : data->urls())
            if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
                found << url.toLocalFile();
        return found;
    }
    void dragEnterEvent(QDragEnterEvent *event) override {
        if (files(event->mimeData()).isEmpty())
            event->ignore();
        else
            event->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent *event) override {
        if (files(event->mimeData()).isEmpty())
            event->ignore();
        else
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent *event) override {
        const QStringList found = files(event->mimeData());
        if (found.isEmpty()) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        dropped(found);
    }
    void keyPressEvent(QKeyEvent *event) override {
        const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Delete)
            deletePressed();
        else if (modifiers == Qt::NoModifier &&
                 (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
            enterPressed();
        else
            QListWidget::keyPressEvent(event);
    }
};

} // namespace

DocumentList::DocumentList(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("documents"));
    auto *list = new DropList(this);
    list->setObjectName(QStringLiteral("listeDocuments"));
    m_list = list;
    setFocusProxy(m_list);
    m_add = new QPushButton(QStringLiteral("Joindre..."), this);
    m_add->setObjectName(QStringLiteral("buttonJoindre"));
    m_add->setToolTip(QStringLiteral("Joindre un document envoyé à cette société"));
    m_remove = new QPushButton(QStringLiteral("Retirer le lien"), this);
    m_remove->setObjectName(QStringLiteral("buttonRetirerLien"));
    m_remove->setToolTip(QStringLiteral("Retirer le lien (le fichier n'est pas supprimé)"));

    auto *title = new QLabel(QStringLiteral("Documents envoyés"), this);
    title->setBuddy(m_list);
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(title);
    row->addStretch();
    row->addWidget(m_add);
    row->addWidget(m_remove);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(row);
    layout->addWidget(m_list, 1);

    list->dropped = [this](const QStringList &files) { add(files); };
    list->enterPressed = [this] { open(m_list->currentItem()); };
    list->deletePressed = [this] { removeCurrent(); };
    connect(m_list, &QListWidget::itemDoubleClicked, this, &DocumentList::open);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_remove->setEnabled(row >= 0 && m_list->isEnabled()); });
    connect(m_add, &QPushButton::clicked, this, &DocumentList::choose);
    connect(m_remove, &QPushButton::clicked, this, &DocumentList::removeCurrent);
    refresh();
}

QString DocumentList::folder() const {
    return QFileInfo(m_dataFile).absolutePath();
}

QString DocumentList::linkFileName() const {
    return Links::fileName(m_dataFile);
}

void DocumentList::showCompany(const QString &dataFile, const QString &code) {
    m_dataFile = dataFile;
    m_code = code.trimmed().isEmpty() ? QString() : code;
    refresh();
}

bool DocumentList::reload(bool tell) {
    m_error.clear();
    if (m_links.load(linkFileName(), &m_error))
        return true;
    if (tell)
        this->tell(QStringLiteral("Impossible de lire le fichier "), linkFileName(), m_error);
    return false;
}

bool DocumentList::save() {
    QString error;
    if (m_links.save(linkFileName(), &error))
        return true;
    tell(QStringLiteral("Impossible d'enregistrer le fichier "), linkFileName(), error);
    return false;
}

void DocumentList::tell(const QString &what, const QString &file, const QString &error) {
    Dialogs::instance().message(this,
                                what + QFileInfo(file).fileName() + QStringLiteral(" : ") + error);
}

void DocumentList::copyLinks(const QString &fromDataFile, const QString &toDataFile) {
    const QString source = Links::fileName(fromDataFile);
    if (!QFileInfo::exists(source))
        return;
    Links::LinkFile links;
    QString error;
    if (!links.load(source, &error)) {
        tell(QStringLiteral("Impossible de lire le fichier "), source, error);
        return;
    }
    const QString target = Links::fileName(toDataFile);
    if (!links.movedTo(QFileInfo(fromDataFile).absolutePath(), QFileInfo(toDataFile).absolutePath())
             .save(target, &error))
        tell(QStringLiteral("Impossible d'enregistrer le fichier "), target, error);
}

void DocumentList::refresh() {
    m_list->clear();
    m_links = {};
    const bool shown = !m_dataFile.isEmpty() && !m_code.isEmpty() && reload(false);
    m_list->setEnabled(shown);
    m_add->setEnabled(shown);
    m_remove->setEnabled(false);
    if (!m_dataFile.isEmpty() && !m_code.isEmpty() && !shown) {
        m_list->addItem(QFileInfo(linkFileName()).fileName() + QStringLiteral(" illisible : ") +
                        m_error);
        return;
    }
    if (!shown)
        return;
    const QString base = folder();
    for (qsizetype index : m_links.of(m_code)) {
        const Links::Link &link = m_links.lines().at(index);
        const QString path = Links::resolved(link.path, base);
        auto *item = new QListWidgetItem(Dates::format(link.date) + QStringLiteral("  ") +
                                         QFileInfo(path).fileName());
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setData(RawRole, link.raw);
        item->setData(PathRole, path);
        if (Links::isMissing(link, base)) {
            // Kept in the list: the file may come back (a synced folder not yet
            // up to date, a disk not mounted).
            item->setText(item->text() + QStringLiteral(" (introuvable)"));
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
        m_list->addItem(item);
    }
}

void DocumentList::add(const QStringList &files) {
    if (m_dataFile.isEmpty() || m_code.isEmpty() || files.isEmpty())
        return;
    if (!reload(true)) {
        refresh();
        return;
    }
    const QString base = folder();
    bool added = false;
    for (const QString &file : files) {
        const QString path = Links::stored(file, base);
        bool known = false;
        for (qsizetype index : m_links.of(m_code))
            known = known || m_links.lines().at(index).path == path;
        if (!known && m_links.add(m_code, m_today(), file, base))
            added = true;
    }
    if (added)
        save();
    refresh();
}

void DocumentList::choose() {
    const QStringList files =
        Dialogs::instance().openFileNames(this, QStringLiteral("Joindre un document"),
                                          QStringLiteral("Tous les fichiers (*)"), folder());
    add(files);
}

void DocumentList::open(QListWidgetItem *item) {
    if (!item || !m_list->isEnabled())
        return;
    const QString path = item->data(PathRole).toString();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path))
        Dialogs::instance().message(this, QStringLiteral("Le fichier ") + shown +
                                              QStringLiteral(" est introuvable."));
    else if (!Desktop::open(QUrl::fromLocalFile(path)))
        Dialogs::instance().message(this, QStringLiteral("Impossible d'ouvrir le fichier ") +
                                              shown + QStringLiteral("."));
}

void DocumentList::removeCurrent() {
    QListWidgetItem *item = m_list->currentItem();
    if (!item || !m_list->isEnabled())
        return;
    const QString question = QStringLiteral("Retirer le lien vers ") +
                             QFileInfo(item->data(PathRole).toString()).fileName() +
                             QStringLiteral(" ?\nLe fichier lui-même n'est pas supprimé.");
    if (Dialogs::instance().warning(this, question, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No) != QMessageBox::Yes)
        return;
    const QByteArray raw = item->data(RawRole).toByteArray();
    const int row = m_list->currentRow();
    if (!reload(true)) {
        refresh();
        return;
    }
    // Found again by its line: the file may have changed since it was shown.
    for (qsizetype index : m_links.of(m_code))
        if (m_links.lines().at(index).raw == raw) {
            m_links.remove(index);
            save();
            break;
        }
    refresh();
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}
