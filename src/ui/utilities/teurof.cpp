#include "utilities/teurof.h"

#include "common/fixedframe.h"

#include "utilities/deskcolours.h"
#include "utilities/updownbuttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace DeskColours;

TEurof::TEurof(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Euro convertisseur"));
    setFixedFrame(this);
    setObjectName(QStringLiteral("TEurof"));
    QFont windowFont = font();
    windowFont.setPixelSize(17);
    setFont(windowFont);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, navy);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);

    // The silver display panel with its two teal lines.
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette display = panel->palette();
    display.setColor(QPalette::Window, silver);
    display.setColor(QPalette::WindowText, teal);
    panel->setPalette(display);
    auto *panelLayout = new QVBoxLayout(panel);
    m_input = new QLabel(panel);
    m_result = new QLabel(panel);
    m_input->setObjectName(QStringLiteral("inputLine"));
    m_result->setObjectName(QStringLiteral("resultLine"));
    QFont lineFont = windowFont;
    lineFont.setBold(true);
    for (QLabel *line : {m_input, m_result}) {
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        line->setFont(lineFont);
        line->setMinimumHeight(24);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        panelLayout->addWidget(line);
    }

    auto *keys = new QGridLayout;
    keys->setSpacing(4);
    const QString order = QStringLiteral("789456123");
    for (int i = 0; i < 9; ++i) {
        const QChar key = order[i];
        auto *button = new QPushButton(QString(key), this);
        button->setObjectName(QStringLiteral("key%1").arg(key));
        keys->addWidget(button, i / 3, i % 3);
    }
    auto *zero = new QPushButton(QStringLiteral("0"), this);
    zero->setObjectName(QStringLiteral("key0"));
    keys->addWidget(zero, 3, 0);
    auto *comma = new QPushButton(QStringLiteral(","), this);
    comma->setObjectName(QStringLiteral("keyComma"));
    keys->addWidget(comma, 3, 1);
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setFocusPolicy(Qt::NoFocus); // the keypad never takes the focus
        button->setAutoDefault(false);
        button->setFixedSize(44, 36);
        const QChar key = button->text().at(0);
        connect(button, &QPushButton::clicked, this, [this, key] { keypad(key); });
    }
    m_equals = new QPushButton(QStringLiteral("="), this);
    m_equals->setObjectName(QStringLiteral("equalsButton"));
    m_equals->setFixedSize(44, 36);
    m_equals->setDefault(true);
    keys->addWidget(m_equals, 3, 2);
    connect(m_equals, &QPushButton::clicked, this, &TEurof::compute);

    m_toEuros = new QRadioButton(QStringLiteral("Fr>Euro"), this);
    m_toFrancs = new QRadioButton(QStringLiteral("Euro>Fr"), this);
    m_toEuros->setObjectName(QStringLiteral("toEuros"));
    m_toFrancs->setObjectName(QStringLiteral("toFrancs"));
    m_toEuros->setChecked(true);
    connect(m_toEuros, &QRadioButton::toggled, this, [this](bool on) {
        m_converter.setDirection(on ? EuroConverter::Direction::FrancsToEuros
                                    : EuroConverter::Direction::EurosToFrancs);
    });

    auto *rateLabel = new QLabel(QStringLiteral("Taux"), this);
    m_rate = new QLineEdit(this);
    m_rate->setObjectName(QStringLiteral("rateEdit"));
    m_rate->setReadOnly(true);
    m_rate->setFocusPolicy(Qt::NoFocus);
    m_rate->setAlignment(Qt::AlignRight);
    m_rate->setFixedWidth(96);
    auto *spin = new UpDownButtons(this);
    spin->setObjectName(QStringLiteral("rateSpin"));
    connect(spin, &UpDownButtons::up, this, [this] {
        m_converter.rateUp();
        showState();
    });
    connect(spin, &UpDownButtons::down, this, [this] {
        m_converter.rateDown();
        showState();
    });
    auto *rateRow = new QHBoxLayout;
    rateRow->setSpacing(2);
    rateRow->addWidget(m_rate);
    rateRow->addWidget(spin);

    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *side = new QVBoxLayout;
    side->addWidget(m_toEuros);
    side->addWidget(m_toFrancs);
    side->addSpacing(8);
    side->addWidget(rateLabel);
    side->addLayout(rateRow);
    side->addStretch();
    side->addWidget(close);

    auto *body = new QHBoxLayout;
    body->addLayout(keys);
    body->addSpacing(12);
    body->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showState();
    m_equals->setFocus();
}

void TEurof::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        compute();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        QDialog::keyPressEvent(event);
        return;
    }
    keypad(text.at(0));
}

void TEurof::keypad(QChar key) {
    m_converter.key(key);
    showState();
}

void TEurof::compute() {
    m_converter.compute();
    showState();
}

void TEurof::showState() {
    m_input->setText(m_converter.input());
    m_result->setText(m_converter.result());
    m_rate->setText(m_converter.rateText());
}
