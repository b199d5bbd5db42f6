#include "interview/tdial.h"

#include "common/dialogs.h"
#include "interview/scriptfile.h"
#include "interview/tfnouveau.h"
#include "interview/transcript.h"
#include "print/printjob.h"
#include "print/textprint.h"
#include "store/records.h"
#include "store/textfile.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
enum Page { DialoguePage, TranscriptPage, ScriptPage };
}

TDial::TDial(QWidget *parent, RandomSource *random)
    : QDialog(parent), m_ownRandom(random ? nullptr : new ClockRandom),
      m_dialogue(random ? *random : *m_ownRandom) {
    setObjectName(QStringLiteral("dial"));
    // A title bar without any button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    m_new = barButton("buttonNouveau", QStringLiteral("Nouveau dialogue"), QStyle::SP_FileIcon);
    m_end =
        barButton("buttonTerminer", QStringLiteral("Terminer dialogue"), QStyle::SP_BrowserStop);
    m_summary = barButton("buttonRecapitulatif", QStringLiteral("Récapitulatif"),
                          QStyle::SP_FileDialogContentsView);
    m_summary->setEnabled(false);
    m_close = new QPushButton(QStringLiteral("Fermer"));
    m_close->setObjectName(QStringLiteral("buttonFermer"));
    m_close->setAutoDefault(false);
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_new);
    bar->addWidget(m_end);
    bar->addWidget(m_summary);
    bar->addStretch();
    bar->addWidget(m_close);

    m_recruiter = memo("memoRecruteur");
    m_answer = memo("memoReponse");
    m_said = memo("memoDit");
    m_recruiter->setReadOnly(true);
    m_answer->setReadOnly(true);
    m_said->setReadOnly(true);
    auto *dialoguePage = new QWidget;
    auto *boxes = new QVBoxLayout(dialoguePage);
    boxes->setContentsMargins(0, 0, 0, 0);
    const std::pair<QString, QPlainTextEdit *> parts[] = {
        {QStringLiteral("Le recruteur"), m_recruiter},
        {QStringLiteral("Votre réponse"), m_answer},
        {QStringLiteral("Vous avez dit"), m_said}};
    for (const auto &[caption, edit] : parts) {
        auto *box = new QGroupBox(caption);
        auto *inside = new QVBoxLayout(box);
        inside->addWidget(edit);
        boxes->addWidget(box);
        if (edit == m_recruiter)
            m_recruiterBox = box;
    }
    m_recruiterBox->setObjectName(QStringLiteral("boxRecruteur"));
    m_transcript = new QPlainTextEdit;
    m_transcript->setObjectName(QStringLiteral("memoRecapitulatif"));
    m_script = new QPlainTextEdit;
    m_script->setObjectName(QStringLiteral("memoScript"));
    m_script->setReadOnly(true);
    m_script->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("pages"));
    // The transcript can leave the window: as a text file or on paper.
    auto *save = new QPushButton(QStringLiteral("Enregistrer..."));
    save->setObjectName(QStringLiteral("buttonEnregistrer"));
    save->setAutoDefault(false);
    auto *print = new QPushButton(QStringLiteral("Imprimer..."));
    print->setObjectName(QStringLiteral("buttonImprimer"));
    print->setAutoDefault(false);
    auto *transcriptPage = new QWidget;
    auto *transcriptBox = new QVBoxLayout(transcriptPage);
    transcriptBox->setContentsMargins(0, 0, 0, 0);
    transcriptBox->addWidget(m_transcript);
    auto *transcriptButtons = new QHBoxLayout;
    transcriptButtons->addStretch();
    transcriptButtons->addWidget(save);
    transcriptButtons->addWidget(print);
    transcriptBox->addLayout(transcriptButtons);
    m_pages->addWidget(dialoguePage);
    m_pages->addWidget(transcriptPage);
    m_pages->addWidget(m_script);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_pages);
    setFixedSize(560, 460);

    // Clicking the recruiter's line or the last answer goes back to answering.
    m_recruiter->viewport()->installEventFilter(this);
    m_said->viewport()->installEventFilter(this);
    m_answer->installEventFilter(this);

    connect(m_new, &QToolButton::clicked, this, [this] {
        Nouveaudial();
        m_summary->setEnabled(false);
    });
    connect(m_end, &QToolButton::clicked, this, &TDial::terminate);
    connect(m_summary, &QToolButton::clicked, this, [this] { showPage(TranscriptPage); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(save, &QPushButton::clicked, this, &TDial::saveTranscript);
    connect(print, &QPushButton::clicked, this, &TDial::printTranscript);
}

TDial::~TDial() = default;

QToolButton *TDial::barButton(const char *name, const QString &hint, int icon) {
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAutoRaise(true);
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    button->setIconSize(QSize(24, 24));
    return button;
}

QPlainTextEdit *TDial::memo(const char *name) {
    auto *edit = new QPlainTextEdit;
    edit->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(17);
    edit->setFont(font);
    return edit;
}

void TDial::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    if (!event->spontaneous())
        FormShow();
}

void TDial::FormShow() {
    showPage(DialoguePage);
    setWindowTitle(QString());
    const QLatin1String file(ScriptFile::FileName);
    const QStringList lines = QFileInfo(file).isFile() ? TextFile::read(file) : QStringList();
    m_script->setPlainText(lines.join(u'\n'));
    m_dialogue.setScript(lines);
    m_answer->setReadOnly(true);
    m_answer->setFocus();
    if (!lines.isEmpty())
        m_recruiterBox->setTitle(m_dialogue.recruiterLabel());
    // The window first comes up, then asks who the candidate is.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            return;
        Nouveaudial();
        m_summary->setEnabled(false);
    });
}

void TDial::Nouveaudial() {
    if (!m_dialogue.hasScript()) {
        Dialogs::instance().message(this, Dialogue::message(Dialogue::Start::NoScript));
        return;
    }
    QString name, firstName, title;
    {
        TFNouveau identity(this);
        Dialogs::instance().exec(&identity);
        identity.Result(name, firstName, title);
    }
    if (name.isEmpty())
        return;
    const Dialogue::Start start = m_dialogue.Nouveaudial(name, firstName, title);
    if (start != Dialogue::Start::Started) {
        Dialogs::instance().message(this, Dialogue::message(start));
        return;
    }
    setWindowTitle(m_dialogue.caption());
    m_transcript->clear();
    m_transcriptShown = 0;
    m_answer->setReadOnly(false);
    showPage(DialoguePage);
    refresh();
}

void TDial::Memo2KeyPress() {
    const QString typed = m_answer->toPlainText();
    m_dialogue.submit(typed);
    m_said->setPlainText(typed);
    m_answer->clear();
    refresh();
}

void TDial::FinDial() {
    m_dialogue.FinDial();
    m_dialogue.stop();
    refresh();
}

void TDial::terminate() {
    FinDial();
    m_summary->setEnabled(true);
}

void TDial::refresh() {
    m_recruiter->setPlainText(m_dialogue.recruiterLine());
    m_answer->setReadOnly(!m_dialogue.running());
    // The transcript page is the user's to edit: only new lines are added.
    const QStringList &lines = m_dialogue.transcript();
    for (; m_transcriptShown < lines.size(); ++m_transcriptShown)
        m_transcript->appendPlainText(lines.at(m_transcriptShown));
    m_answer->setFocus();
}

void TDial::showPage(int page) {
    m_pages->setCurrentIndex(page);
    if (page == DialoguePage)
        m_answer->setFocus();
}

void TDial::saveTranscript() {
    const QString name = Dialogs::instance().saveFileName(
        this, QStringLiteral("Enregistrer le récapitulatif"),
        QStringLiteral("Fichiers texte (*.txt)"), QStringLiteral("Entretien.txt"), nullptr,
        [](const QString &typed, int) { return Transcript::fileName(typed); });
    if (name.isEmpty())
        return;
    QString error;
    if (!Transcript::save(name, m_transcript->toPlainText(), &error))
        Dialogs::instance().message(this, QStringLiteral("Impossible d'enregistrer le fichier ") +
                                              name + QStringLiteral(" : ") + error);
}

void TDial::printTranscript() {
    // Printed in the page's own font, as the notepad prints its memo.
    const QFontInfo info(m_transcript->font());
    const PrintSurface::Font font{info.family(), info.pointSizeF(), PrintSurface::Plain};
    const QStringList lines = TextLines::fromText(m_transcript->toPlainText());
    printOnRunPrinter(this, [font, lines](PrintSurface &surface) {
        return printTextLines(surface, QStringLiteral("Récapitulatif de l'entretien"), font, lines);
    });
}

void TDial::keyPressEvent(QKeyEvent *event) {
    // Only "Fermer" closes the interview.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TDial::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_answer && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!m_answer->isReadOnly())
                Memo2KeyPress();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched != m_answer) {
        m_answer->setFocus();
    }
    return QDialog::eventFilter(watched, event);
}
