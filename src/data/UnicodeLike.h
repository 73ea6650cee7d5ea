#pragma once

#include <QString>

// LIKE as a user reads it: letter case ignored for every alphabet, ё equal to е, "%" any run
// of characters, "_" one character, and an optional escape character.
bool UnicodeLike(const QString &pattern, const QString &text, QChar escape = QChar());

// Registers UnicodeLike as the engine's LIKE on a raw SQLite connection handle.
void RegisterUnicodeLike(void *sqliteHandle);
