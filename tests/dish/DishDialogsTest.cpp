// The ready dish from the main window: the weight path into the product editor, the portions
// path with its checks, and where the new dish lands in the catalogue.
#include "GuiSupport.h"

#include "ListView.h"
#include "UBludo.h"
#include "UDM.h"
#include "UMain.h"
#include "UMy.h"
#include "UNewProd.h"
#include "UPorc.h"
#include "ui_UBludo.h"
#include "ui_UMain.h"
#include "ui_UPorc.h"

#include <QLocale>
#include <QtTest>

namespace {

// One grams entry holding the whole dish: 500 g with these totals.
void ShowRation(double kkal, double bel, double zir, double ugl)
{
    TRacionItem e;
    e.vremy = 0.5;
    e.id_prod = 1;
    e.flag = true;
    e.g = 500;
    e.kkal = kkal;
    e.bel = bel;
    e.zir = zir;
    e.ugl = ugl;
    ArrSave = {e};
    fMain->APaintLVRAc->trigger();
}

QTreeWidgetItem *Node(const QString &text)
{
    const auto found = fMain->ui->TVGrup->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// Fills fPorc's fields; nullptr leaves a field as the dialog proposed it.
struct TPorcInput {
    const char *count;
    const char *dish;
    const char *portion;
    const char *grams;
};

void Fill(const TPorcInput &in)
{
    const auto set = [](QLineEdit *edit, const char *text) {
        if (text)
            edit->setText(QString::fromUtf8(text));
    };
    set(fPorc->ui->EDMera, in.count);
    set(fPorc->ui->EdProd, in.dish);
    set(fPorc->ui->EdPorc, in.portion);
    set(fPorc->ui->EdGramm, in.grams);
}

} // namespace

class DishDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void emptyRationMakesNoDish();
    void weightPresetsProductEditor_data();
    void weightPresetsProductEditor();
    void missingWeightIsRefused_data();
    void missingWeightIsRefused();
    void portionsWriteDishIntoChosenGroup();
    void porcChecks_data();
    void porcChecks();
    void arrowsChangeCount();
    void cancelWritesNothing_data();
    void cancelWritesNothing();

private:
    QString Db() const { return fixture->folder.File(QStringLiteral("KKAL.mdb")); }
    int Products() const
    {
        return SqlColumn(Db(), QStringLiteral("SELECT count(*) FROM tab_prod")).first().toInt();
    }
    std::unique_ptr<FormsFixture> fixture;
};

void DishDialogsTest::init()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    fixture = std::make_unique<FormsFixture>();
    SqlExec(Db(), QStringLiteral("INSERT INTO tab_grup(id_grup,naim_grup,num_tv,id_parent) "
                                 "VALUES(1,'Блюда',1,0),(2,'Супы',1,1),(3,'Выпечка',2,0)"));
    SqlExec(Db(), QStringLiteral("INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) "
                                 "VALUES(1,'Мука',340,3)"));
    fMain->APaintTVGrup->trigger();
}

void DishDialogsTest::cleanup()
{
    ArrSave.clear();
    fixture.reset();
}

void DishDialogsTest::emptyRationMakesNoDish()
{
    QString message;
    AnswerNextModal([&](QWidget *box) {
        message = ModalText(box);
        PressButton(box, QStringLiteral("ОК"));
    });
    fMain->ButSloznClick();
    QCOMPARE(message, QStringLiteral("Пустой рацион сохранить как готовое блюдо нельзя"));
    QVERIFY(!fBludo->isVisible());
}

void DishDialogsTest::weightPresetsProductEditor_data()
{
    QTest::addColumn<bool>("percent");
    QTest::newRow("totals in grams") << false;
    QTest::newRow("totals shown in percent") << true;
}

void DishDialogsTest::weightPresetsProductEditor()
{
    QFETCH(bool, percent);
    fMain->ui->CBProc->setChecked(percent);
    ShowRation(750, 30, 20, 100);
    QCOMPARE(ListView::SubItem(fMain->ui->LVItog, 0, 4) != QStringLiteral("30,0"), percent);

    QString caption;
    QList<double> preset;
    AnswerNextModal([&](QWidget *bludo) {
        QCOMPARE(bludo, fBludo);
        fBludo->ui->EdGramm->setText(QStringLiteral("500"));
        AnswerNextModal([&](QWidget *editor) {
            QCOMPARE(editor, fNewProd);
            caption = editor->windowTitle();
            QCOMPARE(DM->TableProd.State(), TTable::dsInsert);
            for (const char *field : {"kkal", "bel", "zir", "ugl"})
                preset.append(DM->TableProd.FieldByName(QString::fromLatin1(field)).toDouble());
            PressButton(editor, QStringLiteral("Отмена"));
        });
        fBludo->ui->ButOK->click();
    });
    fMain->ButSloznClick();
    QCOMPARE(caption, QStringLiteral("Добавление нового продукта"));
    QCOMPARE(preset, (QList<double>{150, 6, 4, 20}));
    QVERIFY(!fBludo->isVisible());
    QCOMPARE(Products(), 1);
}

void DishDialogsTest::missingWeightIsRefused_data()
{
    QTest::addColumn<QString>("weight");
    QTest::newRow("empty") << "";
    QTest::newRow("zero") << "000";
}

void DishDialogsTest::missingWeightIsRefused()
{
    QFETCH(QString, weight);
    ShowRation(750, 30, 20, 100);
    QString message;
    bool stayedOpen = false;
    AnswerNextModal([&](QWidget *) {
        fBludo->ui->EdGramm->setText(weight);
        AnswerNextModal([&](QWidget *box) {
            message = ModalText(box);
            PressButton(box, QStringLiteral("ОК"));
        });
        fBludo->ui->ButOK->click();
        stayedOpen = fBludo->isVisible();
        QCOMPARE(fBludo->focusWidget(), fBludo->ui->EdGramm);
        fBludo->ui->ButCancel->click();
    });
    fMain->ButSloznClick();
    QCOMPARE(message, QStringLiteral("Запишите вес готового блюда"));
    QVERIFY(stayedOpen);
}

void DishDialogsTest::portionsWriteDishIntoChosenGroup()
{
    fMain->ui->TVGrup->setCurrentItem(Node(QStringLiteral("Супы")));
    ShowRation(1000, 30, 20, 100);
    const TArraySave ration = ArrSave;
    fMain->Saved = false;

    QStringList groups;
    QString proposed;
    QString recomputeMessage;
    AnswerNextModal([&](QWidget *) {
        fBludo->ui->RGItem1->click();
        QVERIFY(!fBludo->ui->EdGramm->isEnabled());
        AnswerNextModal([&](QWidget *porc) {
            QCOMPARE(porc, fPorc);
            QVERIFY(!fBludo->isVisible());
            for (int i = 0; i < fPorc->ui->CBGrup->count(); ++i)
                groups.append(fPorc->ui->CBGrup->itemText(i));
            proposed = fPorc->ui->CBGrup->currentText();
            fPorc->ui->CBGrup->setCurrentIndex(fPorc->ui->CBGrup->findText("Выпечка"));
            Fill({"3", "Пирог", "кусок", "100"});
            AnswerNextModal([&](QWidget *box) {
                recomputeMessage = ModalText(box);
                PressButton(box, QStringLiteral("ОК"));
            });
            fPorc->ui->ButOK->click();
        });
        fBludo->ui->ButOK->click();
    });
    fMain->ButSloznClick();

    QCOMPARE(groups, (QStringList{"Блюда", "Супы", "Выпечка"}));
    QCOMPARE(proposed, QStringLiteral("Супы"));
    QCOMPARE(recomputeMessage, QStringLiteral("Все меры, включая меру 100г, будут пересчитаны с "
                                              "учетом новых данных по соотношению ккал-грамм"));
    QVERIFY(!fPorc->isVisible());
    QVERIFY(!fBludo->isVisible());
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT id_grup FROM tab_prod WHERE naim_prod=?"),
                       {QStringLiteral("Пирог")}),
             QVariantList{3});
    QCOMPARE(fMain->ui->TVGrup->currentItem(), Node(QStringLiteral("Выпечка")));
    QStringList listed;
    for (int r = 0; r < fMain->ui->LVProd->rowCount(); ++r)
        listed.append(ListView::Caption(fMain->ui->LVProd, r));
    QCOMPARE(listed, (QStringList{"Мука", "Пирог"}));
    QCOMPARE(ArrSave, ration);
    QVERIFY(!fMain->Saved);
}

void DishDialogsTest::porcChecks_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("dish");
    QTest::addColumn<QString>("portion");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<bool>("group");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("no count") << ""
                              << "Щи"
                              << "тарелка"
                              << "300" << true << "EDMera"
                              << "Запишите количество порций";
    QTest::newRow("zero count") << "0,0"
                                << "Щи"
                                << "тарелка"
                                << "300" << true << "EDMera"
                                << "Запишите количество порций (не равно 0)";
    QTest::newRow("no dish name") << "2"
                                  << ""
                                  << "тарелка"
                                  << "300" << true << "EdProd"
                                  << "Запишите название порции";
    QTest::newRow("no portion name") << "2"
                                     << "Щи"
                                     << ""
                                     << "300" << true << "EdPorc"
                                     << "Запишите название порции";
    QTest::newRow("no grams")
        << "2"
        << "Щи"
        << "тарелка"
        << "" << true << "EdGramm"
        << "Запишите количество грамм в порции, если неизвестно -то запишите 0";
    QTest::newRow("no group") << "2"
                              << "Щи"
                              << "тарелка"
                              << "0" << false << "CBGrup"
                              << "Выберите группу для блюда";
}

void DishDialogsTest::porcChecks()
{
    QFETCH(QString, count);
    QFETCH(QString, dish);
    QFETCH(QString, portion);
    QFETCH(QString, grams);
    QFETCH(bool, group);
    QFETCH(QString, field);
    QFETCH(QString, message);
    if (!group)
        fMain->ui->TVGrup->setCurrentItem(nullptr);
    fPorc->show();
    QCOMPARE(fPorc->ui->CBGrup->currentIndex() >= 0, group);
    fPorc->ui->EDMera->setText(count);
    fPorc->ui->EdProd->setText(dish);
    fPorc->ui->EdPorc->setText(portion);
    fPorc->ui->EdGramm->setText(grams);
    QString shown;
    QString focused;
    AnswerNextModal([&](QWidget *box) {
        shown = ModalText(box);
        focused = fPorc->focusWidget() ? fPorc->focusWidget()->objectName() : QString();
        PressButton(box, QStringLiteral("ОК"));
    });
    fPorc->ButOKClick();
    QCOMPARE(shown, message);
    QCOMPARE(focused, field);
    QVERIFY(fPorc->isVisible());
    QCOMPARE(Products(), 1);
    fPorc->hide();
}

void DishDialogsTest::arrowsChangeCount()
{
    fPorc->show();
    QCOMPARE(fPorc->ui->EDMera->text(), QStringLiteral("1"));
    fPorc->ui->EDMera->clear();
    fPorc->ui->UD->UpButton()->click();
    QCOMPARE(fPorc->ui->EDMera->text(), QStringLiteral("0"));
    fPorc->ui->EDMera->setText(QStringLiteral("1,5"));
    fPorc->ui->UD->DownButton()->click();
    QCOMPARE(fPorc->ui->EDMera->text(), QStringLiteral("0,5"));
    fPorc->ui->UD->DownButton()->click();
    QCOMPARE(fPorc->ui->EDMera->text(), QStringLiteral("0,5"));
    QTest::keyClicks(fPorc->ui->EdGramm, QStringLiteral("1a,2"));
    QCOMPARE(fPorc->ui->EdGramm->text(), QStringLiteral("12"));
    fPorc->hide();
}

void DishDialogsTest::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("inPorc");
    QTest::newRow("Отмена in the weight dialog") << false;
    QTest::newRow("Отмена in the portions dialog") << true;
}

void DishDialogsTest::cancelWritesNothing()
{
    QFETCH(bool, inPorc);
    ShowRation(750, 30, 20, 100);
    AnswerNextModal([&](QWidget *) {
        if (!inPorc) {
            fBludo->ui->EdGramm->setText(QStringLiteral("500"));
            fBludo->ui->ButCancel->click();
            return;
        }
        fBludo->ui->RGItem1->click();
        AnswerNextModal([&](QWidget *) {
            Fill({"2", "Щи", "тарелка", "300"});
            fPorc->ui->ButCancel->click();
        });
        fBludo->ui->ButOK->click();
    });
    fMain->ButSloznClick();
    QVERIFY(!fBludo->isVisible());
    QCOMPARE(Products(), 1);
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT count(*) FROM tab_mera")).first().toInt(), 0);
}

SYTOMIR_GUI_TEST_MAIN(DishDialogsTest)
#include "DishDialogsTest.moc"
