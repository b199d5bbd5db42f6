#include "utilities/tblocnotes.h"

#include "print/printjob.h"
#include "print/textprint.h"
#include "utilities/notepad.h"

#include <QFontInfo>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A small printer drawn in the program, for desktops without an icon theme.
QIcon printerIcon() {
    QIcon themed = QIcon::fromTheme(QStringLiteral("document-print"));
    if (!themed.isNull())
        return themed;
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 9, 7)); // sheet going in
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(2.5, 8.5, 17, 8), 2, 2); // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 13.5, 9, 6)); // sheet coming out
    p.drawLine(QPointF(8, 16), QPointF(14, 16));
    return QIcon(pixmap);
}

} // namespace

TBlocnotes::TBlocnotes(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Bloc-notes"));
    setObjectName(QStringLiteral("TBlocnotes"));

    m_bar = new QWidget(this);
    m_bar->setFixedHeight(36);
    m_print = new QToolButton(m_bar);
    m_print->setObjectName(QStringLiteral("printButton"));
    m_print->setIcon(printerIcon());
    m_print->setIconSize(QSize(22, 22));
    m_print->setAutoRaise(true);
    m_print->setToolTip(QStringLiteral("Imprimer"));
    m_print->move(6, 3);
    m_print->resize(30, 30);
    connect(m_print, &QToolButton::clicked, this, &TBlocnotes::printOnDefaultPrinter);
    m_close = new QPushButton(QStringLiteral("Fermer"), m_bar);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setAutoDefault(false);
    m_close->resize(100, 28);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("memo"));
    QFont memoFont = m_memo->font();
    memoFont.setPixelSize(17);
    m_memo->setFont(memoFont);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_memo, 1);

    resize(520, 380);
    m_memo->setFocus();
}

void TBlocnotes::Init(const QStringList &notes) {
    m_memo->setPlainText(notepadText(notes));
}

void TBlocnotes::Result(QStringList &notes) const {
    notes = notepadLines(m_memo->toPlainText());
}

bool TBlocnotes::printMemo(PrintSurface &surface) const {
    // The printout takes the memo's font, in points.
    const QFontInfo info(m_memo->font());
    const PrintSurface::Font font{info.family(), info.pointSizeF(), PrintSurface::Plain};
    return printTextLines(surface, QStringLiteral("Bloc-notes"), font,
                          notepadLines(m_memo->toPlainText()));
}

bool TBlocnotes::Imprimer(PrintSurface &surface) {
    if (printMemo(surface))
        return true;
    showPrintFailure(this, surface);
    return false;
}

void TBlocnotes::printOnDefaultPrinter() {
    // Through the run's printer, so that with none installed a PDF file is asked.
    printOnRunPrinter(this, [this](PrintSurface &surface) { return printMemo(surface); });
}

void TBlocnotes::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    // "Fermer" keeps its place 125 pixels from the right edge.
    m_close->move(width() - 125, (m_bar->height() - m_close->height()) / 2);
}
