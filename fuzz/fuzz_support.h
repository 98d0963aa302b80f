#pragma once
// What every fuzz target needs: a QCoreApplication (codecs, QSettings) and a scratch folder that
// lives as long as the process, so file readers see the input as a real file.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace razoz::fuzz {

// Creates the application object once; call from LLVMFuzzerInitialize.
void initialize();

// The scratch folder of this run (with trailing separator).
QString scratchFolder();

// Writes `bytes` to `name` in the scratch folder and returns its path; aborts when it cannot.
QString writeScratch(const QString& name, const QByteArray& bytes);

// The input as bytes without copying.
inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A finding that is not a crash (a broken promise of a reader): abort so libFuzzer keeps the input.
[[noreturn]] void violated(const char* what);

} // namespace razoz::fuzz
