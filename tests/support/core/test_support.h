#pragma once
// Shared test helpers: temporary program folders with archives, a scripted prompt, running razoz-cli.
#include "archive/dates.h"
#include "archive/draw_record.h"
#include "base/prompt.h"
#include "synthetic_archive.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

namespace razoz::test {

// A draw record for a date with numbers, complementary and Reintegro.
DrawRecord draw(const QDate& date, std::initializer_list<int> numbers, int complementary = 0, int reintegro = 0);

// A temporary program folder, removed at the end of the test.
class ProgramDir {
public:
    ProgramDir();
    QString path() const; // with trailing separator
    QString file(const QString& name) const;
    QString archivePath() const;
    void writeArchive(const std::vector<DrawRecord>& records, const QByteArray& tail = {}) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    // Copies the installation data (land/, sound …) from the build's bin folder.
    void copyInstallData() const;

private:
    QTemporaryDir dir_;
};

// Answers prompts from queues and records every question asked.
class ScriptedPrompt : public Prompt {
public:
    struct Shown {
        QString kind, caption, text;
    };
    std::vector<Shown> shown;
    std::deque<bool> questionAnswers;                // default: Yes
    std::deque<std::optional<QString>> inputAnswers; // default: cancel
    std::deque<QString> fileAnswers;                 // default: cancel
    std::function<void()> onQuestion;                // runs while a question is on screen

    void information(const QString& text, const QString& caption = {}) override;
    void error(const QString& text) override;
    bool question(const QString& caption, const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& value) override;
    QString openFileName(const QString& caption, const QString& filter, const QString& folder) override;
    QString saveFileName(const QString& caption, const QString& filter, const QString& defaultSuffix,
                         const QString& proposedPath) override;
    // One file answer each; several files of one answer are separated by '\n'.
    QStringList openFileNames(const QString& caption, const QString& filter, const QString& folder) override;
    QString folderName(const QString& caption, const QString& folder) override;
    QStringList texts(const QString& kind) const;
};

// Runs a program to its end (at most a minute) under the C.UTF-8 locale; stdout, stderr and the
// exit code (-1 when it crashed or hung).
struct CliResult {
    int exitCode = -1;
    QString out, err;
};
CliResult runProgram(const QString& program, const QStringList& args, const QByteArray& input = {});
// The built razoz-cli.
CliResult runCli(const QStringList& args, const QByteArray& input = {});

} // namespace razoz::test
