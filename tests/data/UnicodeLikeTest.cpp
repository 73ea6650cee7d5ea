// LIKE as the user reads it, through the data module's statements: letter case ignored for
// Cyrillic and Latin, ё equal to е, "%" any run, "_" one character, ESCAPE for literals.
#include "UnicodeLike.h"
#include "TestSupport.h"
#include "UDM.h"

#include <QtTest>

namespace {

const QStringList kNames = {
    QStringLiteral("Молоко 2,5%"),      // 1
    QStringLiteral("молоко топлёное"),  // 2
    QStringLiteral("МОЛОКО СГУЩЁННОЕ"), // 3
    QStringLiteral("ёжик в тумане"),    // 4
    QStringLiteral("Ежик"),             // 5
    QStringLiteral("Скидка 100%"),      // 6
    QStringLiteral("Скидка 1000"),      // 7
    QStringLiteral("кот"),              // 8
    QStringLiteral("кит"),              // 9
    QStringLiteral("кт"),               // 10
    QStringLiteral("Apple Pie"),        // 11
    QStringLiteral("под_чёркнутый"),    // 12
    QStringLiteral("подчёркнутый"),     // 13
};

using Ids = QList<int>;

} // namespace

class UnicodeLikeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void throughStatements_data();
    void throughStatements();
    void literalPatternInText();
    void nullGivesNoRow();
    void function_data();
    void function();

private:
    std::unique_ptr<TestFolder> fFolder;
    std::unique_ptr<TDM> fDm;
};

void UnicodeLikeTest::initTestCase()
{
    fFolder = std::make_unique<TestFolder>();
    fDm = std::make_unique<TDM>();
    for (const QString &name : kNames) {
        fDm->SQL2.SetSQL("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                         "VALUES(:naim,0,0,0,0,1)");
        fDm->SQL2.Bind("naim", name);
        fDm->SQL2.ExecSQL();
    }
}

void UnicodeLikeTest::cleanupTestCase()
{
    fDm.reset();
    fFolder.reset();
}

void UnicodeLikeTest::throughStatements_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("escape"); // empty: no ESCAPE clause
    QTest::addColumn<Ids>("expected");
    QTest::newRow("small letters") << "%молоко%"
                                   << "" << Ids{1, 2, 3};
    QTest::newRow("capitals") << "%МОЛОКО%"
                              << "" << Ids{1, 2, 3};
    QTest::newRow("mixed, at the start") << "Молоко%"
                                         << "" << Ids{1, 2, 3};
    QTest::newRow("е finds ё") << "%сгущенное"
                               << "" << Ids{3};
    QTest::newRow("ё finds е") << "ёжик"
                               << "" << Ids{5};
    QTest::newRow("ежик finds both") << "ежик%"
                                     << "" << Ids{4, 5};
    QTest::newRow("ЁЖИК finds both") << "%ЁЖИК%"
                                     << "" << Ids{4, 5};
    QTest::newRow("whole text only") << "молоко"
                                     << "" << Ids{};
    QTest::newRow("percent is a wildcard") << "%100%"
                                           << "" << Ids{6, 7};
    QTest::newRow("escaped percent") << "%100!%"
                                     << "!" << Ids{6};
    QTest::newRow("escaped percent, backslash") << "%100\\%"
                                                << "\\" << Ids{6};
    QTest::newRow("escaped percent inside") << "%2,5!%%"
                                            << "!" << Ids{1};
    QTest::newRow("underscore is one character") << "к_т"
                                                 << "" << Ids{8, 9};
    QTest::newRow("percent may be empty") << "к%т"
                                          << "" << Ids{8, 9, 10};
    QTest::newRow("escaped underscore") << "под!_%"
                                        << "!" << Ids{12};
    QTest::newRow("underscore any") << "под_%"
                                    << "" << Ids{12, 13};
    QTest::newRow("Latin capitals") << "%APPLE%"
                                    << "" << Ids{11};
    QTest::newRow("Latin small") << "apple pie"
                                 << "" << Ids{11};
    QTest::newRow("everything") << "%"
                                << "" << Ids{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    QTest::newRow("nothing") << ""
                             << "" << Ids{};
}

void UnicodeLikeTest::throughStatements()
{
    QFETCH(QString, pattern);
    QFETCH(QString, escape);
    QFETCH(Ids, expected);
    TQuery &q = fDm->SQL1;
    q.SetSQL(escape.isEmpty()
                 ? QStringLiteral("SELECT id_prod FROM tab_prod WHERE naim_prod LIKE :p "
                                  "ORDER BY id_prod")
                 : QStringLiteral("SELECT id_prod FROM tab_prod WHERE naim_prod LIKE :p "
                                  "ESCAPE :e ORDER BY id_prod"));
    q.Bind("p", pattern);
    if (!escape.isEmpty())
        q.Bind("e", escape);
    q.Open();
    Ids actual;
    for (; !q.Eof(); q.Next())
        actual.append(q.Field(0).toInt());
    QCOMPARE(actual, expected);
}

void UnicodeLikeTest::literalPatternInText()
{
    // The product search writes the search text into the statement between "%" wildcards.
    TQuery &q = fDm->SQL1;
    q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_prod tp INNER JOIN tab_grup tg "
                            "ON tp.id_grup=tg.id_grup WHERE tp.naim_prod LIKE '%ЁЖ%'"));
    q.Open();
    QCOMPARE(q.Field(0).toInt(), 0); // no group 1 in the empty database
    q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_prod WHERE naim_prod LIKE '%ЁЖ%'"));
    q.Open();
    QCOMPARE(q.Field(0).toInt(), 2);
}

void UnicodeLikeTest::nullGivesNoRow()
{
    TQuery &q = fDm->SQL1;
    q.SetSQL(QStringLiteral("SELECT NULL LIKE '%', 'a' LIKE NULL"));
    q.Open();
    QVERIFY(q.Field(0).isNull());
    QVERIFY(q.Field(1).isNull());
}

void UnicodeLikeTest::function_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escape");
    QTest::addColumn<bool>("matches");
    QTest::newRow("case") << "ЩИ"
                          << "щи"
                          << "" << true;
    QTest::newRow("ё/е") << "ЕЛКА"
                         << "ёлка"
                         << "" << true;
    QTest::newRow("Ё/е") << "Ёлка"
                         << "ЕЛКА"
                         << "" << true;
    QTest::newRow("different") << "щи"
                               << "ши"
                               << "" << false;
    QTest::newRow("backtracking") << "%аба%аба"
                                  << "абабабаабаба"
                                  << "" << true;
    QTest::newRow("backtracking fails") << "%аба%абв"
                                        << "абабабаабаба"
                                        << "" << false;
    QTest::newRow("many percents") << "%%%"
                                   << ""
                                   << "" << true;
    QTest::newRow("underscore needs a char") << "_"
                                             << ""
                                             << "" << false;
    QTest::newRow("escaped escape") << "a!!b"
                                    << "a!b"
                                    << "!" << true;
    QTest::newRow("escaped letter") << "!щи"
                                    << "ЩИ"
                                    << "!" << true;
    QTest::newRow("trailing text") << "ab"
                                   << "abc"
                                   << "" << false;
}

void UnicodeLikeTest::function()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(QString, escape);
    QFETCH(bool, matches);
    QCOMPARE(UnicodeLike(pattern, text, escape.isEmpty() ? QChar() : escape.at(0)), matches);
}

QTEST_GUILESS_MAIN(UnicodeLikeTest)
#include "UnicodeLikeTest.moc"
