#include "resources/strings.h"

namespace {
struct Entry {
  int id;
  const char* text;
};

constexpr Entry kStrings[] = {
    {kFirstOrdinalText, "ter"},
    {kSecondOrdinalText, "ter"},
    {kThirdOrdinalText, "ter"},
    {kFourthOrdinalText, "ter"},
    {kFromText, "von  "},
    {kToText, "  nach  "},
    {kRollText, "Würfeln: "},
    {kComputerDoublesText, "Computer verdoppelt. -Ok ?"},
    {kResetScoresText, "Alle Spielstände auf 0 setzen?"},
    {kChooseDestinationText, "Wähle Zielposition..."},
    {kComputerThinksText, "Denke..."},
    {kComputerMovesText, "Ziehe..."},
    {kConfirmText, "Rückgängig mit <Esc> oder rechter Maustaste"},
    {kCannotMoveText, "Du kannst nicht ziehen. Drücke die Leertaste oder würfle"},
    {kComputerLeadsText, "= Computer führt bei %d ="},
    {kHumanLeadsText, "= Spieler führt bei %d ="},
    {kShowTrendPromptText, "Zeige relativen Trend des Spiels"},
    {kUndoStepPromptText, "Macht den letzten Zug rückgängig"},
    {kPassPromptText, "Kein Zug möglich"},
    {kResetScorePromptText, "Spielstände zurücksetzen"},
    {kDoublePromptText, "Einsatz verdoppeln"},
    {kSettingsPromptText, "Ändern der Einstellungen des Spiels"},
    {kThinkTimeText, "%ld min %02ld sec"},
    {kPlayBarFirstText, "Spiele zuerst die geschlagenen Spielsteine"},
    {kTrendEvenText, "Gleichstand"},
    {kNewGameText, "Neues Spiel starten?"},
    {kBadPositionFileText, "Ungülte Positionsdatei !"},
    {kComputerDeclinesText, "Computer lehnt ab"},
    {kHoldEscText, "<Esc> gedrückt halten um abzubrechen"},
    {kInvalidRollsFileText, "Ungültige Würfeldatei!"},
    {kNoMoveText, "Kein Zug"},
    {kSettingsCaptionText, "Einstellungen"},
    {kMustPlayBothText,
     "Sie müssen wenn möglich die Augenzahl beider Würfel ziehen!\n\nMachen Sie den letzten Zug rückgängig und "
     "versuchen Sie es erneut."},
    {kColorSchemeNameText, "Schema %c"},
    {kPositionFilterText, "Positions Datei (*.pos)|*.pos|Alle Dateien (*.*)|*.*||"},
    {kRollListFilterText, "Text Datei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||"},
    {kSoundFilterText, "Wave Datei (*.wav)|*.wav||"},
    {kRedrawPromptText, "Ansicht aktualisieren"},
    {kColorsPromptText, "Wähle oder ändere das Farbschema"},
    {kSwapSidesPromptText, "Seitentausch mit dem Computer"},
    {kFinishGamePromptText, "Spiel beenden; Computer spielt beide Seiten"},
    {kBestMovePromptText, "Mache bestmöglichen Zug"},
    {kGiveUpPromptText, "Spiel aufgeben"},
    {kDocumentationPromptText, "Zeige Dokumentation"},
    {kIdleText, "Wähle Startposition..."},
    {kFileNewPromptText, "Spiel abbrechen und ein Neues starten"},
    {kFileOpenPromptText, "Gespeichertes Spiel laden"},
    {kFileSaveAsPromptText, "Spiel speichern"},
    {kAboutPromptText, "Über Kolvar Backgammon"},
    {kHelpPromptText, "Zeige die Hilfedateien"},
};
}  // namespace

const char* StringTableEntry(int id) {
  for (const Entry& e : kStrings)
    if (e.id == id) return e.text;
  return nullptr;
}
