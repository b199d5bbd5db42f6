#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

// "Calendrier": a month grid with weeks from Sunday and month paging.
class TCalendrier : public QDialog {
    Q_OBJECT

public:
    explicit TCalendrier(QWidget *parent = nullptr);

    void previousMonth();
    void nextMonth();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveMonths(int months);
    void showTitle();

    QCalendarWidget *m_calendar;
    QLabel *m_title;
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_close;
};
