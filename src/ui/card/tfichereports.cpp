// The card's reports: operation statistics, activity report and planning.
#include "card/tfiche.h"
#include "common/dialogs.h"
#include "reports/activityreport.h"
#include "reports/operationstats.h"
#include "reports/tplanning.h"
#include "reports/trapport.h"
#include "reports/tstatsopr.h"
#include "store/cardpage.h"

void TFiche::StatsOperation() {
    collect();
    m_data.EcritOperation();
    TStatsOpr window(this);
    window.Init(OperationStats::entries(m_data.list(Kind::Operation)), QString());
    Dialogs::instance().exec(&window);
}

void TFiche::StatsActivites() {
    collect();
    m_data.EcritOperation();
    m_data.EcritJournee();
    TRapport window(this);
    window.Init(ActivityReport::entries(m_data.list(Kind::Operation), m_data.list(Kind::DayAction)),
                QString(), m_data.today());
    Dialogs::instance().exec(&window);
}

void TFiche::Relances() {
    collect();
    m_data.EcritFiche();
    m_data.EcritJournee();
    TPlanning window(this);
    window.Init(m_data.list(Kind::Company), m_data.list(Kind::DayAction), m_data.today());
    Dialogs::instance().exec(&window);
    const int block = window.Result();
    if (block < 0 || m_data.list(Kind::Company).findBlock(block) < 0)
        return;
    // As the Sociétés command: the page left writes its record.
    Societes();
    m_data.jumpTo(Kind::Company, block);
    display(Kind::Company);
    page(Kind::Company)->firstField()->setFocus();
}
