#include "Application.h"
#include "Forms.h"
#include "UMain.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    app.LoadTranslations();
    CreateForms();
    fMain->show();
    const int code = app.exec();
    DestroyForms();
    return code;
}
