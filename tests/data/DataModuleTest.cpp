// The database schema and the data module: the column orders that statements
// rely on, keys that always grow, a missing database file, a failing statement, the
// transaction guard, and TableProd's key-only writes.
#include "Errors.h"
#include "TestSupport.h"
#include "UDM.h"

#include <QFile>
#include <QtTest>

#include <limits>

class DataModuleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnOrder_data();
    void columnOrder();
    void selectStarByPosition();
    void keysAlwaysGrow_data();
    void keysAlwaysGrow();
    void missingDatabaseFile();
    void failingStatementCarriesEngineText();
    void namesIgnoreLetterCase();
    void transactionGuardRollsBack();
    void transactionGuardCommits();
    void tableProdPostsByKeyOnly();
    void tableProdAppendGetsNewKey();
};

void DataModuleTest::columnOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("tab_prod") << "tab_prod" << QStringList{"id_prod", "naim_prod", "kkal",   "bel",
                                                           "zir",     "ugl",       "id_grup"};
    // Only the first two places are binding; the others are as the schema lays them.
    QTest::newRow("tab_grup") << "tab_grup"
                              << QStringList{"id_grup", "naim_grup", "num_tv", "id_parent"};
    QTest::newRow("tab_mera") << "tab_mera"
                              << QStringList{"id_mif", "id_prod", "naim_mera", "g_mera",
                                             "kkal_mera"};
    QTest::newRow("tab_nazv_rac") << "tab_nazv_rac" << QStringList{"id", "naim_rac"};
    QTest::newRow("tab_racion") << "tab_racion"
                                << QStringList{"id_mif", "id_rac", "vremy",   "id_prod",
                                               "flag",   "g",      "id_porc", "kol_porc",
                                               "kkal",   "bel",    "zir",     "ugl"};
}

void DataModuleTest::columnOrder()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    TestFolder folder;
    TDM dm;
    dm.SQL1.SetSQL(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    dm.SQL1.Open();
    QStringList actual;
    QString key;
    for (; !dm.SQL1.Eof(); dm.SQL1.Next()) {
        actual.append(dm.SQL1.FieldByName("name").toString());
        if (dm.SQL1.FieldByName("pk").toInt() == 1)
            key = dm.SQL1.FieldByName("name").toString();
    }
    QCOMPARE(actual, columns);
    QCOMPARE(key, columns.first());
    // The key is assigned by the database and never reused.
    dm.SQL1.SetSQL(QStringLiteral("SELECT sql FROM sqlite_master WHERE name=:t"));
    dm.SQL1.Bind("t", table);
    dm.SQL1.Open();
    QVERIFY(dm.SQL1.Field(0).toString().contains("INTEGER PRIMARY KEY AUTOINCREMENT",
                                                 Qt::CaseInsensitive));
}

void DataModuleTest::selectStarByPosition()
{
    // The third to sixth columns of "SELECT *" on tab_prod are kkal, bel, zir, ugl.
    TestFolder folder;
    TDM dm;
    dm.SQL1.SetSQL("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                   "VALUES('Кефир',40.5,3,1,4,7)");
    dm.SQL1.ExecSQL();
    dm.SQL1.SetSQL("SELECT * FROM tab_prod");
    dm.SQL1.Open();
    QCOMPARE(dm.SQL1.RecordCount(), 1);
    QCOMPARE(dm.SQL1.Field(1).toString(), QStringLiteral("Кефир"));
    QCOMPARE(dm.SQL1.Field(2).toDouble(), 40.5);
    QCOMPARE(dm.SQL1.Field(3).toDouble(), 3.0);
    QCOMPARE(dm.SQL1.Field(4).toDouble(), 1.0);
    QCOMPARE(dm.SQL1.Field(5).toDouble(), 4.0);
    QCOMPARE(dm.SQL1.FieldByName("ID_GRUP").toInt(), 7);
}

void DataModuleTest::keysAlwaysGrow_data()
{
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::newRow("tab_nazv_rac") << "INSERT INTO tab_nazv_rac(naim_rac) VALUES('Рацион')"
                                  << "tab_nazv_rac"
                                  << "id";
    QTest::newRow("tab_prod") << "INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                                 "VALUES('Сыр',364,23.2,29.5,0,3)"
                              << "tab_prod"
                              << "id_prod";
    QTest::newRow("tab_racion")
        << "INSERT INTO tab_racion(id_rac,vremy,id_prod,flag,g,id_porc,kol_porc,kkal,bel,zir,"
           "ugl) VALUES(1,0.5,1,1,100,0,0,52,2.8,2.5,4.7)"
        << "tab_racion"
        << "id_mif";
}

void DataModuleTest::keysAlwaysGrow()
{
    QFETCH(QString, insert);
    QFETCH(QString, table);
    QFETCH(QString, key);
    TestFolder folder;
    TDM dm;
    const auto insertAndMax = [&] {
        dm.qSaveRac.SetSQL(insert);
        dm.qSaveRac.ExecSQL();
        // What saving a ration and making a ready dish run right after an insert to learn the new
        // key.
        dm.SQL1.SetSQL(QStringLiteral("SELECT max(%1) FROM %2").arg(key, table));
        dm.SQL1.Open();
        return dm.SQL1.Field(0).toLongLong();
    };
    const qint64 first = insertAndMax();
    const qint64 second = insertAndMax();
    const qint64 third = insertAndMax();
    QVERIFY(first < second && second < third);
    // Deleting the newest row must not let its key come back.
    dm.SQL2.SetSQL(QStringLiteral("DELETE FROM %1 WHERE %2=%3").arg(table, key).arg(third));
    dm.SQL2.ExecSQL();
    const qint64 fourth = insertAndMax();
    QVERIFY2(fourth > third, qPrintable(QStringLiteral("%1 after %2").arg(fourth).arg(third)));
    dm.SQL1.SetSQL(QStringLiteral("SELECT count(*) FROM %1").arg(table));
    dm.SQL1.Open();
    QCOMPARE(dm.SQL1.Field(0).toInt(), 3);
}

void DataModuleTest::missingDatabaseFile()
{
    TestFolder folder(TestFolder::NoDb);
    const QString file = folder.File("KKAL.mdb");
    TDM dm;
    QVERIFY(!dm.ADOTrans.Connected()); // nothing is opened before the first statement
    dm.SQLGrup.SetSQL("SELECT * FROM tab_grup WHERE id_parent=0 ORDER BY num_TV");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, dm.SQLGrup.Open());
    try {
        dm.SQL1.SetSQL("DELETE FROM TAB_PROD where id_grup=0");
        dm.SQL1.ExecSQL();
        QFAIL("a statement on a missing database succeeded");
    } catch (const EDatabaseError &e) {
        QVERIFY(!e.Message().trimmed().isEmpty());
    }
    QVERIFY(!dm.ADOTrans.Connected());
    QVERIFY2(!QFile::exists(file), "the program created the database file");
    QVERIFY(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void DataModuleTest::failingStatementCarriesEngineText()
{
    TestFolder folder;
    TDM dm;
    dm.SQL1.SetSQL("SELECT * FROM tab_nowhere");
    try {
        dm.SQL1.Open();
        QFAIL("no error");
    } catch (const EDatabaseError &e) {
        QVERIFY2(e.Message().contains("no such table: tab_nowhere"), qPrintable(e.Message()));
    }
    // The object is usable again with its next text.
    dm.SQL1.SetSQL("SELECT count(*) FROM tab_prod");
    dm.SQL1.Open();
    QCOMPARE(dm.SQL1.Field(0).toInt(), 0);
}

void DataModuleTest::namesIgnoreLetterCase()
{
    TestFolder folder;
    TDM dm;
    dm.SQLGrup.SetSQL("INSERT INTO Tab_Grup(naim_grup,num_TV,id_parent) VALUES('Овощи',0,0)");
    dm.SQLGrup.ExecSQL();
    dm.SQLGrup.SetSQL("UPDATE tab_grup SET num_TV=num_tv+1 WHERE ID_GRUP=1");
    dm.SQLGrup.ExecSQL();
    dm.SQLGrup.SetSQL("SELECT NUM_TV FROM TAB_GRUP");
    dm.SQLGrup.Open();
    QCOMPARE(dm.SQLGrup.FieldByName("num_tv").toInt(), 1);
}

namespace {

int NazvRacRows(const TestFolder &folder)
{
    return SqlColumn(folder.File("KKAL.mdb"), "SELECT count(*) FROM tab_nazv_rac").first().toInt();
}

} // namespace

void DataModuleTest::transactionGuardRollsBack()
{
    TestFolder folder;
    TDM dm;
    bool thrown = false;
    try {
        TTransaction trans(dm.ADOTrans);
        QVERIFY(dm.ADOTrans.InTransaction());
        dm.qSaveRac.SetSQL("INSERT INTO tab_nazv_rac(naim_rac) VALUES(:nazv)");
        dm.qSaveRac.Bind("nazv", QStringLiteral("Завтрак"));
        dm.qSaveRac.ExecSQL();
        dm.qSaveRac.SetSQL("INSERT INTO tab_racion(no_such_column) VALUES(1)");
        dm.qSaveRac.ExecSQL();
        trans.Commit();
    } catch (const EDatabaseError &) {
        thrown = true;
    }
    QVERIFY(thrown);
    QVERIFY(!dm.ADOTrans.InTransaction());
    dm.SQL1.SetSQL("SELECT count(*) FROM tab_nazv_rac");
    dm.SQL1.Open();
    QCOMPARE(dm.SQL1.Field(0).toInt(), 0);
    dm.ADOTrans.Close();
    QCOMPARE(NazvRacRows(folder), 0);
}

void DataModuleTest::transactionGuardCommits()
{
    TestFolder folder;
    TDM dm;
    {
        TTransaction trans(dm.ADOTrans);
        dm.qSaveRac.SetSQL("INSERT INTO tab_nazv_rac(naim_rac) VALUES(:nazv)");
        dm.qSaveRac.Bind("nazv", QStringLiteral("Обед"));
        dm.qSaveRac.ExecSQL();
        dm.qSaveRac.ExecSQL();
        trans.Commit();
    }
    QVERIFY(!dm.ADOTrans.InTransaction());
    dm.ADOTrans.Close();
    QCOMPARE(NazvRacRows(folder), 2);
}

void DataModuleTest::tableProdPostsByKeyOnly()
{
    TestFolder folder;
    const QString db = folder.File("KKAL.mdb");
    const double third = 1.0 / 3.0; // no exact decimal or binary form
    SqlExec(db, "INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) VALUES(?,?,?,?,?,?)",
            {QStringLiteral("Пирог"), 100 + third, 0.1, 0.2, 0.3, 5});
    SqlExec(db, "INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) VALUES(?,?,?,?,?,?)",
            {QStringLiteral("Соседний"), 1.0, 1.0, 1.0, 1.0, 5});
    TDM dm;
    dm.TableProd.Open();
    QVERIFY(dm.TableProd.Locate(1));
    QCOMPARE(dm.TableProd.FieldByName("kkal").toDouble(), 100 + third);
    // The stored value changes after it was read; the write must still find the row.
    dm.SQL1.SetSQL("UPDATE tab_prod SET kkal=:kkal WHERE id_prod=1");
    dm.SQL1.Bind("kkal", 200 + third);
    dm.SQL1.ExecSQL();
    dm.TableProd.Edit();
    dm.TableProd.SetFieldByName("naim_prod", QStringLiteral("Пирог с капустой"));
    dm.TableProd.SetFieldByName("kkal", 7.0 / 3.0);
    dm.TableProd.Post();
    QCOMPARE(dm.TableProd.State(), TTable::dsBrowse);
    dm.ADOTrans.Close();
    QCOMPARE(SqlColumn(db, "SELECT naim_prod FROM tab_prod ORDER BY id_prod"),
             (QVariantList{QStringLiteral("Пирог с капустой"), QStringLiteral("Соседний")}));
    const double stored =
        SqlColumn(db, "SELECT kkal FROM tab_prod WHERE id_prod=1").first().toDouble();
    QCOMPARE(stored, 7.0 / 3.0); // exact: bound, never written as text
    QCOMPARE(SqlColumn(db, "SELECT bel FROM tab_prod WHERE id_prod=1").first().toDouble(), 0.1);
    QCOMPARE(SqlColumn(db, "SELECT kkal FROM tab_prod WHERE id_prod=2").first().toDouble(), 1.0);
}

void DataModuleTest::tableProdAppendGetsNewKey()
{
    TestFolder folder;
    TDM dm;
    dm.TableProd.Open();
    QVERIFY(dm.TableProd.IsEmpty());
    for (int i = 1; i <= 2; ++i) {
        dm.TableProd.Append();
        dm.TableProd.SetFieldByName("naim_prod", QStringLiteral("Блюдо %1").arg(i));
        dm.TableProd.SetFieldByName("kkal", 0.1 * i);
        dm.TableProd.SetFieldByName("id_grup", 3);
        dm.TableProd.Post();
        dm.SQL1.SetSQL("SELECT max(id_prod) FROM tab_prod");
        dm.SQL1.Open();
        QCOMPARE(dm.TableProd.FieldByName("id_prod").toLongLong(), dm.SQL1.Field(0).toLongLong());
        QCOMPARE(dm.SQL1.Field(0).toInt(), i);
    }
    dm.TableProd.Last();
    QCOMPARE(dm.TableProd.FieldByName("naim_prod").toString(), QStringLiteral("Блюдо 2"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, dm.TableProd.SetFieldByName("kkal", 1.0));
}

QTEST_GUILESS_MAIN(DataModuleTest)
#include "DataModuleTest.moc"
