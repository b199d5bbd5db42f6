#pragma once

// What the core tests share: table rows written on one line, and record
// blocks written by hand.
#include "store/bloclist.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <tuple>

// QTest::newRow(name) << values...
template <typename... T> void row(const char *name, const T &...values) {
    (QTest::newRow(name) << ... << values);
}

// A table's columns in one call: columns<int, QString>("count", "text").
template <typename... T, typename... N> void columns(const N &...names) {
    static_assert(sizeof...(T) == sizeof...(N));
    (QTest::addColumn<T>(names), ...);
}

// The current row's cells, as QFETCH reads them: one cell as it is, several
// as a tuple: const auto [count, text] = fetch<int, QString>("count", "text").
template <typename... T, typename... N> auto fetch(const N &...names) {
    static_assert(sizeof...(T) == sizeof...(N));
    if constexpr (sizeof...(T) == 1)
        return (*static_cast<T *>(QTest::qData(names, qMetaTypeId<T>())), ...);
    else
        return std::tuple<T...>{*static_cast<T *>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// A block of the list's width: its tag, its lines and, unless lost, its
// closing tag.
inline QStringList block(int width, int number, const QStringList &content, bool closed = true) {
    const QString n = QString::number(number).rightJustified(width, u'0');
    QStringList lines = QStringList{"<BLOC" + n + ">"} + content;
    if (closed)
        lines += "</BLOC" + n + ">";
    return lines;
}

inline BlocList listOf(int width, const QStringList &lines) {
    BlocList list(width);
    list.setLines(lines);
    return list;
}

// Block numbers of the opening tags, in list order.
inline QList<int> tagOrder(const BlocList &list) {
    QList<int> out;
    for (const int n : list.tagNumbers())
        out << n;
    return out;
}

inline QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

inline void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}
