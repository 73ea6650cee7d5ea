#include "BenchSupport.h"

#include "Forms.h"
#include "Paths.h"
#include "UDM.h"
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

TArraySave BenchRation1000()
{
    TQuery &q = DM->qSaveRac;
    q.SetSQL(QStringLiteral("SELECT id_prod, id_mif, g_mera FROM tab_mera WHERE id_mif % 97 = 0 "
                            "ORDER BY id_mif LIMIT 1000"));
    q.Open();
    TArraySave rac;
    for (int i = 0; !q.Eof(); q.Next(), ++i) {
        const double vremy = (6 * 60 + (i / 40) * 30) / 1440.0;
        const TProdValues p{170, 5, 3, 20};
        rac.append(i % 4 != 0 ? GrammEntry(vremy, q.Field(0).toInt(), 50 + i % 200, p)
                              : PorcEntry(vremy, q.Field(0).toInt(), 1.5, q.Field(1).toInt(),
                                          q.Field(2).toInt(), 0, p));
    }
    return rac;
}
