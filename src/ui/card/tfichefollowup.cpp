// The card's follow-up commands: today's to-do, the calendar export, and the
// data set read again when another computer changed it.
#include "card/tfiche.h"

#include "common/dialogs.h"
#include "followup/calendarexport.h"
#include "followup/todo.h"
#include "followup/todowindow.h"
#include "store/cardpage.h"
#include "store/textfile.h"

#include <QFileInfo>
#include <QScreen>

#include <array>

void TFiche::showTodo(bool atOpening) {
    const auto lines = [this](const QDate &day, int delay) {
        // The record being typed counts as it is on the card.
        collect();
        m_data.write(m_kind);
        return Todo::lines(m_data.list(Kind::Company), m_data.list(Kind::Operation),
                           m_data.list(Kind::DayAction), day, delay);
    };
    // An empty list is not worth a window each time a data set opens.
    if (atOpening &&
        (!m_todoSettings.showAtStart || lines(m_data.today(), m_todoSettings.delay).isEmpty()))
        return;
    if (!m_todo) {
        // A window of its own, not held above the card: opening a line brings
        // the card to the front, the tool button brings the list back.
        m_todo = new TodoWindow;
        m_todo->setAttribute(Qt::WA_QuitOnClose, false);
        connect(m_todo, &TodoWindow::openRequested, this, &TFiche::openRecord);
        connect(m_todo, &TodoWindow::settingsChanged, this, &TFiche::saveTodoSettings);
        // Beside the main window when the screen has room, else in a corner.
        if (const QScreen *screen = window()->screen()) {
            const QRect room = screen->availableGeometry();
            const QRect main = window()->frameGeometry();
            QPoint at(main.right() + 8, main.top());
            if (at.x() + m_todo->width() > room.right())
                at = QPoint(room.right() - m_todo->width(), room.bottom() - m_todo->height());
            m_todo->move(at);
        }
    }
    m_todo->Init(
        m_todoSettings, [this] { return m_data.today(); }, lines);
    m_todo->show();
    m_todo->raise();
    m_todo->activateWindow();
}

void TFiche::openRecord(Kind kind, int block) {
    // Deleted since the list was made.
    if (m_data.list(kind).findBlock(block) < 0)
        return;
    showPage(kind);
    m_data.jumpTo(kind, block);
    display(kind);
    window()->raise();
    window()->activateWindow();
    page(kind)->firstField()->setFocus();
}

void TFiche::saveTodoSettings() {
    m_todoSettings = m_todo->settings();
    if (m_todoFile.isEmpty())
        m_todoFile = QFileInfo(QLatin1String(TodoSettings::FileName)).absoluteFilePath();
    QString error;
    if (m_todoSettings.save(m_todoFile, &error) || m_todoSaveFailed)
        return;
    // Once: the spin box changes at every key.
    m_todoSaveFailed = true;
    saveFile(false, m_todoFile, error, nullptr);
}

int TFiche::exportCalendar() {
    collect();
    m_data.write(m_kind);
    const QString base = QFileInfo(m_data.fileName()).completeBaseName();
    const QString name = Dialogs::instance().saveFileName(
        this, QStringLiteral("Exporter l'agenda"), QStringLiteral("Agenda iCalendar (*.ics)"),
        (base.isEmpty() ? QStringLiteral("Agenda") : base) + QStringLiteral(".ics"), nullptr,
        [](const QString &typed, int) {
            return QFileInfo(typed).suffix().isEmpty() ? typed + QStringLiteral(".ics") : typed;
        });
    if (name.isEmpty())
        return -1;
    int events = 0;
    const QByteArray bytes = CalendarExport::calendar(m_data.list(Kind::DayAction),
                                                      CalendarExport::identity(m_data.fileName()),
                                                      QDate(), m_data.now().toUTC(), &events);
    QString error;
    if (!saveFile(TextFile::writeBytes(name, bytes, &error), name, error, nullptr))
        return -1;
    return events;
}

bool TFiche::reload() {
    const QString name = m_data.fileName();
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return false;
    const std::array<int, 3> shown{m_data.current(Kind::Company), m_data.current(Kind::Operation),
                                   m_data.current(Kind::DayAction)};
    if (!Charge(name))
        return false;
    for (const Kind kind : {Kind::Company, Kind::Operation, Kind::DayAction})
        if (m_data.list(kind).findBlock(shown[int(kind)]) >= 0)
            m_data.jumpTo(kind, shown[int(kind)]);
    displayAll();
    return true;
}
