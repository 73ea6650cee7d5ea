#include "UMain.h"
#include "ui_UMain.h"

void TfMain::ConnectSaved() {}
void TfMain::ButSaveClick() {}
void TfMain::ButSaveKakClick() {}
void TfMain::ButLoadClick() {}
