#pragma once

#include "utilities/clockface.h"

#include <QDialog>
#include <QTimer>

class QButtonGroup;
class QLabel;
class QPushButton;

// "Horloge": the time and the date, ticking every second; "Set" lets the
// user change them with the spin button and sets the computer's clock.
class THorloge : public QDialog {
    Q_OBJECT

public:
    explicit THorloge(SystemClock &clock, QWidget *parent = nullptr,
                      const QTimeZone &zone = QTimeZone::systemTimeZone());

    bool isTicking() const { return m_timer.isActive(); }
    bool editMode() const { return m_face.editMode(); }

protected:
    bool event(QEvent *event) override;

private:
    void tick();
    void restartTicking();
    void toggleSet();
    void showLines();

    ClockFace m_face;
    QTimer m_timer;
    QLabel *m_time;
    QLabel *m_date;
    QButtonGroup *m_fields;
    QPushButton *m_set;
};
