#include "Forms.h"

#include "Application.h"
#include "UBludo.h"
#include "UDM.h"
#include "UDialog.h"
#include "ULevelGrup.h"
#include "UMain.h"
#include "UMessage.h"
#include "UNewGrup.h"
#include "UNewMera.h"
#include "UNewPodgrup.h"
#include "UNewProd.h"
#include "UPorc.h"
#include "USaveRacion.h"
#include "UVvod.h"

void CreateForms()
{
    DM = new TDM;
    fMain = new TfMain;
    // An error while the main window is created skips the rest of its creation handler;
    // the window still opens.
    TApplication::Dispatch([] { fMain->FormCreate(); });
    fNewProd = new TfNewProd(fMain);
    fNewProd->FormCreate();
    FMessage = new TFMessage(fMain);
    fNewMera = new TfNewMera(fMain);
    fDialog = new TfDialog(fMain);
    fNewGrup = new TfNewGrup(fMain);
    fLevelGrup = new TfLevelGrup(fMain);
    fNewPodgrup = new TfNewPodgrup(fMain);
    fVvod = new TfVvod(fMain);
    fVvod->FormCreate();
    fSaveRacion = new TfSaveRacion(fMain);
    fBludo = new TfBludo(fMain);
    fPorc = new TfPorc(fMain);
}

void DestroyForms()
{
    delete fPorc;
    fPorc = nullptr;
    delete fBludo;
    fBludo = nullptr;
    delete fSaveRacion;
    fSaveRacion = nullptr;
    delete fVvod;
    fVvod = nullptr;
    delete fNewPodgrup;
    fNewPodgrup = nullptr;
    delete fLevelGrup;
    fLevelGrup = nullptr;
    delete fNewGrup;
    fNewGrup = nullptr;
    delete fDialog;
    fDialog = nullptr;
    delete fNewMera;
    fNewMera = nullptr;
    delete FMessage;
    FMessage = nullptr;
    delete fNewProd;
    fNewProd = nullptr;
    delete fMain;
    fMain = nullptr;
    delete DM;
    DM = nullptr;
}
