#include "followup/diskwatch.h"

#include "store/dataset.h"

#include <QFileInfo>

DiskWatch::DiskWatch(const DataSet &data, std::function<void()> changed)
    : m_data(data), m_changed(std::move(changed)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(SettleMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { settle(); });
    const auto wake = [this] { m_timer.start(); };
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_timer, wake);
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_timer, wake);
}

void DiskWatch::follow() {
    QStringList wanted;
    if (!m_data.fileName().isEmpty()) {
        for (const QString &file :
             {m_data.fileName(), m_data.operationFileName(), m_data.dayActionFileName()})
            if (QFileInfo(file).isFile())
                wanted << QFileInfo(file).absoluteFilePath();
        const QString folder = QFileInfo(m_data.fileName()).absolutePath();
        if (QFileInfo(folder).isDir())
            wanted << folder;
    }
    QStringList dropped;
    for (const QString &path : m_watcher.files() + m_watcher.directories())
        if (!wanted.contains(path))
            dropped << path;
    if (!dropped.isEmpty())
        m_watcher.removePaths(dropped);
    // A file renamed over, or deleted, has left the watcher on its own.
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList added;
    for (const QString &path : std::as_const(wanted))
        if (!watched.contains(path))
            added << path;
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}

void DiskWatch::later() {
    m_timer.start();
}

void DiskWatch::settle() {
    follow();
    if (m_changed && !m_data.changedOnDisk().isEmpty())
        m_changed();
}
