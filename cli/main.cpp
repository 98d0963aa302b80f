// razoz-cli: common options, then one command.
#include "cli.h"

#include "app/languages.h"
#include "app/program_folder.h"
#include "app/version.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <map>

using namespace razoz::cli;

namespace {

const char* kUsage =
    "usage: razoz-cli [--program-folder DIR] [--settings FILE] [--language CODE] COMMAND [ARGUMENTS] [--json]\n"
    "       razoz-cli --version | --help\n"
    "commands:\n"
    "  archive list                      every draw of the archive\n"
    "  archive update [--server URL] [--proxy HOST:PORT] | rebuild --from D --yes\n"
    "  archive enter --date D --numbers a,b,c,d,e,f --complementary C --reintegro R | delete --date D\n"
    "  archive import FILE.csv | export | check\n"
    "  draw [--date D] [--prev K | --next K] [--no-saturday] [--no-thursday]\n"
    "                                    the draw selected for a date, stepped K times\n"
    "  check [--date D] (--row a,b,c,d,e,f ... | --tips FILE) [--losnummer N]   the tip check\n"
    "  stats KIND [--start D] [--end D] [--no-saturday] [--no-thursday]   one statistic as its bars\n"
    "  settings show                     every setting with its value and where it came from\n"
    "  generate [--seed N] [--start D] [--end D] [--lock R=a,b,c,d,e,f ...] [--rows N] [--no-saturday]\n"
    "       [--no-thursday]              the tip calculation with the settings; --end D ends it at the draw\n"
    "                                    selected for D (default: the latest draw)\n"
    "  tips read FILE | tips write FILE (--row ... | --tips FILE)   tip files\n"
    "  slip (--row ... | --tips FILE) [--preset K] [--layout 7x7|49x1] [--top T] [--left L] [--saturday]\n"
    "       [--wednesday] [--spiel77|--super6|--glueck on|off|none] [--paper INDEX] [--pdf OUT.pdf]\n"
    "  search (--row ... | --tips FILE) [--threshold N] [--start D] [--end D]   the rows in the archive\n"
    "  analyze parameters --from D [--seed N] | analyze repeat --from D [--threshold N]   the analyses\n"
    "  odds [--rows N] [--draws D]       the chance of each prize tier, and the wins expected\n"
    "  tiers (--row ... | --tips FILE) [--start D] [--end D] [--losnummer N] [--no-saturday] [--no-thursday]\n"
    "       [--stake CENTS] [--prize TIER=CENTS ...]\n"
    "                                    the prize tiers the rows would have won, beside chance; with\n"
    "                                    amounts the cost, the winnings and the balance\n"
    "  order-url (--row ... | --tips FILE) --rows R (--base TEXT | --service URL) --losnummer N [--extra]\n"
    "       [--spiel77] [--super6] [--saturday] [--wednesday]   the portal order address\n"
    "  script fill --script FILE (--row ... | --tips FILE) --tipfile PATH [--saturday] [--wednesday]\n"
    "       [--spiel77] [--super6]           a click script with its placeholders filled\n"
    "  system build --numbers a,b,... --guarantee TifM [--seconds S] [--seed N] [--tips-out DIR]\n"
    "                                    the smallest system found for the guarantee, proven\n"
    "  system check (--row ... | --tips FILE ...) --numbers a,b,... [--guarantee TifM]\n"
    "                                    the guarantee table of the rows and their first holes\n";

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("archive"), archiveCommand},    {QStringLiteral("draw"), drawCommand},
        {QStringLiteral("check"), checkCommand},        {QStringLiteral("stats"), statsCommand},
        {QStringLiteral("generate"), generateCommand},  {QStringLiteral("settings"), settingsCommand},
        {QStringLiteral("tips"), tipsCommand},          {QStringLiteral("slip"), slipCommand},
        {QStringLiteral("search"), searchCommand},      {QStringLiteral("analyze"), analyzeCommand},
        {QStringLiteral("order-url"), orderUrlCommand}, {QStringLiteral("script"), scriptCommand},
        {QStringLiteral("odds"), oddsCommand},          {QStringLiteral("tiers"), tiersCommand},
        {QStringLiteral("system"), systemCommand},
    };
    return table;
}

void fail(const char* what)
{
    std::fprintf(stderr, "razoz-cli: %s\n", what);
}

} // namespace

int main(int argc, char** argv)
{
    const auto app = makeCliApplication(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString folder, settings, language;
    bool json = false;
    try {
        auto take = [&](const QString& name, QString& into) {
            const int i = args.indexOf(name);
            if (i < 0) return;
            if (i + 1 >= args.size()) throw UsageError(QStringLiteral("%1 needs a value").arg(name));
            into = args[i + 1];
            args.remove(i, 2);
        };
        take(QStringLiteral("--program-folder"), folder);
        take(QStringLiteral("--settings"), settings);
        take(QStringLiteral("--language"), language);
        json = args.removeAll(QStringLiteral("--json")) > 0;
        if (args.removeAll(QStringLiteral("--version")) > 0) {
            std::printf("razoz-cli %s\n", razoz::kVersion);
            return 0;
        }
        if (args.removeAll(QStringLiteral("--help")) > 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (args.isEmpty()) throw UsageError(QStringLiteral("missing command"));
        const QString name = args.takeFirst();
        const auto it = commands().find(name);
        if (it == commands().end()) throw UsageError(QStringLiteral("unknown command: %1").arg(name));
        if (!language.isEmpty() && razoz::languageIndexOf(language) < 0)
            throw UsageError(QStringLiteral("unknown language: %1 (de, en, fr, sp, tr, ru, nl, cz, pl)").arg(language));
        if (!settings.isEmpty() && !QFileInfo(settings).isReadable())
            throw Failure(QStringLiteral("cannot read settings file %1").arg(settings));
        // A mistyped folder is an error, not a new empty folder.
        if (!folder.isEmpty() && !QFileInfo(folder).isDir())
            throw Failure(QStringLiteral("no program folder %1").arg(folder));
        CliContext ctx(razoz::resolveProgramFolder(folder, QCoreApplication::applicationDirPath()), settings, language,
                       json, args);
        const int rc = it->second(ctx);
        ctx.out().flush();
        return rc;
    } catch (const UsageError& e) {
        fail(e.what());
        std::fputs(kUsage, stderr);
        return 2;
    } catch (const std::exception& e) {
        fail(e.what());
        return 1;
    }
}
