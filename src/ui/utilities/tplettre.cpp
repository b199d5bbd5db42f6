#include "utilities/tplettre.h"

#include "common/fixedframe.h"

#include "utilities/letterscale.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox *quantityBox(QWidget *parent) {
    auto *box = new QSpinBox(parent);
    box->setRange(0, 200);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(64);
    return box;
}

} // namespace

TPLettre::TPLettre(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Pèse-Lettres"));
    setFixedFrame(this);
    setObjectName(QStringLiteral("TPLettre"));

    // One group box per kind of item, in the order of the item table.
    QList<QGroupBox *> groups;
    QFormLayout *form = nullptr;
    const QList<LetterScale::Item> &items = LetterScale::items();
    for (int i = 0; i < items.size(); ++i) {
        if (groups.isEmpty() || groups.last()->title() != items[i].box) {
            groups << new QGroupBox(items[i].box, this);
            form = new QFormLayout(groups.last());
            form->setLabelAlignment(Qt::AlignLeft);
            form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        }
        QSpinBox *box = quantityBox(this);
        box->setObjectName(QStringLiteral("quantity%1").arg(i));
        form->addRow(items[i].label, box);
        m_quantities << box;
    }

    auto *extraGroup = new QGroupBox(QStringLiteral("Poids supplémentaire"), this);
    auto *extraForm = new QFormLayout(extraGroup);
    m_extra = quantityBox(this);
    m_extra->setObjectName(QStringLiteral("extraGrams"));
    extraForm->addRow(QStringLiteral("En grammes"), m_extra);

    auto *serviceGroup = new QGroupBox(QStringLiteral("Tarification"), this);
    auto *serviceLayout = new QVBoxLayout(serviceGroup);
    m_rapide = new QRadioButton(LetterScale::serviceLabel(LetterScale::Service::FranceRapide));
    m_ecopli = new QRadioButton(LetterScale::serviceLabel(LetterScale::Service::FranceEcopli));
    m_europe = new QRadioButton(LetterScale::serviceLabel(LetterScale::Service::UnionEuropeenne));
    m_rapide->setObjectName(QStringLiteral("serviceRapide"));
    m_ecopli->setObjectName(QStringLiteral("serviceEcopli"));
    m_europe->setObjectName(QStringLiteral("serviceEurope"));
    m_rapide->setChecked(true);
    for (QRadioButton *radio : {m_rapide, m_ecopli, m_europe})
        serviceLayout->addWidget(radio);

    // The white result panel: weight, francs, euros side by side.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("resultPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);
    auto *panelLayout = new QHBoxLayout(panel);
    QFont resultFont = font();
    resultFont.setBold(true);
    resultFont.setPixelSize(17);
    m_weight = new QLabel(QStringLiteral("20 g"), panel);
    m_francs = new QLabel(QStringLiteral("3 F"), panel);
    m_euros = new QLabel(QStringLiteral("0,46 E"), panel);
    m_weight->setObjectName(QStringLiteral("weightLabel"));
    m_francs->setObjectName(QStringLiteral("francsLabel"));
    m_euros->setObjectName(QStringLiteral("eurosLabel"));
    for (QLabel *label : {m_weight, m_francs, m_euros}) {
        label->setFont(resultFont);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(90);
        panelLayout->addWidget(label);
    }

    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setAutoDefault(false); // Enter in a quantity box must not close the window
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout;
    grid->addWidget(groups[0], 0, 0);       // simple envelopes
    grid->addWidget(groups[1], 1, 0, 2, 1); // padded envelopes
    grid->addWidget(groups[2], 0, 1);       // sheets
    grid->addWidget(groups[3], 1, 1, 2, 1); // media
    grid->addWidget(groups[4], 0, 2);       // photos
    grid->addWidget(extraGroup, 1, 2);
    grid->addWidget(serviceGroup, 2, 2);
    for (QGroupBox *group : groups)
        group->setAlignment(Qt::AlignLeft);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(panel, 1);
    bottom->addSpacing(12);
    bottom->addWidget(close, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QSpinBox *box : m_quantities)
        connect(box, &QSpinBox::valueChanged, this, &TPLettre::Calcule);
    connect(m_extra, &QSpinBox::valueChanged, this, &TPLettre::Calcule);
    for (QRadioButton *radio : {m_rapide, m_ecopli, m_europe})
        connect(radio, &QRadioButton::clicked, this, &TPLettre::Calcule);
}

void TPLettre::Calcule() {
    LetterScale::Quantities quantities{};
    for (int i = 0; i < LetterScale::ItemCount; ++i)
        quantities[i] = m_quantities[i]->value();
    const LetterScale::Service service = m_ecopli->isChecked() ? LetterScale::Service::FranceEcopli
                                         : m_europe->isChecked()
                                             ? LetterScale::Service::UnionEuropeenne
                                             : LetterScale::Service::FranceRapide;
    const LetterScale::Result result = LetterScale::compute(quantities, m_extra->value(), service);
    m_weight->setText(result.weightText);
    m_francs->setText(result.francsText);
    m_euros->setText(result.eurosText);
}
