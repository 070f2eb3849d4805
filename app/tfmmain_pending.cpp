// Handlers whose subsystems are still being written; each owner removes its
// block when the real definitions land.
#include "app/tfmmain.h"
#include "app/proxysettings.h"

// forecast
void TfmMain::setupForecastView() {}
void TfmMain::ReloadForecast() {}
void TfmMain::calForecastClick() {}
void TfmMain::MTodayClick() {}
void TfmMain::MNextMonthClick() {}
void TfmMain::MPrevMonthClick() {}
void TfmMain::MNextYearClick() {}
void TfmMain::PrevYearClick() {}
void TfmMain::btForecastClick() {}
// end forecast
