#pragma once

#include "store/dataset.h"

#include <QHash>
#include <QList>
#include <QString>

// The help built into the program: French HTML pages in the resources. The
// contents are the links of the start page in their order; the keyword index is
// gathered from each page's "keywords" meta line.
class HelpBook {
public:
    // Where the help lives; the start page is its contents.
    static constexpr const char *HelpFile = "qrc:/help/index.html";
    static constexpr const char *UsingHelpPage = "aide.html";

    struct Entry {
        QString text; // a page title or a keyword
        QString page; // file name inside the help, anchor included if any
    };

    static const HelpBook &instance();

    // Every page file of the help, start page first.
    const QStringList &pages() const { return m_pages; }
    const QList<Entry> &contents() const { return m_contents; }
    // Keywords in the French alphabetical order, one entry per keyword and page.
    const QList<Entry> &keywords() const { return m_keywords; }
    // The title of a page, as its window caption shows it.
    QString title(const QString &page) const { return m_titles.value(page.section(u'#', 0, 0)); }
    // The keywords that hold the typed text, accents and case ignored: those that
    // begin with it first.
    QList<Entry> findKeywords(const QString &typed) const;

    // The raw HTML of a page, empty when the help has no such page.
    static QString html(const QString &page);
    // The page of a top-level menu by its help context number (3 to 10), empty
    // for another number.
    static QString pageOfContext(int helpContext);
    // The page that explains the card of a kind.
    static QString pageOfKind(Kind kind);
    // The page that explains a window of the program by its class (a subclass
    // of a listed window shares its page), empty for a window it does not list.
    static QString pageOfWindow(const QMetaObject &window);
    // Lower case without accents: "Société" and "societe" meet.
    static QString folded(const QString &text);

private:
    HelpBook();

    QStringList m_pages;
    QList<Entry> m_contents;
    QList<Entry> m_keywords;
    QHash<QString, QString> m_titles;
};
