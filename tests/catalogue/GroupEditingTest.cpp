// Adding, renaming, moving and deleting groups and subgroups: the order values written, the
// duplicate-name checks, the node selected afterwards, and the deletion with everything in
// the group.
#include "CatalogueTestSupport.h"
#include "Errors.h"
#include "UNewGrup.h"
#include "UNewPodgrup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class GroupEditingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void addGroup_data();
    void addGroup();
    void addSubgroup_data();
    void addSubgroup();
    void refusedNames_data();
    void refusedNames();
    void editGroup_data();
    void editGroup();
    void editSubgroup_data();
    void editSubgroup();
    void deleteGroup_data();
    void deleteGroup();
    void deleteAnsweredNo();
    void deleteLastGroup();
    void failedDeleteChangesNothing();
};

namespace {

// A [a1 0, a2 1, a3 2] 0, B [b1 0, b2 1] 1, C 7; a product with two measures in A, a1, b1
// and C.
void SeedCatalogue(const FormsFixture &f)
{
    Seed(f, "INSERT INTO tab_grup(id_grup,naim_grup,num_tv,id_parent) VALUES "
            "(1,'A',0,0),(2,'B',1,0),(3,'C',7,0),"
            "(4,'a1',0,1),(5,'a2',1,1),(6,'a3',2,1),(7,'b1',0,2),(8,'b2',1,2)");
    Seed(f, "INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) VALUES "
            "(1,'в A',10,1),(2,'в a1',20,4),(3,'в b1',30,7),(4,'в C',40,3)");
    Seed(f, "INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) VALUES "
            "(1,'100г',100,10),(1,'шт.',50,5),(2,'100г',100,20),(2,'шт.',50,10),"
            "(3,'100г',100,30),(3,'шт.',50,15),(4,'100г',100,40),(4,'шт.',50,20)");
    fMain->APaintTVGrup->trigger();
}

// Group rows as "name parent=num", parent by name (0 for none).
QStringList Groups(const FormsFixture &f)
{
    return Texts(f, "SELECT g.naim_grup || ' ' || coalesce(p.naim_grup, g.id_parent) || '=' || "
                    "g.num_tv FROM tab_grup g LEFT JOIN tab_grup p ON p.id_grup=g.id_parent "
                    "ORDER BY g.id_grup");
}

// Runs the add button: chooses group (0) or subgroup (1) in fLevelGrup, then answers the
// naming dialog with `fill`.
void Add(int level, std::function<void(QWidget *)> fill)
{
    AnswerNextModal([=](QWidget *levelDialog) {
        Child<QRadioButton>(levelDialog, level == 0 ? "RadioGroup1Grup" : "RadioGroup1Podgrup")
            ->setChecked(true);
        AnswerNextModal(fill);
        PressButton(levelDialog, QStringLiteral("ОК"));
    });
    Child<QPushButton>(fMain, "ButNewGrup1")->click();
}

// Names the group or subgroup in a naming dialog and presses its ОК.
std::function<void(QWidget *)> Name(const QString &name, const QString &into = QString())
{
    return [=](QWidget *dialog) {
        for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
            edit->setText(name);
        if (!into.isNull()) {
            auto *chooser = Child<QComboBox>(dialog, "CBGrup");
            chooser->setCurrentIndex(chooser->findText(into));
        }
        PressButton(dialog, QStringLiteral("ОК"));
    };
}

// Presses the dialog's ОК where a message is expected; returns its text and closes both.
QString RefusedWith(QWidget *dialog)
{
    QString text;
    AnswerNextModal([&text](QWidget *box) {
        text = ModalText(box);
        PressButton(box, QStringLiteral("ОК"));
    });
    Child<QPushButton>(dialog, "ButOK")->click();
    return text;
}

} // namespace

void GroupEditingTest::addGroup_data()
{
    QTest::addColumn<bool>("seeded");
    QTest::addColumn<QString>("stored");
    QTest::newRow("first group of an empty catalogue") << false << "Новая 0=0";
    // Eight nodes in the tree.
    QTest::newRow("after groups and subgroups") << true << "Новая 0=8";
}

void GroupEditingTest::addGroup()
{
    QFETCH(bool, seeded);
    QFETCH(QString, stored);
    FormsFixture f;
    if (seeded)
        SeedCatalogue(f);
    Add(0, Name(QStringLiteral("Новая")));
    QCOMPARE(Groups(f).last(), stored);
    QCOMPARE(TreeLines().last(), QStringLiteral("Новая *"));
}

void GroupEditingTest::addSubgroup_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("into"); // null: the item the dialog proposes
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("into the selected group") << "B" << QString() << "Новая B=2"
                                             << "b2";
    QTest::newRow("a subgroup proposes its group") << "a2" << QString() << "Новая A=3"
                                                   << "a3";
    QTest::newRow("into another group") << "a2"
                                        << "C"
                                        << "Новая C=0"
                                        << "C";
    // As a group, it takes the number of subgroups of the first group.
    QTest::newRow("top level") << "b1"
                               << "сделать верхним уровнем"
                               << "Новая 0=3"
                               << "b2";
}

void GroupEditingTest::addSubgroup()
{
    QFETCH(QString, selected);
    QFETCH(QString, into);
    QFETCH(QString, stored);
    QFETCH(QString, shownAfter);
    FormsFixture f;
    SeedCatalogue(f);
    ClickGrup(selected);
    Add(1, Name(QStringLiteral("Новая"), into));
    QCOMPARE(Groups(f).last(), stored);
    const QStringList lines = TreeLines();
    const int at = lines.indexOf(QRegularExpression(QStringLiteral("^ *Новая \\*$")));
    QVERIFY2(at > 0, qPrintable(lines.join('|')));
    QCOMPARE(lines.at(at - 1).trimmed(), shownAfter);
    QTreeWidgetItem *group = Tree()->currentItem()->parent();
    QVERIFY(!group || group->isExpanded());
}

void GroupEditingTest::refusedNames_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("chooserHidden");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: stored

    const QString exists = QStringLiteral("Группа продуктов с таким названием уже существует");
    QTest::newRow("group, blank name") << TfNewGrup::CaptionNew << true << "  "
                                       << "Укажите название группы продуктов";
    QTest::newRow("group named like a subgroup") << TfNewGrup::CaptionNew << true << "b1" << exists;
    QTest::newRow("group named like a group") << TfNewGrup::CaptionNew << true << "C" << exists;
    // The check runs only while the chooser of the group dialog is hidden.
    QTest::newRow("duplicate passes while the chooser is shown")
        << TfNewGrup::CaptionNew << false << "C"
        << "";
    QTest::newRow("subgroup, blank name") << TfNewPodgrup::CaptionNew << false << ""
                                          << "Укажите название подгруппы продуктов";
    QTest::newRow("subgroup named like a group")
        << TfNewPodgrup::CaptionNew << false << "A" << exists;
}

void GroupEditingTest::refusedNames()
{
    QFETCH(QString, caption);
    QFETCH(bool, chooserHidden);
    QFETCH(QString, name);
    QFETCH(QString, message);
    FormsFixture f;
    SeedCatalogue(f);
    ClickGrup(QStringLiteral("B"));
    const bool group = caption == TfNewGrup::CaptionNew;
    QDialog *dialog = group ? static_cast<QDialog *>(fNewGrup) : fNewPodgrup;
    Child<QWidget>(fNewGrup, "CBGrup")->setVisible(!chooserHidden);
    dialog->setWindowTitle(caption);
    dialog->show();
    Child<QLineEdit>(dialog, group ? "EdNewGrup" : "EdPodgrup")->setText(name);
    const int before = Groups(f).size();
    if (message.isEmpty()) {
        Child<QPushButton>(dialog, "ButOK")->click();
        QCOMPARE(Groups(f).size(), before + 1);
        QVERIFY(!dialog->isVisible());
    } else {
        QCOMPARE(RefusedWith(dialog), message);
        QCOMPARE(Groups(f).size(), before);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Child<QLineEdit>(dialog, group ? "EdNewGrup" : "EdPodgrup")->text(), name);
        dialog->reject();
    }
}

void GroupEditingTest::editGroup_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("into"); // null: keep "нет"
    QTest::addColumn<bool>("chooserShown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("rename a group with subgroups") << "A"
                                                   << "Альфа" << QString() << false << "Альфа 0=0";
    QTest::newRow("rename a group without subgroups") << "C"
                                                      << "Це" << QString() << true << "Це 0=7";
    QTest::newRow("into a group with two subgroups") << "C"
                                                     << "C"
                                                     << "B" << true << "C B=2";
}

void GroupEditingTest::editGroup()
{
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(QString, into);
    QFETCH(bool, chooserShown);
    QFETCH(QString, stored);
    FormsFixture f;
    SeedCatalogue(f);
    ClickGrup(group);
    const int before = Groups(f).size();
    bool shown = false;
    QStringList offered;
    AnswerNextModal([&](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), TfNewGrup::CaptionEdit);
        QCOMPARE(Child<QLineEdit>(dialog, "EdNewGrup")->text(), group);
        auto *chooser = Child<QComboBox>(dialog, "CBGrup");
        shown = !chooser->isHidden() && !Child<QLabel>(dialog, "lab_grup")->isHidden();
        for (int i = 0; i < chooser->count(); ++i)
            offered << chooser->itemText(i);
        Name(name, into)(dialog);
    });
    Child<QPushButton>(fMain, "ButEditGrup")->click();
    QCOMPARE(shown, chooserShown);
    if (chooserShown)
        QCOMPARE(offered, (QStringList{"нет", "A", "B"}));
    QVERIFY(Groups(f).contains(stored));
    QCOMPARE(Groups(f).size(), before);
    QCOMPARE(Tree()->currentItem()->text(0), name);
    // Its product went with it.
    if (!into.isNull()) {
        QCOMPARE(TreeLines().mid(TreeLines().indexOf("B"), 4),
                 (QStringList{"B", "  b1", "  b2", "  C *"}));
        QCOMPARE(ListRows(Products()), QStringList{"в C | 40,0"});
    }
}

void GroupEditingTest::editSubgroup_data()
{
    QTest::addColumn<QString>("subgroup");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("into"); // null: keep the proposed group
    QTest::addColumn<QString>("stored");
    QTest::newRow("rename the first of three: shown last") << "a1"
                                                           << "а-один" << QString() << "а-один A=3";
    QTest::newRow("same name, same group: nothing stored") << "a1"
                                                           << "a1" << QString() << "a1 A=0";
    QTest::newRow("to another group") << "a1"
                                      << "a1"
                                      << "B"
                                      << "a1 B=2";
    QTest::newRow("to the top level") << "b2"
                                      << "b2"
                                      << "сделать верхним уровнем"
                                      << "b2 0=8";
}

void GroupEditingTest::editSubgroup()
{
    QFETCH(QString, subgroup);
    QFETCH(QString, name);
    QFETCH(QString, into);
    QFETCH(QString, stored);
    FormsFixture f;
    SeedCatalogue(f);
    ClickGrup(subgroup);
    AnswerNextModal([&](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), TfNewPodgrup::CaptionEdit);
        QCOMPARE(Child<QLineEdit>(dialog, "EdPodgrup")->text(), subgroup);
        Name(name, into)(dialog);
    });
    Child<QPushButton>(fMain, "ButEditGrup")->click();
    QVERIFY2(Groups(f).contains(stored), qPrintable(Groups(f).join('|')));
    QCOMPARE(Tree()->currentItem()->text(0), name);
    // Its product went with it.
    if (subgroup == "a1")
        QCOMPARE(ListRows(Products()), QStringList{"в a1 | 20,0"});
}

void GroupEditingTest::deleteGroup_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QStringList>("tree");
    // The rows above A's position 0 move down by one, subgroups of other groups too.
    QTest::newRow("group with subgroups")
        << "A" << QStringList{"B 0=0", "C 0=6", "b1 B=0", "b2 B=0"} << QStringList{"в b1", "в C"}
        << QStringList{"B *", "  b1", "  b2", "C"};
    QTest::newRow("subgroup") << "a1" << QStringList{"A 0=0",  "B 0=1",  "C 0=7", "a2 A=1",
                                                     "a3 A=2", "b1 B=0", "b2 B=1"}
                              << QStringList{"в A", "в b1", "в C"}
                              << QStringList{"A *", "  a2", "  a3", "B", "  b1", "  b2", "C"};
}

void GroupEditingTest::deleteGroup()
{
    QFETCH(QString, node);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, products);
    QFETCH(QStringList, tree);
    FormsFixture f;
    SeedCatalogue(f);
    ClickGrup(node);
    QString question;
    AnswerNextModal([&question](QWidget *box) {
        question = ModalText(box);
        PressButton(box, QStringLiteral("Да"));
    });
    Child<QPushButton>(fMain, "ButDelGrup")->click();
    QCOMPARE(question, QStringLiteral("Удалить группу \"") + node +
                           QStringLiteral("\" (все продукты, вход. в состав также будут "
                                          "удалены)? "));
    QCOMPARE(Groups(f), groups);
    QCOMPARE(Texts(f, "SELECT naim_prod FROM tab_prod ORDER BY id_prod"), products);
    QCOMPARE(Texts(f, "SELECT DISTINCT p.naim_prod FROM tab_mera m "
                      "LEFT JOIN tab_prod p ON p.id_prod=m.id_prod ORDER BY m.id_prod"),
             products);
    QCOMPARE(TreeLines(), tree);
}

void GroupEditingTest::deleteAnsweredNo()
{
    FormsFixture f;
    SeedCatalogue(f);
    ClickGrup(QStringLiteral("A"));
    const QStringList groups = Groups(f);
    AnswerWithButton(QStringLiteral("Нет"));
    Child<QPushButton>(fMain, "ButDelGrup")->click();
    QCOMPARE(Groups(f), groups);
    QCOMPARE(Texts(f, "SELECT count(*) FROM tab_mera"), QStringList{"8"});
}

void GroupEditingTest::deleteLastGroup()
{
    FormsFixture f;
    Seed(f, "INSERT INTO tab_grup(id_grup,naim_grup,num_tv,id_parent) VALUES (1,'A',0,0)");
    Seed(f, "INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) VALUES (1,'в A',10,1)");
    fMain->APaintTVGrup->trigger();
    QCOMPARE(Products()->rowCount(), 1);
    AnswerWithButton(QStringLiteral("Да"));
    fMain->ButDelGrupClick();
    QCOMPARE(Tree()->topLevelItemCount(), 0);
    QCOMPARE(Products()->rowCount(), 0);
}

void GroupEditingTest::failedDeleteChangesNothing()
{
    FormsFixture f;
    SeedCatalogue(f);
    // Measures and products are gone by the time the group row refuses to go.
    Seed(f, "CREATE TRIGGER keep_a BEFORE DELETE ON tab_grup WHEN OLD.id_grup=1 "
            "BEGIN SELECT RAISE(ABORT, 'locked'); END");
    ClickGrup(QStringLiteral("A"));
    AnswerWithButton(QStringLiteral("Да"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, fMain->ButDelGrupClick());
    QCOMPARE(Texts(f, "SELECT count(*) FROM tab_mera"), QStringList{"8"});
    QCOMPARE(Texts(f, "SELECT count(*) FROM tab_prod"), QStringList{"4"});
    QCOMPARE(Groups(f).size(), 8);
}

SYTOMIR_GUI_TEST_MAIN(GroupEditingTest)
#include "GroupEditingTest.moc"
