#include "fuzz_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace razoz::fuzz {

namespace {
int argc = 1;
char name[] = "razoz-fuzz";
char* argv[] = {name, nullptr};
// Never destroyed: at exit, Qt's own statics may already be gone.
QCoreApplication* app = nullptr;
std::unique_ptr<QTemporaryDir> scratch;
} // namespace

void initialize()
{
    if (app) return;
    // No test input reaches the user's settings.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    app = new QCoreApplication(argc, argv);
    scratch = std::make_unique<QTemporaryDir>();
    if (!scratch->isValid()) violated("no scratch folder");
}

QString scratchFolder()
{
    return scratch->path() + QLatin1Char('/');
}

QString writeScratch(const QString& fileName, const QByteArray& bytes)
{
    const QString path = scratchFolder() + fileName;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        violated("cannot write the scratch file");
    return path;
}

void violated(const char* what)
{
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

} // namespace razoz::fuzz
