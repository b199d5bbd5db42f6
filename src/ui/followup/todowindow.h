#pragma once

#include "followup/todo.h"
#include "followup/todosettings.h"

#include <QDate>
#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;

// Today's to-do, beside the card: the lines of the core, most urgent first.
// A double-click or Enter on a line asks for its record; the window stays
// open so that the user can go through the list. Below it, the user's
// settings: shown when a data set opens, and after how many days a company
// without an answer is listed.
class TodoWindow : public QDialog {
    Q_OBJECT
public:
    using Today = std::function<QDate()>;
    using Lines = std::function<QList<Todo::Line>(const QDate &day, int delay)>;

    explicit TodoWindow(QWidget *parent = nullptr);

    void Init(const TodoSettings &settings, Today today, Lines lines);
    // The lines again, from the data as it is now; the line chosen stays
    // chosen when it is still there.
    void refresh();

    const TodoSettings &settings() const { return m_settings; }
    int lineCount() const { return int(m_shown.size()); }

Q_SIGNALS:
    void openRequested(Kind kind, int block);
    void settingsChanged();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openCurrent();

    TodoSettings m_settings;
    Today m_today;
    Lines m_lines;
    QList<Todo::Line> m_shown;

    QLabel *m_heading;
    QStackedWidget *m_stack;
    QTreeWidget *m_list;
    QCheckBox *m_atStart;
    QSpinBox *m_delay;
};
