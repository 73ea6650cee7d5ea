#pragma once

#include <QString>

// Folder of the executable, with a trailing separator: the database, the settings, the
// template and the help file all live there. Tests point it at a folder of their own.
QString AppDir();
void SetAppDir(const QString &folder);
