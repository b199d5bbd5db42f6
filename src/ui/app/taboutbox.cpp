#include "app/taboutbox.h"

#include "common/fixedframe.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("A propos"));
    setFixedFrame(this);

    auto *picture = new QLabel;
    picture->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    auto *product = new QLabel(QStringLiteral("Tavrin"));
    product->setObjectName(QStringLiteral("labelProduit"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    // The double space in "Version  1.0" is kept on purpose.
    auto *version = new QLabel(QStringLiteral("Version  1.0"));
    version->setObjectName(QStringLiteral("labelVersion"));
    // "empoi": the spelling users know, kept on purpose.
    auto *comment = new QLabel(QStringLiteral("Gestion de recherche d'empoi"));
    comment->setObjectName(QStringLiteral("labelCommentaire"));

    auto *panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(comment, 2, 1);
    grid->setColumnMinimumWidth(1, 220);
    grid->setHorizontalSpacing(16);

    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("buttonOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
