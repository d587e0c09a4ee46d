#include "app/stored_texts.h"

#include "app/text.h"

namespace {
constexpr auto kDisplayName = Store("Kolvar Backgammon");
constexpr auto kHeader1 = Store("Backgammon gegen den Computer");
constexpr auto kHeader2 = Store("Copyright ");
constexpr auto kHeader3 = Store(" Kolvar, ");
constexpr auto kHeader4 = Store("Version 1.0 für Linux");
constexpr auto kAboutVersion = Store("Version 1.0");
constexpr auto kAboutInfo1 = Store("Backgammon gegen den Computer");
constexpr auto kAboutInfo2 = Store("Viel Vergnügen!");
}  // namespace

std::string DisplayNameText() { return Unscramble(kDisplayName.data(), kDisplayName.size()); }

std::string LogHeaderText(int n) {
  switch (n) {
    case 1: return Unscramble(kHeader1.data(), kHeader1.size());
    case 2: return Unscramble(kHeader2.data(), kHeader2.size());
    case 3: return Unscramble(kHeader3.data(), kHeader3.size());
    case 4: return Unscramble(kHeader4.data(), kHeader4.size());
    default: return std::string();
  }
}

std::string AboutVersionText() { return Unscramble(kAboutVersion.data(), kAboutVersion.size()); }

std::string AboutInfoText(int n) {
  if (n == 1) return Unscramble(kAboutInfo1.data(), kAboutInfo1.size());
  if (n == 2) return Unscramble(kAboutInfo2.data(), kAboutInfo2.size());
  return std::string();
}
