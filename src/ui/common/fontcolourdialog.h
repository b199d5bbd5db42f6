#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

// Qt's font choice with the colour choice it lacks: the sixteen colours of
// the system's font dialog in a drop-down list. Escape is Annuler and Enter
// is OK for the whole dialog.
class FontColourDialog : public QDialog {
    Q_OBJECT

public:
    FontColourDialog(const QFont &font, const QColor &colour, QWidget *parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColour() const;

private:
    QFontDialog *m_fonts;
    QComboBox *m_colours;
    QString m_namedFamily; // the family asked for, when the system draws another
    QString m_drawnFamily;
};
