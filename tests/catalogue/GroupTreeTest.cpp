// The group tree of the main window: painting in stored order at any depth, the moves with
// the two order values they write, the group chooser of the product editor, and the
// product list of the selected node.
#include "CatalogueTestSupport.h"
#include "Errors.h"
#include "UNewProd.h"

#include <QComboBox>
#include <QToolButton>

class GroupTreeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void paintsInStoredOrderAtAnyDepth();
    void emptyCatalogue();
    void moves_data();
    void moves();
    void failedMoveChangesNothing();
    void chooserTexts();
    void productList_data();
    void productList();
};

namespace {

// Groups A, B, C with order values 0, 1, 7; A holds a1, a2, a3 and B holds b1.
void SeedTree(const FormsFixture &f)
{
    Seed(f, "INSERT INTO tab_grup(id_grup,naim_grup,num_tv,id_parent) VALUES "
            "(1,'A',0,0),(2,'B',1,0),(3,'C',7,0),"
            "(4,'a1',0,1),(5,'a2',1,1),(6,'a3',2,1),(7,'b1',0,2)");
    fMain->APaintTVGrup->trigger();
}

QStringList OrderValues(const FormsFixture &f)
{
    return Texts(f, "SELECT naim_grup || '=' || num_tv FROM tab_grup ORDER BY id_grup");
}

} // namespace

void GroupTreeTest::paintsInStoredOrderAtAnyDepth()
{
    FormsFixture f;
    // Inserted out of order; "deep" hangs under a subgroup, "lost" under no row at all.
    Seed(f, "INSERT INTO tab_grup(id_grup,naim_grup,num_tv,id_parent) VALUES "
            "(1,'Z',5,0),(2,'Y',2,0),(3,'y2',9,2),(4,'y1',3,2),(5,'deep',0,4),(6,'lost',0,99)");
    Seed(f, "INSERT INTO tab_prod(naim_prod,kkal,id_grup) VALUES ('в Y',10,2),('в Z',20,1)");
    fMain->APaintTVGrup->trigger();
    QCOMPARE(TreeLines(), (QStringList{"Y *", "  y1", "    deep", "  y2", "Z"}));
    QCOMPARE(ListRows(Products()), QStringList{"в Y | 10,0"});
}

void GroupTreeTest::emptyCatalogue()
{
    FormsFixture f;
    Seed(f, "INSERT INTO tab_prod(naim_prod,kkal,id_grup) VALUES ('ничей',10,5)");
    fMain->APaintTVGrup->trigger();
    Child<QToolButton>(fMain, "ButVerh")->click();
    Child<QToolButton>(fMain, "ButVniz")->click();
    QCOMPARE(Tree()->topLevelItemCount(), 0);
    QCOMPARE(Products()->rowCount(), 0);
}

void GroupTreeTest::moves_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("orderValues");

    const QStringList unchanged{"A=0", "B=1", "C=7", "a1=0", "a2=1", "a3=2", "b1=0"};
    QTest::newRow("first group up")
        << "A"
        << "ButVerh" << QStringList{"A *", "  a1", "  a2", "  a3", "B", "  b1", "C"} << unchanged;
    QTest::newRow("last group down")
        << "C"
        << "ButVniz" << QStringList{"A", "  a1", "  a2", "  a3", "B", "  b1", "C *"} << unchanged;
    QTest::newRow("first subgroup up")
        << "a1"
        << "ButVerh" << QStringList{"A", "  a1 *", "  a2", "  a3", "B", "  b1", "C"} << unchanged;
    QTest::newRow("last subgroup down")
        << "a3"
        << "ButVniz" << QStringList{"A", "  a1", "  a2", "  a3 *", "B", "  b1", "C"} << unchanged;
    QTest::newRow("second of 0, 1, 7 down")
        << "B"
        << "ButVniz" << QStringList{"A", "  a1", "  a2", "  a3", "C", "B *", "  b1"}
        << QStringList{"A=0", "B=2", "C=1", "a1=0", "a2=1", "a3=2", "b1=0"};
    QTest::newRow("group up carries its subgroups")
        << "B"
        << "ButVerh" << QStringList{"B *", "  b1", "A", "  a1", "  a2", "  a3", "C"}
        << QStringList{"A=1", "B=0", "C=7", "a1=0", "a2=1", "a3=2", "b1=0"};
    QTest::newRow("middle subgroup up")
        << "a2"
        << "ButVerh" << QStringList{"A", "  a2 *", "  a1", "  a3", "B", "  b1", "C"}
        << QStringList{"A=0", "B=1", "C=7", "a1=1", "a2=0", "a3=2", "b1=0"};
    QTest::newRow("middle subgroup down")
        << "a2"
        << "ButVniz" << QStringList{"A", "  a1", "  a3", "  a2 *", "B", "  b1", "C"}
        << QStringList{"A=0", "B=1", "C=7", "a1=0", "a2=2", "a3=1", "b1=0"};
}

void GroupTreeTest::moves()
{
    QFETCH(QString, node);
    QFETCH(QString, button);
    QFETCH(QStringList, tree);
    QFETCH(QStringList, orderValues);
    FormsFixture f;
    SeedTree(f);
    ClickGrup(node);
    Child<QToolButton>(fMain, button.toLatin1().constData())->click();
    QCOMPARE(TreeLines(), tree);
    QCOMPARE(OrderValues(f), orderValues);

    // What was stored paints the same tree again.
    fMain->APaintTVGrup->trigger();
    ClickGrup(node);
    QCOMPARE(TreeLines(), tree);
}

void GroupTreeTest::failedMoveChangesNothing()
{
    FormsFixture f;
    SeedTree(f);
    // The second of the two order updates fails.
    Seed(f, "CREATE TRIGGER no_c BEFORE UPDATE ON tab_grup WHEN NEW.id_grup=3 "
            "BEGIN SELECT RAISE(ABORT, 'locked'); END");
    ClickGrup("B");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, fMain->ButVnizClick());
    QCOMPARE(OrderValues(f), (QStringList{"A=0", "B=1", "C=7", "a1=0", "a2=1", "a3=2", "b1=0"}));
    QCOMPARE(TreeLines(), (QStringList{"A", "  a1", "  a2", "  a3", "B *", "  b1", "C"}));
}

void GroupTreeTest::chooserTexts()
{
    FormsFixture f;
    SeedTree(f);
    auto *chooser = Child<QComboBox>(fNewProd, "CBGrup");
    ClickGrup("a2");
    fMain->APaintCBGrup->trigger();
    QStringList items;
    for (int i = 0; i < chooser->count(); ++i)
        items << chooser->itemText(i);
    QCOMPARE(items, (QStringList{"A", "A : a1", "A : a2", "A : a3", "B", "B : b1", "C"}));
    QCOMPARE(chooser->currentText(), QStringLiteral("A : a2"));
    QCOMPARE(chooser->currentData().toInt(), 5);

    Tree()->setCurrentItem(nullptr);
    fMain->APaintCBGrup->trigger();
    QCOMPARE(chooser->currentIndex(), -1);
}

void GroupTreeTest::productList_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("russian") << QLocale(QLocale::Russian, QLocale::Russia)
                             << QStringList{"Айран | 52,0", "Ряженка | 0,1"};
    QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates)
                             << QStringList{"Айран | 52.0", "Ряженка | 0.1"};
}

void GroupTreeTest::productList()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, rows);
    QLocale::setDefault(locale);
    FormsFixture f;
    SeedTree(f);
    Seed(f, "INSERT INTO tab_prod(naim_prod,kkal,id_grup) VALUES "
            "('Ряженка',0.05,4),('Айран',52,4),('чужой',1,5)");
    ClickGrup("a1");
    QCOMPARE(ListRows(Products()), rows);
    QCOMPARE(ListView::Selected(Products()), 0);
    QCOMPARE(
        ListView::Data(Products(), 0).toInt(),
        SqlColumn(f.folder.File("KKAL.mdb"), "SELECT id_prod FROM tab_prod WHERE naim_prod='Айран'")
            .value(0)
            .toInt());

    ClickGrup("a3");
    QCOMPARE(Products()->rowCount(), 0);
    QCOMPARE(ListView::Selected(Products()), -1);
}

SYTOMIR_GUI_TEST_MAIN(GroupTreeTest)
#include "GroupTreeTest.moc"
