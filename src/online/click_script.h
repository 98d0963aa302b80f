#pragma once
// Click scripts for the robot "Klickomat": the placeholders filled with the tips and choices, the
// robot's own settings, newer scripts from the web service and the start of the robot.
#include "tipfiles/tip_file.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace razoz {

inline const QString kScriptExtension = QStringLiteral("zorb");
inline const QString kReadyMessage =
    QStringLiteral("Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!");

struct ScriptFill {
    QString tipFilePath; // the per-date tip file just written
    TipRows rows;
    bool saturday = false;
    bool wednesday = false;
    bool spiel77 = false;
    bool super6 = false;
};

// Every placeholder with its text, in the order they are looked for: "[TIPPDATEI]", "[Z1_1]" …
// "[Z6_12]" (box, then row), "[MELDUNGFERTIG]", "[MI]", "[SA]", "[MISA]", "[SPIEL77]", "[SUPER6]".
QList<QPair<QString, QString>> scriptPlaceholders(const ScriptFill& fill);

// Replaces every occurrence of every placeholder (exact case) in one pass: a text put in is never
// searched again, so a folder name such as "[SA]" in the tip file path stays as it is.
QString fillClickScript(const QString& script, const ScriptFill& fill);

// Reads the script, fills it and saves the result as today's "Tipps/yyyymmdd.zorb" (replacing
// one of that name). The saved path; OnlineError when the script cannot be read or the copy not
// saved.
QString writeFilledScript(const QString& scriptPath, const ScriptFill& fill, const QString& programFolder,
                          const QDate& today);

// A script file's text: UTF-8 when the bytes are valid UTF-8, else windows-1252; saved back the
// same way it was read.
struct ScriptText {
    QString text;
    bool utf8 = false;
};
ScriptText decodeScript(const QByteArray& bytes);
QByteArray encodeScript(const ScriptText& script);

// The robot's settings (QSettings "Tallwick"/"Klickwerk", group "Settings"). Missing values read
// as empty texts. "Path" is only ever read.
struct RobotSettings {
    QString path; // the robot's folder
    QString script;
    QString zahl1, text1, zahl2, text2;
};
// An empty `iniFile` is the user's store; tests give an INI file.
RobotSettings readRobotSettings(const QString& iniFile = {});
void writeRobotChoices(const RobotSettings& choices, const QString& iniFile = {});

// `Path` + "/Klickomat" (".exe" on Windows).
QString robotProgram(const QString& robotFolder);
// The robot's arguments: "START", the filled script, ZAHL1, TEXT1, ZAHL2, TEXT2, one argument
// each (an empty parameter stays an empty argument in its place).
QStringList robotArguments(const QString& filledScript, const RobotSettings& p);
// Starts the program without a shell and without waiting; false when it could not be started.
bool startRobot(const QString& program, const QStringList& arguments, const QString& workingFolder = {});

// The ".zorb" files directly in the folder (no folders), full paths, in name order.
QStringList listClickScripts(const QString& scriptFolder);

enum class ScriptUpdate {
    Updated,
    Kept,       // the local script is as new as the service's, or the answer has no date
    NotOffered, // error status, no answer, or a script outside the script folder
};
// Asks the service for the current version of the script and overwrites the local file with it,
// byte for byte, when the local file exists and is older than the answer's "Last-Modified". Only
// scripts directly inside `scriptFolder` are ever replaced. No proxy. Never throws.
ScriptUpdate updateClickScript(const QString& serviceAddress, const QString& scriptPath, const QString& scriptFolder,
                               int timeoutMs = 10000);

} // namespace razoz
