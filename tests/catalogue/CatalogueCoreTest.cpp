// Catalogue logic without windows: the group hierarchy in display order, the chooser texts,
// the numeric key filters with the one-decimal cut, and the grams/kcal arithmetic.
#include "Catalogue.h"
#include "Errors.h"
#include "NumberInput.h"

#include <QLocale>
#include <QtTest>

class CatalogueCoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void displayOrder_data();
    void displayOrder();
    void chooserText();
    void typedFilters_data();
    void typedFilters();
    void cutToOneDecimal_data();
    void cutToOneDecimal();
    void measureArithmetic_data();
    void measureArithmetic();
    void measureGramsOutOfRange();
};

// Rows in sibling order; the expected nodes as "level name".
void CatalogueCoreTest::displayOrder_data()
{
    QTest::addColumn<QList<TGrupRow>>("rows");
    QTest::addColumn<QStringList>("nodes");
    QTest::newRow("empty") << QList<TGrupRow>{} << QStringList{};
    QTest::newRow("children follow their group, any depth")
        << QList<TGrupRow>{{2, "B", 0},  {1, "A", 0},  {3, "a1", 1},
                           {4, "b1", 2}, {5, "a2", 1}, {6, "a1x", 3}}
        << QStringList{"0 B", "1 b1", "0 A", "1 a1", "2 a1x", "1 a2"};
    QTest::newRow("row under a missing parent is not shown")
        << QList<TGrupRow>{{1, "A", 0}, {2, "lost", 99}} << QStringList{"0 A"};
    // A key 0 would list every group as its own child again, without end.
    QTest::newRow("group with key 0 is shown once")
        << QList<TGrupRow>{{0, "Z", 0}, {1, "A", 0}} << QStringList{"0 Z", "0 A"};
}

void CatalogueCoreTest::displayOrder()
{
    QFETCH(QList<TGrupRow>, rows);
    QFETCH(QStringList, nodes);
    QStringList actual;
    for (const TGrupNode &n : GrupDisplayOrder(rows))
        actual << QStringLiteral("%1 %2").arg(n.level).arg(n.row.name);
    QCOMPARE(actual, nodes);
}

void CatalogueCoreTest::chooserText()
{
    QCOMPARE(GroupChooserText(QString(), QStringLiteral("Молочные")), QStringLiteral("Молочные"));
    QCOMPARE(GroupChooserText(QStringLiteral("A"), QStringLiteral("B")), QStringLiteral("A : B"));
}

// Each filter on one key; "-" for a refused key.
void CatalogueCoreTest::typedFilters_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("product"); // product editor number fields
    QTest::addColumn<QString>("kcal");    // kcal of a measure
    QTest::addColumn<QString>("grams");   // grams of a measure

    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("digit") << ru << "1" << QChar(u'7') << "7"
                           << "7"
                           << "7";
    QTest::newRow("point becomes comma") << ru << "12" << QChar(u'.') << ","
                                         << ","
                                         << "-";
    QTest::newRow("comma stays") << ru << "12" << QChar(u',') << ","
                                 << ","
                                 << "-";
    QTest::newRow("second separator") << ru << "1,2" << QChar(u'.') << "-"
                                      << "-"
                                      << "-";
    QTest::newRow("comma becomes point") << en << "12" << QChar(u',') << "."
                                         << "."
                                         << "-";
    QTest::newRow("second point") << en << "1.2" << QChar(u'.') << "-"
                                  << "-"
                                  << "-";
    QTest::newRow("minus") << ru << "" << QChar(u'-') << "-"
                           << "-"
                           << "-";
    QTest::newRow("plus") << ru << "1" << QChar(u'+') << "-"
                          << "-"
                          << "-";
    QTest::newRow("exponent") << ru << "1" << QChar(u'e') << "e"
                              << "-"
                              << "-";
    QTest::newRow("capital exponent") << ru << "1" << QChar(u'E') << "E"
                                      << "-"
                                      << "-";
    QTest::newRow("letter") << ru << "" << QChar(u'б') << "-"
                            << "-"
                            << "-";
    QTest::newRow("blank") << ru << "1" << QChar(u' ') << "-"
                           << "-"
                           << "-";
    QTest::newRow("backspace") << ru << "1" << QChar(0x08) << "\b"
                               << "\b"
                               << "\b";
    // Paste is a control character: the product fields let it through, the measure fields
    // take Backspace only.
    QTest::newRow("ctrl+v") << ru << "1" << QChar(0x16) << "\x16"
                            << "-"
                            << "-";
}

void CatalogueCoreTest::typedFilters()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QChar, key);
    QFETCH(QString, product);
    QFETCH(QString, kcal);
    QFETCH(QString, grams);
    QLocale::setDefault(locale);
    const auto shown = [](QChar c) { return c.isNull() ? QStringLiteral("-") : QString(c); };
    QCOMPARE(shown(FloatFieldChar(key, text)), product);
    QCOMPARE(shown(DecimalChar(key, text)), kcal);
    QCOMPARE(shown(WholeChar(key)), grams);
}

void CatalogueCoreTest::cutToOneDecimal_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cut");
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("cut, not rounded") << ru << "12,39"
                                      << "12,3";
    QTest::newRow("one decimal stays") << ru << "12,3"
                                       << "12,3";
    QTest::newRow("bare separator stays") << ru << "12,"
                                          << "12,";
    QTest::newRow("whole number") << ru << "120"
                                  << "120";
    QTest::newRow("exponent after the decimal") << ru << "1,5e3"
                                                << "1,5";
    QTest::newRow("english") << en << "0.99"
                             << "0.9";
    QTest::newRow("point is no separator in russian") << ru << "0.99"
                                                      << "0.99";
}

void CatalogueCoreTest::cutToOneDecimal()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, cut);
    QLocale::setDefault(locale);
    QCOMPARE(CutToOneDecimal(text), cut);
}

void CatalogueCoreTest::measureArithmetic_data()
{
    QTest::addColumn<double>("kkalPer100");
    QTest::addColumn<double>("grams");
    QTest::addColumn<double>("kcal");
    QTest::addColumn<double>("kcalIn");
    QTest::addColumn<int>("gramsOut");
    QTest::newRow("250 kcal: 30 g, 90 kcal") << 250.0 << 30.0 << 75.0 << 90.0 << 36;
    QTest::newRow("half gram to even, down") << 100.0 << 0.0 << 0.0 << 12.5 << 12;
    QTest::newRow("half gram to even, up") << 100.0 << 0.0 << 0.0 << 13.5 << 14;
    QTest::newRow("52 kcal: 200 g") << 52.0 << 200.0 << 104.0 << 26.0 << 50;
}

void CatalogueCoreTest::measureArithmetic()
{
    QFETCH(double, kkalPer100);
    QFETCH(double, grams);
    QFETCH(double, kcal);
    QFETCH(double, kcalIn);
    QFETCH(int, gramsOut);
    QCOMPARE(MeasureKcal(grams, kkalPer100), kcal);
    QCOMPARE(MeasureGrams(kcalIn, kkalPer100), gramsOut);
}

void CatalogueCoreTest::measureGramsOutOfRange()
{
    QVERIFY_THROWS_EXCEPTION(ERangeError, MeasureGrams(1e9, 1));
}

QTEST_GUILESS_MAIN(CatalogueCoreTest)
#include "CatalogueCoreTest.moc"
