#include "ULevelGrup.h"
#include "ui_ULevelGrup.h"

#include <QButtonGroup>

TfLevelGrup *fLevelGrup = nullptr;

TfLevelGrup::TfLevelGrup(QWidget *parent) : QDialog(parent), ui(new Ui::TfLevelGrup)
{
    ui->setupUi(this);
    setFixedSize(size());
    RadioGroup1Items = new QButtonGroup(this);
    RadioGroup1Items->addButton(ui->RadioGroup1Grup, 0);
    RadioGroup1Items->addButton(ui->RadioGroup1Podgrup, 1);
    connect(ui->ButOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->ButCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfLevelGrup::~TfLevelGrup()
{
    delete ui;
}

int TfLevelGrup::ItemIndex() const
{
    return RadioGroup1Items->checkedId();
}
