#pragma once
// The desktop's language for the texts that GTK and wx bring along (the file
// and colour choosers, the help window's tools). Nothing the game reads or
// writes depends on the locale: its files are read and written byte by byte
// and its numbers with "%d" and digit loops, which no locale changes.

// Before wx starts GTK: the C library's locale from the environment, as GTK
// would have set it had wx not kept it from doing so.
void UseDesktopLocale();

// Once wx runs: wx's own texts in the desktop's language, when the desktop
// has one.
void LoadWxTranslations();
