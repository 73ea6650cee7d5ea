#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>

#include <memory>

// A folder of the test's own, standing in for the executable's folder: it holds a fresh copy
// of the empty database (or none) and nothing else until the test writes there.
class TestFolder {
public:
    enum DbKind { EmptyDb, ShippedDb, NoDb };
    explicit TestFolder(DbKind kind = EmptyDb);
    ~TestFolder();
    QString Path() const; // with a trailing separator
    QString File(const QString &name) const;

private:
    std::unique_ptr<QTemporaryDir> fDir;
};

// Runs one statement on a connection of its own (outside DM) and returns the first column
// of every row; for seeding and checking a test database.
QVariantList SqlColumn(const QString &dbFile, const QString &sql, const QVariantList &params = {});
void SqlExec(const QString &dbFile, const QString &sql, const QVariantList &params = {});
