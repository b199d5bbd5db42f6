#include "common/fontcolourdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
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

// Qt's font dialog as a part of another dialog: Escape and Enter, and its own
// accept on Enter in a list, close the dialog that holds it, not the chooser alone.
class EmbeddedFontDialog : public QFontDialog {
public:
    EmbeddedFontDialog(const QFont &font, QDialog *holder) : QFontDialog(font, holder) {
        setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        setWindowFlags(Qt::Widget);
    }

    void done(int result) override { static_cast<QDialog *>(parentWidget())->done(result); }

protected:
    void keyPressEvent(QKeyEvent *event) override {
        switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Enter:
        case Qt::Key_Return:
            event->ignore(); // on to the holder
            return;
        default:
            QFontDialog::keyPressEvent(event);
        }
    }
};

} // namespace

FontColourDialog::FontColourDialog(const QFont &font, const QColor &colour, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Police"));
    // A family the program names but the system draws under another name
    // ("Times New Roman" drawn with Liberation Serif) opens on the face drawn,
    // and keeps its own name while the user leaves that face chosen.
    QFont shown = font;
    if (!QFontDatabase::families().contains(font.family())) {
        m_namedFamily = font.family();
        m_drawnFamily = QFontInfo(font).family();
        shown.setFamily(m_drawnFamily);
    }
    m_fonts = new EmbeddedFontDialog(shown, this);

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
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

QFont FontColourDialog::selectedFont() const {
    QFont font = m_fonts->currentFont();
    if (!m_namedFamily.isEmpty() && font.family() == m_drawnFamily)
        font.setFamily(m_namedFamily);
    return font;
}

QColor FontColourDialog::selectedColour() const {
    return m_colours->currentData().value<QColor>();
}
