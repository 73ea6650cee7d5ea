#pragma once

#include <QString>

// Value of `key` in `section` of the initialisation file, or `def` when missing or empty.
QString ReadIni(const QString &fileName, const QString &section, const QString &key,
                const QString &def);
// Writes the value, creating the file or the section; false when the file cannot be written.
bool WriteIni(const QString &fileName, const QString &section, const QString &key,
              const QString &value);
