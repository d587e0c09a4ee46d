#include "resources/strings.h"

namespace {
struct Entry {
  int id;
  const char* text;
};

constexpr Entry kStrings[] = {
    {100, "ter"},
    {101, "ter"},
    {102, "ter"},
    {103, "ter"},
    {105, "von  "},
    {106, "  nach  "},
    {107, "Würfeln: "},
    {108, "Computer verdoppelt. -Ok ?"},
    {112, "Alle Spielstände auf 0 setzen?"},
    {114, "Wähle Zielposition..."},
    {115, "Denke..."},
    {116, "Ziehe..."},
    {117, "Rückgängig mit <Esc> oder rechter Maustaste"},
    {118, "Du kannst nicht ziehen. Drücke die Leertaste oder würfle"},
    {119, "= Computer führt bei %d ="},
    {120, "= Spieler führt bei %d ="},
    {209, "Zeige relativen Trend des Spiels"},
    {216, "Macht den letzten Zug rückgängig"},
    {218, "Kein Zug möglich"},
    {226, "Spielstände zurücksetzen"},
    {227, "Einsatz verdoppeln"},
    {229, "Ändern der Einstellungen des Spiels"},
    {230, "%ld min %02ld sec"},
    {231, "Spiele zuerst die geschlagenen Spielsteine"},
    {232, "Gleichstand"},
    {233, "Neues Spiel starten?"},
    {234, "Ungülte Positionsdatei !"},
    {235, "Computer lehnt ab"},
    {236, "<Esc> gedrückt halten um abzubrechen"},
    {238, "Ungültige Würfeldatei!"},
    {239, "Kein Zug"},
    {240, "Einstellungen"},
    {1047,
     "Sie müssen wenn möglich die Augenzahl beider Würfel ziehen!\n\nMachen Sie den letzten Zug rückgängig und "
     "versuchen Sie es erneut."},
    {1048, "Schema %c"},
    {1049, "Positions Datei (*.pos)|*.pos|Alle Dateien (*.*)|*.*||"},
    {1050, "Text Datei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||"},
    {1051, "Wave Datei (*.wav)|*.wav||"},
    {32769, "Ansicht aktualisieren"},
    {32770, "Wähle oder ändere das Farbschema"},
    {32771, "Seitentausch mit dem Computer"},
    {32772, "Spiel beenden; Computer spielt beide Seiten"},
    {32773, "Mache bestmöglichen Zug"},
    {32774, "Spiel aufgeben"},
    {32787, "Zeige Dokumentation"},
    {57345, "Wähle Startposition..."},
    {57600, "Spiel abbrechen und ein Neues starten"},
    {57601, "Gespeichertes Spiel laden"},
    {57604, "Spiel speichern"},
    {57664, "Über Kolvar Backgammon"},
    {57670, "Zeige die Hilfedateien"},
};
}  // namespace

const char* StringTableEntry(int id) {
  for (const Entry& e : kStrings)
    if (e.id == id) return e.text;
  return nullptr;
}
