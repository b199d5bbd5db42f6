// The card's profile and CV operations.
#include "card/tfiche.h"
#include "common/dialogs.h"
#include "profile/cv.h"
#include "profile/tmoi.h"
#include "wordproc/ttexte.h"

void TFiche::Vous() {
    TMoi window(this);
    QString error;
    if (!window.Init(m_profile, &error)) {
        Dialogs::instance().message(this, error);
        return;
    }
    Dialogs::instance().exec(&window);
    if (std::optional<QStringList> lines = window.Result())
        m_profile = std::move(*lines);
}

void TFiche::CV() {
    TTexte window(this);
    window.Setsoc(m_identity.lines[0], m_identity.lines[1], m_identity.lines[2],
                  m_identity.lines[3]);
    window.Init(Cv::lines(m_profile));
    Dialogs::instance().exec(&window);
}
