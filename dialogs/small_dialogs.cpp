#include "dialogs/small_dialogs.h"

#include "app/stored_texts.h"
#include "engine/engine.h"

GiveUpChoices GiveUpChoicesFor(bool gammonOwed, bool backgammonOwed) {
  GiveUpChoices c;
  c.single = !gammonOwed;
  c.gammon = !backgammonOwed;
  c.backgammon = true;
  c.selected = backgammonOwed ? IDC_GIVEUP_BACKGAMMON : (gammonOwed ? IDC_GIVEUP_GAMMON : IDC_GIVEUP_SINGLE);
  return c;
}

GiveUpChoices GiveUpChoicesFor(Engine& engine) {
  const bool backgammonOwed = engine.LeftBehind(SideHuman) && !engine.race;
  return GiveUpChoicesFor(engine.GiveUpAtLeastGammon(), backgammonOwed);
}

AboutTexts AboutBoxTexts() {
  AboutTexts t;
  t.title = DisplayNameText();
  t.version = AboutVersionText();
  t.info1 = AboutInfoText(1);
  t.info2 = AboutInfoText(2);
  t.date = "Tue Aug 28 15:48:21 2012";
  return t;
}
