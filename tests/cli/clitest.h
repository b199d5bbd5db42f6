#pragma once

// Runs tavrin-cli as a user would and keeps what it printed.
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int status;
    QString out;
    QString err;
};

inline Run cli(const QStringList &args) {
    QProcess p;
    p.start(TAVRIN_CLI, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

inline QByteArray bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
