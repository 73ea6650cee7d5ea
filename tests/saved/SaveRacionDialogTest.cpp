// The saved-rations dialog as the user meets it from the main window: its three openers, save
// under a new name, overwrite, re-save, load with its question, the preview and deletion.
#include "GuiSupport.h"

#include "SavedRations.h"
#include "UDM.h"
#include "UMain.h"
#include "UMy.h"
#include "USaveRacion.h"
#include "UVvod.h"
#include "ui_UMain.h"
#include "ui_USaveRacion.h"

#include <QLocale>
#include <QMenu>
#include <QtTest>

namespace {

TRacionItem Entry(int hour, qint32 prod, qint32 g, double kkal)
{
    TRacionItem e;
    e.vremy = hour / 24.0;
    e.id_prod = prod;
    e.flag = true;
    e.g = g;
    e.kkal = kkal;
    e.bel = kkal / 10;
    return e;
}

const TArraySave Breakfast = {Entry(8, 1, 200, 120), Entry(8, 2, 50, 125)};
const TArraySave Supper = {Entry(19, 2, 100, 250)};

// Makes `rac` the current ration and paints it, as the entry dialog leaves it.
void ShowRation(const TArraySave &rac)
{
    ArrSave = rac;
    fMain->APaintLVRAc->trigger();
}

QStringList Names(QTreeWidget *tree)
{
    QStringList names;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        names.append(tree->topLevelItem(i)->text(0));
    return names;
}

// Opens the dialog with `opener` and runs `inside` while it is up; the dialog must be closed
// by `inside` or it is closed with "Нет".
void WithDialog(void (TfMain::*opener)(), const std::function<void(Ui::TfSaveRacion *)> &inside)
{
    AnswerNextModal([inside](QWidget *w) {
        QCOMPARE(w, fSaveRacion);
        inside(fSaveRacion->ui);
        if (fSaveRacion->isVisible())
            fSaveRacion->ui->ButNo->click();
    });
    (fMain->*opener)();
    QVERIFY(!fSaveRacion->isVisible());
}

} // namespace

class SaveRacionDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void openersPlaceTreeAndCaption_data();
    void openersPlaceTreeAndCaption();
    void saveUnderNewName();
    void emptyNameIsRefused();
    void overwriteAsksFirst_data();
    void overwriteAsksFirst();
    void reSaveWritesIntoCurrentRation();
    void reSaveAfterCurrentWasDeletedAsksForName();
    void emptyRationCannotBeSaved();
    void loadAsksWhenListNotEmpty_data();
    void loadAsksWhenListNotEmpty();
    void previewPopsUpComposition();
    void deleteKeyOnlyInLoadMode_data();
    void deleteKeyOnlyInLoadMode();

private:
    QString Db() const { return fixture->folder.File(QStringLiteral("KKAL.mdb")); }
    std::unique_ptr<FormsFixture> fixture;
};

void SaveRacionDialogTest::init()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    fixture = std::make_unique<FormsFixture>();
    SqlExec(Db(), QStringLiteral("INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) "
                                 "VALUES(1,'Молоко',60,1),(2,'Хлеб',250,1)"));
    ShowRation({});
}

void SaveRacionDialogTest::cleanup()
{
    ArrSave.clear();
    fixture.reset();
}

void SaveRacionDialogTest::openersPlaceTreeAndCaption_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("tree");
    QTest::newRow("Сохранить как") << "ButSave"
                                   << "Сохранить рацион как" << QRect(16, 64, 401, 145);
    QTest::newRow("Сохранить ") << "ButSaveKak"
                                << "Сохранить рацион как" << QRect(16, 74, 401, 145);
    QTest::newRow("Загрузить") << "ButLoad"
                               << "Загрузить рацион" << QRect(16, 16, 401, 173);
}

void SaveRacionDialogTest::openersPlaceTreeAndCaption()
{
    QFETCH(QString, opener);
    QFETCH(QString, caption);
    QFETCH(QRect, tree);
    ShowRation(Breakfast);
    QString shownCaption;
    QRect shownTree;
    AnswerNextModal([&](QWidget *w) {
        shownCaption = w->windowTitle();
        shownTree = fSaveRacion->ui->TVSaveRac->geometry();
        fSaveRacion->ui->ButNo->click();
    });
    fMain->findChild<QPushButton *>(opener)->click();
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownTree, tree);
}

void SaveRacionDialogTest::saveUnderNewName()
{
    const qint32 listed = SaveNewRacion(QStringLiteral("Четверг"), Supper);
    ShowRation(Breakfast);
    fMain->Saved = false;
    QString proposed;
    WithDialog(&TfMain::ButSaveClick, [&](Ui::TfSaveRacion *ui) {
        proposed = ui->EdNaimRac->text();
        QCOMPARE(Names(ui->TVSaveRac), QStringList{QStringLiteral("Четверг")});
        ui->EdNaimRac->setText(QStringLiteral("Пятница"));
        ui->ButDa->click();
    });
    QCOMPARE(proposed, QDate::currentDate().toString(QStringLiteral("dd.MM.yy")));

    const std::optional<qint32> id = FindSavedRacion(QStringLiteral("Пятница"));
    QVERIFY(id);
    QCOMPARE(*id, listed + 1);
    QCOMPARE(fVvod->IdRac, *id);
    QCOMPARE(fMain->ui->Label1->text(), QStringLiteral("Текущий рацион: Пятница"));
    QVERIFY(fMain->Saved);
    TArraySave loaded;
    QVERIFY(LoadRacion(*id, loaded));
    QCOMPARE(loaded, Breakfast);

    // Opened again, the dialog proposes the current ration's name.
    WithDialog(&TfMain::ButSaveClick,
               [&](Ui::TfSaveRacion *ui) { proposed = ui->EdNaimRac->text(); });
    QCOMPARE(proposed, QStringLiteral("Пятница"));
}

void SaveRacionDialogTest::emptyNameIsRefused()
{
    ShowRation(Breakfast);
    QString message;
    bool stayedOpen = false;
    QWidget *focus = nullptr;
    WithDialog(&TfMain::ButSaveClick, [&](Ui::TfSaveRacion *ui) {
        ui->EdNaimRac->clear();
        AnswerNextModal([&](QWidget *box) {
            message = ModalText(box);
            PressButton(box, QStringLiteral("ОК"));
        });
        ui->ButDa->click();
        stayedOpen = fSaveRacion->isVisible();
        focus = fSaveRacion->focusWidget();
    });
    QCOMPARE(message, QStringLiteral("Запишите название рациона"));
    QVERIFY(stayedOpen);
    QCOMPARE(focus, fSaveRacion->ui->EdNaimRac);
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT count(*) FROM tab_nazv_rac")).first(), 0);
}

void SaveRacionDialogTest::overwriteAsksFirst_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("Да replaces the entries") << "Да";
    QTest::newRow("Нет writes nothing") << "Нет";
}

void SaveRacionDialogTest::overwriteAsksFirst()
{
    QFETCH(QString, answer);
    const qint32 id = SaveNewRacion(QStringLiteral("Обед"), Supper);
    ShowRation(Breakfast);
    fMain->Saved = false;
    QString question;
    WithDialog(&TfMain::ButSaveClick, [&](Ui::TfSaveRacion *ui) {
        ui->EdNaimRac->setText(QStringLiteral("Обед"));
        AnswerNextModal([&](QWidget *box) {
            question = ModalText(box);
            PressButton(box, answer);
        });
        ui->ButDa->click();
    });
    QCOMPARE(question, QStringLiteral("Рацион с таким названием уже существует, перезаписать?"));

    const bool yes = answer == QStringLiteral("Да");
    TArraySave stored;
    QVERIFY(LoadRacion(id, stored));
    QCOMPARE(stored, yes ? Breakfast : Supper);
    QCOMPARE(fVvod->IdRac, yes ? id : -1);
    QCOMPARE(fMain->Saved, yes);
    QCOMPARE(fMain->ui->Label1->text(), yes ? QStringLiteral("Текущий рацион: Обед") : QString());
    QStringList listed;
    WithDialog(&TfMain::ButLoadClick, [&](Ui::TfSaveRacion *ui) { listed = Names(ui->TVSaveRac); });
    QCOMPARE(listed, QStringList{QStringLiteral("Обед")});
}

void SaveRacionDialogTest::reSaveWritesIntoCurrentRation()
{
    const qint32 id = SaveNewRacion(QStringLiteral("Вторник"), Supper);
    fVvod->IdRac = id;
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: Вторник"));
    ShowRation(Breakfast);
    fMain->Saved = false;
    fMain->ButSaveKakClick(); // no window may open
    QVERIFY(fMain->Saved);
    QCOMPARE(fMain->ui->Label1->text(), QStringLiteral("Текущий рацион: Вторник"));
    TArraySave stored;
    QVERIFY(LoadRacion(id, stored));
    QCOMPARE(stored, Breakfast);
}

void SaveRacionDialogTest::reSaveAfterCurrentWasDeletedAsksForName()
{
    const qint32 id = SaveNewRacion(QStringLiteral("Вторник"), Supper);
    ShowRation(Breakfast);
    fVvod->IdRac = id;
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: Вторник"));
    WithDialog(&TfMain::ButLoadClick,
               [](Ui::TfSaveRacion *ui) { QTest::keyClick(ui->TVSaveRac, Qt::Key_Delete); });
    QCOMPARE(fVvod->IdRac, id);

    QString caption;
    WithDialog(&TfMain::ButSaveKakClick,
               [&](Ui::TfSaveRacion *) { caption = fSaveRacion->windowTitle(); });
    QCOMPARE(caption, QStringLiteral("Сохранить рацион как"));
    QCOMPARE(fVvod->IdRac, -1);
    QCOMPARE(fMain->ui->Label1->text(), QString());
    QCOMPARE(SqlColumn(Db(), QStringLiteral("SELECT count(*) FROM tab_racion")).first(), 0);
}

void SaveRacionDialogTest::emptyRationCannotBeSaved()
{
    fMain->Saved = false;
    QString message;
    AnswerNextModal([&](QWidget *box) {
        message = ModalText(box);
        PressButton(box, QStringLiteral("ОК"));
    });
    fMain->ButSaveKakClick();
    QCOMPARE(message, QStringLiteral("Пустой рацион сохранить нельзя"));
    QVERIFY(!fMain->Saved);
}

void SaveRacionDialogTest::loadAsksWhenListNotEmpty_data()
{
    QTest::addColumn<bool>("listHasRows");
    QTest::addColumn<QString>("answer");
    QTest::newRow("empty list: no question") << false << "";
    QTest::newRow("Да loads") << true << "Да";
    QTest::newRow("Нет keeps the ration") << true << "Нет";
}

void SaveRacionDialogTest::loadAsksWhenListNotEmpty()
{
    QFETCH(bool, listHasRows);
    QFETCH(QString, answer);
    const qint32 id = SaveNewRacion(QStringLiteral("Ужин"), Supper);
    const TArraySave before = listHasRows ? Breakfast : TArraySave{};
    ShowRation(before);
    fMain->ANoEnable->trigger();
    fMain->Saved = false;
    QString question;
    WithDialog(&TfMain::ButLoadClick, [&](Ui::TfSaveRacion *ui) {
        if (!answer.isEmpty())
            AnswerNextModal([&](QWidget *box) {
                question = ModalText(box);
                PressButton(box, answer);
            });
        ui->ButDa->click();
    });
    QCOMPARE(question,
             answer.isEmpty()
                 ? QString()
                 : QStringLiteral("Загрузка рациона очистит текущий, продолжить загрузку?"));
    QVERIFY(fMain->Saved);

    const bool loaded = answer != QStringLiteral("Нет");
    QCOMPARE(ArrSave, loaded ? Supper : before);
    QCOMPARE(fVvod->IdRac, loaded ? id : -1);
    QCOMPARE(fMain->ui->Label1->text(),
             loaded ? QStringLiteral("Текущий рацион: Ужин") : QString());
    QCOMPARE(fMain->ui->LVRac->rowCount() > 0, loaded || listHasRows);
    QCOMPARE(fMain->ui->ButSave->isEnabled(), loaded);
}

void SaveRacionDialogTest::previewPopsUpComposition()
{
    SqlExec(Db(), QStringLiteral("INSERT INTO tab_prod(id_prod,naim_prod,kkal,id_grup) "
                                 "VALUES(3,'Сыр',350,1)"));
    SaveNewRacion(QStringLiteral("Завтрак"), Breakfast);
    SaveNewRacion(QStringLiteral("Перекус"), {Entry(11, 3, 30, 105), Entry(11, 1, 100, 60)});
    SqlExec(Db(), QStringLiteral("DELETE FROM tab_prod WHERE id_prod=3"));
    QStringList items;
    QString name;
    WithDialog(&TfMain::ButLoadClick, [&](Ui::TfSaveRacion *ui) {
        QTreeWidget *tree = ui->TVSaveRac;
        QTreeWidgetItem *node = tree->topLevelItem(1);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
        QTRY_VERIFY(fSaveRacion->PMSostav->isVisible());
        for (QAction *a : fSaveRacion->PMSostav->actions())
            items.append(a->text());
        name = ui->EdNaimRac->text();
        fSaveRacion->PMSostav->close();
    });
    QCOMPARE(name, QStringLiteral("Перекус"));
    QCOMPARE(
        items,
        (QStringList{QStringLiteral(" 30г -105,0 ккал"), QStringLiteral("Молоко 100г -60,0 ккал"),
                     QStringLiteral("-----------"), QStringLiteral("Итого: 165,0 ккал")}));
}

void SaveRacionDialogTest::deleteKeyOnlyInLoadMode_data()
{
    QTest::addColumn<bool>("loadMode");
    QTest::newRow("save mode keeps it") << false;
    QTest::newRow("load mode deletes it") << true;
}

void SaveRacionDialogTest::deleteKeyOnlyInLoadMode()
{
    QFETCH(bool, loadMode);
    const qint32 gone = SaveNewRacion(QStringLiteral("Апрель"), Breakfast);
    SaveNewRacion(QStringLiteral("Май"), Supper);
    fVvod->IdRac = gone;
    fMain->ui->Label1->setText(QStringLiteral("Текущий рацион: Апрель"));
    QStringList left;
    WithDialog(loadMode ? &TfMain::ButLoadClick : &TfMain::ButSaveClick, [&](Ui::TfSaveRacion *ui) {
        QTest::keyClick(ui->TVSaveRac, Qt::Key_Delete);
        left = Names(ui->TVSaveRac);
    });
    const QStringList all{QStringLiteral("Апрель"), QStringLiteral("Май")};
    QCOMPARE(left, loadMode ? QStringList{QStringLiteral("Май")} : all);
    QCOMPARE(SavedRacionExists(gone), !loadMode);
    QCOMPARE(
        SqlColumn(Db(), QStringLiteral("SELECT count(*) FROM tab_racion WHERE id_rac=?"), {gone})
            .first()
            .toInt(),
        loadMode ? 0 : Breakfast.size());
    // Deleting the current saved ration lets go of nothing.
    QCOMPARE(fVvod->IdRac, gone);
    QCOMPARE(fMain->ui->Label1->text(), QStringLiteral("Текущий рацион: Апрель"));
}

SYTOMIR_GUI_TEST_MAIN(SaveRacionDialogTest)
#include "SaveRacionDialogTest.moc"
