// The ready dish's arithmetic and what the portions path writes, without windows.
#include "ReadyDish.h"
#include "Errors.h"
#include "TestSupport.h"
#include "UDM.h"

#include <QLocale>
#include <QtTest>

#include <memory>

class ReadyDishTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void per100gIsNotRounded_data();
    void per100gIsNotRounded();
    void roundTwo_data();
    void roundTwo();
    void portionsWriteProductAndMeasures_data();
    void portionsWriteProductAndMeasures();
    void failingStatementWritesNothing();
    void stepPortionCount_data();
    void stepPortionCount();

private:
    QString Db() const { return folder->File(QStringLiteral("KKAL.mdb")); }
    std::unique_ptr<TestFolder> folder;
};

void ReadyDishTest::init()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    folder = std::make_unique<TestFolder>();
    DM = new TDM;
}

void ReadyDishTest::cleanup()
{
    delete DM;
    DM = nullptr;
    folder.reset();
}

void ReadyDishTest::per100gIsNotRounded_data()
{
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<int>("grams");
    QTest::addColumn<QList<double>>("expected");
    QTest::newRow("750/30/20/100 over 500 g")
        << QStringList{"750,0", "30,0", "20,0", "100,0"} << 500 << QList<double>{150, 6, 4, 20};
    QTest::newRow("thirds stay unrounded") << QStringList{"100,0", "1,0", "0,0", "2,5"} << 300
                                           << QList<double>{100.0 / 3, 1.0 / 3, 0, 2.5 / 3};
}

void ReadyDishTest::per100gIsNotRounded()
{
    QFETCH(QStringList, totals);
    QFETCH(int, grams);
    QFETCH(QList<double>, expected);
    const TDishTotals t =
        Per100g(DishTotalsFromTexts(totals[0], totals[1], totals[2], totals[3]), grams);
    QCOMPARE(t.K, expected[0]);
    QCOMPARE(t.B, expected[1]);
    QCOMPARE(t.Z, expected[2]);
    QCOMPARE(t.U, expected[3]);
}

void ReadyDishTest::roundTwo_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("a third") << 1000.0 / 300 << 3.33;
    QTest::newRow("two thirds") << 2.0 / 3 << 0.67;
    QTest::newRow("half a hundredth up") << 0.125 << 0.13;
    QTest::newRow("negative half away from zero") << -0.125 << -0.13;
    QTest::newRow("tiny is zero") << 0.004 << 0.0;
}

void ReadyDishTest::roundTwo()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(RoundTwo(value), expected);
}

void ReadyDishTest::portionsWriteProductAndMeasures_data()
{
    QTest::addColumn<double>("kkal");
    QTest::addColumn<double>("portions");
    QTest::addColumn<int>("grams");
    QTest::addColumn<double>("productKkal");
    QTest::addColumn<double>("measure100");
    QTest::addColumn<double>("portionKkal");
    QTest::addColumn<bool>("recomputed");
    QTest::newRow("4 x 250 g of 1000 kcal")
        << 1000.0 << 4.0 << 250 << 100.0 << 100.0 << 250.0 << true;
    QTest::newRow("3 x 100 g of 1000 kcal")
        << 1000.0 << 3.0 << 100 << 333.0 << 333.0 << 333.0 << true;
    QTest::newRow("2 portions of unknown weight")
        << 600.0 << 2.0 << 0 << 0.0 << 0.0 << 300.0 << false;
}

void ReadyDishTest::portionsWriteProductAndMeasures()
{
    QFETCH(double, kkal);
    QFETCH(double, portions);
    QFETCH(int, grams);
    QFETCH(double, productKkal);
    QFETCH(double, measure100);
    QFETCH(double, portionKkal);
    QFETCH(bool, recomputed);
    SqlExec(Db(), QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,id_grup) VALUES('Хлеб',250,"
                                 "4)"));
    bool told = false;
    const qint32 id = WritePortionDish(QStringLiteral("Борщ"), 7, QStringLiteral("тарелка"),
                                       {kkal, 30, 20, 100}, portions, grams, [&] { told = true; });
    QCOMPARE(told, recomputed);
    QCOMPARE(id, 2);
    QVERIFY(!DM->ADOTrans.InTransaction());

    const auto product = [&](const char *column) {
        return SqlColumn(Db(), QStringLiteral("SELECT %1 FROM tab_prod WHERE id_prod=2")
                                   .arg(QLatin1String(column)))
            .first();
    };
    QCOMPARE(product("naim_prod").toString(), QStringLiteral("Борщ"));
    QCOMPARE(product("id_grup").toInt(), 7);
    QCOMPARE(product("kkal").toDouble(), productKkal);

    const QVariantList names = SqlColumn(
        Db(), QStringLiteral("SELECT naim_mera FROM tab_mera WHERE id_prod=2 ORDER BY id_mif"));
    QCOMPARE(names, (QVariantList{QStringLiteral("100г"), QStringLiteral("тарелка")}));
    const QVariantList g = SqlColumn(
        Db(), QStringLiteral("SELECT g_mera FROM tab_mera WHERE id_prod=2 ORDER BY id_mif"));
    QCOMPARE(g, (QVariantList{100, grams}));
    const QVariantList k = SqlColumn(
        Db(), QStringLiteral("SELECT kkal_mera FROM tab_mera WHERE id_prod=2 ORDER BY id_mif"));
    QCOMPARE(k.at(0).toDouble(), measure100);
    QCOMPARE(k.at(1).toDouble(), portionKkal);
    if (recomputed) {
        // Б, Ж, У follow the same two-decimal per-gram values.
        const double weight = portions * grams;
        QCOMPARE(product("bel").toDouble(), 100 * RoundTwo(30 / weight));
        QCOMPARE(product("ugl").toDouble(), 100 * RoundTwo(100 / weight));
    } else {
        QCOMPARE(product("bel").toDouble(), 0.0);
    }
}

void ReadyDishTest::failingStatementWritesNothing()
{
    SqlExec(Db(), QStringLiteral("CREATE TRIGGER fail BEFORE UPDATE ON tab_prod "
                                 "BEGIN SELECT RAISE(ABORT,'injected'); END"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                             WritePortionDish(QStringLiteral("Борщ"), 7, QStringLiteral("тарелка"),
                                              {1000, 30, 20, 100}, 4, 250, {}));
    QVERIFY(!DM->ADOTrans.InTransaction());
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT count(*) FROM tab_prod")).first().toInt(), 0);
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT count(*) FROM tab_mera")).first().toInt(), 0);
}

void ReadyDishTest::stepPortionCount_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("after");
    QTest::newRow("up on empty") << "" << true << "0";
    QTest::newRow("up on 1") << "1" << true << "2";
    QTest::newRow("up on 1,5") << "1,5" << true << "2,5";
    QTest::newRow("down on 1 stays") << "1" << false << "1";
    QTest::newRow("down on 1,5") << "1,5" << false << "0,5";
    QTest::newRow("down on 0,5 stays") << "0,5" << false << "0,5";
    QTest::newRow("down on 1,2 stays above 0,1") << "1,2" << false << "0,2";
}

void ReadyDishTest::stepPortionCount()
{
    QFETCH(QString, before);
    QFETCH(bool, up);
    QFETCH(QString, after);
    QString text = before;
    QCOMPARE(StepPortionCount(text, up), after != before);
    QCOMPARE(text, after);
}

QTEST_GUILESS_MAIN(ReadyDishTest)
#include "ReadyDishTest.moc"
