#include "TestSupport.h"

#include "Paths.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

TestFolder::TestFolder(DbKind kind) : fDir(std::make_unique<QTemporaryDir>())
{
    if (!fDir->isValid())
        throw std::runtime_error("no temporary folder");
    if (kind != NoDb) {
        const QString source =
            QString::fromUtf8(kind == EmptyDb ? SYTOMIR_EMPTY_DB : SYTOMIR_SHIPPED_DB);
        if (!QFile::copy(source, File("KKAL.mdb")))
            throw std::runtime_error("cannot copy the test database");
        QFile(File("KKAL.mdb")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    SetAppDir(fDir->path());
}

TestFolder::~TestFolder()
{
    SetAppDir(QString());
}

QString TestFolder::Path() const
{
    return fDir->path() + QLatin1Char('/');
}

QString TestFolder::File(const QString &name) const
{
    return Path() + name;
}

namespace {

QVariantList Run(const QString &dbFile, const QString &sql, const QVariantList &params)
{
    QVariantList result;
    const QString name = QStringLiteral("test-side-connection");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(dbFile);
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        QSqlQuery q(db);
        if (!q.prepare(sql))
            throw std::runtime_error(q.lastError().text().toStdString());
        for (const QVariant &p : params)
            q.addBindValue(p);
        if (!q.exec())
            throw std::runtime_error(q.lastError().text().toStdString());
        while (q.next())
            result.append(q.value(0));
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

QVariantList SqlColumn(const QString &dbFile, const QString &sql, const QVariantList &params)
{
    return Run(dbFile, sql, params);
}

void SqlExec(const QString &dbFile, const QString &sql, const QVariantList &params)
{
    Run(dbFile, sql, params);
}
