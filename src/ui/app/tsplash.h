#pragma once

#include <QPixmap>
#include <QWidget>

// The start-up window: borderless, centred, yellow, with the program's
// picture, name and version.
class TSplash : public QWidget {
    Q_OBJECT
public:
    explicit TSplash(const QPixmap &picture, QWidget *parent = nullptr);
};
