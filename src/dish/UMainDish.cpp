#include "UMain.h"
#include "ui_UMain.h"

#include "UBludo.h"
#include "UMessage.h"

void TfMain::ConnectDish()
{
    ui->ButSlozn->setToolTip(
        QStringLiteral("Сохранить как гововое блюдо (и расчитать калорийность порции)"));
    connect(ui->ButSlozn, &QPushButton::clicked, this, &TfMain::ButSloznClick);
}

void TfMain::ButSloznClick()
{
    if (ui->LVRac->rowCount() == 0) {
        FMessage->ShowMessage(QStringLiteral("Пустой рацион сохранить как готовое блюдо нельзя"),
                              this);
        return;
    }
    fBludo->exec();
}
