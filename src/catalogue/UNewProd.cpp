#include "UNewProd.h"
#include "ui_UNewProd.h"

#include "Catalogue.h"
#include "KeyPress.h"
#include "ListView.h"
#include "NumberInput.h"
#include "Numbers.h"
#include "Paths.h"
#include "UDM.h"
#include "UDialog.h"
#include "UMain.h"
#include "UMessage.h"
#include "UMy.h"
#include "UNewMera.h"
#include "ui_UMain.h"
#include "ui_UNewMera.h"

#include <QApplication>
#include <QMouseEvent>

TfNewProd *fNewProd = nullptr;

const QString TfNewProd::CaptionNew = QStringLiteral("Добавление нового продукта");
const QString TfNewProd::CaptionEdit = QStringLiteral("Редактирование");

namespace {

const int HeightShort = 170; // the Б/Ж/У panel cut off
const int HeightFull = 210;

QString NumberText(const QVariant &value)
{
    return value.isNull() ? QString() : FloatToStr(value.toDouble());
}

QVariant NumberValue(const QString &text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(StrToFloat(text));
}

// Sets a field only when its value really changes, so that an untouched record stays
// unmodified.
void SetField(const QString &name, const QVariant &value)
{
    const QVariant old = DM->TableProd.FieldByName(name);
    if (old.isNull() && value.isNull())
        return;
    if (!old.isNull() && !value.isNull() && old == value)
        return;
    DM->TableProd.SetFieldByName(name, value);
}

} // namespace

TfNewProd::TfNewProd(QWidget *parent) : QDialog(parent), ui(new Ui::TfNewProd)
{
    ui->setupUi(this);
    setFixedSize(width(), HeightFull);
    connect(ui->ButOK, &QPushButton::clicked, this, &TfNewProd::ButCancelClick);
    connect(ui->ButCancel, &QPushButton::clicked, this, &TfNewProd::XiButton3Click);
    connect(ui->XiButton1, &QPushButton::clicked, this, &TfNewProd::XiButton1Click);
    connect(ui->CBBZY, &QCheckBox::clicked, this, &TfNewProd::CBBZYClick);
    connect(ui->DBEdKKal, &QLineEdit::textChanged, this, &TfNewProd::DBEdKKalChange);
    connect(ui->DBEdB, &QLineEdit::textChanged, this, &TfNewProd::DBEdBChange);
    connect(ui->DBEdZ, &QLineEdit::textChanged, this, &TfNewProd::DBEdZChange);
    connect(ui->DBEdU, &QLineEdit::textChanged, this, &TfNewProd::DBEdUChange);
    connect(ui->DBEdKKal, &QLineEdit::textEdited, this, [this] { fKkalEdited = true; });
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->DBEdNaim, ui->DBEdKKal, ui->DBEdB, ui->DBEdZ, ui->DBEdU, ui->CBGrup, ui->Label5})
        w->installEventFilter(this);
}

TfNewProd::~TfNewProd()
{
    delete ui;
}

void TfNewProd::FormCreate()
{
    ui->CBBZY->setChecked(ReadIni(AppDir() + QStringLiteral("setting.ini"), QStringLiteral("lvRac"),
                                  QStringLiteral("CB3"),
                                  QStringLiteral("1")) == QStringLiteral("1"));
}

void TfNewProd::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfNewProd::FormShow()
{
    setFixedSize(width(), HeightShort);
    fMain->APaintCBGrup->trigger();
    ui->XiButton1->setVisible(windowTitle() == CaptionEdit);
    LoadRecord();
    fKkalEdited = false;
    ApplyHeight();
    CenterOver(this, OuterRect(fMain));
    ui->DBEdNaim->setFocus();
}

void TfNewProd::LoadRecord()
{
    const TTable &t = DM->TableProd;
    ui->DBEdNaim->setText(t.FieldByName(QStringLiteral("naim_prod")).toString());
    ui->DBEdKKal->setText(NumberText(t.FieldByName(QStringLiteral("kkal"))));
    ui->DBEdB->setText(NumberText(t.FieldByName(QStringLiteral("bel"))));
    ui->DBEdZ->setText(NumberText(t.FieldByName(QStringLiteral("zir"))));
    ui->DBEdU->setText(NumberText(t.FieldByName(QStringLiteral("ugl"))));
}

void TfNewProd::UpdateRecord()
{
    const QVariant kkal = NumberValue(ui->DBEdKKal->text());
    const QVariant bel = NumberValue(ui->DBEdB->text());
    const QVariant zir = NumberValue(ui->DBEdZ->text());
    const QVariant ugl = NumberValue(ui->DBEdU->text());
    SetField(QStringLiteral("naim_prod"), ui->DBEdNaim->text());
    SetField(QStringLiteral("kkal"), kkal);
    SetField(QStringLiteral("bel"), bel);
    SetField(QStringLiteral("zir"), zir);
    SetField(QStringLiteral("ugl"), ugl);
}

void TfNewProd::ApplyHeight()
{
    const bool full = ui->CBBZY->isChecked();
    // Hidden, not just cut off, so that Tab does not lead into fields nobody sees.
    ui->XiPanel1->setVisible(full);
    setFixedSize(width(), full ? HeightFull : HeightShort);
}

void TfNewProd::CBBZYClick()
{
    ApplyHeight();
}

void TfNewProd::Label5Click()
{
    ui->CBBZY->toggle();
    ApplyHeight();
}

void TfNewProd::ButCancelClick()
{
    TTable &t = DM->TableProd;
    const bool hasGroup = ui->CBGrup->currentIndex() >= 0;
    if (hasGroup)
        SetField(QStringLiteral("id_grup"), ui->CBGrup->currentData().toInt());
    if (ui->DBEdNaim->text().trimmed().isEmpty()) {
        FMessage->ShowMessage(QStringLiteral("Запишите название продукта"), this);
        ui->DBEdNaim->setFocus();
        return;
    }
    if (ui->DBEdKKal->text().trimmed().isEmpty()) {
        FMessage->ShowMessage(
            QStringLiteral("Запишите калорийность. Если она неизвестна для 100г поставьте 0"),
            this);
        ui->DBEdKKal->setFocus();
        return;
    }
    // A product outside every group would be deleted at the next start.
    if (!hasGroup) {
        FMessage->ShowMessage(
            QStringLiteral("Выберите группу продукта. Если групп нет, сначала добавьте группу"),
            this);
        ui->CBGrup->setFocus();
        return;
    }
    UpdateRecord();

    if (windowTitle() == CaptionNew) {
        {
            TTransaction tr(DM->ADOTrans);
            t.Post();
            TQuery &q = DM->SQLGrup;
            q.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod, naim_mera, g_mera,kkal_mera) "
                                    "VALUES (:id_prod,:naim_mera,:g,:kkal_mera)"));
            q.Bind(QStringLiteral("id_prod"), t.FieldByName(QStringLiteral("id_prod")).toInt());
            q.Bind(QStringLiteral("naim_mera"), QStringLiteral("100г"));
            q.Bind(QStringLiteral("g"), 100);
            q.Bind(QStringLiteral("kkal_mera"), t.FieldByName(QStringLiteral("kkal")).toDouble());
            q.ExecSQL();
            tr.Commit();
        }
        if (fDialog->Ask(QStringLiteral("Внести для нового продукта допольнительные меры "
                                        "(порции)?"),
                         this)) {
            fNewMera->ui->Label1->setText(MeasuresCaption(ui->DBEdNaim->text()));
            CenterOver(fNewMera, OuterRect(this));
            t.Last();
            fNewMera->IdProd = t.FieldByName(QStringLiteral("id_prod")).toInt();
            fNewMera->KkalProd = t.FieldByName(QStringLiteral("kkal")).toDouble();
            accept();
            fNewMera->exec();
        }
        fMain->TVGrupClick();
    } else {
        const int row = ListView::Selected(fMain->ui->LVProd);
        const bool recalc =
            fKkalEdited &&
            (row < 0 || ui->DBEdKKal->text() != ListView::SubItem(fMain->ui->LVProd, row, 0));
        if (recalc)
            FMessage->ShowMessage(
                QStringLiteral("Все существующие меры для данного продукта будут пересчитаны с "
                               "учетом новых данных по соотношению ккал-грамм"),
                this);
        {
            TTransaction tr(DM->ADOTrans);
            t.Post();
            if (recalc) {
                TQuery &q = DM->SQLGrup;
                q.SetSQL(QStringLiteral("UPDATE tab_mera SET kkal_mera=g_mera*:kkal_mera WHERE "
                                        "id_prod=") +
                         IntToStr(t.FieldByName(QStringLiteral("id_prod")).toInt()));
                q.Bind(QStringLiteral("kkal_mera"),
                       t.FieldByName(QStringLiteral("kkal")).toDouble() / 100);
                q.ExecSQL();
            }
            tr.Commit();
        }
        fMain->TVGrupClick();
    }
    accept();
}

void TfNewProd::XiButton3Click()
{
    DM->TableProd.Cancel();
    QDialog::reject();
}

void TfNewProd::reject()
{
    XiButton3Click();
}

void TfNewProd::XiButton1Click()
{
    TTable &t = DM->TableProd;
    fNewMera->ui->Label1->setText(MeasuresCaption(ui->DBEdNaim->text()));
    UpdateRecord();
    const int row = ListView::Selected(fMain->ui->LVProd);
    const int id = row >= 0 ? ListView::Data(fMain->ui->LVProd, row).toInt()
                            : t.FieldByName(QStringLiteral("id_prod")).toInt();
    t.Locate(id);
    fNewMera->IdProd = t.FieldByName(QStringLiteral("id_prod")).toInt();
    fNewMera->KkalProd = t.FieldByName(QStringLiteral("kkal")).toDouble();
    CenterOver(fNewMera, OuterRect(this));
    accept();
    fNewMera->exec();
}

bool TfNewProd::DBEdNaimKeyPress(QKeyEvent *event)
{
    if (!IsEnter(event))
        return false;
    ui->DBEdKKal->setFocus();
    return true;
}

bool TfNewProd::DBEdKKalKeyPress(QKeyEvent *event)
{
    if (IsEnter(event)) {
        if (ui->CBBZY->isChecked())
            ui->DBEdB->setFocus();
        else
            ui->ButOK->setFocus();
        return true;
    }
    return FilterFloatKey(ui->DBEdKKal, event);
}

bool TfNewProd::DBEdBKeyPress(QKeyEvent *event)
{
    if (IsEnter(event)) {
        if (ui->CBBZY->isChecked())
            ui->DBEdZ->setFocus();
        return true;
    }
    return FilterFloatKey(ui->DBEdB, event);
}

bool TfNewProd::DBEdZKeyPress(QKeyEvent *event)
{
    if (IsEnter(event)) {
        if (ui->CBBZY->isChecked())
            ui->DBEdU->setFocus();
        return true;
    }
    return FilterFloatKey(ui->DBEdZ, event);
}

bool TfNewProd::DBEdUKeyDown(QKeyEvent *event)
{
    if (!IsEnter(event))
        return false;
    ui->ButOK->setFocus();
    return true;
}

bool TfNewProd::DBEdUKeyPress(QKeyEvent *event)
{
    if (IsEnter(event)) {
        ui->ButOK->setFocus();
        return true;
    }
    return FilterFloatKey(ui->DBEdU, event);
}

void TfNewProd::CutNumber(QLineEdit *edit)
{
    const QString cut = CutToOneDecimal(edit->text());
    if (cut != edit->text())
        edit->setText(cut);
    edit->setCursorPosition(edit->text().size());
}

void TfNewProd::DBEdKKalChange()
{
    CutNumber(ui->DBEdKKal);
}

void TfNewProd::DBEdBChange()
{
    CutNumber(ui->DBEdB);
}

void TfNewProd::DBEdZChange()
{
    CutNumber(ui->DBEdZ);
}

void TfNewProd::DBEdUChange()
{
    CutNumber(ui->DBEdU);
}

bool TfNewProd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == ui->Label5) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            Label5Click();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == ui->DBEdNaim)
        return DBEdNaimKeyPress(key);
    if (watched == ui->DBEdKKal)
        return DBEdKKalKeyPress(key);
    if (watched == ui->DBEdB)
        return DBEdBKeyPress(key);
    if (watched == ui->DBEdZ)
        return DBEdZKeyPress(key);
    if (watched == ui->DBEdU) {
        const bool down = DBEdUKeyDown(key);
        return DBEdUKeyPress(key) || down;
    }
    // Enter in the group chooser chooses nothing and must not press a button.
    if (watched == ui->CBGrup && IsEnter(key))
        return true;
    return QDialog::eventFilter(watched, event);
}
