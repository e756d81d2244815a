// The INI writer on an arbitrary existing "Velarix.ini": it must not fail on
// any content it can read, and writing the same value twice must leave the
// same bytes (the key is found again where the first write put it).
#include "platform/IniFile.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <QFile>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int value = input.ConsumeIntegral<int>();
    const std::vector<uint8_t> existing = input.ConsumeRemainingBytes<uint8_t>();
    const QString path = FuzzWorkspace::instance().file(QStringLiteral("Velarix.ini"));
    FuzzWorkspace::write(path, existing.data(), existing.size());

    ini::writeInteger(path, QStringLiteral("Transformadores"), QStringLiteral("Transformado"), value);
    const QByteArray first = contents(path);
    ini::writeInteger(path, QStringLiteral("Transformadores"), QStringLiteral("Transformado"), value);
    if (contents(path) != first)
        std::abort();
    return 0;
}
