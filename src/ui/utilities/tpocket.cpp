#include "utilities/tpocket.h"

#include "common/fixedframe.h"

#include "common/dialogs.h"
#include "utilities/deskcolours.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace DeskColours;

TPocket::TPocket(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calculatrice"));
    setFixedFrame(this);
    setObjectName(QStringLiteral("TPocket"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, teal);
    setPalette(colours);

    m_display = new QLabel(this);
    m_display->setObjectName(QStringLiteral("display"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameShape(QFrame::Panel);
    m_display->setFrameShadow(QFrame::Sunken);
    m_display->setLineWidth(3);
    m_display->setMinimumHeight(34);
    // A long entry is cut on the left rather than widening the window.
    m_display->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_display->setMargin(4);
    m_display->setAutoFillBackground(true);
    QPalette display = m_display->palette();
    display.setColor(QPalette::Window, navy);
    display.setColor(QPalette::WindowText, silver);
    m_display->setPalette(display);
    QFont displayFont = font();
    displayFont.setPixelSize(17);
    displayFont.setBold(true);
    m_display->setFont(displayFont);

    m_grid = new QGridLayout;
    m_grid->setSpacing(4);

    using Op = PocketCalculator::Operator;
    auto operation = [this](Op op) { return [this, op] { run(m_calc.apply(op)); }; };

    QPushButton *clear = addButton(QStringLiteral("C"), QStringLiteral("clearButton"), 0, 0);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_calc.clear();
        m_display->setText(m_calc.display());
        m_equals->setFocus();
    });
    QPushButton *sqr = addButton(QStringLiteral("sqr"), QStringLiteral("sqrtButton"), 0, 1);
    connect(sqr, &QPushButton::clicked, this, [this] { run(m_calc.squareRoot()); });
    QPushButton *inverse =
        addButton(QStringLiteral("1/x"), QStringLiteral("reciprocalButton"), 0, 2);
    connect(inverse, &QPushButton::clicked, this, [this] { run(m_calc.reciprocal()); });

    const struct {
        const char16_t *text;
        const char16_t *name;
        Op op;
        int row;
    } operators[] = {{u"/", u"divideButton", Op::Divide, 0},
                     {u"*", u"timesButton", Op::Multiply, 1},
                     {u"-", u"minusButton", Op::Subtract, 2},
                     {u"+", u"plusButton", Op::Add, 3}};
    for (const auto &o : operators) {
        QPushButton *button =
            addButton(QString::fromUtf16(o.text), QString::fromUtf16(o.name), o.row, 3);
        connect(button, &QPushButton::clicked, this, operation(o.op));
        m_keys.insert(o.text[0], button);
    }

    for (int d = 0; d <= 9; ++d) {
        const int row = d == 0 ? 4 : 3 - (d - 1) / 3;
        const int column = d == 0 ? 0 : (d - 1) % 3;
        QPushButton *button =
            addButton(QString::number(d), QStringLiteral("digit%1").arg(d), row, column);
        connect(button, &QPushButton::clicked, this, [this, d] {
            m_calc.digit(d);
            m_display->setText(m_calc.display());
        });
        m_keys.insert(QChar(u'0' + d), button);
    }
    QPushButton *comma = addButton(QStringLiteral(","), QStringLiteral("commaButton"), 4, 1);
    connect(comma, &QPushButton::clicked, this, [this] {
        m_calc.comma();
        m_display->setText(m_calc.display());
    });
    m_equals = addButton(QStringLiteral("="), QStringLiteral("equalsButton"), 4, 2);
    m_equals->setDefault(true);
    connect(m_equals, &QPushButton::clicked, this, [this] { run(m_calc.equals()); });

    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setFixedSize(60, 32);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_grid->addWidget(close, 4, 3);

    m_keys.insert(u',', comma);
    m_keys.insert(u'.', comma);
    m_keys.insert(u'=', m_equals);
    m_keys.insert(u'C', clear);
    m_keys.insert(u'c', clear);
    m_keys.insert(u'S', sqr);
    m_keys.insert(u's', sqr);
    m_keys.insert(u'X', inverse);
    m_keys.insert(u'x', inverse);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_display);
    layout->addSpacing(4);
    layout->addLayout(m_grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_equals->setFocus();
}

QPushButton *TPocket::addButton(const QString &text, const QString &name, int row, int column) {
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setFixedSize(60, 32);
    QFont keyFont = button->font();
    keyFont.setPixelSize(15);
    keyFont.setBold(true);
    button->setFont(keyFont);
    m_grid->addWidget(button, row, column);
    return button;
}

void TPocket::keyPressEvent(QKeyEvent *event) {
    const QString text = event->text();
    if (text.size() == 1) {
        if (QPushButton *button = m_keys.value(text.at(0))) {
            button->click();
            return;
        }
    }
    // Escape closes; Enter clicks the button that has the focus.
    QDialog::keyPressEvent(event);
}

void TPocket::run(const QString &error) {
    if (!error.isEmpty()) {
        Dialogs::instance().message(this, error);
        return;
    }
    m_display->setText(m_calc.display());
}
