#include "common/fontcolourdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

struct NamedColour {
    const char *name;
    QRgb rgb;
};

const NamedColour colours[] = {
    {"Noir", 0x000000},   {"Bordeaux", 0x800000}, {"Vert", 0x008000},        {"Olive", 0x808000},
    {"Marine", 0x000080}, {"Violet", 0x800080},   {"Sarcelle", 0x008080},    {"Gris", 0x808080},
    {"Argent", 0xC0C0C0}, {"Rouge", 0xFF0000},    {"Citron vert", 0x00FF00}, {"Jaune", 0xFFFF00},
    {"Bleu", 0x0000FF},   {"Fuchsia", 0xFF00FF},  {"Aqua", 0x00FFFF},        {"Blanc", 0xFFFFFF},
};

} // namespace

FontColourDialog::FontColourDialog(const QFont &font, const QColor &colour, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Police"));
    m_fonts = new QFontDialog(font, this);
    m_fonts->setOptions(QFontDialog::NoButtons);
    m_fonts->setWindowFlags(Qt::Widget);

    m_colours = new QComboBox(this);
    m_colours->setObjectName(QStringLiteral("colourBox"));
    for (const NamedColour &c : colours) {
        QPixmap swatch(16, 12);
        swatch.fill(QColor(c.rgb));
        m_colours->addItem(QIcon(swatch), QString::fromUtf8(c.name), QColor(c.rgb));
    }
    const int at = m_colours->findData(QColor(colour.rgb()));
    if (at >= 0) {
        m_colours->setCurrentIndex(at);
    } else {
        // A colour of the document that is not among the sixteen stays offered.
        QPixmap swatch(16, 12);
        swatch.fill(colour);
        m_colours->addItem(QIcon(swatch), colour.name().toUpper(), colour);
        m_colours->setCurrentIndex(m_colours->count() - 1);
    }

    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("Couleur :"), this));
    colourRow->addWidget(m_colours);
    colourRow->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

QFont FontColourDialog::selectedFont() const {
    return m_fonts->currentFont();
}

QColor FontColourDialog::selectedColour() const {
    return m_colours->currentData().value<QColor>();
}
