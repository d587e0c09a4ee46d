#pragma once
// The reading of a whole number typed into a dialog field.
#include <string>

// False for an empty field or anything that is not an optionally signed
// decimal number in int's range; blanks around it are allowed.
bool ParseWholeNumber(const std::string& text, int& value);
