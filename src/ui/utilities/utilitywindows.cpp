#include "utilities/utilitywindows.h"

#include "common/dialogs.h"

#include "utilities/tblocnotes.h"
#include "utilities/tcalendrier.h"
#include "utilities/tdepart.h"
#include "utilities/teurof.h"
#include "utilities/thorloge.h"
#include "utilities/timedatedclock.h"
#include "utilities/tnaf.h"
#include "utilities/tplettre.h"
#include "utilities/tpocket.h"
#include "utilities/tprenoms.h"

namespace {

// Each utility is created for the call, shown modally and freed after it.
template <typename Window> void run(QWidget *parent) {
    Window window(parent);
    Dialogs::instance().exec(&window);
}

} // namespace

void showCalendrier(QWidget *parent) {
    run<TCalendrier>(parent);
}

void showCalculatrice(QWidget *parent) {
    run<TPocket>(parent);
}

void showHorloge(QWidget *parent) {
    THorloge window(TimedatedClock::instance(), parent);
    Dialogs::instance().exec(&window);
}

void showEuro(QWidget *parent) {
    run<TEurof>(parent);
}

void showBlocnotes(QWidget *parent, QStringList &notes) {
    TBlocnotes window(parent);
    window.Init(notes);
    Dialogs::instance().exec(&window);
    window.Result(notes);
}

void showDepartements(QWidget *parent) {
    run<TDepart>(parent);
}

void showPeseLettres(QWidget *parent) {
    run<TPLettre>(parent);
}

void showPrenoms(QWidget *parent) {
    run<TPrenoms>(parent);
}

void showCodesApe(QWidget *parent) {
    run<TNaf>(parent);
}
