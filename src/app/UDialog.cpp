#include "UDialog.h"
#include "ui_UDialog.h"

#include "UMessage.h"

#include <QStyle>

TfDialog *fDialog = nullptr;

TfDialog::TfDialog(QWidget *parent) : QDialog(parent), ui(new Ui::TfDialog)
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    connect(ui->ButDa, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->ButNo, &QPushButton::clicked, this, &QDialog::reject);
}

TfDialog::~TfDialog()
{
    delete ui;
}

bool TfDialog::Ask(const QString &question, QWidget *over)
{
    return Ask(question, OuterRect(over));
}

bool TfDialog::Ask(const QString &question, const QRect &over)
{
    ui->LabMessage->setText(question);
    CenterOver(this, over);
    return exec() == QDialog::Accepted;
}
