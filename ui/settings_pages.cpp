// The settings sheet and its four pages.
#include "ui/wx_dialogs.h"

#include "platform/host.h"

int WxGameDialogs::Settings() { return IDCANCEL; }
