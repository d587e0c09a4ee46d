// The give-up, automatic-finish and About dialogs.
#include "ui/wx_dialogs.h"

#include "platform/host.h"

int WxGameDialogs::GiveUp() { return IDCANCEL; }

int WxGameDialogs::FinishSpeed() { return kFinishCancel; }

void WxGameDialogs::About() {}
