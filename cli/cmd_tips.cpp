// tips read / tips write: tip files as the grid shows them.
#include "cli.h"

#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

int tipsCommand(CliContext& ctx)
{
    const QString sub = ctx.takeWord(QStringLiteral("tips subcommand (read or write)"));
    if (sub == QLatin1String("read")) {
        const QString path = ctx.takeWord(QStringLiteral("tip file"));
        ctx.expectNoMore();
        TipRows rows;
        try {
            rows = Textladen(path);
        } catch (const TipFileError& e) {
            throw Failure(QString::fromStdString(e.what()));
        }
        if (ctx.json()) {
            QJsonArray all;
            for (const TipRowTexts& row : rows) {
                QJsonArray boxes;
                for (const QString& b : row) boxes.append(b);
                all.append(boxes);
            }
            ctx.printJson(QJsonObject{{"rows", all}});
        } else {
            ctx.out() << QString::fromLatin1(formatTipFile(rows)).remove(QLatin1Char('\r'));
        }
        return 0;
    }
    if (sub == QLatin1String("write")) {
        const QString path = ctx.takeWord(QStringLiteral("tip file"));
        const TipRows rows = takeTipRows(ctx);
        ctx.expectNoMore();
        try {
            writeTipFile(path, rows);
        } catch (const TipFileError& e) {
            throw Failure(QString::fromStdString(e.what()));
        }
        if (ctx.json())
            ctx.printJson(QJsonObject{{"path", path}});
        else
            ctx.out() << path << '\n';
        return 0;
    }
    throw UsageError(QStringLiteral("unknown tips subcommand: %1 (read, write)").arg(sub));
}

} // namespace razoz::cli
