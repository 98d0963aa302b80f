#include "online/click_script.h"

#include "online/online_files.h"
#include "online/order_url.h"
#include "online/web_service.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSettings>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <memory>

namespace razoz {

QList<QPair<QString, QString>> scriptPlaceholders(const ScriptFill& f)
{
    auto yesNo = [](bool on) { return on ? QStringLiteral("JA") : QStringLiteral("NEIN"); };
    QList<QPair<QString, QString>> out;
    out.append({QStringLiteral("[TIPPDATEI]"), f.tipFilePath});
    for (int i = 1; i <= kTipColumns; ++i)
        for (int j = 1; j <= kTipRows; ++j)
            out.append({QStringLiteral("[Z%1_%2]").arg(i).arg(j), f.rows[j - 1][i - 1]});
    out.append({QStringLiteral("[MELDUNGFERTIG]"), kReadyMessage});
    out.append({QStringLiteral("[MI]"), yesNo(f.wednesday)});
    out.append({QStringLiteral("[SA]"), yesNo(f.saturday)});
    out.append({QStringLiteral("[MISA]"), yesNo(f.saturday && f.wednesday)});
    out.append({QStringLiteral("[SPIEL77]"), yesNo(f.spiel77)});
    out.append({QStringLiteral("[SUPER6]"), yesNo(f.super6)});
    return out;
}

QString fillClickScript(const QString& script, const ScriptFill& fill)
{
    QHash<QString, QString> table;
    for (const auto& [placeholder, text] : scriptPlaceholders(fill)) table.insert(placeholder, text);
    QString out;
    out.reserve(script.size() + 256);
    qsizetype pos = 0;
    while (pos < script.size()) {
        const qsizetype open = script.indexOf(QLatin1Char('['), pos);
        if (open < 0) {
            out += QStringView(script).mid(pos);
            break;
        }
        out += QStringView(script).mid(pos, open - pos);
        const qsizetype close = script.indexOf(QLatin1Char(']'), open + 1);
        const qsizetype next = script.indexOf(QLatin1Char('['), open + 1);
        if (close >= 0 && (next < 0 || close < next)) {
            const auto it = table.constFind(script.mid(open, close - open + 1));
            if (it != table.constEnd()) {
                out += *it;
                pos = close + 1;
                continue;
            }
        }
        out += QLatin1Char('[');
        pos = open + 1;
    }
    return out;
}

QString writeFilledScript(const QString& scriptPath, const ScriptFill& fill, const QString& programFolder,
                          const QDate& today)
{
    QFile file(scriptPath);
    if (scriptPath.isEmpty() || !QFileInfo(scriptPath).isFile() || !file.open(QIODevice::ReadOnly))
        throw OnlineError(
            QStringLiteral("Das Script „%1“ konnte nicht gelesen werden.").arg(QDir::toNativeSeparators(scriptPath)));
    ScriptText script = decodeScript(file.readAll());
    if (file.error() != QFileDevice::NoError)
        throw OnlineError(QStringLiteral("Das Script „%1“ konnte nicht gelesen werden: %2")
                              .arg(QDir::toNativeSeparators(scriptPath), file.errorString()));
    script.text = fillClickScript(script.text, fill);
    ensureTipsFolder(programFolder);
    const QString target = filledScriptPath(programFolder, today);
    writeFileReplacing(target, encodeScript(script));
    return target;
}

ScriptText decodeScript(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    // Plain ASCII stays 8-bit: the robot reads its scripts in the Windows code page.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (!utf8.hasError() && !ascii) return {text, true};
    QStringDecoder cp1252("windows-1252");
    return {cp1252.decode(bytes), false};
}

QByteArray encodeScript(const ScriptText& script)
{
    if (script.utf8) return script.text.toUtf8();
    QStringEncoder cp1252("windows-1252");
    return cp1252.encode(script.text);
}

namespace {
std::unique_ptr<QSettings> robotStore(const QString& iniFile)
{
    auto s = iniFile.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("Tallwick"), QStringLiteral("Klickwerk"))
                               : std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    s->beginGroup(QStringLiteral("Settings"));
    return s;
}
} // namespace

RobotSettings readRobotSettings(const QString& iniFile)
{
    const auto s = robotStore(iniFile);
    auto text = [&](const char* name) { return s->value(QLatin1String(name)).toString(); };
    return {text("Path"),       text("PrimiScript"), text("PrimiZahl1"),
            text("PrimiText1"), text("PrimiZahl2"),  text("PrimiText2")};
}

void writeRobotChoices(const RobotSettings& c, const QString& iniFile)
{
    const auto s = robotStore(iniFile);
    s->setValue(QStringLiteral("PrimiScript"), c.script);
    s->setValue(QStringLiteral("PrimiZahl1"), c.zahl1);
    s->setValue(QStringLiteral("PrimiText1"), c.text1);
    s->setValue(QStringLiteral("PrimiZahl2"), c.zahl2);
    s->setValue(QStringLiteral("PrimiText2"), c.text2);
    s->sync();
}

QString robotProgram(const QString& robotFolder)
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("Klickomat.exe");
#else
    const QString name = QStringLiteral("Klickomat");
#endif
    QString folder = robotFolder;
    while (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) folder.chop(1);
    return folder + QLatin1Char('/') + name;
}

QStringList robotArguments(const QString& filledScript, const RobotSettings& p)
{
    return {QStringLiteral("START"), QDir::toNativeSeparators(filledScript), p.zahl1, p.text1, p.zahl2, p.text2};
}

bool startRobot(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty()) process.setWorkingDirectory(workingFolder);
    return process.startDetached();
}

QStringList listClickScripts(const QString& scriptFolder)
{
    QStringList out;
    const QDir dir(scriptFolder);
    if (!dir.exists()) return out;
    for (const QFileInfo& f :
         dir.entryInfoList({QStringLiteral("*.") + kScriptExtension}, QDir::Files | QDir::Hidden, QDir::Name))
        out << f.absoluteFilePath();
    return out;
}

ScriptUpdate updateClickScript(const QString& serviceAddress, const QString& scriptPath, const QString& scriptFolder,
                               int timeoutMs)
{
    const QFileInfo local(scriptPath);
    // Only a script of our own folder is ever replaced from the service.
    const QString folder = QFileInfo(scriptFolder).canonicalFilePath();
    if (!local.isFile() || folder.isEmpty() || QFileInfo(local.canonicalFilePath()).absolutePath() != folder)
        return ScriptUpdate::NotOffered;
    WebAnswer answer;
    try {
        WebGetOptions options;
        options.timeoutMs = timeoutMs;
        answer = webGet(scriptUpdateUrl(serviceAddress, local.fileName()), options);
    } catch (const TransportFailure&) {
        return ScriptUpdate::NotOffered;
    }
    if (answer.status != 200) return ScriptUpdate::NotOffered;
    if (!answer.lastModified.isValid() || local.lastModified().toUTC() >= answer.lastModified)
        return ScriptUpdate::Kept;
    try {
        writeFileReplacing(local.canonicalFilePath(), answer.body);
    } catch (const OnlineError&) {
        return ScriptUpdate::NotOffered;
    }
    return ScriptUpdate::Updated;
}

} // namespace razoz
