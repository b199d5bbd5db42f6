#pragma once

// A data set opened from record files written by hand in a temporary folder.
#include "store/dataset.h"
#include "store/textfile.h"

#include <QTemporaryDir>
#include <QTest>

struct OpenSet {
    QTemporaryDir dir;
    DataSet data;
    QStringList messages;

    OpenSet() {
        data.setMessageHandler([this](const QString &m) { messages << m; });
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QStringList &lines) {
        QVERIFY(TextFile::write(path(name), lines));
    }
    bool open() { return data.Charge(path("suivi.tvr")); }
    // The three files written, then opened.
    bool open(const QStringList &companies, const QStringList &operations,
              const QStringList &dayActions = {}) {
        write("suivi.tvr", companies);
        write("suivi.opr", operations);
        write("suivi.jnr", dayActions);
        return open();
    }
};
