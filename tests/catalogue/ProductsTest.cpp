// Products: the editor's fields and key filters, OK with its checks and what it stores (the
// 100 g measure of a new product, the measures recalculated when the kcal changes), leaving
// the editor without OK, preset values, the Б/Ж/У panel setting, and deleting a product.
#include "CatalogueTestSupport.h"
#include "UDM.h"
#include "UNewMera.h"
#include "UNewProd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class ProductsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void inputFilter_data();
    void inputFilter();
    void newProductGets100g_data();
    void newProductGets100g();
    void extraMeasuresOpenTheMeasuresDialog();
    void refusals_data();
    void refusals();
    void kcalChangeRecalculatesMeasures_data();
    void kcalChangeRecalculatesMeasures();
    void leavingWithoutOkStoresNothing_data();
    void leavingWithoutOkStoresNothing();
    void presetValues();
    void panelSetting_data();
    void panelSetting();
    void deleteProduct();
};

namespace {

QLineEdit *Field(const char *name)
{
    return Child<QLineEdit>(fNewProd, name);
}

// Group "Фрукты" (1) with subgroup "Яблоки" (2); "Яблоко" (60 kcal) in it with its 100 g
// measure and a 200 g glass.
void SeedCatalogue(const FormsFixture &f)
{
    Seed(f, "INSERT INTO tab_grup(id_grup,naim_grup,num_tv,id_parent) VALUES "
            "(1,'Фрукты',0,0),(2,'Яблоки',0,1)");
    Seed(f, "INSERT INTO tab_prod(id_prod,naim_prod,kkal,bel,zir,ugl,id_grup) VALUES "
            "(1,'Яблоко',60,0.4,0.4,9.8,2)");
    Seed(f, "INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) VALUES "
            "(1,'100г',100,60),(1,'стакан',200,120)");
    fMain->APaintTVGrup->trigger();
    ClickGrup(QStringLiteral("Яблоки"));
}

QStringList Measures(const FormsFixture &f)
{
    return Texts(f, "SELECT naim_mera || ' ' || g_mera || ' ' || kkal_mera FROM tab_mera "
                    "ORDER BY id_mif");
}

// Opens the editor on a new product without a modal loop, to type into it.
void ShowNewEditor()
{
    fNewProd->setWindowTitle(TfNewProd::CaptionNew);
    DM->TableProd.Open();
    DM->TableProd.Append();
    fNewProd->show();
}

// Replaces the text of a field by typing, as the user would.
void Retype(QLineEdit *edit, const QString &keys)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeKeys(edit, keys);
}

} // namespace

void ProductsTest::inputFilter_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("point, cut after one decimal") << ru << "DBEdKKal"
                                                  << "12.345"
                                                  << "12,3";
    QTest::newRow("second separator refused") << ru << "DBEdKKal"
                                              << "1,2.3"
                                              << "1,2";
    QTest::newRow("signs refused") << ru << "DBEdKKal"
                                   << "-5+"
                                   << "5";
    QTest::newRow("exponent letters pass") << ru << "DBEdB"
                                           << "1e2E"
                                           << "1e2E";
    QTest::newRow("letters refused") << ru << "DBEdZ"
                                     << "9аб"
                                     << "9";
    QTest::newRow("english comma becomes point") << en << "DBEdU"
                                                 << "0,75"
                                                 << "0.7";
    QTest::newRow("name takes everything") << ru << "DBEdNaim"
                                           << "Сыр 1.5-2,5%"
                                           << "Сыр 1.5-2,5%";
}

void ProductsTest::inputFilter()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    FormsFixture f;
    ShowNewEditor();
    QLineEdit *edit = Field(field.toLatin1().constData());
    TypeKeys(edit, keys);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->cursorPosition(), text.size());
    fNewProd->reject();
}

void ProductsTest::newProductGets100g_data()
{
    QTest::addColumn<QString>("kcal");
    QTest::addColumn<QString>("measure");
    QTest::addColumn<QString>("listed");
    QTest::newRow("52") << "52"
                        << "100г 100 52.0"
                        << "Груша | 52,0";
    QTest::newRow("unknown energy") << "0"
                                    << "100г 100 0.0"
                                    << "Груша | 0,0";
    QTest::newRow("fraction") << "47,5"
                              << "100г 100 47.5"
                              << "Груша | 47,5";
}

void ProductsTest::newProductGets100g()
{
    QFETCH(QString, kcal);
    QFETCH(QString, measure);
    QFETCH(QString, listed);
    FormsFixture f;
    SeedCatalogue(f);
    QString question;
    AnswerNextModal([&](QWidget *editor) {
        QCOMPARE(editor->windowTitle(), TfNewProd::CaptionNew);
        QVERIFY(Child<QPushButton>(editor, "XiButton1")->isHidden());
        // The group selected in the tree is proposed.
        QCOMPARE(Child<QComboBox>(editor, "CBGrup")->currentText(),
                 QStringLiteral("Фрукты : Яблоки"));
        Field("DBEdNaim")->setText(QStringLiteral("Груша"));
        Field("DBEdKKal")->setText(kcal);
        Field("DBEdB")->setText(QStringLiteral("0,4"));
        AnswerNextModal([&](QWidget *box) {
            question = ModalText(box);
            PressButton(box, QStringLiteral("Нет"));
        });
        PressButton(editor, QStringLiteral("ОК"));
    });
    Child<QPushButton>(fMain, "ButNewProd")->click();
    QCOMPARE(question, QStringLiteral("Внести для нового продукта допольнительные меры (порции)?"));
    QCOMPARE(Texts(f, "SELECT naim_prod || ' ' || id_grup || ' ' || bel || ' ' || "
                      "coalesce(zir, 'null') FROM tab_prod WHERE id_prod>1"),
             QStringList{"Груша 2 0.4 null"});
    QCOMPARE(Measures(f).mid(2), QStringList{measure});
    QVERIFY(ListRows(Products()).contains(listed));
    QCOMPARE(DM->TableProd.State(), TTable::dsBrowse);
}

void ProductsTest::extraMeasuresOpenTheMeasuresDialog()
{
    FormsFixture f;
    SeedCatalogue(f);
    QStringList measures;
    AnswerNextModal([&](QWidget *editor) {
        Field("DBEdNaim")->setText(QStringLiteral("Груша"));
        Field("DBEdKKal")->setText(QStringLiteral("47"));
        AnswerNextModal([&](QWidget *box) {
            AnswerNextModal([&](QWidget *dialog) {
                QCOMPARE(dialog, static_cast<QWidget *>(fNewMera));
                QVERIFY(!editor->isVisible());
                QCOMPARE(Child<QLabel>(dialog, "Label1")->text(),
                         QStringLiteral("Меры для продукта \"Груша\""));
                QCOMPARE(fNewMera->KkalProd, 47.0);
                measures = ListRows(Child<QTableWidget>(dialog, "LVNewMera"));
                dialog->close();
            });
            PressButton(box, QStringLiteral("Да"));
        });
        PressButton(editor, QStringLiteral("ОК"));
    });
    Child<QPushButton>(fMain, "ButNewProd")->click();
    QCOMPARE(measures, QStringList{"100г | 100 | 47,0"});
    QCOMPARE(
        fNewMera->IdProd,
        SqlColumn(f.folder.File("KKAL.mdb"), "SELECT max(id_prod) FROM tab_prod").value(0).toInt());
}

void ProductsTest::refusals_data()
{
    QTest::addColumn<bool>("withGroups");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kcal");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("blank name") << true << "   "
                                << "10"
                                << "Запишите название продукта"
                                << "DBEdNaim";
    QTest::newRow("no kcal") << true << "Груша"
                             << " "
                             << "Запишите калорийность. Если она неизвестна для 100г поставьте 0"
                             << "DBEdKKal";
    // A product of group 0 would be deleted at the next start.
    QTest::newRow("catalogue without groups")
        << false << "Груша"
        << "10"
        << "Выберите группу продукта. Если групп нет, сначала добавьте группу"
        << "CBGrup";
}

void ProductsTest::refusals()
{
    QFETCH(bool, withGroups);
    QFETCH(QString, name);
    QFETCH(QString, kcal);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    FormsFixture f;
    if (withGroups)
        SeedCatalogue(f);
    QString shown;
    bool stillOpen = false;
    QString focused;
    AnswerNextModal([&](QWidget *editor) {
        Field("DBEdNaim")->setText(name);
        Field("DBEdKKal")->setText(kcal);
        AnswerNextModal([&](QWidget *box) {
            shown = ModalText(box);
            PressButton(box, QStringLiteral("ОК"));
        });
        PressButton(editor, QStringLiteral("ОК"));
        stillOpen = editor->isVisible();
        focused = editor->focusWidget() ? editor->focusWidget()->objectName() : QString();
        PressButton(editor, QStringLiteral("Отмена"));
    });
    Child<QPushButton>(fMain, "ButNewProd")->click();
    QCOMPARE(shown, message);
    QVERIFY(stillOpen);
    QCOMPARE(focused, focus);
    QCOMPARE(Texts(f, "SELECT count(*) FROM tab_prod"), QStringList{withGroups ? "1" : "0"});
    QCOMPARE(DM->TableProd.State(), TTable::dsBrowse);
}

void ProductsTest::kcalChangeRecalculatesMeasures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kcalKeys"); // typed into the kcal field; null: untouched
    QTest::addColumn<QString>("into");     // group chosen; null: unchanged
    QTest::addColumn<bool>("message");
    QTest::addColumn<QStringList>("measures");
    QTest::newRow("60 to 52") << "Яблоко"
                              << "52" << QString() << true
                              << QStringList{"100г 100 52.0", "стакан 200 104.0"};
    QTest::newRow("name only") << "Яблоко зелёное" << QString() << QString() << false
                               << QStringList{"100г 100 60.0", "стакан 200 120.0"};
    QTest::newRow("group only") << "Яблоко" << QString() << "Фрукты" << false
                                << QStringList{"100г 100 60.0", "стакан 200 120.0"};
    // Typed, but the same as the list shows: nothing to recalculate.
    QTest::newRow("retyped as listed")
        << "Яблоко"
        << "60,0" << QString() << false << QStringList{"100г 100 60.0", "стакан 200 120.0"};
}

void ProductsTest::kcalChangeRecalculatesMeasures()
{
    QFETCH(QString, name);
    QFETCH(QString, kcalKeys);
    QFETCH(QString, into);
    QFETCH(bool, message);
    QFETCH(QStringList, measures);
    FormsFixture f;
    SeedCatalogue(f);
    QString shown;
    AnswerNextModal([&](QWidget *editor) {
        QCOMPARE(editor->windowTitle(), TfNewProd::CaptionEdit);
        QVERIFY(!Child<QPushButton>(editor, "XiButton1")->isHidden());
        QCOMPARE(Field("DBEdKKal")->text(), QStringLiteral("60"));
        QCOMPARE(Field("DBEdB")->text(), QStringLiteral("0,4"));
        Field("DBEdNaim")->setText(name);
        if (!kcalKeys.isNull())
            Retype(Field("DBEdKKal"), kcalKeys);
        if (!into.isNull()) {
            auto *chooser = Child<QComboBox>(editor, "CBGrup");
            chooser->setCurrentIndex(chooser->findText(into));
        }
        if (message)
            AnswerNextModal([&](QWidget *box) {
                shown = ModalText(box);
                PressButton(box, QStringLiteral("ОК"));
            });
        PressButton(editor, QStringLiteral("ОК"));
    });
    Child<QPushButton>(fMain, "ButEditProd")->click();
    if (message)
        QCOMPARE(shown, QStringLiteral("Все существующие меры для данного продукта будут "
                                       "пересчитаны с учетом новых данных по соотношению "
                                       "ккал-грамм"));
    QCOMPARE(Measures(f), measures);
    QCOMPARE(Texts(f, "SELECT naim_prod || ' ' || id_grup FROM tab_prod"),
             QStringList{name + (into.isNull() ? " 2" : " 1")});
}

void ProductsTest::leavingWithoutOkStoresNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("editing");
    QTest::newRow("Отмена, new") << "Отмена" << false;
    QTest::newRow("close button, new") << "" << false;
    QTest::newRow("close button, edit") << "" << true;
    QTest::newRow("Escape, edit") << "Escape" << true;
}

void ProductsTest::leavingWithoutOkStoresNothing()
{
    QFETCH(QString, button);
    QFETCH(bool, editing);
    FormsFixture f;
    SeedCatalogue(f);
    const QStringList before = Texts(f, "SELECT naim_prod || ' ' || kkal FROM tab_prod");
    AnswerNextModal([&](QWidget *editor) {
        Field("DBEdNaim")->setText(QStringLiteral("Другое"));
        Field("DBEdKKal")->setText(QStringLiteral("99"));
        if (button == "Escape")
            QTest::keyClick(Field("DBEdNaim"), Qt::Key_Escape);
        else if (button.isEmpty())
            editor->close();
        else
            PressButton(editor, button);
    });
    Child<QPushButton>(fMain, editing ? "ButEditProd" : "ButNewProd")->click();
    QCOMPARE(DM->TableProd.State(), TTable::dsBrowse);
    // Moving to another row must not store what was typed either.
    DM->TableProd.First();
    QCOMPARE(Texts(f, "SELECT naim_prod || ' ' || kkal FROM tab_prod"), before);
}

void ProductsTest::presetValues()
{
    FormsFixture f;
    SeedCatalogue(f);
    // As the ready dish opens the editor: a new row with its values per 100 g.
    DM->TableProd.Open();
    DM->TableProd.Append();
    DM->TableProd.SetFieldByName(QStringLiteral("kkal"), 750.0 * 100 / 480);
    DM->TableProd.SetFieldByName(QStringLiteral("bel"), 6.0);
    fNewProd->setWindowTitle(TfNewProd::CaptionNew);
    QStringList shown;
    AnswerNextModal([&](QWidget *editor) {
        shown << Field("DBEdKKal")->text() << Field("DBEdB")->text() << Field("DBEdZ")->text();
        Field("DBEdNaim")->setText(QStringLiteral("Рагу"));
        AnswerWithButton(QStringLiteral("Нет"));
        PressButton(editor, QStringLiteral("ОК"));
    });
    fNewProd->exec();
    QCOMPARE(shown, (QStringList{"156,2", "6", ""}));
    QCOMPARE(Texts(f, "SELECT naim_prod || ' ' || kkal || ' ' || bel FROM tab_prod "
                      "WHERE id_prod>1"),
             QStringList{"Рагу 156.2 6.0"});
    QCOMPARE(Measures(f).last(), QStringLiteral("100г 100 156.2"));
}

void ProductsTest::panelSetting_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<bool>("checked");
    QTest::newRow("no settings file") << QString() << true;
    QTest::newRow("CB3=1") << "[lvRac]\nCB3=1\n" << true;
    QTest::newRow("CB3=0") << "[lvRac]\nCB3=0\n" << false;
}

void ProductsTest::panelSetting()
{
    QFETCH(QString, ini);
    QFETCH(bool, checked);
    FormsFixture f;
    if (!ini.isNull()) {
        QFile file(f.folder.File("setting.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini.toUtf8());
    }
    fNewProd->FormCreate();
    auto *box = Child<QCheckBox>(fNewProd, "CBBZY");
    QCOMPARE(box->isChecked(), checked);
    ShowNewEditor();
    QCOMPARE(fNewProd->height(), checked ? 210 : 170);
    // The label toggles the box and the panel with it.
    QTest::mouseClick(Child<QLabel>(fNewProd, "Label5"), Qt::LeftButton);
    QCOMPARE(box->isChecked(), !checked);
    QCOMPARE(fNewProd->height(), checked ? 170 : 210);
    QCOMPARE(Field("DBEdB")->isVisible(), !checked);
    fNewProd->reject();
}

void ProductsTest::deleteProduct()
{
    FormsFixture f;
    SeedCatalogue(f);
    Seed(f, "INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) VALUES (2,'Айва',40,2)");
    Seed(f, "INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) VALUES (2,'100г',100,40)");
    ClickGrup(QStringLiteral("Яблоки"));

    // Delete in the list with nothing selected deletes nothing.
    Products()->clearSelection();
    QTest::keyClick(Products(), Qt::Key_Delete);
    QCOMPARE(Texts(f, "SELECT count(*) FROM tab_prod"), QStringList{"2"});

    ListView::Select(Products(), 1);
    QTest::keyClick(Products(), Qt::Key_Delete);
    QCOMPARE(ListRows(Products()), QStringList{"Айва | 40,0"});
    QCOMPARE(Measures(f), QStringList{"100г 100 40.0"});
}

SYTOMIR_GUI_TEST_MAIN(ProductsTest)
#include "ProductsTest.moc"
