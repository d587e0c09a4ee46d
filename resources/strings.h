#pragma once
// The game's string table: German texts as UTF-8, by their numeric ids.

// The entry's text, or null when the table has no entry of that id.
const char* StringTableEntry(int id);
