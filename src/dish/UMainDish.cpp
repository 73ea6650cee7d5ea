#include "UMain.h"
#include "ui_UMain.h"

void TfMain::ConnectDish() {}
void TfMain::ButSloznClick() {}
