#pragma once
// wx refuses window and menu ids above 32766, while the game's command ids run
// up to 57670. The game keeps its own ids; they are mapped here, at the edge.

// The wx id standing for a game command, or -1 when the command has none.
int WxIdForCommand(int command);
// The game command of a wx id, or 0 when the id is not one of ours.
int CommandForWxId(int wxId);
