#pragma once
// Test hooks of the help functions, so that no modal box opens in a test.
#include <functional>
#include <string>

// Replaces the message box of the help functions; null restores it.
void SetHelpMessageHook(std::function<void(const std::string& text)> hook);
// The page the help window shows now; empty when it is not open.
std::string CurrentHelpPage();
// The text of that page as the help window renders it.
std::string CurrentHelpText();
// Closes the help window if it is open (also at shut-down, so that it does
// not keep the program alive).
void CloseHelp();
