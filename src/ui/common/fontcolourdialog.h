#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

// Qt's font choice with the colour choice it lacks: the sixteen colours of
// the system's font dialog in a drop-down list.
class FontColourDialog : public QDialog {
    Q_OBJECT

public:
    FontColourDialog(const QFont &font, const QColor &colour, QWidget *parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColour() const;

private:
    QFontDialog *m_fonts;
    QComboBox *m_colours;
};
