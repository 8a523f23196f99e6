#include "tools/LocatorView.h"

#include "link/ReflectorSession.h"
#include "tools/frmSummary.h"
#include "ui/Forms.h"
#include "ui/PanelStatusBar.h"

using ui::form;
using S = ReflectorSession;

void showSessionInLocator(ReflectorSession& session)
{
    QObject::connect(&session, &S::locatorResult, [](S::LocatorOutcome outcome, const LocatorResult& result) {
        form<frmSummary>().showResult(outcome, result);
    });
    QObject::connect(&session, &S::locatorStatus,
                     [](const QByteArray& text) { form<frmSummary>().StatusBar1->setPanelText(1, text); });
    QObject::connect(&session, &S::locatorOpenDue, [] { form<frmSummary>().openFromHint(); });
    QObject::connect(&session, &S::noDataAtPlace, [] { form<frmSummary>().showNoDataAtPlace(); });
}
