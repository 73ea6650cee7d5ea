#include "UVvod.h"
#include "ui_UVvod.h"

#include "Errors.h"
#include "KeyPress.h"
#include "ListView.h"
#include "Numbers.h"
#include "UDM.h"
#include "UMain.h"
#include "UMessage.h"
#include "UMy.h"
#include "ui_UMain.h"

#include <QDateTime>
#include <QKeyEvent>

TfVvod *fVvod = nullptr;

const QString VvodAddCaption = QStringLiteral("Занести продукт в рацион");
const QString VvodEditCaption = QStringLiteral("Изменение продукта в рационе");

TfVvod::TfVvod(QWidget *parent) : QDialog(parent), ui(new Ui::TfVvod)
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->RGGramm, &QRadioButton::clicked, this, &TfVvod::RGClick);
    connect(ui->RGPorc, &QRadioButton::clicked, this, &TfVvod::RGClick);
    connect(ui->UD, &TUpDown::Click, this, &TfVvod::UDClick);
    connect(ui->ButNow, &QPushButton::clicked, this, &TfVvod::ButNowClick);
    connect(ui->ButDa, &QPushButton::clicked, this, &TfVvod::ButDaClick);
    connect(ui->ButNo, &QPushButton::clicked, this, &QDialog::reject);
    ui->DTP->installEventFilter(this);
    ui->EdGramm->installEventFilter(this);
    ui->EDMera->installEventFilter(this);
}

TfVvod::~TfVvod()
{
    delete ui;
}

void TfVvod::FormCreate()
{
    ui->DTP->setDateTime(QDateTime::currentDateTime());
    IdRac = -1;
}

void TfVvod::FormShow()
{
    ui->DTP->setFocus();
    if (windowTitle() == VvodEditCaption)
        return;
    const int sel = ListView::Selected(fMain->ui->LVProd);
    if (sel >= 0)
        FillMera(ListView::Data(fMain->ui->LVProd, sel).toInt());
    ui->EdGramm->setText(QStringLiteral("0"));
    ui->EdGramm->setEnabled(true);
    ui->RGGramm->setChecked(true);
    ui->CBMera->setEnabled(false);
    ui->EDMera->setText(QStringLiteral("1"));
    ui->EDMera->setEnabled(false);
    ui->UD->setEnabled(false);
    if (fMain->ui->LVRac->rowCount() > 0 && !ArrSave.isEmpty())
        ui->DTP->setTime(VremyTime(ArrSave.last().vremy));
    else
        ui->DTP->setDateTime(QDateTime::currentDateTime());
}

void TfVvod::FillMera(int idProd)
{
    ui->CBMera->clear();
    DM->SQLGrup.SetSQL(QStringLiteral("Select * FROM tab_mera WHERE id_prod=:id_prod"));
    DM->SQLGrup.Bind(QStringLiteral("id_prod"), idProd);
    DM->SQLGrup.Open();
    for (DM->SQLGrup.First(); !DM->SQLGrup.Eof(); DM->SQLGrup.Next())
        ui->CBMera->addItem(DM->SQLGrup.Field(2).toString(), DM->SQLGrup.Field(0).toInt());
    // A product made here has "100г" first; the proposal skips it when there is a choice.
    if (ui->CBMera->count() >= 2)
        ui->CBMera->setCurrentIndex(1);
    else if (ui->CBMera->count() == 1)
        ui->CBMera->setCurrentIndex(0);
}

void TfVvod::RGClick()
{
    const bool grams = ui->RGGramm->isChecked();
    ui->EdGramm->setEnabled(grams);
    ui->CBMera->setEnabled(!grams);
    ui->EDMera->setEnabled(!grams);
    ui->UD->setEnabled(!grams);
}

void TfVvod::UDClick(bool up)
{
    const QString text = ui->EDMera->text();
    if (up) {
        ui->EDMera->setText(text.isEmpty() ? QStringLiteral("0")
                                           : FloatToStr(StrToFloat(text) + 1));
        return;
    }
    // The arrows never take the count down to a tenth or below.
    const double value = StrToFloat(text) - 1;
    if (value > 0.1)
        ui->EDMera->setText(FloatToStr(value));
}

void TfVvod::ButNowClick()
{
    ui->DTP->setDateTime(QDateTime::currentDateTime());
}

void TfVvod::ButDaClick()
{
    // Everything is read and checked before the ration is touched, so that a stop or an
    // error leaves it exactly as it was.
    const bool edit = windowTitle() == VvodEditCaption;
    qint32 idProd = 0;
    if (edit) {
        if (EditIndex < 0 || EditIndex >= ArrSave.size())
            throw ERangeError();
        idProd = ArrSave[EditIndex].id_prod;
    } else {
        const int sel = ListView::Selected(fMain->ui->LVProd);
        if (sel >= 0)
            idProd = ListView::Data(fMain->ui->LVProd, sel).toInt();
    }
    DM->SQL1.SetSQL(QStringLiteral("SELECT * FROM tab_prod WHERE id_prod=:id_prod"));
    DM->SQL1.Bind(QStringLiteral("id_prod"), idProd);
    DM->SQL1.Open();
    if (DM->SQL1.IsEmpty()) {
        FMessage->ShowMessage(QStringLiteral("Продукт удален из справочника"), this);
        return;
    }
    TProdValues prod;
    prod.kkal = DM->SQL1.Field(2).toDouble();
    prod.bel = DM->SQL1.Field(3).toDouble();
    prod.zir = DM->SQL1.Field(4).toDouble();
    prod.ugl = DM->SQL1.Field(5).toDouble();
    const double vremy = VremyOf(ui->DTP->time());

    TRacionItem entry;
    if (ui->RGGramm->isChecked()) {
        entry = GrammEntry(vremy, idProd, StrToInt(ui->EdGramm->text()), prod);
    } else {
        const QString countText = ui->EDMera->text();
        if (countText.isEmpty()) {
            FMessage->ShowMessage(QStringLiteral("Введите количество порций"), this);
            return;
        }
        const double count = StrToFloat(countText);
        if (count == 0) {
            ui->EDMera->setFocus();
            FMessage->ShowMessage(QStringLiteral("Введите количество порций"), this);
            return;
        }
        if (ui->CBMera->currentIndex() < 0) {
            FMessage->ShowMessage(
                QStringLiteral("У продукта нет мер, занесите его в рацион в граммах"), this);
            return;
        }
        const qint32 idMif = ui->CBMera->currentData().toInt();
        DM->SQLGrup.SetSQL(QStringLiteral("SELECT g_mera,kkal_mera FROM tab_mera WHERE id_mif=") +
                           IntToStr(idMif));
        DM->SQLGrup.Open();
        qint32 gMera = 0;
        double kkalMera = 0;
        if (!DM->SQLGrup.IsEmpty()) {
            gMera = DM->SQLGrup.Field(0).toInt();
            kkalMera = DM->SQLGrup.Field(1).toDouble();
        }
        entry = PorcEntry(vremy, idProd, count, idMif, gMera, kkalMera, prod);
    }

    if (edit)
        ReplaceRac(ArrSave, EditIndex, entry);
    else
        AddRac(ArrSave, entry, fMain->ui->LVRac->rowCount() == 0);
    fMain->Saved = false;
    accept();
    fMain->APaintLVRAc->trigger();
    fMain->AEnable->trigger();
}

void TfVvod::DTPKeyDown(QKeyEvent *event)
{
    if (!IsEnter(event))
        return;
    QLineEdit *next = ui->EdGramm->isEnabled() ? ui->EdGramm : ui->EDMera;
    next->selectAll();
    next->setFocus();
}

void TfVvod::EdGrammKeyDown(QKeyEvent *event)
{
    if (IsEnter(event))
        ButDaClick();
}

bool TfVvod::EdGrammKeyPress(QKeyEvent *event)
{
    return FilterWholeKey(event);
}

bool TfVvod::EDMeraKeyPress(QKeyEvent *event)
{
    return FilterDecimalKey(ui->EDMera, event);
}

void TfVvod::showEvent(QShowEvent *event)
{
    CenterOver(this, OuterRect(fMain));
    QDialog::showEvent(event);
    FormShow();
}

bool TfVvod::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == ui->DTP) {
        DTPKeyDown(key);
        // Enter has done its work; it must not reach the dialog's buttons.
        return IsEnter(key);
    }
    if (watched == ui->EdGramm) {
        EdGrammKeyDown(key);
        return EdGrammKeyPress(key);
    }
    if (watched == ui->EDMera)
        return EDMeraKeyPress(key);
    return QDialog::eventFilter(watched, event);
}
