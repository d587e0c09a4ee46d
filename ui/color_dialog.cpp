// The colour-scheme dialog.
#include "ui/wx_dialogs.h"

#include "platform/host.h"

int WxGameDialogs::Colors() { return IDCANCEL; }
