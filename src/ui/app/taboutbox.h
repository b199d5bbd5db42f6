#pragma once

#include <QDialog>

// "A propos": product name, version and purpose.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
