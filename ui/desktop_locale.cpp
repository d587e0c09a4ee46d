#include "ui/desktop_locale.h"

#include <wx/log.h>
#include <wx/translation.h>

#include <clocale>
#include <cstring>

void UseDesktopLocale() {
  if (std::setlocale(LC_ALL, "") != nullptr) return;
  // One category naming a locale this system lacks fails them all; the
  // language of the texts and their encoding still count.
  (void)std::setlocale(LC_CTYPE, "");
  (void)std::setlocale(LC_MESSAGES, "");
}

void LoadWxTranslations() {
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  // Under C, wx's texts are its English originals, as GTK's are.
  if (messages == nullptr || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0) return;
  auto* translations = new wxTranslations;
  wxTranslations::Set(translations);  // wx owns it from here
  // A damaged catalogue is no reason for an error box at start: wx's texts
  // then stay English.
  wxLogNull quiet;
  (void)translations->AddStdCatalog();
}
