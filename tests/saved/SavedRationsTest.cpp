// Saved rations without windows: what a save writes and a load reads back, the listing and
// its name proposal, the composition preview, and saves that fail half way.
#include "SavedRations.h"
#include "Errors.h"
#include "TestSupport.h"
#include "UDM.h"

#include <QLocale>
#include <QtTest>

#include <memory>

namespace {

TRacionItem Entry(double minutes, qint32 prod, qint32 g, qint32 porc = 0, double kol = 0,
                  double kkal = 0)
{
    TRacionItem e;
    e.vremy = minutes / (24 * 60);
    e.id_prod = prod;
    e.flag = porc == 0;
    e.g = g;
    e.id_porc = porc;
    e.kol_porc = kol;
    e.kkal = kkal;
    e.bel = kkal / 7;
    e.zir = kkal / 11;
    e.ugl = kkal / 13;
    return e;
}

// A ration whose second meal holds entries of equal time out of product order, so that a
// load that sorted them by anything but their saved order would show.
TArraySave SampleRation()
{
    return {Entry(8 * 60, 5, 150, 0, 0, 375.25), Entry(8 * 60, 3, 75, 12, 2.5, 98.123456789),
            Entry(13 * 60 + 30, 9, 0, 14, 3, 360), Entry(13 * 60 + 30, 2, 40, 0, 0, 0.1),
            Entry(13 * 60 + 30, 7, 1, 0, 0, 1e-3)};
}

qint64 Count(const QString &db, const QString &table)
{
    return SqlColumn(db, QStringLiteral("SELECT count(*) FROM ") + table).first().toLongLong();
}

} // namespace

class SavedRationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void saveAndLoadKeepEveryFieldAndOrder();
    void rewriteKeepsKeyAndName();
    void loadOfRationWithoutEntriesLeavesCurrent();
    void listingHidesEmptyAndStarNames();
    void nameProposal_data();
    void nameProposal();
    void findComparesWholeName();
    void deleteRemovesNameAndEntries();
    void previewLines();
    void failingStatementLeavesDatabaseAsBefore_data();
    void failingStatementLeavesDatabaseAsBefore();

private:
    QString Db() const { return folder->File(QStringLiteral("KKAL.mdb")); }
    std::unique_ptr<TestFolder> folder;
};

void SavedRationsTest::init()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    folder = std::make_unique<TestFolder>();
    DM = new TDM;
}

void SavedRationsTest::cleanup()
{
    delete DM;
    DM = nullptr;
    folder.reset();
}

void SavedRationsTest::saveAndLoadKeepEveryFieldAndOrder()
{
    const TArraySave saved = SampleRation();
    const qint32 id = SaveNewRacion(QStringLiteral("Понедельник"), saved);
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT max(id) FROM tab_nazv_rac")).first().toInt(),
             id);
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT naim_rac FROM tab_nazv_rac WHERE id=?"), {id})
                 .first()
                 .toString(),
             QStringLiteral("Понедельник"));

    TArraySave loaded;
    QVERIFY(LoadRacion(id, loaded));
    QCOMPARE(loaded.size(), saved.size());
    for (int i = 0; i < saved.size(); ++i)
        QVERIFY2(loaded.at(i) == saved.at(i), qPrintable(QStringLiteral("entry %1").arg(i)));
}

void SavedRationsTest::rewriteKeepsKeyAndName()
{
    const qint32 id = SaveNewRacion(QStringLiteral("Обед"), SampleRation());
    const qint32 other = SaveNewRacion(QStringLiteral("Ужин"), SampleRation());
    const TArraySave replacement = {Entry(9 * 60, 4, 200, 0, 0, 50)};
    RewriteRacion(id, replacement);

    QCOMPARE(Count(Db(), QStringLiteral("tab_nazv_rac")), 2);
    QCOMPARE(FindSavedRacion(QStringLiteral("Обед")), std::optional<qint32>(id));
    TArraySave loaded;
    QVERIFY(LoadRacion(id, loaded));
    QCOMPARE(loaded, replacement);
    QVERIFY(LoadRacion(other, loaded));
    QCOMPARE(loaded, SampleRation());
}

void SavedRationsTest::loadOfRationWithoutEntriesLeavesCurrent()
{
    const qint32 id = SaveNewRacion(QStringLiteral("Пусто"), {});
    TArraySave current = SampleRation();
    QVERIFY(!LoadRacion(id, current));
    QCOMPARE(current, SampleRation());
}

void SavedRationsTest::listingHidesEmptyAndStarNames()
{
    for (const QString &name : {QStringLiteral("Вторник"), QString(), QStringLiteral("***"),
                                QStringLiteral("Апрель"), QStringLiteral(" ")})
        SqlExec(Db(), QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(?)"), {name});
    SqlExec(Db(), QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(NULL)"));

    QStringList names;
    QList<qint32> ids;
    for (const TSavedRacion &r : ListSavedRations()) {
        names.append(r.name);
        ids.append(r.id);
    }
    QCOMPARE(names, (QStringList{QStringLiteral(" "), QStringLiteral("Апрель"),
                                 QStringLiteral("Вторник")}));
    QCOMPARE(ids, (QList<qint32>{5, 4, 1}));
}

void SavedRationsTest::nameProposal_data()
{
    QTest::addColumn<bool>("anyListed");
    QTest::addColumn<int>("idRac");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing listed keeps the field") << false << -1 << "прежнее";
    QTest::newRow("none current proposes the date") << true << -1 << "05.03.26";
    QTest::newRow("current ration proposes its name") << true << 7 << "Среда";
    QTest::newRow("current ration not listed keeps the field") << true << 99 << "прежнее";
}

void SavedRationsTest::nameProposal()
{
    QFETCH(bool, anyListed);
    QFETCH(int, idRac);
    QFETCH(QString, expected);
    QList<TSavedRacion> listed;
    if (anyListed)
        listed = {{3, QStringLiteral("Вторник")}, {7, QStringLiteral("Среда")}};
    const QDateTime now(QDate(2026, 3, 5), QTime(23, 59));
    QCOMPARE(ProposeRacionName(listed, idRac, QStringLiteral("прежнее"), now), expected);
}

void SavedRationsTest::findComparesWholeName()
{
    const qint32 id = SaveNewRacion(QStringLiteral("Завтрак"), {});
    QCOMPARE(FindSavedRacion(QStringLiteral("Завтрак")), std::optional<qint32>(id));
    QCOMPARE(FindSavedRacion(QStringLiteral("Завтра")), std::nullopt);
    QCOMPARE(FindSavedRacion(QStringLiteral("Завтрак%")), std::nullopt);
}

void SavedRationsTest::deleteRemovesNameAndEntries()
{
    const qint32 gone = SaveNewRacion(QStringLiteral("Старый"), SampleRation());
    const qint32 kept = SaveNewRacion(QStringLiteral("Новый"), SampleRation());
    DeleteSavedRacion(gone);
    QVERIFY(!SavedRacionExists(gone));
    QVERIFY(SavedRacionExists(kept));
    QCOMPARE(Count(Db(), QStringLiteral("tab_racion")), SampleRation().size());
    TArraySave loaded;
    QVERIFY(!LoadRacion(gone, loaded));
}

void SavedRationsTest::previewLines()
{
    SqlExec(Db(), QStringLiteral("INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) "
                                 "VALUES(5,'Творог',250,1),(9,'Яблоко',47,1)"));
    // Product 3 is not in the catalogue any more.
    const qint32 id = SaveNewRacion(QStringLiteral("Полдник"), SampleRation().mid(0, 3));
    QCOMPARE(
        SostavLines(id),
        (QStringList{QStringLiteral("Творог 150г -375,3 ккал"), QStringLiteral(" 75г -98,1 ккал"),
                     QStringLiteral("Яблоко 0г -360,0 ккал"), QStringLiteral("-----------"),
                     QStringLiteral("Итого: 833,4 ккал")}));
    QVERIFY(!DM->qSaveRac.Active());

    const qint32 empty = SaveNewRacion(QStringLiteral("Ничего"), {});
    QCOMPARE(SostavLines(empty), QStringList());
}

void SavedRationsTest::failingStatementLeavesDatabaseAsBefore_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("save under a new name") << "new";
    QTest::newRow("overwrite") << "rewrite";
    QTest::newRow("delete") << "delete";
}

void SavedRationsTest::failingStatementLeavesDatabaseAsBefore()
{
    QFETCH(QString, operation);
    const qint32 id = SaveNewRacion(QStringLiteral("Был"), SampleRation());
    // The third entry's insert fails, and deleting a name row fails, after other statements
    // of the same handler have already run.
    SqlExec(Db(), QStringLiteral("CREATE TRIGGER fail_insert BEFORE INSERT ON tab_racion "
                                 "WHEN NEW.g=666 BEGIN SELECT RAISE(ABORT,'injected'); END"));
    SqlExec(Db(), QStringLiteral("CREATE TRIGGER fail_delete BEFORE DELETE ON tab_nazv_rac "
                                 "BEGIN SELECT RAISE(ABORT,'injected'); END"));
    TArraySave failing = SampleRation();
    failing[2].g = 666;

    const auto rowsBefore = SqlColumn(Db(), QStringLiteral("SELECT id_mif FROM tab_racion"));
    const auto namesBefore = SqlColumn(Db(), QStringLiteral("SELECT id FROM tab_nazv_rac"));
    if (operation == QLatin1String("new"))
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, SaveNewRacion(QStringLiteral("Новый"), failing));
    else if (operation == QLatin1String("rewrite"))
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, RewriteRacion(id, failing));
    else
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, DeleteSavedRacion(id));

    QVERIFY(!DM->ADOTrans.InTransaction());
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT id_mif FROM tab_racion")), rowsBefore);
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT id FROM tab_nazv_rac")), namesBefore);
    TArraySave loaded;
    QVERIFY(LoadRacion(id, loaded));
    QCOMPARE(loaded, SampleRation());
}

QTEST_GUILESS_MAIN(SavedRationsTest)
#include "SavedRationsTest.moc"
