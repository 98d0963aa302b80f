#include "ui/qt_prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>

#include <algorithm>

namespace razoz {

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i],
                                             QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return out.join(QStringLiteral(";;"));
}

void QtPrompt::information(const QString& text, const QString& caption)
{
    QMessageBox::information(parent_, caption.isEmpty() ? QApplication::applicationName() : caption, text);
}

void QtPrompt::error(const QString& text)
{
    QMessageBox::critical(parent_, QApplication::applicationName(), text);
}

bool QtPrompt::question(const QString& caption, const QString& text)
{
    return QMessageBox::question(parent_, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtPrompt::inputText(const QString& caption, const QString& prompt, const QString& value)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    // Wide enough for the whole title ("Glückszahl eingeben (1-99999999)?"), which the window
    // manager would otherwise cut off.
    const int titleWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(caption);
    dialog.setMinimumWidth(std::max(dialog.minimumSizeHint().width(), titleWidth + 120));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString QtPrompt::openFileName(const QString& caption, const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent_, caption, folder, qtFileFilter(filter));
}

QString QtPrompt::saveFileName(const QString& caption, const QString& filter, const QString& defaultSuffix,
                               const QString& proposedPath)
{
    QFileDialog dialog(parent_, caption, proposedPath, qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QStringList QtPrompt::openFileNames(const QString& caption, const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileNames(parent_, caption, folder, qtFileFilter(filter));
}

QString QtPrompt::folderName(const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent_, caption, folder);
}

} // namespace razoz
