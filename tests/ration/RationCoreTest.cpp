#include "Errors.h"
#include "RacionList.h"
#include "UMy.h"

#include <QLocale>
#include <QtTest>

Q_DECLARE_METATYPE(TRacionItem)

namespace {

double At(const char *hhmm)
{
    return VremyOf(QTime::fromString(QString::fromLatin1(hhmm), QStringLiteral("HH:mm")));
}

// A portion entry of product `prod` by measure `mera`; the values are chosen so that sums
// show which entries were merged.
TRacionItem Porc(const char *time, qint32 prod, qint32 mera, double count = 1, qint32 g = 10,
                 double kkal = 20)
{
    TRacionItem x;
    x.vremy = At(time);
    x.id_prod = prod;
    x.flag = false;
    x.g = g;
    x.id_porc = mera;
    x.kol_porc = count;
    x.kkal = kkal;
    x.bel = kkal / 10;
    x.zir = kkal / 20;
    x.ugl = kkal / 5;
    return x;
}

TRacionItem Gramm(const char *time, qint32 prod, qint32 g)
{
    TRacionItem x = Porc(time, prod, 0, 0, g, g * 2.0);
    x.flag = true;
    return x;
}

QString Describe(const TArraySave &rac)
{
    QStringList parts;
    for (const TRacionItem &x : rac)
        parts << QStringLiteral("%1 p%2 m%3 n%4 g%5 k%6")
                     .arg(VremyText(x.vremy))
                     .arg(x.id_prod)
                     .arg(x.id_porc)
                     .arg(x.kol_porc)
                     .arg(x.g)
                     .arg(x.kkal);
    return parts.join(QStringLiteral("; "));
}

TRacNames Names(int failAt = 0)
{
    TRacNames names;
    names.prod = [failAt](qint32 id) -> std::optional<QString> {
        if (id == failAt)
            throw EDatabaseError(QStringLiteral("no connection"));
        if (id >= 100)
            return std::nullopt;
        return QStringLiteral("Продукт %1").arg(id);
    };
    names.mera = [](qint32 id) -> std::optional<QString> {
        if (id >= 100)
            return std::nullopt;
        return id == 7 ? QStringLiteral("стакан") : QStringLiteral("мера %1").arg(id);
    };
    return names;
}

QList<QStringList> Rows(const TArraySave &rac, bool subtotals, const TRacNames &names = Names())
{
    QList<QStringList> rows;
    RacionRows(rac, subtotals, names, [&](const TRacRow &r) {
        rows.append(QStringList{r.time} + r.cells + QStringList{QString::number(r.index)});
    });
    return rows;
}

} // namespace

class RationCoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void placing_data();
    void placing();
    void failuresLeaveTheRationAlone();
    void entryValues_data();
    void entryValues();
    void timeOfDay();
    void listRows_data();
    void listRows();
    void lostNames();
    void failingLookUpKeepsEarlierRows();
    void dayTotals_data();
    void dayTotals();
    void energyShares_data();
    void energyShares();
};

void RationCoreTest::placing_data()
{
    QTest::addColumn<TArraySave>("before");
    QTest::addColumn<int>("editIndex"); // -1: the entry is added
    QTest::addColumn<TRacionItem>("entry");
    QTest::addColumn<TArraySave>("after");

    const TRacionItem a1 = Porc("08:00", 1, 11), a2 = Porc("08:00", 1, 12),
                      a3 = Porc("08:00", 1, 13), b = Porc("08:00", 2, 21), c = Porc("08:00", 3, 31);
    QTest::newRow("single entry") << TArraySave{} << -1 << a1 << TArraySave{a1};
    QTest::newRow("between two times")
        << TArraySave{b, Porc("09:00", 3, 31)} << -1 << Porc("08:30", 4, 41)
        << TArraySave{b, Porc("08:30", 4, 41), Porc("09:00", 3, 31)};
    QTest::newRow("behind the entries of its time")
        << TArraySave{b, Porc("09:00", 3, 31), Porc("09:00", 4, 41)} << -1 << Porc("09:00", 5, 51)
        << TArraySave{b, Porc("09:00", 3, 31), Porc("09:00", 4, 41), Porc("09:00", 5, 51)};
    QTest::newRow("earliest goes first")
        << TArraySave{b, Porc("09:00", 3, 31)} << -1 << Porc("07:00", 4, 41)
        << TArraySave{Porc("07:00", 4, 41), b, Porc("09:00", 3, 31)};
    QTest::newRow("beside its product") << TArraySave{a1, b} << -1 << a2 << TArraySave{a1, a2, b};
    QTest::newRow("merges with the same measure")
        << TArraySave{a1, a2, b} << -1 << Porc("08:00", 1, 11, 2.5, 30, 60)
        << TArraySave{Porc("08:00", 1, 11, 3.5, 40, 80), a2, b};
    QTest::newRow("run at the meal's end: behind its first entry")
        << TArraySave{a1, a2} << -1 << a3 << TArraySave{a1, a3, a2};
    QTest::newRow("run inside the meal: at the run's end")
        << TArraySave{a1, a2, b, c} << -1 << a3 << TArraySave{a1, a2, a3, b, c};
    QTest::newRow("grams merge with grams")
        << TArraySave{Gramm("08:00", 1, 100)} << -1 << Gramm("08:00", 1, 50)
        << TArraySave{Gramm("08:00", 1, 150)};
    QTest::newRow("grams never merge with portions")
        << TArraySave{a1} << -1 << Gramm("08:00", 1, 50) << TArraySave{a1, Gramm("08:00", 1, 50)};
    QTest::newRow("no merge across meals")
        << TArraySave{a1, Porc("09:00", 2, 21)} << -1 << Porc("09:00", 1, 11)
        << TArraySave{a1, Porc("09:00", 2, 21), Porc("09:00", 1, 11)};
    QTest::newRow("edited entry is placed anew")
        << TArraySave{Gramm("08:00", 1, 100), b, c} << 0 << Gramm("08:00", 1, 120)
        << TArraySave{b, c, Gramm("08:00", 1, 120)};
    QTest::newRow("edited time meets its twin and merges")
        << TArraySave{a1, Porc("12:30", 1, 11)} << 0 << Porc("12:30", 1, 11)
        << TArraySave{Porc("12:30", 1, 11, 2, 20, 40)};
    QTest::newRow("edited time moves into another meal")
        << TArraySave{a1, b, Porc("12:30", 3, 31)} << 0 << Porc("12:30", 1, 11)
        << TArraySave{b, Porc("12:30", 3, 31), Porc("12:30", 1, 11)};
}

void RationCoreTest::placing()
{
    QFETCH(TArraySave, before);
    QFETCH(int, editIndex);
    QFETCH(TRacionItem, entry);
    QFETCH(TArraySave, after);
    TArraySave rac = before;
    if (editIndex < 0)
        AddRac(rac, entry, false);
    else
        ReplaceRac(rac, editIndex, entry);
    QVERIFY2(rac == after,
             qPrintable(Describe(rac) + QStringLiteral("  expected  ") + Describe(after)));
}

void RationCoreTest::failuresLeaveTheRationAlone()
{
    const TArraySave before{Porc("08:00", 1, 11, 1, 2147483000), Porc("09:00", 2, 21)};
    TArraySave rac = before;
    QVERIFY_THROWS_EXCEPTION(EIntOverflow, AddRac(rac, Porc("08:00", 1, 11, 1, 1000), false));
    QCOMPARE(rac, before);
    QVERIFY_THROWS_EXCEPTION(EIntOverflow, ReplaceRac(rac, 1, Porc("08:00", 1, 11, 1, 1000)));
    QCOMPARE(rac, before);
    QVERIFY_THROWS_EXCEPTION(ERangeError, ReplaceRac(rac, 2, Porc("08:00", 1, 11)));
    QCOMPARE(rac, before);
    QVERIFY_THROWS_EXCEPTION(ERangeError, PorcEntry(0, 1, 1e8, 11, 30, 0, TProdValues{}));

    // An empty list means the ration is started afresh.
    AddRac(rac, Porc("10:00", 3, 31), true);
    QCOMPARE(rac, TArraySave{Porc("10:00", 3, 31)});
}

void RationCoreTest::entryValues_data()
{
    QTest::addColumn<double>("count"); // -1: grams
    QTest::addColumn<int>("grams");    // typed grams, or grams of one portion
    QTest::addColumn<double>("kkalMera");
    QTest::addColumn<int>("g");
    QTest::addColumn<double>("kkal");
    QTest::addColumn<double>("bel");

    // The product: 250 kcal, 10 g of proteins per 100 g.
    QTest::newRow("150 g") << -1.0 << 150 << 0.0 << 150 << 375.0 << 15.0;
    QTest::newRow("2.5 x 30 g") << 2.5 << 30 << 0.0 << 75 << 187.5 << 7.5;
    QTest::newRow("0.5 x 5 g: half to even") << 0.5 << 5 << 0.0 << 2 << 5.0 << 0.2;
    QTest::newRow("1.5 x 5 g: half to even") << 1.5 << 5 << 0.0 << 8 << 20.0 << 0.8;
    QTest::newRow("3 x weightless 120 kcal") << 3.0 << 0 << 120.0 << 0 << 360.0 << 0.0;
    QTest::newRow("too few to reach a gram") << 0.1 << 4 << 15.0 << 0 << 1.5 << 0.0;
}

void RationCoreTest::entryValues()
{
    QFETCH(double, count);
    QFETCH(int, grams);
    QFETCH(double, kkalMera);
    QFETCH(int, g);
    QFETCH(double, kkal);
    QFETCH(double, bel);
    const TProdValues prod{250, 10, 4, 20};
    const double t = At("08:00");
    const TRacionItem x = count < 0 ? GrammEntry(t, 5, grams, prod)
                                    : PorcEntry(t, 5, count, 9, grams, kkalMera, prod);
    QCOMPARE(x.g, g);
    QCOMPARE(x.kkal, kkal);
    QCOMPARE(x.bel, bel);
    QCOMPARE(x.flag, count < 0);
    QCOMPARE(x.id_porc, count < 0 ? 0 : 9);
    QCOMPARE(x.kol_porc, count < 0 ? 0.0 : count);
}

void RationCoreTest::timeOfDay()
{
    QCOMPARE(VremyText(VremyOf(QTime(13, 30, 45))), QStringLiteral("13:30"));
    QCOMPARE(VremyOf(QTime(13, 30, 45)), VremyOf(QTime(13, 30)));
    // A stored time may carry a date; only the time of day counts.
    QCOMPARE(VremyText(45000 + VremyOf(QTime(7, 59))), QStringLiteral("07:59"));
    QCOMPARE(VremyText(VremyOf(QTime(23, 59))), QStringLiteral("23:59"));
}

void RationCoreTest::listRows_data()
{
    QTest::addColumn<bool>("subtotals");
    QTest::addColumn<QList<QStringList>>("rows");

    const QStringList a{"08:00", "Продукт 1", "150г", "150", "375,0", "15,0", "4,5", "30,3", "0"};
    const QStringList b{"", "Продукт 2", "2,5 * стакан", "75", "48,8", "1,3", "0,0", "10,0", "1"};
    const QStringList c{"13:30", "Продукт 3", "200г", "200", "100,0", "2,0", "3,0", "4,0", "2"};
    QTest::newRow("without subtotals") << false << QList<QStringList>{a, b, c};
    QTest::newRow("with subtotals")
        << true
        << QList<QStringList>{
               a,
               b,
               {"", "", "Итого за прием:", "225", "423,8", "16,3", "4,5", "40,3", "-1"},
               c,
               {"", "", "Итого за прием:", "200", "100,0", "2,0", "3,0", "4,0", "-1"}};
}

void RationCoreTest::listRows()
{
    QFETCH(bool, subtotals);
    QFETCH(QList<QStringList>, rows);
    TRacionItem a = Gramm("08:00", 1, 150);
    a.kkal = 375;
    a.bel = 15;
    a.zir = 4.5;
    a.ugl = 30.25; // half away from zero
    TRacionItem b = Porc("08:00", 2, 7, 2.5, 75, 48.75);
    b.bel = 1.25;
    b.zir = 0;
    b.ugl = 10;
    TRacionItem c = Gramm("13:30", 3, 200);
    c.kkal = 100;
    c.bel = 2;
    c.zir = 3;
    c.ugl = 4;
    QCOMPARE(Rows({a, b, c}, subtotals), rows);
}

void RationCoreTest::lostNames()
{
    const QList<QStringList> rows =
        Rows({Porc("07:59", 0, 7), Porc("08:00", 100, 0), Porc("08:00", 1, 100)}, false);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].mid(0, 3), (QStringList{"07:59", "Продукт был удален", "1 * стакан"}));
    QCOMPARE(rows[1].mid(0, 3), (QStringList{"08:00", "Продукт был удален", "мера удалена"}));
    QCOMPARE(rows[2].mid(0, 3), (QStringList{"", "Продукт 1", "мера удалена"}));
    // Their numbers still show.
    QCOMPARE(rows[2][4], QStringLiteral("20,0"));
}

void RationCoreTest::failingLookUpKeepsEarlierRows()
{
    QList<int> added;
    QVERIFY_THROWS_EXCEPTION(
        EDatabaseError,
        RacionRows({Porc("08:00", 1, 11), Porc("09:00", 2, 21), Porc("09:00", 3, 31)}, true,
                   Names(2), [&](const TRacRow &r) { added.append(r.index); }));
    QCOMPARE(added, (QList<int>{0, -1}));
}

void RationCoreTest::dayTotals_data()
{
    QTest::addColumn<TArraySave>("rac");
    QTest::addColumn<QStringList>("totals");

    QTest::newRow("empty") << TArraySave{} << QStringList{"0", "0,0", "0,0", "0,0", "0,0"};
    TRacionItem small = Gramm("08:00", 1, 1);
    small.kkal = small.bel = small.zir = small.ugl = 0.04;
    QTest::newRow("each running sum rounded")
        << TArraySave{small, small, small} << QStringList{"3", "0,0", "0,0", "0,0", "0,0"};
    TRacionItem big = Gramm("08:00", 1, 2147483647);
    QTest::newRow("grams beyond 32 bits")
        << TArraySave{big, big}
        << QStringList{"4294967294", "8589934588,0", "858993458,8", "429496729,4", "1717986917,6"};
}

void RationCoreTest::dayTotals()
{
    QFETCH(TArraySave, rac);
    QFETCH(QStringList, totals);
    QCOMPARE(DayTotals(rac), totals);
}

void RationCoreTest::energyShares_data()
{
    QTest::addColumn<double>("bel");
    QTest::addColumn<double>("zir");
    QTest::addColumn<double>("ugl");
    QTest::addColumn<QStringList>("shares");

    QTest::newRow("equal grams") << 10.0 << 10.0 << 10.0 << QStringList{"23,4", "53,1", "23,5"};
    QTest::newRow("no energy") << 0.0 << 0.0 << 0.0 << QStringList{"0,0", "0,0", "0,0"};
    QTest::newRow("proteins only") << 5.0 << 0.0 << 0.0 << QStringList{"100,0", "0,0", "0,0"};
}

void RationCoreTest::energyShares()
{
    QFETCH(double, bel);
    QFETCH(double, zir);
    QFETCH(double, ugl);
    QFETCH(QStringList, shares);
    QCOMPARE(EnergyShares(bel, zir, ugl), shares);
}

QTEST_GUILESS_MAIN(RationCoreTest)
#include "RationCoreTest.moc"
