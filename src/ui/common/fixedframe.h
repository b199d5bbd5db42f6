#pragma once

#include <QWidget>

// The title bar of a fixed-size dialog: its caption and the close box, no
// minimize or maximize button.
inline void setFixedFrame(QWidget *dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}
