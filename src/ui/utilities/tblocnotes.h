#pragma once

#include <QDialog>

class PrintSurface;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// "Bloc-notes": edits the program's notepad and prints it.
class TBlocnotes : public QDialog {
    Q_OBJECT

public:
    explicit TBlocnotes(QWidget *parent = nullptr);

    void Init(const QStringList &notes);
    void Result(QStringList &notes) const;

    // Prints the memo line by line; false (and a message) when printing failed.
    bool Imprimer(PrintSurface &surface);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool printMemo(PrintSurface &surface) const;
    void printOnDefaultPrinter();

    QWidget *m_bar;
    QToolButton *m_print;
    QPushButton *m_close;
    QPlainTextEdit *m_memo;
};
