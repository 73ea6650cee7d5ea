#include "Application.h"

#include "Errors.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Сытомир"));
    setApplicationDisplayName(QString());
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    Dispatch([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void TApplication::Dispatch(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const EAppError &e) {
        ShowErrorReport(e.Message());
    } catch (const std::exception &e) {
        ShowErrorReport(QString::fromUtf8(e.what()));
    }
}

void TApplication::LoadTranslations()
{
    auto *qt = new QTranslator(this);
    if (qt->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qt);
}

void ShowErrorReport(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Сытомир"), ErrorReportText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorReport"));
    box.exec();
}
