#pragma once

// What every window test uses: table columns declared on one line, rows
// (core/coretest.h), and a named child found or the test stopped.
#include "core/coretest.h"

#include <QTest>
#include <QWidget>

// QTest::addColumn<T>(name) for each type and name in turn.
template <typename... T, typename... N> void columns(const N &...names) {
    (QTest::addColumn<T>(names), ...);
}

template <class T = QWidget> T *child(const QObject *parent, const char *name) {
    auto *c = parent->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}
