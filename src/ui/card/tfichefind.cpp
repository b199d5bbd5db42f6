// The card's searches, sorts and list window.
#include "card/tfiche.h"
#include "common/dialogs.h"
#include "find/recordsort.h"
#include "find/search.h"
#include "find/searchdialog.h"
#include "find/tfliste.h"
#include "find/ttri.h"
#include "store/cardpage.h"

#include <memory>

void TFiche::search(int which, QDialog &dialog) {
    Dialogs::instance().exec(&dialog);
    const QString text = static_cast<SearchDialog &>(dialog).Result();
    if (text.isEmpty())
        return;
    const auto w = Search::Which(which);
    collect();
    const QString message = Search::run(m_data, w, text);
    if (!message.isEmpty()) {
        Dialogs::instance().message(this, message);
        return;
    }
    // The card of the searched kind changes; the page shown stays.
    display(Search::rule(w).kind);
}

void TFiche::RechNom() {
    TRNom dialog(this);
    search(Search::Nom, dialog);
}

void TFiche::RechTel() {
    TRTel dialog(this);
    search(Search::Tel, dialog);
}

void TFiche::RechNum() {
    TRNum dialog(this);
    search(Search::Num, dialog);
}

void TFiche::RechDeci() {
    TRDeci dialog(this);
    search(Search::Deci, dialog);
}

void TFiche::RechResume() {
    TRRes dialog(this);
    search(Search::Resume, dialog);
}

void TFiche::RechAction() {
    TRAct dialog(this);
    search(Search::Action, dialog);
}

void TFiche::sort(Kind kind, QDialog &dialog) {
    Dialogs::instance().exec(&dialog);
    const int item = static_cast<SortDialog &>(dialog).Result();
    if (item < 0)
        return;
    collect();
    RecordSort::run(m_data, kind, item);
    display(kind);
}

void TFiche::Trier() {
    TTri dialog(this);
    sort(Kind::Company, dialog);
}

void TFiche::TriOperation() {
    TTri2 dialog(this);
    sort(Kind::Operation, dialog);
}

void TFiche::Trijournee() {
    TTri2 dialog(this);
    sort(Kind::DayAction, dialog);
}

void TFiche::Liste() {
    collect();
    m_data.write(m_kind);
    std::unique_ptr<ListWindow> window;
    switch (m_kind) {
    case Kind::Company:
        window = std::make_unique<TFListe>(this);
        break;
    case Kind::Operation:
        window = std::make_unique<TFListe2>(this);
        break;
    case Kind::DayAction:
        window = std::make_unique<TFListe3>(this);
        break;
    }
    window->Init(m_data.list(m_kind));
    Dialogs::instance().exec(window.get());
    const int block = window->Result();
    if (block < 0 || block >= m_data.count(m_kind))
        return;
    m_data.jumpTo(m_kind, block);
    display(m_kind);
    page(m_kind)->firstField()->setFocus();
}
