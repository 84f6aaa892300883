// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/guarded_dialog.h"

namespace {

int g_running = 0;

} // namespace

int RunningGuardedDialogs()
{
    return g_running;
}

GuardedDialogRun::GuardedDialogRun()
{
    ++g_running;
}

GuardedDialogRun::~GuardedDialogRun()
{
    --g_running;
}
