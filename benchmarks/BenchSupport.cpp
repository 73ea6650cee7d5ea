#include "BenchSupport.h"

#include "Forms.h"
#include "Paths.h"
#include "UMain.h"

#include <QApplication>
#include <QFile>

#include <stdexcept>

int gModalsAllowed = 0;

QString BigDbPath()
{
    return QString::fromUtf8(SYTOMIR_BIG_DB);
}

BenchFolder::BenchFolder() : fDir(std::make_unique<QTemporaryDir>())
{
    if (!fDir->isValid())
        throw std::runtime_error("no temporary folder");
    if (!QFile::copy(BigDbPath(), File(QStringLiteral("KKAL.mdb"))))
        throw std::runtime_error("cannot copy big.mdb: build the big_db target");
    QFile(File(QStringLiteral("KKAL.mdb"))).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    SetAppDir(fDir->path());
}

BenchFolder::~BenchFolder()
{
    SetAppDir(QString());
}

QString BenchFolder::Path() const
{
    return fDir->path() + QLatin1Char('/');
}

QString BenchFolder::File(const QString &name) const
{
    return Path() + name;
}

BenchForms::BenchForms(bool showMain)
{
    CreateForms();
    if (showMain) {
        fMain->show();
        ProcessEvents();
    }
}

BenchForms::~BenchForms()
{
    DestroyForms();
    ProcessEvents();
}

void ProcessEvents()
{
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents);
}

BenchModalsAllowed::BenchModalsAllowed()
{
    ++gModalsAllowed;
}

BenchModalsAllowed::~BenchModalsAllowed()
{
    --gModalsAllowed;
}
