#include "test_support.h"

#include "app/program_folder.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace razoz::test {

DrawRecord draw(const QDate& date, std::initializer_list<int> numbers, int complementary, int reintegro)
{
    DrawRecord r;
    r.date = toDays(date);
    std::size_t i = 0;
    for (int n : numbers)
        if (i < 6) r.numbers[i++] = std::uint8_t(n);
    r.complementary = std::uint8_t(complementary);
    r.reintegro = std::uint8_t(reintegro);
    return r;
}

ProgramDir::ProgramDir()
{
    EXPECT_TRUE(dir_.isValid());
}

QString ProgramDir::path() const
{
    return dir_.path() + QLatin1Char('/');
}
QString ProgramDir::file(const QString& name) const
{
    return dir_.filePath(name);
}
QString ProgramDir::archivePath() const
{
    return file(QStringLiteral("dovovuduv.dat"));
}

void ProgramDir::writeArchive(const std::vector<DrawRecord>& records, const QByteArray& tail) const
{
    QByteArray bytes(reinterpret_cast<const char*>(records.data()), qsizetype(records.size() * sizeof(DrawRecord)));
    writeFile(QStringLiteral("dovovuduv.dat"), bytes + tail);
}

void ProgramDir::writeFile(const QString& name, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(file(name)).absolutePath());
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray ProgramDir::readFile(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void ProgramDir::copyInstallData() const
{
    seedMissing(QStringLiteral(RAZOZ_BIN_DIR), path());
}

void ScriptedPrompt::information(const QString& text, const QString& caption)
{
    shown.push_back({QStringLiteral("information"), caption, text});
}

void ScriptedPrompt::error(const QString& text)
{
    shown.push_back({QStringLiteral("error"), {}, text});
}

bool ScriptedPrompt::question(const QString& caption, const QString& text)
{
    shown.push_back({QStringLiteral("question"), caption, text});
    if (onQuestion) onQuestion();
    if (questionAnswers.empty()) return true;
    const bool a = questionAnswers.front();
    questionAnswers.pop_front();
    return a;
}

std::optional<QString> ScriptedPrompt::inputText(const QString& caption, const QString& prompt, const QString& value)
{
    shown.push_back({QStringLiteral("input"), caption, prompt + QLatin1Char('|') + value});
    if (inputAnswers.empty()) return std::nullopt;
    auto a = inputAnswers.front();
    inputAnswers.pop_front();
    return a;
}

QString ScriptedPrompt::openFileName(const QString& caption, const QString& filter, const QString&)
{
    shown.push_back({QStringLiteral("open"), caption, filter});
    if (fileAnswers.empty()) return {};
    QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

QString ScriptedPrompt::saveFileName(const QString& caption, const QString& filter, const QString&, const QString&)
{
    shown.push_back({QStringLiteral("save"), caption, filter});
    if (fileAnswers.empty()) return {};
    QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

QStringList ScriptedPrompt::openFileNames(const QString& caption, const QString& filter, const QString&)
{
    shown.push_back({QStringLiteral("open"), caption, filter});
    if (fileAnswers.empty()) return {};
    const QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString ScriptedPrompt::folderName(const QString& caption, const QString&)
{
    shown.push_back({QStringLiteral("folder"), caption, {}});
    if (fileAnswers.empty()) return {};
    QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

QStringList ScriptedPrompt::texts(const QString& kind) const
{
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == kind) out << s.text;
    return out;
}

CliResult runCli(const QStringList& args, const QByteArray& input)
{
    return runProgram(QStringLiteral(RAZOZ_BIN_DIR "/razoz-cli"), args, input);
}

CliResult runProgram(const QString& program, const QStringList& args, const QByteArray& input)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // The programs under test never hand anything to the system's viewer; a test that wants to
    // see what would have opened sets its own log file.
    if (!env.contains(QStringLiteral("RAZOZ_OPEN_LOG")))
        env.insert(QStringLiteral("RAZOZ_OPEN_LOG"), QStringLiteral("/dev/null"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    CliResult r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace razoz::test
