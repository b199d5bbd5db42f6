#pragma once

#include "wordproc/rulerpanel.h"

#include <QDialog>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

// "Texte": a small word processor for letters, stored as RTF and exported as
// an HTML page, with the user's identity as letterhead.
class TTexte : public QDialog {
    Q_OBJECT

public:
    explicit TTexte(QWidget *parent = nullptr);

    // The letterhead: identity lines 1 to 4; the first also names the page.
    void Setsoc(const QString &line1, const QString &line2, const QString &line3,
                const QString &line4);
    // Adds the letterhead then each line as paragraphs, the caret after them.
    void Init(const QStringList &lines);
    // Writes the HTML page under the name's ".htm" form; false (and a
    // message) when it could not be written.
    bool ExportHtml(const QString &name);

    QString fileName() const { return m_fileName; }
    QTextEdit *editor() const { return m_editor; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QToolButton *toolButton(const char *name, const QString &hint, const QIcon &icon,
                            bool checkable = false);
    void GetFontName();
    void SetupRuler();
    void SetEditRect();
    void SelectionChange();
    void CurrText(const QTextCharFormat &format);

    // Asks whether to save a modified document; true when the caller may go on.
    bool askToSave();
    // "Enregistrer": true when the document is saved or had nothing to save.
    bool save();
    void newLetter();
    void openFile();
    void exportFile();
    void printDocument();
    void chooseFont();
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);
    void setFontName(const QString &name);
    void setFontSize(int points);
    void setAlignment(Qt::Alignment alignment);
    void setBullets(bool on);
    void dropMarker(RulerPanel::Marker which, int left, int offset);

    QStringList m_identity{QString(), QString(), QString(), QString()};
    QString m_fileName;
    // The file lost parts at its opening: saving proposes another name.
    bool m_keepOriginal = false;
    bool m_updating = false;

    QWidget *m_bar;
    QComboBox *m_fontName;
    QSpinBox *m_fontSize;
    QToolButton *m_bold;
    QToolButton *m_italic;
    QToolButton *m_underline;
    QToolButton *m_left;
    QToolButton *m_center;
    QToolButton *m_right;
    QButtonGroup *m_alignment;
    QToolButton *m_bullets;
    QPushButton *m_close;
    RulerPanel *m_ruler;
    QTextEdit *m_editor;
};
