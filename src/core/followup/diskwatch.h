#pragma once

#include <QFileSystemWatcher>
#include <QTimer>

#include <functional>

class DataSet;

// Tells when the files of the open data set change on disk while it is open
// (another computer, through a sync service). The watcher's signals are
// gathered for a moment, then the files' stamps say whether anything really
// changed: the program's own saves, and a file touched but not changed, stay
// quiet.
class DiskWatch {
public:
    static constexpr int SettleMs = 500;

    // changed is called once the data set's files changed since it read or
    // saved them.
    DiskWatch(const DataSet &data, std::function<void()> changed);

    // Watches the files as the data set names them now: after an opening, a
    // save under another name, a new data set. Their folder is watched too:
    // sync services replace a file by renaming another over it, and a list
    // file missing at the opening may come later.
    void follow();
    // Looks again once the settling time has passed (a change met while the
    // program could not deal with it).
    void later();

private:
    void settle();

    const DataSet &m_data;
    std::function<void()> m_changed;
    QFileSystemWatcher m_watcher;
    QTimer m_timer;
};
