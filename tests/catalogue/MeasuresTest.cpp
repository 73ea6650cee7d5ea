// The measures dialog: its list, the grams/kcal coupling, storing a new or changed measure
// with its checks, the recalculation that a product without energy gets from its first
// measure with grams, and the 100 g measure that cannot be changed or deleted.
#include "CatalogueTestSupport.h"
#include "UNewMera.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class MeasuresTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void listsMeasuresOfTheProduct();
    void coupling_data();
    void coupling();
    void typedFilters();
    void addAndChange_data();
    void addAndChange();
    void productWithoutEnergy_data();
    void productWithoutEnergy();
    void refusals_data();
    void refusals();
    void firstMeasureStays();
};

namespace {

QTableWidget *List()
{
    return Child<QTableWidget>(fNewMera, "LVNewMera");
}

QLineEdit *Field(const char *name)
{
    return Child<QLineEdit>(fNewMera, name);
}

// Group 1 with "Печенье" (1, 250 kcal: 100 g and a 20 g piece), "Пирог" (2, energy not
// given: only its 100 g measure) and "Вода" (3, no measures).
void SeedCatalogue(const FormsFixture &f)
{
    Seed(f, "INSERT INTO tab_grup(id_grup,naim_grup,num_tv,id_parent) VALUES (1,'Выпечка',0,0)");
    Seed(f, "INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) VALUES "
            "(1,'Печенье',250,1),(2,'Пирог',0,1),(3,'Вода',0,1)");
    Seed(f, "INSERT INTO tab_mera(id_mif,id_prod,naim_mera,g_mera,kkal_mera) VALUES "
            "(1,1,'100г',100,250),(2,1,'шт.',20,50),(3,2,'100г',100,0)");
    fMain->APaintTVGrup->trigger();
}

// Shows the dialog for a product without a modal loop, as the product editor hands it over.
void Open(int idProd, double kkalProd)
{
    fNewMera->IdProd = idProd;
    fNewMera->KkalProd = kkalProd;
    fNewMera->show();
}

QStringList Stored(const FormsFixture &f, int idProd)
{
    return Texts(f, QStringLiteral("SELECT naim_mera || ' ' || g_mera || ' ' || kkal_mera "
                                   "FROM tab_mera WHERE id_prod=%1 ORDER BY id_mif")
                        .arg(idProd));
}

// Presses ОК of the panel, answering the message box that it shows; returns its text.
QString OkWithMessage()
{
    QString text;
    AnswerNextModal([&text](QWidget *box) {
        text = ModalText(box);
        PressButton(box, QStringLiteral("ОК"));
    });
    Child<QPushButton>(fNewMera, "ButOK")->click();
    return text;
}

} // namespace

void MeasuresTest::listsMeasuresOfTheProduct()
{
    FormsFixture f;
    SeedCatalogue(f);
    Open(1, 250);
    QCOMPARE(ListRows(List()), (QStringList{"100г | 100 | 250,0", "шт. | 20 | 50,0"}));
    QCOMPARE(ListView::Selected(List()), 0);
    QCOMPARE(fNewMera->height(), 240);
    QVERIFY(Child<QWidget>(fNewMera, "Panel")->isHidden());
    fNewMera->close();

    // Another product without measures shows an empty list.
    Open(3, 0);
    QCOMPARE(List()->rowCount(), 0);
    fNewMera->close();
}

void MeasuresTest::coupling_data()
{
    QTest::addColumn<double>("kkalProd");
    QTest::addColumn<QString>("left");    // the field left
    QTest::addColumn<QString>("typed");   // its text
    QTest::addColumn<QString>("other");   // the other field's text afterwards
    QTest::addColumn<QString>("message"); // empty: none
    QTest::newRow("grams to kcal") << 250.0 << "EdGramm"
                                   << "30"
                                   << "75,0"
                                   << "";
    QTest::newRow("kcal to grams") << 250.0 << "EdKkal"
                                   << "90"
                                   << "36"
                                   << "";
    QTest::newRow("kcal to grams, half to even") << 100.0 << "EdKkal"
                                                 << "12,5"
                                                 << "12"
                                                 << "";
    QTest::newRow("no energy, no coupling") << 0.0 << "EdGramm"
                                            << "30"
                                            << "7"
                                            << "";
    // Nothing typed yet: nothing to compute and nothing to complain about.
    QTest::newRow("empty grams") << 250.0 << "EdGramm"
                                 << ""
                                 << "7"
                                 << "";
    QTest::newRow("empty kcal") << 250.0 << "EdKkal"
                                << ""
                                << "7"
                                << "";
    QTest::newRow("kcal that is no number")
        << 250.0 << "EdKkal"
        << ","
        << "7"
        << "Запишите, сколько ккал в порции (если неизвестно, то запишите 0)";
}

void MeasuresTest::coupling()
{
    QFETCH(double, kkalProd);
    QFETCH(QString, left);
    QFETCH(QString, typed);
    QFETCH(QString, other);
    QFETCH(QString, message);
    FormsFixture f;
    SeedCatalogue(f);
    Open(1, kkalProd);
    Child<QPushButton>(fNewMera, "ButNew")->click();
    const bool grams = left == "EdGramm";
    QLineEdit *field = Field(grams ? "EdGramm" : "EdKkal");
    QLineEdit *otherField = Field(grams ? "EdKkal" : "EdGramm");
    otherField->setText(QStringLiteral("7"));
    field->setText(typed);
    QString shown;
    if (!message.isEmpty())
        AnswerNextModal([&shown](QWidget *box) {
            shown = ModalText(box);
            PressButton(box, QStringLiteral("ОК"));
        });
    if (grams)
        fNewMera->EdGrammExit();
    else
        fNewMera->EdKkalExit();
    QCOMPARE(otherField->text(), other);
    QCOMPARE(shown, message);
    fNewMera->close();
}

void MeasuresTest::typedFilters()
{
    FormsFixture f;
    SeedCatalogue(f);
    Open(1, 250);
    Child<QPushButton>(fNewMera, "ButNew")->click();
    TypeKeys(Field("EdGramm"), "1a2,.-3");
    QCOMPARE(Field("EdGramm")->text(), QStringLiteral("123"));
    TypeKeys(Field("EdKkal"), "4.56,e7");
    QCOMPARE(Field("EdKkal")->text(), QStringLiteral("4,5"));
    TypeKeys(Field("EdMera"), "ст. л.");
    QCOMPARE(Field("EdMera")->text(), QStringLiteral("ст. л."));
    fNewMera->close();
}

void MeasuresTest::addAndChange_data()
{
    QTest::addColumn<bool>("change"); // Изменить on "шт." instead of Добавить
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("kcal");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("listed");
    QTest::newRow("add") << false << "стакан"
                         << "200"
                         << "500"
                         << QStringList{"100г 100 250.0", "шт. 20 50.0", "стакан 200 500.0"}
                         << "стакан | 200 | 500,0";
    QTest::newRow("change") << true << "шт. большая"
                            << "30"
                            << "75,0" << QStringList{"100г 100 250.0", "шт. большая 30 75.0"}
                            << "шт. большая | 30 | 75,0";
    // The name is stored exactly as typed, quotes included.
    QTest::newRow("change to a name with quotes")
        << true << "Стакан \"большой\""
        << "20"
        << "50" << QStringList{"100г 100 250.0", "Стакан \"большой\" 20 50.0"}
        << "Стакан \"большой\" | 20 | 50,0";
}

void MeasuresTest::addAndChange()
{
    QFETCH(bool, change);
    QFETCH(QString, name);
    QFETCH(QString, grams);
    QFETCH(QString, kcal);
    QFETCH(QStringList, stored);
    QFETCH(QString, listed);
    FormsFixture f;
    SeedCatalogue(f);
    Open(1, 250);
    if (change) {
        ListView::Select(List(), 1);
        Child<QPushButton>(fNewMera, "ButEdit")->click();
        QCOMPARE(Field("EdMera")->text(), QStringLiteral("шт."));
        QCOMPARE(Field("EdGramm")->text(), QStringLiteral("20"));
        QCOMPARE(Field("EdKkal")->text(), QStringLiteral("50,0"));
    } else {
        Child<QPushButton>(fNewMera, "ButNew")->click();
        QCOMPARE(Field("EdMera")->text(), QString());
    }
    QCOMPARE(Child<QPushButton>(fNewMera, "ButOK")->text(),
             change ? QStringLiteral("Изменить") : QStringLiteral("Добавить"));
    QCOMPARE(fNewMera->height(), 347);
    QVERIFY(!List()->isEnabled());

    Field("EdMera")->setText(name);
    Field("EdGramm")->setText(grams);
    Field("EdKkal")->setText(kcal);
    Child<QPushButton>(fNewMera, "ButOK")->click();
    QCOMPARE(Stored(f, 1), stored);
    QCOMPARE(ListRows(List()).last(), listed);
    QCOMPARE(fNewMera->height(), 240);
    QVERIFY(List()->isEnabled());
    fNewMera->close();
}

void MeasuresTest::productWithoutEnergy_data()
{
    QTest::addColumn<QString>("grams");
    QTest::addColumn<bool>("recalculated");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("listed");
    QTest::newRow("first measure with grams defines the energy")
        << "50" << true << QStringList{"100г 100 52.0", "шт. 50 26.0"} << "Пирог | 52,0";
    QTest::newRow("grams not given: stored as typed")
        << "0" << false << QStringList{"100г 100 0.0", "шт. 0 26.0"} << "Пирог | 0,0";
}

void MeasuresTest::productWithoutEnergy()
{
    QFETCH(QString, grams);
    QFETCH(bool, recalculated);
    QFETCH(QStringList, stored);
    QFETCH(QString, listed);
    FormsFixture f;
    SeedCatalogue(f);
    Open(2, 0);
    Child<QPushButton>(fNewMera, "ButNew")->click();
    Field("EdMera")->setText(QStringLiteral("шт."));
    Field("EdGramm")->setText(grams);
    Field("EdKkal")->setText(QStringLiteral("26"));
    if (recalculated)
        QCOMPARE(OkWithMessage(), QStringLiteral("Все меры, включая меру 100г, будут пересчитаны "
                                                 "с учетом новых данных по соотношению "
                                                 "ккал-грамм"));
    else
        Child<QPushButton>(fNewMera, "ButOK")->click();
    QCOMPARE(Stored(f, 2), stored);
    QVERIFY(ListRows(Products()).contains(listed));
    fNewMera->close();
}

void MeasuresTest::refusals_data()
{
    QTest::addColumn<double>("kkalProd");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("kcal");
    QTest::addColumn<QString>("message");
    const QString is100 = QStringLiteral("Нельзя записать меру 100г - она уже существует. "
                                         "Калорийность на 100г можно изменить в свойствах "
                                         "продукта");
    QTest::newRow("no name") << 250.0 << " "
                             << "20"
                             << "50"
                             << "Запишите название меры";
    QTest::newRow("no grams") << 250.0 << "шт."
                              << ""
                              << "50"
                              << "Укажите сколько грамм или ккал в порции (если неизвестно, "
                                 "то запишите 0)";
    QTest::newRow("100 g, any name") << 250.0 << "пачка"
                                     << "100"
                                     << "250" << is100;
    QTest::newRow("100 g with a leading zero") << 250.0 << "пачка"
                                               << "0100"
                                               << "250" << is100;
    // Nothing to store the kcal of the measure from.
    QTest::newRow("no kcal") << 0.0 << "шт."
                             << "30"
                             << ""
                             << "Запишите, сколько ккал в порции (если неизвестно, то "
                                "запишите 0)";
    QTest::newRow("kcal is only a separator") << 0.0 << "шт."
                                              << "0"
                                              << ","
                                              << "Запишите, сколько ккал в порции (если "
                                                 "неизвестно, то запишите 0)";
    QTest::newRow("grams beyond an integer")
        << 0.0 << "шт."
        << "99999999999"
        << "1"
        << "Запишите, сколько грамм в порции, целым числом (если неизвестно, то запишите 0)";
}

void MeasuresTest::refusals()
{
    QFETCH(double, kkalProd);
    QFETCH(QString, name);
    QFETCH(QString, grams);
    QFETCH(QString, kcal);
    QFETCH(QString, message);
    FormsFixture f;
    SeedCatalogue(f);
    Open(1, kkalProd);
    Child<QPushButton>(fNewMera, "ButNew")->click();
    Field("EdMera")->setText(name);
    Field("EdGramm")->setText(grams);
    Field("EdKkal")->setText(kcal);
    QCOMPARE(OkWithMessage(), message);
    QCOMPARE(Stored(f, 1), (QStringList{"100г 100 250.0", "шт. 20 50.0"}));
    QCOMPARE(Texts(f, "SELECT kkal FROM tab_prod WHERE id_prod=1"), QStringList{"250"});
    QVERIFY(!Child<QWidget>(fNewMera, "Panel")->isHidden());
    QCOMPARE(Field("EdGramm")->text(), grams);
    fNewMera->close();
}

void MeasuresTest::firstMeasureStays()
{
    FormsFixture f;
    SeedCatalogue(f);
    Open(1, 250);
    ListView::Select(List(), 0);
    QString text;
    AnswerNextModal([&text](QWidget *box) {
        text = ModalText(box);
        PressButton(box, QStringLiteral("ОК"));
    });
    Child<QPushButton>(fNewMera, "ButEdit")->click();
    QCOMPARE(text, QStringLiteral("Нельзя редактировать меру 100г"));
    QVERIFY(Child<QWidget>(fNewMera, "Panel")->isHidden());
    QCOMPARE(ListView::Selected(List()), 0);

    Child<QPushButton>(fNewMera, "ButDel")->click();
    QCOMPARE(Stored(f, 1).size(), 2);

    ListView::Select(List(), 1);
    Child<QPushButton>(fNewMera, "ButDel")->click();
    QCOMPARE(Stored(f, 1), QStringList{"100г 100 250.0"});
    QCOMPARE(ListRows(List()), QStringList{"100г | 100 | 250,0"});
    fNewMera->close();
}

SYTOMIR_GUI_TEST_MAIN(MeasuresTest)
#include "MeasuresTest.moc"
