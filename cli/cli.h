#pragma once
// razoz-cli: the program's core from a terminal. Each command is one function over a CliContext.
#include "app/settings_store.h"
#include "archive/current_draw.h"
#include "base/interface_texts.h"
#include "tipfiles/tip_file.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <initializer_list>
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

    // Settings values as the window reads them at start-up: the stored value, or its design default
    // when missing or not read (a value of the wrong type ends its group).
    template <typename Key> auto setting(Key k) const { return values_.get(k); }
    // The stored value, or `fallback` when the store lacks it or holds a value of the wrong type.
    template <typename Key, typename T> auto settingOr(Key k, T fallback) const
    {
        return isStored(k.def()) ? values_.get(k) : decltype(values_.get(k))(fallback);
    }
    // True when the value came from the settings store, false when it is the design default.
    bool isStored(const SettingDef& def) const { return stored_.contains(def.name); }
    const SettingsValues& settingsValues() const { return values_; }
    StoredValue storedValue(const SettingDef& def) const { return store_->read(def); }
    StoredValue storedValue(const AnySettingKey& k) const { return store_->read(k); }
    // The draw days of the settings, at least one kept, then --no-saturday / --no-thursday taken.
    DrawDays takeDrawDays();
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
    SettingsValues values_;
    QStringList stored_;
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
int archiveMaintenanceCommand(CliContext& ctx, const QString& sub); // everything but archive list
int drawCommand(CliContext& ctx);
int checkCommand(CliContext& ctx);
int statsCommand(CliContext& ctx);
int generateCommand(CliContext& ctx);
int settingsCommand(CliContext& ctx);
int tipsCommand(CliContext& ctx);
int slipCommand(CliContext& ctx);
int searchCommand(CliContext& ctx);
int analyzeCommand(CliContext& ctx);
int orderUrlCommand(CliContext& ctx);
int scriptCommand(CliContext& ctx); // script fill
int oddsCommand(CliContext& ctx);
int tiersCommand(CliContext& ctx);
int systemCommand(CliContext& ctx); // system build, system check
// A GUI application (offscreen) only when a PDF is rendered.
std::unique_ptr<QCoreApplication> makeCliApplication(int& argc, char** argv);

} // namespace razoz::cli
