#include "UDM.h"

#include "Errors.h"
#include "Paths.h"
#include "UnicodeLike.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

TDM *DM = nullptr;

namespace {

QString EngineText(const QSqlError &error)
{
    const QString db = error.databaseText().trimmed();
    return db.isEmpty() ? error.text().trimmed() : db;
}

} // namespace

// --- TConnection ---------------------------------------------------------------------------

TConnection::TConnection()
{
    static int counter = 0;
    fName = QStringLiteral("ADOTrans%1").arg(++counter);
}

TConnection::~TConnection()
{
    Close();
    QSqlDatabase::removeDatabase(fName);
}

void TConnection::SetDatabaseFile(const QString &path)
{
    Close();
    fFile = path;
}

bool TConnection::Connected() const
{
    return QSqlDatabase::contains(fName) && QSqlDatabase::database(fName, false).isOpen();
}

QSqlDatabase TConnection::Db()
{
    if (!QSqlDatabase::contains(fName))
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), fName);
    QSqlDatabase db = QSqlDatabase::database(fName, false);
    if (db.isOpen())
        return db;
    if (!db.isValid())
        throw EDatabaseError(QStringLiteral("Driver not loaded: QSQLITE"));
    // mode=rw: a missing file is an error, never a new empty database.
    db.setDatabaseName(QUrl::fromLocalFile(fFile).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        const QString text = EngineText(db.lastError());
        throw EDatabaseError(text.isEmpty() ? QStringLiteral("unable to open database file")
                                            : text);
    }
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        RegisterUnicodeLike(*static_cast<void *const *>(handle.constData()));
    return db;
}

TConnection::TPrepared &TConnection::Prepared(const QString &sql)
{
    auto it = fPrepared.find(sql);
    if (it != fPrepared.end())
        return it->second;
    // Texts with keys written into them differ every time; keep the cache small.
    if (fPrepared.size() >= 64)
        fPrepared.clear();
    TPrepared p{QSqlQuery(Db()), {}, {}, false};
    p.query.setForwardOnly(true);
    if (!p.query.prepare(sql))
        throw EDatabaseError(EngineText(p.query.lastError()));
    static const QRegularExpression placeholder(QStringLiteral(":([A-Za-z_][A-Za-z0-9_]*)"));
    for (auto it = placeholder.globalMatch(sql); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (!p.params.contains(name))
            p.params.append(name);
    }
    return fPrepared.emplace(sql, std::move(p)).first->second;
}

void TConnection::Close()
{
    fPrepared.clear();
    if (QSqlDatabase::contains(fName)) {
        QSqlDatabase db = QSqlDatabase::database(fName, false);
        db.close();
    }
    fInTransaction = false;
}

void TConnection::BeginTrans()
{
    QSqlDatabase db = Db();
    if (!db.transaction())
        throw EDatabaseError(EngineText(db.lastError()));
    fInTransaction = true;
}

void TConnection::CommitTrans()
{
    QSqlDatabase db = Db();
    if (!db.commit())
        throw EDatabaseError(EngineText(db.lastError()));
    fInTransaction = false;
}

void TConnection::RollbackTrans()
{
    QSqlDatabase db = Db();
    fInTransaction = false;
    if (!db.rollback())
        throw EDatabaseError(EngineText(db.lastError()));
}

// --- TTransaction --------------------------------------------------------------------------

TTransaction::TTransaction(TConnection &connection) : fConnection(connection)
{
    fConnection.BeginTrans();
}

TTransaction::~TTransaction()
{
    if (fDone || !fConnection.InTransaction())
        return;
    try {
        fConnection.RollbackTrans();
    } catch (const EAppError &) {
        // The error that brought us here is the one the user must see.
    }
}

void TTransaction::Commit()
{
    fConnection.CommitTrans();
    fDone = true;
}

// --- TQuery --------------------------------------------------------------------------------

void TQuery::SetSQL(const QString &text)
{
    Close();
    fSQL = text;
    fParams.clear();
}

void TQuery::Bind(const QString &name, const QVariant &value)
{
    fParams.insert(name.toLower(), value);
}

void TQuery::Close()
{
    fActive = false;
    fRows.clear();
    fNames.clear();
    fPos = 0;
}

void TQuery::Open()
{
    Run(true);
}

void TQuery::ExecSQL()
{
    Run(false);
}

void TQuery::Run(bool select)
{
    Close();
    TConnection::TPrepared &p = fConnection.Prepared(fSQL);
    QSqlQuery &q = p.query;
    // The compiled statement stays cached; resetting it releases the engine's read lock.
    struct Finish {
        QSqlQuery &q;
        ~Finish() { q.finish(); }
    } finish{q};
    for (const QString &name : std::as_const(p.params))
        q.bindValue(QLatin1Char(':') + name, fParams.value(name.toLower()));
    if (!q.exec())
        throw EDatabaseError(EngineText(q.lastError()));
    if (select) {
        if (!p.fieldsKnown) {
            const QSqlRecord rec = q.record();
            for (int i = 0; i < rec.count(); ++i)
                p.fields.append(rec.fieldName(i).toLower());
            p.fieldsKnown = true;
        }
        fNames = p.fields;
        const int columns = fNames.size();
        while (q.next()) {
            QVector<QVariant> row(columns);
            for (int i = 0; i < columns; ++i)
                row[i] = q.value(i);
            fRows.append(std::move(row));
        }
        if (q.lastError().isValid())
            throw EDatabaseError(EngineText(q.lastError()));
        fActive = true;
    }
}

QVariant TQuery::Field(int index) const
{
    if (Eof() || index < 0 || index >= fNames.size())
        throw EDatabaseError(QStringLiteral("Field index out of range"));
    return fRows.at(fPos).at(index);
}

QVariant TQuery::FieldByName(const QString &name) const
{
    const int index = fNames.indexOf(name.toLower());
    if (index < 0)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return Field(index);
}

// --- TTable --------------------------------------------------------------------------------

TTable::TTable(TConnection &connection, QString table, QStringList fields)
    : fConnection(connection), fTable(std::move(table)), fFields(std::move(fields)),
      fValues(fFields.size())
{
}

void TTable::Open()
{
    if (fState != dsInactive)
        return;
    fState = dsBrowse;
    First();
}

void TTable::Close()
{
    fState = dsInactive;
    fHasRow = false;
    fModified = false;
    fValues.fill(QVariant());
}

int TTable::IndexOf(const QString &name) const
{
    for (int i = 0; i < fFields.size(); ++i)
        if (fFields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(fTable, name));
}

void TTable::LoadRow(const QString &whereOrder, qint64 key)
{
    TQuery q(fConnection);
    q.SetSQL(QStringLiteral("SELECT %1 FROM %2 %3").arg(fFields.join(','), fTable, whereOrder));
    q.Bind(QStringLiteral("key"), key);
    q.Open();
    fHasRow = !q.IsEmpty();
    for (int i = 0; i < fFields.size(); ++i)
        fValues[i] = fHasRow ? q.Field(i) : QVariant();
    fModified = false;
}

void TTable::CheckBrowseMode()
{
    if (fState == dsInactive)
        throw EDatabaseError(QStringLiteral("%1: Cannot perform this operation on a closed "
                                            "dataset")
                                 .arg(fTable));
    if (fState == dsEdit || fState == dsInsert) {
        if (fModified)
            Post();
        else
            Cancel();
    }
}

bool TTable::Locate(qint64 key)
{
    CheckBrowseMode();
    const QVector<QVariant> before = fValues;
    const bool had = fHasRow;
    LoadRow(QStringLiteral("WHERE %1=:key").arg(fFields.first()), key);
    if (!fHasRow) {
        // A failed locate keeps the current row, as a cursor would.
        fValues = before;
        fHasRow = had;
        return false;
    }
    return true;
}

void TTable::First()
{
    CheckBrowseMode();
    LoadRow(QStringLiteral("ORDER BY %1 LIMIT 1").arg(fFields.first()));
}

void TTable::Last()
{
    CheckBrowseMode();
    LoadRow(QStringLiteral("ORDER BY %1 DESC LIMIT 1").arg(fFields.first()));
}

void TTable::Append()
{
    CheckBrowseMode();
    fSaved = fValues;
    fValues.fill(QVariant());
    fState = dsInsert;
    fModified = false;
}

void TTable::Edit()
{
    if (fState == dsEdit || fState == dsInsert)
        return;
    CheckBrowseMode();
    if (!fHasRow)
        throw EDatabaseError(QStringLiteral("%1: Cannot edit an empty dataset").arg(fTable));
    fSaved = fValues;
    fState = dsEdit;
    fModified = false;
}

void TTable::Post()
{
    if (fState != dsEdit && fState != dsInsert)
        return;
    TQuery q(fConnection);
    QStringList columns = fFields.mid(1);
    if (fState == dsInsert) {
        QStringList params;
        for (const QString &c : columns)
            params.append(QLatin1Char(':') + c);
        q.SetSQL(QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
                     .arg(fTable, columns.join(','), params.join(',')));
    } else {
        // The row is found by its key alone, whatever the other stored values are now.
        QStringList sets;
        for (const QString &c : columns)
            sets.append(c + QStringLiteral("=:") + c);
        q.SetSQL(QStringLiteral("UPDATE %1 SET %2 WHERE %3=:key")
                     .arg(fTable, sets.join(','), fFields.first()));
        q.Bind(QStringLiteral("key"), fValues.first());
    }
    for (int i = 1; i < fFields.size(); ++i)
        q.Bind(fFields.at(i), fValues.at(i));
    q.ExecSQL();
    if (fState == dsInsert) {
        TQuery id(fConnection);
        id.SetSQL(QStringLiteral("SELECT last_insert_rowid()"));
        id.Open();
        fValues[0] = id.Field(0);
    }
    fState = dsBrowse;
    fHasRow = true;
    fModified = false;
}

void TTable::Cancel()
{
    if (fState == dsEdit || fState == dsInsert) {
        fValues = fSaved;
        fState = dsBrowse;
    }
    fModified = false;
}

QVariant TTable::FieldByName(const QString &name) const
{
    return fValues.at(IndexOf(name));
}

void TTable::SetFieldByName(const QString &name, const QVariant &value)
{
    const int i = IndexOf(name);
    if (fState != dsEdit && fState != dsInsert)
        throw EDatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(fTable));
    if (i == 0)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(fFields.first()));
    if (fValues.at(i) != value) {
        fValues[i] = value;
        fModified = true;
    }
}

// --- TDM -----------------------------------------------------------------------------------

TDM::TDM()
{
    DataModuleCreate();
}

void TDM::DataModuleCreate()
{
    ADOTrans.SetDatabaseFile(AppDir() + QStringLiteral("KKAL.mdb"));
}
