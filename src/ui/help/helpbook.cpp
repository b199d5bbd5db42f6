#include "help/helpbook.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {

const QString Root = QStringLiteral(":/help/");

QString plain(const QString &html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

} // namespace

const HelpBook &HelpBook::instance() {
    static const HelpBook book;
    return book;
}

HelpBook::HelpBook() {
    initHelpResources();
    const QString start = QString::fromLatin1(HelpFile).section(u'/', -1);
    m_pages << start;
    const QStringList files = QDir(Root).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString &file : files)
        if (file != start)
            m_pages << file;

    // The start page lists the pages in reading order.
    static const QRegularExpression link(
        QStringLiteral(R"re(<a\s+href="([^"#]+)"[^>]*>(.*?)</a>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    for (auto it = link.globalMatch(html(start)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        m_contents.append({plain(m.captured(2)), m.captured(1)});
    }

    static const QRegularExpression meta(
        QStringLiteral(R"re(<meta\s+name="keywords"\s+content="([^"]*)")re"));
    static const QRegularExpression titleTag(QStringLiteral("<title>(.*?)</title>"));
    for (const QString &page : std::as_const(m_pages)) {
        const QString text = html(page);
        m_titles.insert(page, plain(titleTag.match(text).captured(1)));
        const QRegularExpressionMatch m = meta.match(text);
        if (!m.hasMatch())
            continue;
        for (const QString &keyword : m.captured(1).split(u',', Qt::SkipEmptyParts)) {
            const QString text = plain(keyword);
            if (!text.isEmpty())
                m_keywords.append({text, page});
        }
    }
    QCollator french{QLocale(QLocale::French, QLocale::France)};
    french.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_keywords.begin(), m_keywords.end(), [&](const Entry &a, const Entry &b) {
        return french.compare(a.text, b.text) < 0;
    });
}

QList<HelpBook::Entry> HelpBook::findKeywords(const QString &typed) const {
    // Keywords that begin with the text come first, then those that hold it.
    const QString wanted = folded(typed.simplified());
    QList<Entry> found;
    QList<Entry> inside;
    for (const Entry &entry : m_keywords) {
        const QString keyword = folded(entry.text);
        if (keyword.startsWith(wanted))
            found.append(entry);
        else if (keyword.contains(wanted))
            inside.append(entry);
    }
    return found + inside;
}

QString HelpBook::html(const QString &page) {
    initHelpResources();
    QFile file(Root + page.section(u'#', 0, 0));
    if (page.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString HelpBook::pageOfContext(int helpContext) {
    static const char *const pages[] = {
        "menu-fichier.html", "menu-edition.html",    "menu-base.html",        "menu-selection.html",
        "menu-outils.html",  "menu-parametres.html", "menu-utilitaires.html", UsingHelpPage,
    };
    if (helpContext < 3 || helpContext > 10)
        return {};
    return QString::fromLatin1(pages[helpContext - 3]);
}

QString HelpBook::pageOfKind(Kind kind) {
    switch (kind) {
    case Kind::Operation:
        return QStringLiteral("operations.html");
    case Kind::DayAction:
        return QStringLiteral("journee.html");
    case Kind::Company:
        break;
    }
    return QStringLiteral("societes.html");
}

QString HelpBook::pageOfWindow(const QMetaObject &window) {
    static const QHash<QString, QString> pages = [] {
        const std::pair<const char *, QStringList> table[] = {
            {"profil.html", {"TMoi"}},
            {"texte.html", {"TTexte"}},
            {"rapports.html", {"TRapport", "TPlanning", "TStatsOpr", "TGraph"}},
            {"recherche.html", {"SearchDialog", "SortDialog", "ListWindow"}},
            {"navigation.html", {"TFcp", "TVille", "TStyp", "TJour"}},
            {"journee.html", {"TListeSoc"}},
            {"entretien.html", {"TDial", "TFNouveau"}},
            {"impression.html", {"TMPage"}},
            {"echanges.html", {"TImportProgress"}},
            {"menu-parametres.html", {"TSociete", "TCombo"}},
            {"utilitaires.html",
             {"THorloge", "TBlocnotes", "TCalendrier", "TPocket", "TPLettre", "TEurof",
              "ReferenceListWindow"}},
            {UsingHelpPage, {"HelpWindow"}},
        };
        QHash<QString, QString> byClass;
        for (const auto &[page, classes] : table)
            for (const QString &name : classes)
                byClass.insert(name, QLatin1String(page));
        return byClass;
    }();
    for (const QMetaObject *type = &window; type; type = type->superClass()) {
        const QString page = pages.value(QLatin1String(type->className()));
        if (!page.isEmpty())
            return page;
    }
    return {};
}

QString HelpBook::folded(const QString &text) {
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c.toLower());
    return out;
}
