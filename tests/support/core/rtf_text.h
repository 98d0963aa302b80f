#pragma once
// Reads the paragraphs of a simple RTF document back as text lines, as a word processor shows
// them: groups with a destination ({\fonttbl …}, {\*…}) are skipped, \par ends a line, \tab is a
// tab, \'hh a code page 1252 byte, \uN a Unicode character (its stand-in skipped), \\ \{ \} the
// characters themselves. Throws when the braces do not balance.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <cctype>
#include <stdexcept>
#include <vector>

namespace razoz::test {

inline QStringList rtfLines(const QByteArray& rtf)
{
    if (!rtf.startsWith("{\\rtf1")) throw std::runtime_error("no RTF header");
    QStringList lines;
    QString line;
    std::vector<bool> skipping{false};
    int depth = 0, skipNext = 0;
    bool closed = false;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (closed && c != '\r' && c != '\n') throw std::runtime_error("text after the document's last brace");
        if (c == '{') {
            ++depth;
            skipping.push_back(skipping.back());
            continue;
        }
        if (c == '}') {
            if (--depth < 0) throw std::runtime_error("unbalanced }");
            skipping.pop_back();
            if (depth == 0) closed = true;
            continue;
        }
        if (c == '\r' || c == '\n') continue;
        if (c == '\\') {
            const char n = i + 1 < rtf.size() ? rtf[i + 1] : 0;
            if (n == '\\' || n == '{' || n == '}') {
                ++i;
                if (!skipping.back()) line += QLatin1Char(n);
                continue;
            }
            if (n == '*') {
                ++i;
                skipping.back() = true;
                continue;
            }
            if (n == '\'') {
                const QByteArray hex = rtf.mid(i + 2, 2);
                i += 3;
                if (skipNext > 0) {
                    --skipNext;
                    continue;
                }
                QStringDecoder cp("windows-1252");
                if (!skipping.back()) line += cp(QByteArray(1, char(hex.toInt(nullptr, 16))));
                continue;
            }
            qsizetype j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
            const QByteArray word = rtf.mid(i + 1, j - i - 1);
            qsizetype k = j;
            if (k < rtf.size() && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k])))) ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
            const QByteArray number = rtf.mid(j, k - j);
            if (k < rtf.size() && rtf[k] == ' ') ++k; // the delimiter belongs to the control word
            i = k - 1;
            if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info")
                skipping.back() = true;
            if (skipping.back()) continue;
            if (word == "par") {
                lines << line;
                line.clear();
            } else if (word == "tab") {
                line += QLatin1Char('\t');
            } else if (word == "u") {
                line += QChar(char16_t(number.toShort()));
                skipNext = 1;
            }
            continue;
        }
        if (skipping.back()) continue;
        if (skipNext > 0) {
            --skipNext;
            continue;
        }
        line += QLatin1Char(c);
    }
    if (depth != 0 || !closed) throw std::runtime_error("unbalanced {");
    if (!line.isEmpty()) lines << line;
    return lines;
}

} // namespace razoz::test
