#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

// The help window: the pages of the help in a browser, its contents and its
// keyword index beside them. One window serves the whole run; the commands of
// the "Aide" menu and F1 bring it up on the page they want.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The contents list and the start page.
    void showContents();
    // The keyword index with an empty keyword, ready for typing.
    void showSearch();
    // A page of the help by its file name ("societes.html", "aide.html#index").
    void showPage(const QString &page);

    // The page shown, as a file name of the help.
    QString currentPage() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillKeywords(const QString &typed);
    void openKeyword();
    void raiseWindow();
    void placeOnScreen();

    QTabWidget *m_tabs;
    QListWidget *m_contents;
    QLineEdit *m_keyword;
    QListWidget *m_keywords;
    QTextBrowser *m_browser;
    bool m_placed = false;
};
