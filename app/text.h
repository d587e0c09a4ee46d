#pragma once
// The two shared text functions: each returns its text in one process-wide
// buffer that the next call of the same function overwrites.
#include <cstddef>
#include <string>

// The string-table entry; an id without an entry leaves the previous text.
// The buffer is always the same one: an earlier result reads as the latest.
constexpr size_t kResStringBuffer = 512;
const char* LoadResString(int id);

// A stored text in plain form: every byte 100 lower, modulo 256. Works on
// bytes with an explicit length, so no plain byte is taken for a terminator.
const std::string& Unscramble(const unsigned char* stored, size_t length);

// The stored form of a plain text (every byte 100 higher), the inverse of
// Unscramble, for the tests: the game itself only reads stored texts.
std::string Scramble(const std::string& plain);
