#include "help/helpwindow.h"

#include "help/helpbook.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int PageRole = Qt::UserRole;

QUrl urlOf(const QString &page) {
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

const char *StyleSheet = "h1 { color: #1a4f8b; font-size: x-large; }"
                         "h2 { color: #1a4f8b; font-size: large; }"
                         ".cmd { font-weight: bold; color: #5a2d00; }"
                         ".note { color: #555555; }";

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Aide de Tavrin"));
    const HelpBook &book = HelpBook::instance();

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->document()->setDefaultStyleSheet(QLatin1String(StyleSheet));
    m_browser->setOpenExternalLinks(true);

    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("helpContents"));
    for (const HelpBook::Entry &entry : book.contents()) {
        auto *item = new QListWidgetItem(entry.text, m_contents);
        item->setData(PageRole, entry.page);
    }
    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showPage(item->data(PageRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showPage(item->data(PageRole).toString()); });

    m_keyword = new QLineEdit;
    m_keyword->setObjectName(QStringLiteral("helpKeyword"));
    m_keyword->setPlaceholderText(QStringLiteral("Tapez les premières lettres du mot cherché"));
    m_keywords = new QListWidget;
    m_keywords->setObjectName(QStringLiteral("helpKeywords"));
    connect(m_keyword, &QLineEdit::textChanged, this, &HelpWindow::fillKeywords);
    connect(m_keyword, &QLineEdit::returnPressed, this, &HelpWindow::openKeyword);
    connect(m_keywords, &QListWidget::itemActivated, this, &HelpWindow::openKeyword);
    m_keyword->installEventFilter(this);
    auto *index = new QWidget;
    auto *indexLayout = new QVBoxLayout(index);
    indexLayout->addWidget(new QLabel(QStringLiteral("Mot cherché :")));
    indexLayout->addWidget(m_keyword);
    indexLayout->addWidget(m_keywords, 1);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_tabs->addTab(m_contents, QStringLiteral("Sommaire"));
    m_tabs->addTab(index, QStringLiteral("Index"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this, index](int) {
        if (m_tabs->currentWidget() == index)
            m_keyword->setFocus();
    });
    // Every title of the contents whole, however the column is dragged.
    m_contents->setMinimumWidth(m_contents->sizeHintForColumn(0) + 2 * m_contents->frameWidth() +
                                style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);

    auto *tools = new QToolBar;
    QAction *home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                     QStringLiteral("Sommaire"), this, &HelpWindow::showContents);
    home->setObjectName(QStringLiteral("helpHome"));
    QAction *back =
        tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Précédent"),
                         m_browser, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("helpBack"));
    QAction *forward =
        tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Suivant"),
                         m_browser, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("helpForward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(QStringLiteral("Aide de Tavrin - ") + m_browser->documentTitle());
    });

    auto *splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({m_contents->minimumWidth(), 600});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(splitter, 1);

    fillKeywords({});
    m_browser->setSource(QUrl(QLatin1String(HelpBook::HelpFile)));
}

void HelpWindow::showContents() {
    m_tabs->setCurrentWidget(m_contents);
    m_browser->setSource(QUrl(QLatin1String(HelpBook::HelpFile)));
    raiseWindow();
}

void HelpWindow::showSearch() {
    m_tabs->setCurrentIndex(1);
    m_keyword->clear();
    fillKeywords({});
    raiseWindow();
    m_keyword->setFocus();
}

void HelpWindow::showPage(const QString &page) {
    if (currentPage() != page)
        m_browser->setSource(urlOf(page));
    raiseWindow();
}

QString HelpWindow::currentPage() const {
    const QUrl url = m_browser->source();
    QString page = url.path().section(u'/', -1);
    if (url.hasFragment())
        page += u'#' + url.fragment();
    return page;
}

void HelpWindow::fillKeywords(const QString &typed) {
    m_keywords->clear();
    const QList<HelpBook::Entry> found = HelpBook::instance().findKeywords(typed);
    // A keyword found on several pages names each page.
    QHash<QString, int> count;
    for (const HelpBook::Entry &entry : found)
        ++count[entry.text];
    for (const HelpBook::Entry &entry : found) {
        QString text = entry.text;
        if (count.value(entry.text) > 1)
            text += QStringLiteral(" (") + HelpBook::instance().title(entry.page) + u')';
        auto *item = new QListWidgetItem(text, m_keywords);
        item->setData(PageRole, entry.page);
    }
    if (m_keywords->count() > 0)
        m_keywords->setCurrentRow(0);
}

void HelpWindow::openKeyword() {
    if (QListWidgetItem *item = m_keywords->currentItem())
        showPage(item->data(PageRole).toString());
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event) {
    // The arrows move through the keywords while the typing goes on.
    if (watched == m_keyword && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_keywords, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::raiseWindow() {
    if (!m_placed) {
        placeOnScreen();
        m_placed = true;
    }
    show();
    // Called from a modal dialog, the help must not be blocked by it: it
    // becomes that dialog's companion window.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != this && modal->windowHandle())
        windowHandle()->setTransientParent(modal->windowHandle());
    raise();
    activateWindow();
}

void HelpWindow::placeOnScreen() {
    // Over the window that opens it, wholly inside the screen's free area; the
    // margins leave room for the title bar and borders the window manager adds.
    const QWidget *over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect room = (over ? over->screen() : screen())->availableGeometry();
    const QSize frame(16, 40);
    const QSize wanted(minimumSizeHint().width() + 620, 620);
    const QSize size = wanted.boundedTo(room.size() - frame).expandedTo(minimumSizeHint());
    resize(size);
    QRect placed(QPoint(), size + frame);
    placed.moveCenter(over ? over->frameGeometry().center() : room.center());
    placed.moveLeft(
        std::clamp(placed.left(), room.left(), room.x() + room.width() - placed.width()));
    placed.moveTop(
        std::clamp(placed.top(), room.top(), room.y() + room.height() - placed.height()));
    move(placed.topLeft());
}
