#include "UBludo.h"
#include "ui_UBludo.h"

#include "KeyPress.h"
#include "ListView.h"
#include "Numbers.h"
#include "ReadyDish.h"
#include "UDM.h"
#include "UMain.h"
#include "UMessage.h"
#include "UNewProd.h"
#include "UPorc.h"
#include "ui_UMain.h"

#include <QButtonGroup>
#include <QKeyEvent>

TfBludo *fBludo = nullptr;

TfBludo::TfBludo(QWidget *parent) : QDialog(parent), ui(new Ui::TfBludo), RG(new QButtonGroup(this))
{
    ui->setupUi(this);
    setFixedSize(size());
    RG->addButton(ui->RGItem0, 0);
    RG->addButton(ui->RGItem1, 1);
    connect(RG, &QButtonGroup::idClicked, this, &TfBludo::RGClick);
    connect(ui->ButOK, &QPushButton::clicked, this, &TfBludo::ButOKClick);
    connect(ui->ButCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui->EdGramm->installEventFilter(this);
}

TfBludo::~TfBludo()
{
    delete ui;
}

void TfBludo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

bool TfBludo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->EdGramm && event->type() == QEvent::KeyPress &&
        EdGrammKeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TfBludo::FormShow()
{
    RG->button(0)->setChecked(true);
    RGClick();
    ui->EdGramm->clear();
    ui->EdGramm->setFocus();
}

void TfBludo::RGClick()
{
    ui->EdGramm->setEnabled(RG->checkedId() == 0);
}

bool TfBludo::EdGrammKeyPress(QKeyEvent *event)
{
    return FilterWholeKey(event);
}

void TfBludo::ButOKClick()
{
    if (RG->checkedId() == 0) {
        if (ui->EdGramm->text().isEmpty() || StrToInt(ui->EdGramm->text()) == 0) {
            FMessage->ShowMessage(QStringLiteral("Запишите вес готового блюда"), this);
            ui->EdGramm->setFocus();
            return;
        }
        const TDishTotals per100 = Per100g(RationTotals(), StrToInt(ui->EdGramm->text()));
        DM->TableProd.Open();
        DM->TableProd.Append();
        DM->TableProd.SetFieldByName(QStringLiteral("kkal"), per100.K);
        DM->TableProd.SetFieldByName(QStringLiteral("bel"), per100.B);
        DM->TableProd.SetFieldByName(QStringLiteral("zir"), per100.Z);
        DM->TableProd.SetFieldByName(QStringLiteral("ugl"), per100.U);
        fNewProd->setWindowTitle(TfNewProd::CaptionNew);
        fNewProd->exec();
        accept();
        return;
    }
    fPorc->SetTotals(RationTotals());
    hide();
    CenterOver(fPorc, OuterRect(fMain));
    fPorc->exec();
    accept();
}

TDishTotals RationTotals()
{
    const QTableWidget *itog = fMain->ui->LVItog;
    const int row = fMain->ui->CBProc->isChecked() ? 1 : 0;
    return DishTotalsFromTexts(ListView::SubItem(itog, row, 3), ListView::SubItem(itog, row, 4),
                               ListView::SubItem(itog, row, 5), ListView::SubItem(itog, row, 6));
}
