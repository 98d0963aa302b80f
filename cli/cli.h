#pragma once
// razoz-cli: the program's core from a terminal. Each command is one function over a CliContext.
#include "app/interface_texts.h"
#include "app/settings_store.h"
#include "archive/current_draw.h"
#include "tipfiles/tip_file.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>
#include <stdexcept>

namespace razoz::cli {

// Exit 2: the command line is wrong.
struct UsageError : std::runtime_error {
    explicit UsageError(const QString& m) : std::runtime_error(m.toStdString()) {}
};
// Exit 1: the operation failed.
struct Failure : std::runtime_error {
    explicit Failure(const QString& m) : std::runtime_error(m.toStdString()) {}
};

class CliContext {
public:
    CliContext(QString programFolder, QString settingsFile, QString language, bool json, QStringList args);

    const QString& programFolder() const { return programFolder_; }
    bool json() const { return json_; }
    // The language code for numbered texts: --language, else the settings' "Sprache".
    QString languageCode() const;

    // Arguments of the command; options are taken out as they are read.
    QStringList& args() { return args_; }
    QString takeWord(const QString& what);                  // next positional word, UsageError when none
    std::optional<QString> takeOption(const QString& name); // --name VALUE
    QStringList takeOptions(const QString& name);           // every --name VALUE, in order
    bool takeFlag(const QString& name);                     // --name
    void expectNoMore();                                    // UsageError on leftovers

    // Settings values under the store's names; `fallback` when missing or of the wrong type.
    bool boolSetting(const QString& name, bool fallback) const;
    int intSetting(const QString& name, int fallback) const;
    QString stringSetting(const QString& name, const QString& fallback = {}) const;
    std::optional<double> dateSetting(const QString& name) const; // 8-byte double
    // A value of the settings store with its type, or its design default (invalid when none).
    QVariant setting(const QString& name) const;
    QSettings& settings() const { return store_->settings(); }
    StoredValue storedValue(const QString& name) const { return store_->read(name); }
    // The numbered interface texts of languageCode() (German design texts where the file lacks them).
    InterfaceTexts interfaceTexts() const;

    QTextStream& out() { return out_; }
    void printJson(const QJsonValue& value);

private:
    QString programFolder_;
    QString language_;
    bool json_;
    QStringList args_;
    std::unique_ptr<SettingsStore> store_;
    QTextStream out_;
};

using Command = int (*)(CliContext&);

// Parses "dd.mm.yyyy" into a day count; UsageError naming the option otherwise.
double parseDateOption(const QString& option, const QString& text);

// The draw as every command prints it.
QJsonObject drawJson(const CurrentDraw& draw, int index, DrawSeparator separator);

// The tip rows of a command: every --row a,b,c,d,e,f (rows 1, 2, …) or --tips FILE, as the grid
// would hold them. UsageError for a bad --row or both given or (when required) neither;
// Failure when the tip file cannot be read.
TipRows takeTipRows(CliContext& ctx, bool required = true);

// Commands, one per file.
int archiveCommand(CliContext& ctx);
int drawCommand(CliContext& ctx);
int checkCommand(CliContext& ctx);
int statsCommand(CliContext& ctx);
int tipsCommand(CliContext& ctx);
int slipCommand(CliContext& ctx);
// A GUI application (offscreen) only when a PDF is rendered.
std::unique_ptr<QCoreApplication> makeCliApplication(int& argc, char** argv);

} // namespace razoz::cli
