#include "document/output_file.h"

#include "document/config_lines.h"
#include "document/errors.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace brimvale {

namespace {

[[noreturn]] void throwCannotCreate()
{
    throw EFCreateError(std::string("Cannot create file ") + OutputFileName);
}

// A file that refuses writing in its own mode stays as it is, for root too:
// the user marked it read-only on purpose, and the rename that replaces a
// file would otherwise go straight past that mark.
bool isReadOnly(const QFileInfo& file)
{
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(file.permissions() & anyWrite) || !file.isWritable();
}

} // namespace

std::string buildOutputText(const ConfigLines& lines)
{
    const int count = lines.count();
    std::size_t size = 0;
    for (int i = 0; i < count; ++i)
        size += lines.at(i).size() + 2;

    std::string text(size, '\0');
    char* out = text.data();
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines.at(i);
        out = std::copy(line.begin(), line.end(), out);
        *out++ = '\r';
        *out++ = '\n';
    }
    return text;
}

void writeOutputFile(const ConfigLines& lines)
{
    const QString name = QString::fromLatin1(OutputFileName);
    // QFileInfo follows a symbolic link, so these checks look at the file
    // that will actually be replaced; QSaveFile writes through the link too.
    const QFileInfo existing(name);
    if (existing.exists() && (existing.isDir() || isReadOnly(existing)))
        throwCannotCreate();

    const std::string text = buildOutputText(lines);

    QSaveFile file(name);
    // Never fall back to writing over the old file in place: a failure part
    // of the way would then leave the user with half a configuration.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwCannotCreate();

    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        file.cancelWriting();
        throw EWriteError("Stream write error");
    }
    // commit() flushes to disk and then renames over the old file; on any
    // failure it removes the new file and leaves the old one untouched.
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            throwCannotCreate();
        throw EWriteError("Stream write error");
    }
}

} // namespace brimvale
