#include "UMain.h"
#include "ui_UMain.h"

#include "SavedRations.h"
#include "UMessage.h"
#include "UMy.h"
#include "USaveRacion.h"
#include "UVvod.h"

void TfMain::ConnectSaved()
{
    connect(ui->ButSave, &QPushButton::clicked, this, &TfMain::ButSaveClick);
    connect(ui->ButSaveKak, &QPushButton::clicked, this, &TfMain::ButSaveKakClick);
    connect(ui->ButLoad, &QPushButton::clicked, this, &TfMain::ButLoadClick);
}

void TfMain::ButSaveClick()
{
    fSaveRacion->PlaceTree(64, 145);
    fSaveRacion->setWindowTitle(QStringLiteral("Сохранить рацион как"));
    fSaveRacion->exec();
}

void TfMain::ButSaveKakClick()
{
    if (ui->LVRac->rowCount() == 0) {
        FMessage->ShowMessage(QStringLiteral("Пустой рацион сохранить нельзя"),
                              fSaveRacion->LastRect());
        return;
    }
    // The current saved ration may have been deleted in the saved-rations dialog; rows written
    // under its key would never be listed again.
    if (fVvod->IdRac > -1 && !SavedRacionExists(fVvod->IdRac)) {
        fVvod->IdRac = -1;
        ui->Label1->clear();
    }
    if (fVvod->IdRac <= -1) {
        fSaveRacion->PlaceTree(74, 145);
        fSaveRacion->setWindowTitle(QStringLiteral("Сохранить рацион как"));
        fSaveRacion->exec();
        return;
    }
    RewriteRacion(fVvod->IdRac, ArrSave);
    Saved = true;
}

void TfMain::ButLoadClick()
{
    fSaveRacion->PlaceTree(16, 173);
    fSaveRacion->setWindowTitle(QStringLiteral("Загрузить рацион"));
    Saved = true;
    fSaveRacion->exec();
}
