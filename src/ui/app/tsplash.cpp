#include "app/tsplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TSplash::TSplash(const QPixmap &picture, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splash"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 236, 96));
    palette.setColor(QPalette::WindowText, QColor(60, 40, 0));
    setPalette(palette);

    auto *image = new QLabel;
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignCenter);
    auto *name = new QLabel(QStringLiteral("Tavrin"));
    QFont font = name->font();
    font.setPointSizeF(font.pointSizeF() * 2.6);
    font.setBold(true);
    name->setFont(font);
    name->setAlignment(Qt::AlignCenter);
    auto *version = new QLabel(QStringLiteral("Version 1.0"));
    version->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 28, 40, 28);
    layout->addWidget(image);
    layout->addWidget(name);
    layout->addWidget(version);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
