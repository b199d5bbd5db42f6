#include "utilities/utilitywindows.h"

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

void showCalendrier(QWidget *parent) {
    TCalendrier window(parent);
    window.exec();
}

void showCalculatrice(QWidget *parent) {
    TPocket window(parent);
    window.exec();
}

void showHorloge(QWidget *parent) {
    THorloge window(TimedatedClock::instance(), parent);
    window.exec();
}

void showEuro(QWidget *parent) {
    TEurof window(parent);
    window.exec();
}

void showBlocnotes(QWidget *parent, QStringList &notes) {
    TBlocnotes window(parent);
    window.Init(notes);
    window.exec();
    window.Result(notes);
}

void showDepartements(QWidget *parent) {
    TDepart window(parent);
    window.exec();
}

void showPeseLettres(QWidget *parent) {
    TPLettre window(parent);
    window.exec();
}

void showPrenoms(QWidget *parent) {
    TPrenoms window(parent);
    window.exec();
}

void showCodesApe(QWidget *parent) {
    TNaf window(parent);
    window.exec();
}
