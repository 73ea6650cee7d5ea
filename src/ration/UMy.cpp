#include "UMy.h"

#include <QSettings>

QString ReadIni(const QString &fileName, const QString &section, const QString &key,
                const QString &def)
{
    QSettings ini(fileName, QSettings::IniFormat);
    // A value with a comma comes back as a list; it is still one text to us.
    const QString value = ini.value(section + QLatin1Char('/') + key).toStringList().join(',');
    return value.isEmpty() ? def : value;
}

bool WriteIni(const QString &fileName, const QString &section, const QString &key,
              const QString &value)
{
    QSettings ini(fileName, QSettings::IniFormat);
    ini.setValue(section + QLatin1Char('/') + key, value);
    ini.sync();
    return ini.status() == QSettings::NoError;
}
