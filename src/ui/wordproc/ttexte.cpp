#include "wordproc/ttexte.h"

#include "common/dialogs.h"
#include "print/printjob.h"
#include "store/textfile.h"
#include "wordproc/letter.h"
#include "wordproc/letterprint.h"
#include "wordproc/paragraph.h"
#include "wordproc/rtfreader.h"
#include "wordproc/rtftohtml.h"
#include "wordproc/rtfwriter.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

using namespace WordProc;

namespace {

const QString rtfFilter = QStringLiteral("Fichiers rtf (*.rtf)");
const QString htmlFilter = QStringLiteral("Format HTML (*.htm)");

// Small drawn images for the buttons that have no standard one.
QIcon drawn(const std::function<void(QPainter &)> &draw) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    draw(p);
    return QIcon(pixmap);
}

QIcon letter(const QString &text, void (QFont::*style)(bool)) {
    return drawn([&](QPainter &p) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(16);
        (font.*style)(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, text);
    });
}

// Lines of text as the alignment buttons show them.
QIcon lines(Qt::Alignment alignment) {
    return drawn([&](QPainter &p) {
        const int widths[] = {14, 9, 14, 9};
        for (int i = 0; i < 4; ++i) {
            const int w = widths[i];
            const int x = alignment == Qt::AlignLeft    ? 3
                          : alignment == Qt::AlignRight ? 17 - w
                                                        : 10 - w / 2;
            p.drawLine(x, 4 + 4 * i, x + w, 4 + 4 * i);
        }
    });
}

QIcon bullets() {
    return drawn([](QPainter &p) {
        for (int i = 0; i < 3; ++i) {
            p.setBrush(QColor(40, 40, 40));
            p.drawEllipse(QPointF(4.5, 5 + 5 * i), 1.5, 1.5);
            p.drawLine(8, 5 + 5 * i, 17, 5 + 5 * i);
        }
    });
}

QIcon printer() {
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 5));
    });
}

QIcon page(const QString &mark) {
    return drawn([&](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 13, 17));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(7);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(3, 6, 14, 10), Qt::AlignCenter, mark);
    });
}

QIcon copyIcon() {
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 9, 11));
        p.drawRect(QRectF(8.5, 6.5, 9, 11));
    });
}

QIcon pasteIcon() {
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(190, 150, 90));
        p.drawRoundedRect(QRectF(2.5, 3.5, 12, 15), 1.5, 1.5);
        p.setBrush(QColor(150, 150, 160));
        p.drawRect(QRectF(5.5, 1.5, 6, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8.5, 8.5, 9, 10));
    });
}

QIcon themed(const char *name, QStyle::StandardPixmap fallback, QWidget *widget) {
    const QIcon icon = QIcon::fromTheme(QLatin1String(name));
    return icon.isNull() ? widget->style()->standardIcon(fallback) : icon;
}

// The paragraphs a cursor's selection touches, from first to last.
template <typename Visit> void forEachBlock(const QTextCursor &cursor, Visit visit) {
    const QTextDocument *doc = cursor.document();
    QTextBlock block = doc->findBlock(cursor.selectionStart());
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    for (; block.isValid(); block = block.next()) {
        visit(block);
        if (block == last)
            break;
    }
}

// The letter's editor. Return starts a paragraph like the caret's, in the
// characters typed last, as the tool bar shows them: Qt, on an empty
// paragraph, would drop its indents instead, or start over in the
// document's font.
class LetterEdit : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (isReadOnly() || !event->matches(QKeySequence::InsertParagraphSeparator)) {
            QTextEdit::keyPressEvent(event);
            return;
        }
        const QTextCharFormat typing = currentCharFormat();
        QTextCursor cursor = textCursor();
        cursor.insertBlock(cursor.blockFormat(), typing);
        setTextCursor(cursor);
        setCurrentCharFormat(typing);
        ensureCursorVisible();
    }
};

} // namespace

TTexte::TTexte(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TTexte"));
    setWindowTitle(QStringLiteral("Texte"));
    setWindowState(Qt::WindowMaximized);
    setSizeGripEnabled(true);

    m_bar = new QWidget(this);
    m_bar->setObjectName(QStringLiteral("toolBar"));
    auto *bar = new QHBoxLayout(m_bar);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(1);

    auto *create = toolButton("newButton", {}, page(QStringLiteral("")));
    connect(create, &QToolButton::clicked, this, &TTexte::newLetter);
    auto *open =
        toolButton("openButton", {}, themed("document-open", QStyle::SP_DialogOpenButton, this));
    connect(open, &QToolButton::clicked, this, &TTexte::openFile);
    auto *saveButton = toolButton("saveButton", QStringLiteral("Enregistrer"),
                                  themed("document-save", QStyle::SP_DialogSaveButton, this));
    saveButton->setShortcut(QKeySequence::Save);
    connect(saveButton, &QToolButton::clicked, this, [this] { save(); });
    auto *exportButton =
        toolButton("exportButton", QStringLiteral("Exporter"), page(QStringLiteral("htm")));
    connect(exportButton, &QToolButton::clicked, this, &TTexte::exportFile);
    auto *print = toolButton("printButton", QStringLiteral("Imprimer"), printer());
    connect(print, &QToolButton::clicked, this, &TTexte::printDocument);
    auto *copy = toolButton("copyButton", QStringLiteral("Copier"), copyIcon());
    auto *paste = toolButton("pasteButton", QStringLiteral("Coller"), pasteIcon());
    bar->addSpacing(8);

    m_fontName = new QComboBox(m_bar);
    m_fontName->setObjectName(QStringLiteral("fontNameBox"));
    m_fontName->setToolTip(QStringLiteral("Police"));
    m_fontName->setEditable(true);
    m_fontName->setInsertPolicy(QComboBox::NoInsert);
    m_fontName->setMinimumWidth(180);
    bar->addWidget(m_fontName);
    connect(m_fontName, &QComboBox::textActivated, this, &TTexte::setFontName);

    m_fontSize = new QSpinBox(m_bar);
    m_fontSize->setObjectName(QStringLiteral("fontSizeBox"));
    m_fontSize->setToolTip(QStringLiteral("Taille"));
    m_fontSize->setRange(4, 72);
    m_fontSize->setValue(10);
    bar->addWidget(m_fontSize);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &TTexte::setFontSize);

    auto *fontButton = toolButton("fontButton", QStringLiteral("Police"),
                                  letter(QStringLiteral("A"), &QFont::setBold));
    connect(fontButton, &QToolButton::clicked, this, &TTexte::chooseFont);
    bar->addSpacing(8);

    m_bold = toolButton("boldButton", QStringLiteral("Gras"),
                        letter(QStringLiteral("G"), &QFont::setBold), true);
    connect(m_bold, &QToolButton::toggled, this, &TTexte::setBold);
    m_italic = toolButton("italicButton", QStringLiteral("Italique"),
                          letter(QStringLiteral("I"), &QFont::setItalic), true);
    connect(m_italic, &QToolButton::toggled, this, &TTexte::setItalic);
    m_underline = toolButton("underlineButton", QStringLiteral("Souligné"),
                             letter(QStringLiteral("S"), &QFont::setUnderline), true);
    connect(m_underline, &QToolButton::toggled, this, &TTexte::setUnderline);
    bar->addSpacing(8);

    m_left = toolButton("leftButton", QStringLiteral("Gauche"), lines(Qt::AlignLeft), true);
    m_center = toolButton("centerButton", QStringLiteral("Centré"), lines(Qt::AlignHCenter), true);
    m_right = toolButton("rightButton", QStringLiteral("Droite"), lines(Qt::AlignRight), true);
    m_alignment = new QButtonGroup(this);
    m_alignment->setExclusive(true);
    m_alignment->addButton(m_left);
    m_alignment->addButton(m_center);
    m_alignment->addButton(m_right);
    connect(m_left, &QToolButton::clicked, this, [this] { setAlignment(Qt::AlignLeft); });
    connect(m_center, &QToolButton::clicked, this, [this] { setAlignment(Qt::AlignHCenter); });
    connect(m_right, &QToolButton::clicked, this, [this] { setAlignment(Qt::AlignRight); });
    bar->addSpacing(8);

    m_bullets = toolButton("bulletsButton", QStringLiteral("Puces"), bullets(), true);
    connect(m_bullets, &QToolButton::toggled, this, &TTexte::setBullets);
    bar->addStretch();
    bar->addSpacing(100); // room for "Fermer", placed by hand

    m_close = new QPushButton(QStringLiteral("Fermer"), m_bar);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setAutoDefault(false);
    m_close->resize(75, 25);
    connect(m_close, &QPushButton::clicked, this, &TTexte::close);

    m_ruler = new RulerPanel(this);
    connect(m_ruler, &RulerPanel::markerDropped, this, &TTexte::dropMarker);

    m_editor = new LetterEdit(this);
    m_editor->setObjectName(QStringLiteral("editor"));
    m_editor->setAcceptRichText(true);
    m_editor->document()->setDefaultFont(editorFont());
    m_editor->setFont(editorFont());
    m_editor->setCurrentCharFormat(typingFormat());
    connect(copy, &QToolButton::clicked, m_editor, &QTextEdit::copy);
    connect(paste, &QToolButton::clicked, m_editor, &QTextEdit::paste);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &TTexte::SelectionChange);
    connect(m_editor, &QTextEdit::selectionChanged, this, &TTexte::SelectionChange);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &TTexte::SelectionChange);
    connect(m_editor, &QTextEdit::textChanged, this, &TTexte::SelectionChange);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_ruler);
    layout->addWidget(m_editor, 1);

    resize(800, 560);
    GetFontName();
    SetupRuler();
    SetEditRect();
    SelectionChange();
    // Setting the typing attributes of the empty document is no change.
    m_editor->document()->setModified(false);
    m_editor->setFocus();
}

QToolButton *TTexte::toolButton(const char *name, const QString &hint, const QIcon &icon,
                                bool checkable) {
    auto *button = new QToolButton(m_bar);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    m_bar->layout()->addWidget(button);
    return button;
}

void TTexte::GetFontName() {
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    m_fontName->addItems(families);
    m_fontName->setEditText(QStringLiteral("Times New Roman"));
}

void TTexte::SetupRuler() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    m_ruler->setFont(font);
}

// The text stands 6 pixels in from either side of the editor, full height.
void TTexte::SetEditRect() {
    QTextDocument *doc = m_editor->document();
    doc->setDocumentMargin(0);
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    if (frame.leftMargin() == 6 && frame.rightMargin() == 6)
        return;
    frame.setLeftMargin(6);
    frame.setRightMargin(6);
    // A margin is no change of the letter.
    const bool modified = doc->isModified();
    doc->rootFrame()->setFrameFormat(frame);
    doc->setModified(modified);
}

void TTexte::Setsoc(const QString &line1, const QString &line2, const QString &line3,
                    const QString &line4) {
    m_identity = {line1, line2, line3, line4};
}

void TTexte::Init(const QStringList &lines) {
    m_editor->setTextCursor(
        appendLines(*m_editor->document(), m_identity + lines, m_editor->currentCharFormat()));
}

bool TTexte::ExportHtml(const QString &name) {
    QString error;
    const QString rtf = writeRtf(*m_editor->document()).join(QStringLiteral("\r\n"));
    if (!WordProc::ExportHtml(name, rtf, m_identity.value(0), &error).isEmpty())
        return true;
    Dialogs::instance().message(this, QStringLiteral("Impossible d'enregistrer le fichier ") +
                                          htmName(name) + QStringLiteral(" : ") + error);
    return false;
}

void TTexte::SelectionChange() {
    m_updating = true;
    const QTextCursor cursor = m_editor->textCursor();
    const Indents in = indents(cursor.blockFormat());
    m_ruler->placeMarker(RulerPanel::First, Ruler::firstMarker(in));
    m_ruler->placeMarker(RulerPanel::Left, Ruler::leftMarker(in));
    m_ruler->placeMarker(RulerPanel::Right, Ruler::rightMarker(in, m_ruler->width()));

    const QTextCharFormat format = m_editor->currentCharFormat();
    m_bold->setChecked(format.fontWeight() > QFont::Medium);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    m_bullets->setChecked(cursor.currentList() != nullptr);

    // Text without a size of its own shows in the document's font.
    const QFont shown = format.font().resolve(m_editor->document()->defaultFont());
    const double points = shown.pointSizeF() > 0 ? shown.pointSizeF() : shown.pixelSize() * 0.75;
    m_fontSize->setValue(qRound(points));
    const QString family = format.fontFamilies().toStringList().value(0);
    m_fontName->setEditText(family.isEmpty() ? m_editor->document()->defaultFont().family()
                                             : family);

    const Qt::Alignment align = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    (align & Qt::AlignHCenter                       ? m_center
     : align & (Qt::AlignRight | Qt::AlignTrailing) ? m_right
                                                    : m_left)
        ->setChecked(true);
    m_updating = false;
}

void TTexte::CurrText(const QTextCharFormat &format) {
    // The selection when there is one, otherwise what will be typed next.
    m_editor->mergeCurrentCharFormat(format);
}

void TTexte::setBold(bool on) {
    if (m_updating)
        return;
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    CurrText(format);
}

void TTexte::setItalic(bool on) {
    if (m_updating)
        return;
    QTextCharFormat format;
    format.setFontItalic(on);
    CurrText(format);
}

void TTexte::setUnderline(bool on) {
    if (m_updating)
        return;
    QTextCharFormat format;
    format.setFontUnderline(on);
    CurrText(format);
}

void TTexte::setFontName(const QString &name) {
    if (m_updating || m_fontName->findText(name) < 0)
        return;
    QTextCharFormat format;
    format.setFontFamilies(QStringList{name});
    CurrText(format);
}

void TTexte::setFontSize(int points) {
    if (m_updating)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    CurrText(format);
}

void TTexte::setAlignment(Qt::Alignment alignment) {
    if (m_updating)
        return;
    m_editor->setAlignment(alignment);
}

void TTexte::setBullets(bool on) {
    if (m_updating)
        return;
    QTextCursor cursor = m_editor->textCursor();
    cursor.beginEditBlock();
    if (on) {
        QTextListFormat list;
        list.setStyle(QTextListFormat::ListDisc);
        cursor.createList(list);
    } else {
        forEachBlock(cursor, [](const QTextBlock &block) {
            if (QTextList *list = block.textList())
                list->remove(block);
        });
        // The paragraphs keep their indents, without the list's own.
        QTextBlockFormat format;
        format.setIndent(0);
        cursor.mergeBlockFormat(format);
    }
    cursor.endEditBlock();
    SelectionChange();
}

void TTexte::chooseFont() {
    if (m_updating)
        return;
    // The font the tool bar shows: what the text sets, the document's default for the rest.
    const QTextCharFormat current = m_editor->currentCharFormat();
    QFont font = current.font().resolve(m_editor->document()->defaultFont());
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(font.pixelSize() * 0.75);
    QColor colour = current.foreground().style() == Qt::NoBrush ? QColor(Qt::black)
                                                                : current.foreground().color();
    if (!Dialogs::instance().font(this, font, colour))
        return;
    QTextCharFormat format;
    format.setFontFamilies(QStringList{font.family()});
    format.setFontPointSize(font.pointSizeF() > 0 ? font.pointSizeF() : 10);
    format.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic());
    format.setFontUnderline(font.underline());
    format.setForeground(colour);
    CurrText(format);
}

void TTexte::dropMarker(RulerPanel::Marker which, int left, int offset) {
    QTextCursor cursor = m_editor->textCursor();
    Indents in = indents(cursor.blockFormat());
    switch (which) {
    case RulerPanel::First:
        in = Ruler::dropFirst(in, left, m_ruler->marker(RulerPanel::Left)->x(), offset);
        break;
    case RulerPanel::Left:
        in = Ruler::dropLeft(in, left, offset);
        break;
    case RulerPanel::Right:
        in = Ruler::dropRight(in, left, offset, m_ruler->width());
        break;
    }
    in.first = qBound(-MaxIndent, in.first, MaxIndent);
    in.left = qBound(-MaxIndent, in.left, MaxIndent);
    in.right = qBound(-MaxIndent, in.right, MaxIndent);
    QTextBlockFormat format;
    setIndents(format, in);
    cursor.mergeBlockFormat(format);
    SelectionChange();
}

bool TTexte::askToSave() {
    if (!m_editor->document()->isModified())
        return true;
    const auto answer =
        Dialogs::instance().warning(this,
                                    QStringLiteral("Enregistrer changements dans ") +
                                        QFileInfo(m_fileName).fileName() + QStringLiteral(" ?"),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return save();
    return answer == QMessageBox::No;
}

bool TTexte::save() {
    QTextDocument *doc = m_editor->document();
    if (!doc->isModified())
        return true;
    const QString name = Dialogs::instance().saveFileName(
        this, QStringLiteral("Enregistrer"), rtfFilter,
        m_keepOriginal ? copyName(m_fileName) : m_fileName, nullptr, [](const QString &typed, int) {
            return QFileInfo(typed).suffix().isEmpty() ? typed + QLatin1String(".rtf") : typed;
        });
    if (name.isEmpty())
        return false;
    QString error;
    if (!TextFile::write(name, writeRtf(*doc), &error)) {
        Dialogs::instance().message(this, QStringLiteral("Impossible d'enregistrer le fichier ") +
                                              name + QStringLiteral(" : ") + error);
        return false;
    }
    m_fileName = name;
    m_keepOriginal = false;
    doc->setModified(false);
    return true;
}

void TTexte::newLetter() {
    if (!askToSave())
        return;
    m_editor->clear();
    m_keepOriginal = false;
    SetEditRect();
    m_editor->setCurrentCharFormat(typingFormat());
    m_editor->setTextCursor(appendLines(*m_editor->document(), m_identity, typingFormat()));
}

void TTexte::openFile() {
    if (!askToSave())
        return;
    QString name = Dialogs::instance().openFileName(this, QStringLiteral("Ouvrir"), rtfFilter);
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty() && !QFileInfo::exists(name))
        name += QLatin1String(".rtf");
    QFile file(name);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        Dialogs::instance().message(this, QStringLiteral("Impossible de lire le fichier ") + name);
        return;
    }
    QTextDocument *doc = m_editor->document();
    const Dropped dropped = readRtf(*doc, bytes);
    SetEditRect();
    m_fileName = name;
    m_keepOriginal = dropped.any();
    m_editor->moveCursor(QTextCursor::Start);
    doc->setModified(false);
    SelectionChange();
    if (dropped.any())
        Dialogs::instance().message(this, dropped.notice());
}

void TTexte::exportFile() {
    const QString name = Dialogs::instance().saveFileName(
        this, QStringLiteral("Exporter"), htmlFilter, {}, nullptr,
        [](const QString &typed, int) { return WordProc::htmName(typed); });
    if (!name.isEmpty())
        ExportHtml(name);
}

void TTexte::printDocument() {
    // Under an empty document title.
    const PrintJob printout = [this](PainterSurface &surface) {
        return printLetter(surface, *m_editor->document());
    };
    if (askRunPrinter(this, printout))
        printOnRunPrinter(this, printout);
}

void TTexte::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    m_close->move(width() - 90, (m_bar->height() - m_close->height()) / 2);
    SetEditRect();
    SelectionChange();
}

void TTexte::closeEvent(QCloseEvent *event) {
    if (askToSave())
        event->accept();
    else
        event->ignore();
}

void TTexte::reject() {
    if (askToSave())
        QDialog::reject();
}
