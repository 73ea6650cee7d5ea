#include "Forms.h"

#include "Application.h"
#include "UDM.h"
#include "UDialog.h"
#include "UMain.h"
#include "UMessage.h"
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
    FMessage = new TFMessage(fMain);
    fDialog = new TfDialog(fMain);
    fVvod = new TfVvod(fMain);
    fVvod->FormCreate();
    fSaveRacion = new TfSaveRacion(fMain);
    fPorc = new TfPorc(fMain);
}

void DestroyForms()
{
    delete fPorc;
    fPorc = nullptr;
    delete fSaveRacion;
    fSaveRacion = nullptr;
    delete fVvod;
    fVvod = nullptr;
    delete fDialog;
    fDialog = nullptr;
    delete FMessage;
    FMessage = nullptr;
    delete fMain;
    fMain = nullptr;
    delete DM;
    DM = nullptr;
}
