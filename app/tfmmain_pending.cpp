// Handlers whose subsystems are still being written; each owner removes its
// block when the real definitions land.
#include "app/tfmmain.h"
#include "app/proxysettings.h"

