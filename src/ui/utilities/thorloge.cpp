#include "utilities/thorloge.h"

#include "common/fixedframe.h"

#include "utilities/updownbuttons.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QVBoxLayout>

THorloge::THorloge(SystemClock &clock, QWidget *parent, const QTimeZone &zone)
    : QDialog(parent), m_face(clock, zone) {
    setWindowTitle(QStringLiteral("Horloge"));
    setFixedFrame(this);
    setObjectName(QStringLiteral("THorloge"));

    // The black face: the time, large, and the date below it.
    auto *face = new QFrame(this);
    face->setObjectName(QStringLiteral("face"));
    face->setFrameShape(QFrame::Panel);
    face->setFrameShadow(QFrame::Sunken);
    face->setLineWidth(2);
    face->setAutoFillBackground(true);
    QPalette black = face->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, QColor(0, 255, 0));
    face->setPalette(black);
    auto *faceLayout = new QVBoxLayout(face);
    m_time = new QLabel(QStringLiteral("18:23:00"), face);
    m_date = new QLabel(QStringLiteral("20/10/1998"), face);
    m_time->setObjectName(QStringLiteral("timeLine"));
    m_date->setObjectName(QStringLiteral("dateLine"));
    QFont timeFont(QStringLiteral("Arial"));
    timeFont.setPixelSize(23);
    timeFont.setBold(true);
    m_time->setFont(timeFont);
    QFont dateFont(QStringLiteral("Arial"));
    dateFont.setPixelSize(17);
    m_date->setFont(dateFont);
    for (QLabel *line : {m_time, m_date}) {
        line->setAlignment(Qt::AlignCenter);
        faceLayout->addWidget(line);
    }

    // The five fields the spin button can change; none is chosen at first.
    auto *fieldBox = new QGroupBox(this);
    auto *fieldLayout = new QHBoxLayout(fieldBox);
    fieldLayout->setContentsMargins(8, 4, 8, 4);
    m_fields = new QButtonGroup(this);
    const struct {
        const char16_t *caption;
        const char16_t *name;
        ClockFace::Field field;
    } fields[] = {{u"Hr", u"fieldHour", ClockFace::Field::Hour},
                  {u"Mn", u"fieldMinute", ClockFace::Field::Minute},
                  {u"Jo", u"fieldDay", ClockFace::Field::Day},
                  {u"Mo", u"fieldMonth", ClockFace::Field::Month},
                  {u"An", u"fieldYear", ClockFace::Field::Year}};
    for (const auto &f : fields) {
        auto *radio = new QRadioButton(QString::fromUtf16(f.caption), fieldBox);
        radio->setObjectName(QString::fromUtf16(f.name));
        m_fields->addButton(radio, int(f.field));
        fieldLayout->addWidget(radio);
    }
    connect(m_fields, &QButtonGroup::idClicked, this,
            [this](int id) { m_face.setField(ClockFace::Field(id)); });

    auto *spin = new UpDownButtons(this);
    spin->setObjectName(QStringLiteral("spin"));
    connect(spin, &UpDownButtons::up, this, [this] {
        m_face.spinUp();
        showLines();
    });
    connect(spin, &UpDownButtons::down, this, [this] {
        m_face.spinDown();
        showLines();
    });

    m_set = new QPushButton(QStringLiteral("Set"), this);
    m_set->setObjectName(QStringLiteral("setButton"));
    m_set->setCheckable(true);
    m_set->setToolTip(QStringLiteral("Régler l'heure et la date de l'ordinateur"));
    connect(m_set, &QPushButton::clicked, this, &THorloge::toggleSet);
    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    // Enter must not press "Set" (it would set the computer's clock) nor close.
    m_set->setAutoDefault(false);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *controls = new QHBoxLayout;
    controls->addWidget(fieldBox);
    controls->addWidget(spin, 0, Qt::AlignVCenter);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_set);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(face);
    layout->addLayout(controls);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Show the time at once; activation starts the ticking.
    m_face.refresh();
    showLines();
    connect(&m_timer, &QTimer::timeout, this, &THorloge::tick);
}

bool THorloge::event(QEvent *event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        // Coming back always shows the running clock, even in the middle of an edit.
        m_face.activate();
        showLines();
        restartTicking();
        break;
    case QEvent::WindowDeactivate:
        m_timer.stop();
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void THorloge::tick() {
    m_face.refresh();
    showLines();
    restartTicking();
}

void THorloge::restartTicking() {
    // Tick just after each change of second, in step with the status bar.
    m_timer.start(1005 - QTime::currentTime().msec());
}

void THorloge::toggleSet() {
    m_face.toggleSet();
    if (m_face.editMode())
        m_timer.stop(); // freeze the lines while they are edited
    else
        restartTicking();
    showLines();
}

void THorloge::showLines() {
    m_time->setText(m_face.timeLine());
    m_date->setText(m_face.dateLine());
    m_set->setChecked(m_face.editMode());
}
