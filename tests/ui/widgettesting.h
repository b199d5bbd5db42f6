#pragma once

// What every window test uses: table columns and rows (core/coretest.h),
// a user's double-click, and a named child found or the test stopped.
#include "core/coretest.h"

#include <QAbstractItemView>
#include <QTest>
#include <QWidget>

// A double-click as a user makes it: a click, then the double-click event.
inline void doubleClick(QWidget *widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}
inline void doubleClick(QAbstractItemView *view, int row, int column) {
    doubleClick(view->viewport(), view->visualRect(view->model()->index(row, column)).center());
}

template <class T = QWidget> T *child(const QObject *parent, const char *name) {
    auto *c = parent->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}
