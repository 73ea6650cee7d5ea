#include "UMain.h"
#include "ui_UMain.h"

#include "ListView.h"
#include "Paths.h"
#include "UMy.h"

void TfMain::ConnectRation()
{
    const auto right = Qt::AlignRight;
    const QList<ListView::Column> columns = {
        {QStringLiteral("Время"), 50},    {QStringLiteral("Продукт"), 300},
        {QStringLiteral("Порция"), 135},  {QStringLiteral("Граммы"), 60, right},
        {QStringLiteral("ккал"), 60, right}, {QStringLiteral("Б"), 50, right},
        {QStringLiteral("Ж"), 50, right}, {QStringLiteral("У"), 50, right}};
    ListView::Setup(ui->LVRac, columns, true);
    QList<ListView::Column> totals = columns;
    totals[3].caption = QStringLiteral("Грамм");
    ListView::Setup(ui->LVItog, totals, true);
    connect(ui->CB1, &QCheckBox::clicked, this, &TfMain::CB1Click);
    connect(ui->CB2, &QCheckBox::clicked, this, &TfMain::CB2Click);
    connect(ui->CBProc, &QCheckBox::clicked, this, &TfMain::CBProcClick);
}

void TfMain::APaintLVRAcExecute() {}
void TfMain::CB1Click() {}

void TfMain::CB2Click()
{
    const bool on = ui->CB2->isChecked();
    for (QTableWidget *list : {ui->LVRac, ui->LVItog})
        for (int c = 5; c <= 7; ++c)
            list->setColumnWidth(c, on ? 50 : 0);
    ui->CBProc->setVisible(on);
    ui->EProc->setVisible(on);
}

void TfMain::CBProcClick()
{
    ui->EProc->setText(ui->CBProc->isChecked() ? QStringLiteral("%") : QStringLiteral("г."));
}

void TfMain::ButvRacClick() {}
void TfMain::LVProdDblClick() {}
void TfMain::LVRacDblClick() {}
void TfMain::LVRacKeyDown(QKeyEvent *) {}
void TfMain::ButClearClick() {}

void TfMain::ANoEnableExecute()
{
    for (QWidget *b : std::initializer_list<QWidget *>{ui->ButSaveKak, ui->ButSave, ui->ButSlozn, ui->ButClear, ui->ButExcel,
                       ui->ButHTML})
        b->setEnabled(false);
}

void TfMain::AEnableExecute()
{
    for (QWidget *b : std::initializer_list<QWidget *>{ui->ButSaveKak, ui->ButSave, ui->ButSlozn, ui->ButClear, ui->ButExcel,
                       ui->ButHTML})
        b->setEnabled(true);
}

void TfMain::ADeleteRacExecute() {}

bool TfMain::FormCloseQuery()
{
    return true;
}

void TfMain::FormClose()
{
    const QString ini = AppDir() + QStringLiteral("setting.ini");
    const auto bit = [](const QCheckBox *box) {
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    WriteIni(ini, QStringLiteral("lvRac"), QStringLiteral("CB1"), bit(ui->CB1));
    WriteIni(ini, QStringLiteral("lvRac"), QStringLiteral("CB2"), bit(ui->CB2));
    WriteIni(ini, QStringLiteral("lvRac"), QStringLiteral("CB4"), bit(ui->CBProc));
}
