#include "Paths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &Override()
{
    static QString folder;
    return folder;
}
} // namespace

QString AppDir()
{
    const QString folder =
        Override().isEmpty() ? QCoreApplication::applicationDirPath() : Override();
    return QDir(folder).absolutePath() + QLatin1Char('/');
}

void SetAppDir(const QString &folder)
{
    Override() = folder;
}
