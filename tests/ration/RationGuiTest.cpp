#include "GuiSupport.h"

#include "ListView.h"
#include "UMain.h"
#include "UMy.h"
#include "UNewProd.h"
#include "UVvod.h"
#include "ui_UMain.h"
#include "ui_UNewProd.h"
#include "ui_UVvod.h"

#include <QLocale>
#include <QSettings>
#include <QtTest>

namespace {

// A product with the given values per 100 g and its measures (name, grams, kcal) in order.
struct TSeedProd {
    int id;
    QString name;
    double kkal, bel, zir, ugl;
    QList<std::tuple<int, QString, int, double>> measures;
};

void Seed(const FormsFixture &f, const TSeedProd &p)
{
    const QString db = f.folder.File(QStringLiteral("KKAL.mdb"));
    SqlExec(db,
            QStringLiteral("INSERT INTO tab_prod (id_prod, naim_prod, kkal, bel, zir, ugl, "
                           "id_grup) VALUES (?, ?, ?, ?, ?, ?, 1)"),
            {p.id, p.name, p.kkal, p.bel, p.zir, p.ugl});
    for (const auto &[idMif, name, g, kkal] : p.measures)
        SqlExec(db,
                QStringLiteral("INSERT INTO tab_mera (id_mif, id_prod, naim_mera, g_mera, "
                               "kkal_mera) VALUES (?, ?, ?, ?, ?)"),
                {idMif, p.id, name, g, kkal});
}

// Milk: "100г", a glass of 200 g and a spoon of 15 g; bread has no measures.
void SeedCatalogue(const FormsFixture &f)
{
    Seed(f, {1,
             QStringLiteral("Молоко"),
             60,
             3,
             3.2,
             4.7,
             {{11, QStringLiteral("100г"), 100, 60},
              {12, QStringLiteral("стакан"), 200, 120},
              {13, QStringLiteral("ложка"), 15, 9}}});
    Seed(f, {2, QStringLiteral("Хлеб"), 250, 10, 4, 20, {}});
    Seed(f, {3, QStringLiteral("Сыр"), 350, 25, 27, 0, {{31, QStringLiteral("100г"), 100, 350}}});
}

// Puts a product into the product list and selects it, as the catalogue shows it.
void ShowProduct(int id, const QString &name)
{
    ListView::Clear(fMain->ui->LVProd);
    ListView::Select(fMain->ui->LVProd, ListView::AddRow(fMain->ui->LVProd, name, {}, id));
}

TRacionItem Entry(const char *time, qint32 prod, qint32 g, qint32 porc = 0, double count = 0)
{
    TRacionItem x;
    x.vremy = VremyOf(QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm")));
    x.id_prod = prod;
    x.flag = porc == 0;
    x.g = g;
    x.id_porc = porc;
    x.kol_porc = count;
    x.kkal = g * 0.6;
    x.bel = g * 0.03;
    x.zir = g * 0.032;
    x.ugl = g * 0.047;
    return x;
}

QStringList Row(QTableWidget *list, int row)
{
    QStringList cells{ListView::Caption(list, row)};
    for (int k = 0; k < 7; ++k)
        cells << ListView::SubItem(list, row, k);
    return cells;
}

Ui::TfVvod *V()
{
    return fVvod->ui;
}

// What the entry dialog shows, taken while it is open and compared after it has closed (a
// failed check inside the dialog would leave it open).
QString DialogState()
{
    const auto field = [](QWidget *w, const QString &text) {
        return w->isEnabled() ? text : text + QStringLiteral(" (off)");
    };
    return QStringList{fVvod->windowTitle(),
                       V()->EdNaim->text(),
                       V()->RGGramm->isChecked() ? QStringLiteral("граммы")
                                                 : QStringLiteral("порция"),
                       field(V()->EdGramm, V()->EdGramm->text()),
                       field(V()->CBMera, V()->CBMera->currentText()),
                       field(V()->EDMera, V()->EDMera->text()),
                       field(V()->UD, QStringLiteral("UD")),
                       V()->DTP->time().toString(QStringLiteral("HH:mm"))}
        .join(QStringLiteral(" | "));
}

} // namespace

class RationGuiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { ArrSave.clear(); }

    void paintsListAndTotals();
    void percentToggleTouchesOnlyTheTotalsRow();
    void lostProductAndMeasure();
    void failingLookUpKeepsRowsPainted();
    void arrows_data();
    void arrows();
    void keyFilters_data();
    void keyFilters();
    void addByGramsWithEnter();
    void addByPortions();
    void stopsWithoutAChange_data();
    void stopsWithoutAChange();
    void enterInTimePicker_data();
    void enterInTimePicker();
    void editPortionEntry();
    void editRefusedForLostRows();
    void deleteKey();
    void clearRation();
    void letGoOfSavedRation();
    void closeGuard_data();
    void closeGuard();
    void settingsWrittenOnClose();
};

void RationGuiTest::paintsListAndTotals()
{
    FormsFixture f;
    SeedCatalogue(f);
    ArrSave = {Entry("08:00", 1, 150), Entry("08:00", 2, 50), Entry("13:30", 3, 30)};
    fMain->ui->CBProc->setChecked(false);
    fMain->CBProcClick();
    QTableWidget *rac = fMain->ui->LVRac, *itog = fMain->ui->LVItog;

    fMain->ui->CB1->setChecked(true);
    fMain->APaintLVRAc->trigger();
    QCOMPARE(rac->rowCount(), 5);
    QCOMPARE(Row(rac, 0),
             (QStringList{"08:00", "Молоко", "150г", "150", "90,0", "4,5", "4,8", "7,1"}));
    QCOMPARE(Row(rac, 2),
             (QStringList{"", "", "Итого за прием:", "200", "120,0", "6,0", "6,4", "9,5"}));
    QCOMPARE(ListView::Data(rac, 1).toInt(), 1);
    QCOMPARE(ListView::Data(rac, 3).toInt(), 2);
    QVERIFY(!ListView::Data(rac, 2).isValid());
    QCOMPARE(itog->rowCount(), 2);
    QCOMPARE(Row(itog, 0),
             (QStringList{"", "", "Итого за день:", "230", "138,0", "6,9", "7,4", "10,9"}));
    QCOMPARE(Row(itog, 1), (QStringList{"", "", "", "230", "138,0", "6,9", "7,4", "10,9"}));
    QVERIFY(itog->isRowHidden(1));
    QVERIFY(itog->horizontalHeader()->isHidden());

    fMain->ui->CB1->click();
    QCOMPARE(rac->rowCount(), 3);
    QCOMPARE(Row(rac, 1)[0], QString());
    QCOMPARE(Row(itog, 0)[4], QStringLiteral("138,0"));

    fMain->ui->CB2->click();
    QCOMPARE(rac->columnWidth(6), 0);
    QCOMPARE(itog->columnWidth(6), 0);
    QVERIFY(fMain->ui->CBProc->isHidden());
    QCOMPARE(Row(itog, 0)[6], QStringLiteral("7,4"));

    ArrSave.clear();
    fMain->APaintLVRAc->trigger();
    QCOMPARE(rac->rowCount(), 0);
    QCOMPARE(itog->rowCount(), 0);
}

void RationGuiTest::percentToggleTouchesOnlyTheTotalsRow()
{
    FormsFixture f;
    SeedCatalogue(f);
    TRacionItem x = Entry("08:00", 1, 100);
    x.bel = x.zir = x.ugl = 10;
    ArrSave = {x};
    fMain->ui->CBProc->setChecked(false);
    fMain->CBProcClick();
    fMain->APaintLVRAc->trigger();
    const QStringList racRow = Row(fMain->ui->LVRac, 0);
    const QStringList grams = Row(fMain->ui->LVItog, 1);

    fMain->ui->CBProc->click();
    QCOMPARE(fMain->ui->EProc->text(), QStringLiteral("%"));
    QCOMPARE(Row(fMain->ui->LVItog, 0).mid(3),
             (QStringList{"100", "60,0", "23,4", "53,1", "23,5"}));
    QCOMPARE(Row(fMain->ui->LVItog, 1), grams);
    QCOMPARE(Row(fMain->ui->LVRac, 0), racRow);

    // A repaint keeps the chosen form.
    fMain->APaintLVRAc->trigger();
    QCOMPARE(Row(fMain->ui->LVItog, 0)[5], QStringLiteral("23,4"));

    fMain->ui->CBProc->click();
    QCOMPARE(fMain->ui->EProc->text(), QStringLiteral("г."));
    QCOMPARE(Row(fMain->ui->LVItog, 0).mid(3), grams.mid(3));

    ArrSave[0].bel = ArrSave[0].zir = ArrSave[0].ugl = 0;
    fMain->APaintLVRAc->trigger();
    fMain->ui->CBProc->click();
    QCOMPARE(Row(fMain->ui->LVItog, 0).mid(5), (QStringList{"0,0", "0,0", "0,0"}));
}

void RationGuiTest::lostProductAndMeasure()
{
    FormsFixture f;
    SeedCatalogue(f);
    ArrSave = {Entry("08:00", 9, 100), Entry("08:00", 1, 200, 99, 1),
               Entry("09:00", 1, 400, 12, 2)};
    fMain->APaintLVRAc->trigger();
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, 0, 0), QStringLiteral("Продукт был удален"));
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, 1, 1), QStringLiteral("мера удалена"));
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, 1, 3), QStringLiteral("120,0"));
    const int last = fMain->ui->CB1->isChecked() ? 3 : 2;
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, last, 1), QStringLiteral("2 * стакан"));

    // A rename or deletion in the catalogue shows at the next repaint.
    SqlExec(f.folder.File("KKAL.mdb"), "UPDATE tab_mera SET naim_mera='кружка' WHERE id_mif=12");
    SqlExec(f.folder.File("KKAL.mdb"), "DELETE FROM tab_prod WHERE id_prod=1");
    fMain->APaintLVRAc->trigger();
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, last, 0), QStringLiteral("Продукт был удален"));
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, last, 1), QStringLiteral("2 * кружка"));
}

void RationGuiTest::failingLookUpKeepsRowsPainted()
{
    FormsFixture f;
    SeedCatalogue(f);
    SqlExec(f.folder.File("KKAL.mdb"), "DROP TABLE tab_mera");
    fMain->ui->CB1->setChecked(false);
    ArrSave = {Entry("08:00", 1, 100), Entry("08:00", 3, 30, 31, 0.3)};
    QString report;
    AnswerNextModal([&](QWidget *box) {
        report = ModalText(box);
        box->close();
    });
    TApplication::Dispatch([] { fMain->APaintLVRAc->trigger(); });
    QVERIFY2(report.contains(QStringLiteral("tab_mera")), qPrintable(report));
    QCOMPARE(fMain->ui->LVRac->rowCount(), 1);
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, 0, 0), QStringLiteral("Молоко"));
    QCOMPARE(fMain->ui->LVItog->rowCount(), 0);
    QVERIFY(fMain->ui->LVRac->updatesEnabled());
}

void RationGuiTest::arrows_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("after");

    QTest::newRow("up on empty") << "" << true << "0";
    QTest::newRow("up on 1") << "1" << true << "2";
    QTest::newRow("up on 0,5") << "0,5" << true << "1,5";
    QTest::newRow("down on 1 stays") << "1" << false << "1";
    QTest::newRow("down on 1,5") << "1,5" << false << "0,5";
    QTest::newRow("down on 0,5 stays") << "0,5" << false << "0,5";
    QTest::newRow("down on 1,2 stays above a tenth") << "1,2" << false << "0,2";
}

void RationGuiTest::arrows()
{
    QFETCH(QString, before);
    QFETCH(bool, up);
    QFETCH(QString, after);
    FormsFixture f;
    V()->EDMera->setEnabled(true);
    V()->UD->setEnabled(true);
    V()->EDMera->setText(before);
    QTest::mouseClick(up ? V()->UD->UpButton() : V()->UD->DownButton(), Qt::LeftButton);
    QCOMPARE(V()->EDMera->text(), after);
}

void RationGuiTest::keyFilters_data()
{
    QTest::addColumn<bool>("count"); // the count field, else the grams field
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");

    QTest::newRow("grams: digits") << false << ""
                                   << "12"
                                   << "12";
    QTest::newRow("grams: letters and separators") << false << "1"
                                                   << "a,.-"
                                                   << "1";
    QTest::newRow("count: dot becomes comma") << true << "1"
                                              << ".5"
                                              << "1,5";
    QTest::newRow("count: comma") << true << "1"
                                  << ",5"
                                  << "1,5";
    QTest::newRow("count: second separator") << true << "1,5"
                                             << ".,2"
                                             << "1,52";
    QTest::newRow("count: letters") << true << "2"
                                    << "x e"
                                    << "2";
}

void RationGuiTest::keyFilters()
{
    QFETCH(bool, count);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    FormsFixture f;
    QLineEdit *edit = count ? V()->EDMera : V()->EdGramm;
    edit->setEnabled(true);
    edit->setText(before);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), after);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), after.chopped(1));
}

void RationGuiTest::addByGramsWithEnter()
{
    FormsFixture f;
    SeedCatalogue(f);
    ShowProduct(2, QStringLiteral("Хлеб"));
    QString shown;
    AnswerNextModal([&](QWidget *) {
        shown = DialogState();
        V()->DTP->setTime(QTime(8, 15));
        V()->EdGramm->setText(QStringLiteral("150"));
        QTest::keyClick(V()->EdGramm, Qt::Key_Return);
    });
    fMain->ButvRacClick();
    const QString now = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    QCOMPARE(shown.section(QStringLiteral(" | "), 0, 6),
             QStringLiteral("Занести продукт в рацион | Хлеб | граммы | 0 |  (off) | 1 (off) | UD "
                            "(off)"));
    QVERIFY(qAbs(QTime::fromString(shown.section(QStringLiteral(" | "), 7), "HH:mm")
                     .secsTo(QTime::fromString(now, "HH:mm"))) <= 60);
    QVERIFY(!fVvod->isVisible());
    QCOMPARE(ArrSave.size(), 1);
    QCOMPARE(ArrSave[0].g, 150);
    QCOMPARE(ArrSave[0].kkal, 375.0);
    QCOMPARE(ArrSave[0].bel, 15.0);
    QVERIFY(!fMain->Saved);
    QCOMPARE(fMain->ui->LVRac->rowCount() > 0, true);
    QVERIFY(fMain->ui->ButClear->isEnabled());

    // The next entry proposes the latest time; the proposed "0" gives an entry of nothing.
    AnswerNextModal([&](QWidget *) {
        shown = DialogState();
        QTest::keyClick(V()->EdGramm, Qt::Key_Enter);
    });
    fMain->LVProdDblClick();
    QVERIFY(shown.endsWith(QStringLiteral("08:15")));
    QCOMPARE(ArrSave.size(), 1);
    QCOMPARE(ArrSave[0].g, 150);
}

void RationGuiTest::addByPortions()
{
    FormsFixture f;
    SeedCatalogue(f);
    ShowProduct(1, QStringLiteral("Молоко"));
    QString before, portions;
    AnswerNextModal([&](QWidget *w) {
        before = DialogState();
        V()->RGPorc->click();
        V()->DTP->setTime(QTime(9, 0));
        V()->EDMera->setText(QStringLiteral("2,5"));
        portions = DialogState();
        PressButton(w, QStringLiteral("Да"));
    });
    fMain->ButvRacClick();
    QCOMPARE(V()->CBMera->count(), 3);
    QVERIFY(before.contains(QStringLiteral(" | стакан (off) | 1 (off) | UD (off) | ")));
    QCOMPARE(portions, QStringLiteral("Занести продукт в рацион | Молоко | порция | 0 (off) | "
                                      "стакан | 2,5 | UD | 09:00"));
    QCOMPARE(ArrSave.size(), 1);
    QCOMPARE(ArrSave[0].g, 500);
    QCOMPARE(ArrSave[0].id_porc, 12);
    QCOMPARE(ArrSave[0].kol_porc, 2.5);
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, 0, 1), QStringLiteral("2,5 * стакан"));

    ShowProduct(3, QStringLiteral("Сыр"));
    AnswerNextModal([&](QWidget *w) {
        before = DialogState();
        PressButton(w, QStringLiteral("Нет"));
    });
    fMain->ButvRacClick();
    QVERIFY(before.contains(QStringLiteral(" | 100г (off) | ")));
    QCOMPARE(ArrSave.size(), 1);
    QVERIFY(!fMain->Saved);
}

void RationGuiTest::stopsWithoutAChange_data()
{
    QTest::addColumn<int>("prod");
    QTest::addColumn<bool>("portions");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("countFocused");

    QTest::newRow("empty count") << 1 << true << ""
                                 << "Введите количество порций" << false;
    QTest::newRow("zero count") << 1 << true << "0,0"
                                << "Введите количество порций" << true;
    QTest::newRow("lone separator") << 1 << true << ","
                                    << "',' is not a valid floating point value." << false;
    QTest::newRow("count too large") << 1 << true << "20000000"
                                     << "Range check error." << false;
    QTest::newRow("empty grams") << 1 << false << ""
                                 << "'' is not a valid integer value." << false;
    QTest::newRow("portions of a product without measures")
        << 2 << true << "1"
        << "У продукта нет мер, занесите его в рацион в граммах" << false;
    QTest::newRow("product deleted meanwhile") << 9 << false << "100"
                                               << "Продукт удален из справочника" << false;
}

void RationGuiTest::stopsWithoutAChange()
{
    QFETCH(int, prod);
    QFETCH(bool, portions);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    QFETCH(bool, countFocused);
    FormsFixture f;
    SeedCatalogue(f);
    ArrSave = {Entry("08:00", 1, 100)};
    fMain->APaintLVRAc->trigger();
    fMain->Saved = true;
    const TArraySave before = ArrSave;
    ShowProduct(prod, QStringLiteral("Продукт"));
    QString shown;
    bool stillOpen = false;
    bool focused = false;
    AnswerNextModal([&](QWidget *w) {
        if (portions)
            V()->RGPorc->click();
        (portions ? V()->EDMera : V()->EdGramm)->setText(amount);
        AnswerNextModal([&](QWidget *box) {
            shown = ModalText(box);
            focused = fVvod->focusWidget() == V()->EDMera;
            box->close();
        });
        // An error escaping the click is reported by the event dispatch, as in the program.
        TApplication::Dispatch([w] { PressButton(w, QStringLiteral("Да")); });
        stillOpen = w->isVisible();
        PressButton(w, QStringLiteral("Нет"));
    });
    fMain->ButvRacClick();
    QCOMPARE(shown, message);
    QVERIFY(stillOpen);
    QCOMPARE(focused, countFocused);
    QCOMPARE(ArrSave, before);
    QVERIFY(fMain->Saved);
    QCOMPARE(fMain->ui->LVRac->rowCount(), 2);
}

void RationGuiTest::enterInTimePicker_data()
{
    QTest::addColumn<bool>("portions");
    QTest::newRow("grams") << false;
    QTest::newRow("portions") << true;
}

void RationGuiTest::enterInTimePicker()
{
    QFETCH(bool, portions);
    FormsFixture f;
    SeedCatalogue(f);
    ShowProduct(1, QStringLiteral("Молоко"));
    QWidget *focus = nullptr;
    QString selected;
    bool open = false;
    AnswerNextModal([&](QWidget *w) {
        if (portions)
            V()->RGPorc->click();
        V()->DTP->setFocus();
        QTest::keyClick(V()->DTP, Qt::Key_Return);
        focus = fVvod->focusWidget();
        selected = qobject_cast<QLineEdit *>(focus)
                       ? qobject_cast<QLineEdit *>(focus)->selectedText()
                       : QString();
        // Enter in the count field does nothing.
        if (portions)
            QTest::keyClick(V()->EDMera, Qt::Key_Return);
        open = w->isVisible();
        PressButton(w, QStringLiteral("Нет"));
    });
    fMain->ButvRacClick();
    QCOMPARE(focus, portions ? static_cast<QWidget *>(V()->EDMera) : V()->EdGramm);
    QCOMPARE(selected, portions ? QStringLiteral("1") : QStringLiteral("0"));
    QVERIFY(open);
    QVERIFY(ArrSave.isEmpty());
}

void RationGuiTest::editPortionEntry()
{
    FormsFixture f;
    SeedCatalogue(f);
    ArrSave = {Entry("08:00", 1, 30, 13, 2), Entry("08:00", 3, 50), Entry("12:30", 2, 100)};
    fMain->ui->CB1->setChecked(true);
    fMain->APaintLVRAc->trigger();
    fMain->Saved = true;

    QString shown;
    ListView::Select(fMain->ui->LVRac, 0);
    AnswerNextModal([&](QWidget *w) {
        shown = DialogState();
        V()->DTP->setTime(QTime(12, 30));
        PressButton(w, QStringLiteral("Да"));
    });
    fMain->LVRacDblClick();
    // The spoon entry proposes the glass, the default of the measure list.
    QCOMPARE(shown, QStringLiteral("Изменение продукта в рационе | Молоко | порция | 0 (off) | "
                                   "стакан | 2 | UD | 08:00"));
    QCOMPARE(fVvod->EditIndex, 0);
    QCOMPARE(ArrSave.size(), 3);
    QCOMPARE(ArrSave[2].id_porc, 12);
    QCOMPARE(ArrSave[2].g, 400);
    QCOMPARE(VremyText(ArrSave[2].vremy), QStringLiteral("12:30"));
    QVERIFY(!fMain->Saved);

    // The moved entry, switched to grams, opens in grams afterwards.
    const int row = fMain->ui->LVRac->rowCount() - 2;
    QCOMPARE(ListView::Data(fMain->ui->LVRac, row).toInt(), 2);
    ListView::Select(fMain->ui->LVRac, row);
    AnswerNextModal([&](QWidget *w) {
        V()->RGGramm->click();
        V()->EdGramm->setText(QStringLiteral("250"));
        PressButton(w, QStringLiteral("Да"));
    });
    fMain->LVRacDblClick();
    QVERIFY(ArrSave[2].flag);
    QCOMPARE(ArrSave[2].id_porc, 0);
    QCOMPARE(ArrSave[2].kol_porc, 0.0);
    ListView::Select(fMain->ui->LVRac, row);
    AnswerNextModal([&](QWidget *w) {
        shown = DialogState();
        PressButton(w, QStringLiteral("Нет"));
    });
    fMain->LVRacDblClick();
    QCOMPARE(shown, QStringLiteral("Изменение продукта в рационе | Молоко | граммы | 250 | стакан "
                                   "(off) | 1 (off) | UD (off) | 12:30"));

    // A subtotal row opens nothing.
    QCOMPARE(ListView::SubItem(fMain->ui->LVRac, 1, 1), QStringLiteral("Итого за прием:"));
    ListView::Select(fMain->ui->LVRac, 1);
    fMain->LVRacDblClick();
    QVERIFY(!fVvod->isVisible());
}

void RationGuiTest::editRefusedForLostRows()
{
    FormsFixture f;
    SeedCatalogue(f);
    ArrSave = {Entry("08:00", 9, 100), Entry("08:00", 1, 30, 99, 2), Entry("08:00", 0, 10)};
    fMain->APaintLVRAc->trigger();
    for (int row = 0; row < 3; ++row) {
        ListView::Select(fMain->ui->LVRac, row);
        fMain->LVRacDblClick();
        QVERIFY(!fVvod->isVisible());
    }
}

void RationGuiTest::deleteKey()
{
    FormsFixture f;
    SeedCatalogue(f);
    ArrSave = {Entry("08:00", 1, 100), Entry("08:00", 2, 50), Entry("08:00", 3, 20)};
    fMain->ui->CB1->setChecked(true);
    fMain->APaintLVRAc->trigger();
    fMain->Saved = true;
    QTableWidget *rac = fMain->ui->LVRac;

    ListView::Select(rac, 3);
    QTest::keyClick(rac, Qt::Key_Delete);
    QCOMPARE(ArrSave.size(), 3);
    QVERIFY(fMain->Saved);

    ListView::Select(rac, 1);
    QTest::keyClick(rac, Qt::Key_Backspace);
    QCOMPARE(ArrSave.size(), 3);
    QTest::keyClick(rac, Qt::Key_Delete);
    QCOMPARE(ArrSave.size(), 2);
    QCOMPARE(ArrSave[1].id_prod, 3);
    QVERIFY(!fMain->Saved);
    QCOMPARE(ListView::SubItem(rac, 2, 2), QStringLiteral("120"));

    fMain->AEnable->trigger();
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: завтрак"));
    for (int i = 0; i < 2; ++i) {
        ListView::Select(rac, 0);
        QTest::keyClick(rac, Qt::Key_Delete);
    }
    QCOMPARE(rac->rowCount(), 0);
    QCOMPARE(fMain->ui->LVItog->rowCount(), 0);
    QVERIFY(fMain->ui->ButClear->isEnabled());
    QCOMPARE(fMain->ui->Label1->text(), QStringLiteral("Текущий рацион: завтрак"));
}

void RationGuiTest::clearRation()
{
    FormsFixture f;
    SeedCatalogue(f);
    // Empty list: no question.
    fMain->ButClearClick();

    ArrSave = {Entry("08:00", 1, 100)};
    fMain->ui->CB1->setChecked(false);
    fMain->APaintLVRAc->trigger();
    fMain->AEnable->trigger();
    fMain->Saved = false;
    fVvod->IdRac = 5;
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: обед"));
    AnswerWithButton(QStringLiteral("Нет"));
    fMain->ui->ButClear->click();
    QCOMPARE(ArrSave.size(), 1);
    QCOMPARE(fMain->ui->LVRac->rowCount(), 1);
    QVERIFY(!fMain->Saved);

    QString question;
    AnswerNextModal([&](QWidget *w) {
        question = ModalText(w);
        PressButton(w, QStringLiteral("Да"));
    });
    fMain->ui->ButClear->click();
    QCOMPARE(question, QStringLiteral("Очистить текущий рацион?"));
    QVERIFY(ArrSave.isEmpty());
    QCOMPARE(fMain->ui->LVRac->rowCount(), 0);
    QCOMPARE(fMain->ui->LVItog->rowCount(), 0);
    QCOMPARE(fVvod->IdRac, -1);
    QVERIFY(fMain->ui->Label1->text().isEmpty());
    QVERIFY(fMain->Saved);
    QVERIFY(!fMain->ui->ButClear->isEnabled());
    QVERIFY(!fMain->ui->ButSaveKak->isEnabled());
    QVERIFY(fMain->ui->ButLoad->isEnabled());
}

void RationGuiTest::letGoOfSavedRation()
{
    FormsFixture f;
    const QString db = f.folder.File("KKAL.mdb");
    SqlExec(db, "INSERT INTO tab_nazv_rac (id, naim_rac) VALUES (4, 'с записями'), (5, 'пустой')");
    SqlExec(db, "INSERT INTO tab_racion (id_rac, vremy, id_prod, flag, g, id_porc, kol_porc, "
                "kkal, bel, zir, ugl) VALUES (4, 0.5, 1, 1, 100, 0, 0, 60, 3, 3, 4)");

    fMain->AEnable->trigger();
    fVvod->IdRac = 4;
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: с записями"));
    fMain->ui->ButClear->click();
    QVERIFY(fMain->ui->Label1->text().isEmpty());
    QCOMPARE(fVvod->IdRac, 4);
    QCOMPARE(SqlColumn(db, "SELECT count(*) FROM tab_nazv_rac").value(0).toInt(), 2);

    fVvod->IdRac = 5;
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: пустой"));
    fMain->ADeleteRac->trigger();
    QVERIFY(fMain->ui->Label1->text().isEmpty());
    QCOMPARE(fVvod->IdRac, -1);
    QCOMPARE(SqlColumn(db, "SELECT id FROM tab_nazv_rac"), QVariantList{4});

    // A non-empty list keeps everything.
    ArrSave = {Entry("08:00", 1, 100)};
    fMain->APaintLVRAc->trigger();
    fVvod->IdRac = 4;
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: с записями"));
    fMain->ADeleteRac->trigger();
    QVERIFY(!fMain->ui->Label1->text().isEmpty());
}

void RationGuiTest::closeGuard_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("answer"); // empty: no question expected
    QTest::addColumn<bool>("closes");

    QTest::newRow("saved: no question") << true << "" << true;
    QTest::newRow("unsaved, Нет: closes") << false << "Нет" << true;
    QTest::newRow("unsaved, Да: saves and stays") << false << "Да" << false;
}

void RationGuiTest::closeGuard()
{
    QFETCH(bool, saved);
    QFETCH(QString, answer);
    QFETCH(bool, closes);
    FormsFixture f;
    SeedCatalogue(f);
    ArrSave = {Entry("08:00", 1, 100)};
    fMain->APaintLVRAc->trigger();
    fMain->Saved = saved;
    QString question, next;
    if (!answer.isEmpty())
        AnswerNextModal([&](QWidget *w) {
            question = ModalText(w);
            // A ration never saved goes to the saved-rations dialog for a name.
            if (answer == QStringLiteral("Да"))
                AnswerNextModal([&](QWidget *dialog) {
                    next = dialog->windowTitle();
                    dialog->close();
                });
            PressButton(w, answer);
        });
    QCOMPARE(fMain->FormCloseQuery(), closes);
    QCOMPARE(question, answer.isEmpty() ? QString()
                                        : QStringLiteral("Сохранить изменения в текущем рационе?"));
    QCOMPARE(next,
             answer == QStringLiteral("Да") ? QStringLiteral("Сохранить рацион как") : QString());
}

void RationGuiTest::settingsWrittenOnClose()
{
    FormsFixture f;
    ArrSave = {Entry("08:00", 1, 100)};
    fMain->ui->CB1->setChecked(false);
    fMain->ui->CB2->setChecked(true);
    fMain->ui->CBProc->setChecked(true);
    fNewProd->ui->CBBZY->setChecked(true);
    fMain->FormClose();
    QVERIFY(ArrSave.isEmpty());
    QSettings ini(f.folder.File("setting.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value("lvRac/CB1").toString(), QStringLiteral("0"));
    QCOMPARE(ini.value("lvRac/CB2").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("lvRac/CB4").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("lvRac/CB3").toString(), QStringLiteral("1"));
}

SYTOMIR_GUI_TEST_MAIN(RationGuiTest)
#include "RationGuiTest.moc"
