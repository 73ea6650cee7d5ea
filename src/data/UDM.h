#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <unordered_map>

// The database connection. It is not opened until the first statement needs it, and it
// refuses to create a missing database file.
class TConnection {
public:
    TConnection();
    ~TConnection();
    TConnection(const TConnection &) = delete;
    TConnection &operator=(const TConnection &) = delete;

    void SetDatabaseFile(const QString &path);
    // The open connection; opens it first if needed, EDatabaseError when that fails.
    QSqlDatabase Db();
    bool Connected() const;
    void Close();

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return fInTransaction; }

    // A compiled statement for this text, kept for the next run of the same text: the ration
    // list and the saving of a ration run one text hundreds of times in a row.
    struct TPrepared {
        QSqlQuery query;
        QStringList params; // placeholder names in order of first use, without the colon
        QStringList fields; // column names in lower case, known after the first open
        bool fieldsKnown = false;
    };
    TPrepared &Prepared(const QString &sql);

private:
    QString fName;
    std::unordered_map<QString, TPrepared> fPrepared;
    QString fFile;
    bool fInTransaction = false;
};

// Begins a transaction and rolls it back unless Commit() was reached, so that a handler left
// by an error never leaves half of its rows behind.
class TTransaction {
public:
    explicit TTransaction(TConnection &connection);
    ~TTransaction();
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;
    void Commit();

private:
    TConnection &fConnection;
    bool fDone = false;
};

// A statement object: set the text, bind parameters by name, open or execute, walk the rows.
// An opened result is read whole, so nothing stays pending in the engine.
class TQuery {
public:
    explicit TQuery(TConnection &connection) : fConnection(connection) {}

    // Sets the statement text; closes the previous result and forgets bound values.
    void SetSQL(const QString &text);
    void Bind(const QString &name, const QVariant &value);

    void Open();
    void ExecSQL();
    void Close();
    bool Active() const { return fActive; }

    int RecordCount() const { return fRows.size(); }
    bool IsEmpty() const { return fRows.isEmpty(); }
    bool Eof() const { return fPos >= fRows.size(); }
    void First() { fPos = 0; }
    void Next() { ++fPos; }
    // Column of the current row by 0-based position or by name (any letter case).
    QVariant Field(int index) const;
    QVariant FieldByName(const QString &name) const;

private:
    void Run(bool select);

    TConnection &fConnection;
    QString fSQL;
    QHash<QString, QVariant> fParams;
    QStringList fNames;
    QVector<QVector<QVariant>> fRows;
    int fPos = 0;
    bool fActive = false;
};

// A table object on one table with an integer key assigned by the database: one current row,
// browse / edit / insert states, and writes that find the row by its key alone.
class TTable {
public:
    enum TState { dsInactive, dsBrowse, dsEdit, dsInsert };

    TTable(TConnection &connection, QString table, QStringList fields);

    void Open();
    void Close();
    bool Active() const { return fState != dsInactive; }
    TState State() const { return fState; }
    bool IsEmpty() const { return !fHasRow; }

    // Makes the row with this key current; false when there is none. A pending edit or
    // insert is stored first if it has changes, and dropped otherwise.
    bool Locate(qint64 key);
    void First();
    void Last();
    void Append();
    void Edit();
    void Post();
    void Cancel();

    QVariant FieldByName(const QString &name) const;
    void SetFieldByName(const QString &name, const QVariant &value);

private:
    void CheckBrowseMode();
    void LoadRow(const QString &whereOrder, qint64 key = 0);
    int IndexOf(const QString &name) const;

    TConnection &fConnection;
    QString fTable;
    QStringList fFields; // the key first
    QVector<QVariant> fValues;
    QVector<QVariant> fSaved;
    TState fState = dsInactive;
    bool fHasRow = false;
    bool fModified = false;
};

// The data module: the connection and the shared statement objects every window uses.
class TDM {
public:
    TDM();
    void DataModuleCreate();

    TConnection ADOTrans;
    TQuery SQLGrup{ADOTrans};
    TTable TableProd{ADOTrans,
                     QString("tab_prod"),
                     {"id_prod", "naim_prod", "kkal", "bel", "zir", "ugl", "id_grup"}};
    TQuery SQL1{ADOTrans};
    TQuery SQL2{ADOTrans};
    TQuery qSaveRac{ADOTrans};
};

extern TDM *DM;
