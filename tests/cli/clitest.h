#pragma once

// Runs tavrin-cli as a user would and keeps what it printed.
#include "core/coretest.h"

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int status;
    QString out;
    QString err;
};

// dir: the start directory, when the verb reads its settings there;
// input: what the user types.
inline Run cli(const QStringList &args, const QString &dir = {}, const QByteArray &input = {}) {
    QProcess p;
    if (!dir.isEmpty()) {
        p.setWorkingDirectory(dir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir); // keeps Qt quiet about it
        p.setProcessEnvironment(env);
    }
    p.start(QStringLiteral(TAVRIN_CLI), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

inline QString testData(const QString &name) {
    return QStringLiteral(TAVRIN_TEST_DATA "/") + name;
}
