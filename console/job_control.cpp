// The console's side of a job: Run turns the settings into a job and starts the worker,
// Stop asks the worker to end, and the worker's two messages come back here. Until the
// worker adapter is in place, Run and Stop start and stop nothing.
#include "card_demo_dlg.h"

void CCardDemoDlg::RunJob() {}

void CCardDemoDlg::StopJob() {}

void CCardDemoDlg::OnJobDone() {}

void CCardDemoDlg::OnLogRefresh() {}
