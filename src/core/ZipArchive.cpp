#include "core/ZipArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <unistd.h>
#include <zip.h>

namespace ZipArchive {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString openError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

struct WriteState {
    const Progress* progress = nullptr;
    bool cancelled = false;
};

void onWriteProgress(zip_t*, double fraction, void* state)
{
    auto* s = static_cast<WriteState*>(state);
    if (!s->cancelled && *s->progress && !(*s->progress)(fraction))
        s->cancelled = true;
}

int onWriteCancel(zip_t*, void* state)
{
    return static_cast<WriteState*>(state)->cancelled ? 1 : 0;
}

// The last part of an entry name, whichever slash the archiver used.
QString lastPart(const QString& name)
{
    const qsizetype slash = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    return slash < 0 ? name : name.mid(slash + 1);
}

QString cannotWrite(const QString& where, const QString& why)
{
    return QCoreApplication::translate("ZipArchive", "%1 cannot be written: %2").arg(where, why);
}

QString damaged(const QString& where, const QString& why)
{
    return QCoreApplication::translate("ZipArchive", "%1 is damaged: %2").arg(where, why);
}

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

Result<std::unique_ptr<zip_t, ZipCloser>> openForReading(const QString& archivePath)
{
    if (!QFileInfo(archivePath).isFile())
        return Failure{QCoreApplication::translate("ZipArchive", "%1 does not exist.")
                           .arg(native(archivePath))};
    int code = 0;
    // Consistency checks on: a truncated or tampered directory is refused at once.
    zip_t* z =
        zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!z)
        return Failure{
            QCoreApplication::translate("ZipArchive", "%1 is not a readable zip archive: %2")
                .arg(native(archivePath), openError(code))};
    return std::unique_ptr<zip_t, ZipCloser>(z);
}

} // namespace

namespace {

// Adds the members to the open archive, compressed at `level`; the reason when one cannot be.
QString addMembers(zip_t* z, const QList<Member>& members, int level)
{
    for (const Member& member : members) {
        zip_source_t* source = nullptr;
        if (!member.filePath.isEmpty()) {
            if (!QFileInfo(member.filePath).isFile())
                return QCoreApplication::translate("ZipArchive", "%1 does not exist.")
                    .arg(native(member.filePath));
            // -1: to the end of the file (this libzip has no named constant for it).
            source = zip_source_file(z, QFile::encodeName(member.filePath).constData(), 0, -1);
        } else {
            source = zip_source_buffer(z, member.bytes.constData(),
                                       zip_uint64_t(member.bytes.size()), 0);
        }
        if (!source)
            return QString::fromUtf8(zip_strerror(z));
        const zip_int64_t index = zip_file_add(z, member.name.toUtf8().constData(), source,
                                               ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return QString::fromUtf8(zip_strerror(z));
        }
        if (zip_set_file_compression(z, zip_uint64_t(index), ZIP_CM_DEFLATE,
                                     zip_uint32_t(std::clamp(level, 1, 9))) < 0)
            return QString::fromUtf8(zip_strerror(z));
    }
    return {};
}

// The written temporary file becomes the archive: flushed, renamed over the target, and the
// folder flushed, so that a crash leaves the old archive or the whole new one.
Status moveIntoPlace(const QString& tempPath, const QFileInfo& target, const QString& where)
{
    if (!syncFile(tempPath)) {
        QFile::remove(tempPath);
        return Failure{QCoreApplication::translate(
                           "ZipArchive", "%1 cannot be written: it could not be flushed to disk.")
                           .arg(where)};
    }
    if (std::rename(QFile::encodeName(tempPath).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(tempPath);
        return Failure{cannotWrite(where, why)};
    }
    if (!syncFolder(target.absolutePath()))
        return Failure{QCoreApplication::translate(
                           "ZipArchive", "%1 was written, but it could not be flushed to disk: %2")
                           .arg(where, QString::fromLocal8Bit(std::strerror(errno)))};
    return Done{};
}

} // namespace

Status write(const QString& archivePath, const QList<Member>& members, const WriteOptions& options)
{
    const QFileInfo target(archivePath);
    const QString where = native(archivePath);
    if (!target.dir().exists())
        return Failure{QCoreApplication::translate(
                           "ZipArchive", "%1 cannot be written: its folder does not exist.")
                           .arg(where)};

    // Reserve a temporary name beside the target, so the final rename stays on one disk.
    QString tempPath;
    {
        QTemporaryFile reserve(target.absoluteFilePath() + QStringLiteral(".XXXXXX.part"));
        reserve.setAutoRemove(false);
        if (!reserve.open())
            return Failure{cannotWrite(where, reserve.errorString())};
        tempPath = reserve.fileName();
    }
    auto discardTemp = [&] { QFile::remove(tempPath); };

    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(tempPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!z) {
        discardTemp();
        return Failure{cannotWrite(where, openError(code))};
    }
    auto fail = [&](const QString& why) -> Status {
        zip_discard(z);
        discardTemp();
        return Failure{cannotWrite(where, why)};
    };
    if (const QString why = addMembers(z, members, options.level); !why.isEmpty())
        return fail(why);

    WriteState state{&options.progress, false};
    zip_register_progress_callback_with_state(z, 0.001, onWriteProgress, nullptr, &state);
    zip_register_cancel_callback_with_state(z, onWriteCancel, nullptr, &state);

    // libzip reads the sources and writes the archive here.
    if (zip_close(z) < 0) {
        const QString why = state.cancelled
                                ? QCoreApplication::translate("ZipArchive", "cancelled.")
                                : QString::fromUtf8(zip_strerror(z));
        return fail(why);
    }
    if (state.cancelled) {
        discardTemp();
        return Failure{QCoreApplication::translate("ZipArchive", "%1 cannot be written: cancelled.")
                           .arg(where)};
    }
    return moveIntoPlace(tempPath, target, where);
}

Result<qint64> declaredSize(const QString& archivePath, const QString& entryName)
{
    Result<std::unique_ptr<zip_t, ZipCloser>> opened = openForReading(archivePath);
    if (!opened)
        return Failure{opened.error()};
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(opened->get(), entryName.toUtf8().constData(), ZIP_FL_NOCASE, &st) < 0 ||
        !(st.valid & ZIP_STAT_SIZE))
        return Failure{QCoreApplication::translate("ZipArchive", "%1 does not hold %2.")
                           .arg(native(archivePath), entryName)};
    return st.size > zip_uint64_t(std::numeric_limits<qint64>::max())
               ? std::numeric_limits<qint64>::max()
               : qint64(st.size);
}

namespace {

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

} // namespace

bool syncFolder(const QString& folder)
{
    return syncPath(folder, O_DIRECTORY);
}

bool syncFile(const QString& path)
{
    return syncPath(path, 0);
}

namespace {

bool isPlainName(const QString& entryName)
{
    return !entryName.isEmpty() && lastPart(entryName) == entryName && entryName != u".." &&
           entryName != u".";
}

// The index of `entryName` in the archive, its case ignored. The name held twice, or held
// under a folder ("../x", "/x", "sub/x"), is refused outright rather than flattened, so that
// nothing is ever written anywhere but the destination.
Result<zip_uint64_t> findEntry(zip_t* z, const QString& where, const QString& entryName)
{
    const zip_int64_t count = zip_get_num_entries(z, 0);
    zip_int64_t found = -1;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(z, zip_uint64_t(i), 0);
        if (!raw)
            return Failure{damaged(where, QString::fromUtf8(zip_strerror(z)))};
        const QString name = QString::fromUtf8(raw);
        if (name.compare(entryName, Qt::CaseInsensitive) == 0) {
            if (found >= 0)
                return Failure{
                    QCoreApplication::translate("ZipArchive", "%1 holds %2 more than once.")
                        .arg(where, entryName)};
            found = i;
        } else if (lastPart(name).compare(entryName, Qt::CaseInsensitive) == 0) {
            return Failure{QCoreApplication::translate("ZipArchive",
                                                       "%1 holds %2 under a folder name "
                                                       "(\"%3\"); it is not extracted.")
                               .arg(where, entryName, name)};
        }
    }
    if (found < 0)
        return Failure{QCoreApplication::translate("ZipArchive", "%1 does not hold %2.")
                           .arg(where, entryName)};
    return zip_uint64_t(found);
}

// The entry's declared size in bytes, once the entry is known to be readable and to fit both
// the limit and the free space beside `destPath`.
Result<qint64> checkedSize(zip_t* z, zip_uint64_t index, const QString& where,
                           const QString& entryName, const QString& destPath,
                           const ExtractLimits& limits)
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(z, index, 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE))
        return Failure{damaged(where, QString::fromUtf8(zip_strerror(z)))};
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
        return Failure{
            QCoreApplication::translate("ZipArchive", "%1 holds %2 encrypted; it cannot be read.")
                .arg(where, entryName)};
    if ((st.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(st.comp_method, 0))
        return Failure{QCoreApplication::translate(
                           "ZipArchive", "%1 holds %2 in a compression this program cannot read.")
                           .arg(where, entryName)};

    const qint64 declared = st.size > zip_uint64_t(std::numeric_limits<qint64>::max())
                                ? std::numeric_limits<qint64>::max()
                                : qint64(st.size);
    const qint64 freeBytes = QStorageInfo(QFileInfo(destPath).absolutePath()).bytesAvailable();
    const qint64 bound = freeBytes >= 0 ? std::min(limits.maxBytes, freeBytes) : limits.maxBytes;
    if (declared > bound)
        return Failure{QCoreApplication::translate("ZipArchive",
                                                   "%1 says %2 is %3 bytes, more than the %4 "
                                                   "bytes allowed or free; it is not extracted.")
                           .arg(where, entryName)
                           .arg(declared)
                           .arg(bound)};
    return declared;
}

// Copies the entry to `destPath` atomically, its bytes held to the declared size: the header
// can lie.
Result<qint64> copyEntry(zip_t* z, zip_uint64_t index, const QString& where,
                         const QString& entryName, const QString& destPath, qint64 declared,
                         const ExtractLimits& limits)
{
    std::unique_ptr<zip_file_t, ZipFileCloser> in(zip_fopen_index(z, index, 0));
    if (!in)
        return Failure{damaged(where, QString::fromUtf8(zip_strerror(z)))};

    QSaveFile out(QFileInfo(destPath).absoluteFilePath());
    if (!out.open(QIODevice::WriteOnly))
        return Failure{cannotWrite(native(destPath), out.errorString())};

    QByteArray buffer(1 << 16, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(in.get(), buffer.data(), zip_uint64_t(buffer.size()));
        if (n < 0) {
            out.cancelWriting();
            return Failure{damaged(where, QString::fromUtf8(zip_file_strerror(in.get())))};
        }
        if (n == 0)
            break;
        total += n;
        if (total > declared) {
            out.cancelWriting();
            return Failure{QCoreApplication::translate("ZipArchive",
                                                       "%1 holds more of %2 than it says (over "
                                                       "%3 bytes); it is not extracted.")
                               .arg(where, entryName)
                               .arg(declared)};
        }
        if (out.write(buffer.constData(), n) != n) {
            const QString why = out.errorString();
            out.cancelWriting();
            return Failure{cannotWrite(native(destPath), why)};
        }
        if (limits.progress && declared > 0 && !limits.progress(double(total) / double(declared))) {
            out.cancelWriting();
            return Failure{QCoreApplication::translate("ZipArchive", "Extracting %1 was cancelled.")
                               .arg(entryName)};
        }
    }
    if (total != declared) {
        out.cancelWriting();
        return Failure{QCoreApplication::translate("ZipArchive",
                                                   "%1 is damaged: %2 ends after %3 of %4 bytes.")
                           .arg(where, entryName)
                           .arg(total)
                           .arg(declared)};
    }
    if (!out.commit())
        return Failure{cannotWrite(native(destPath), out.errorString())};
    return total;
}

// extractOne over an open archive; `where` names it in the messages.
Result<qint64> extractFrom(zip_t* z, const QString& where, const QString& entryName,
                           const QString& destPath, const ExtractLimits& limits)
{
    const Result<zip_uint64_t> index = findEntry(z, where, entryName);
    if (!index)
        return Failure{index.error()};
    const Result<qint64> declared = checkedSize(z, *index, where, entryName, destPath, limits);
    if (!declared)
        return Failure{declared.error()};
    return copyEntry(z, *index, where, entryName, destPath, *declared, limits);
}

} // namespace

Result<qint64> extractOne(const QString& archivePath, const QString& entryName,
                          const QString& destPath, const ExtractLimits& limits)
{
    if (!isPlainName(entryName))
        return Failure{QCoreApplication::translate("ZipArchive", "\"%1\" is not a plain file name.")
                           .arg(entryName)};
    Result<std::unique_ptr<zip_t, ZipCloser>> opened = openForReading(archivePath);
    if (!opened)
        return Failure{opened.error()};
    return extractFrom(opened->get(), native(archivePath), entryName, destPath, limits);
}

Result<qint64> extractOneFromMemory(const QByteArray& archive, const QString& label,
                                    const QString& entryName, const QString& destPath,
                                    const ExtractLimits& limits)
{
    if (!isPlainName(entryName))
        return Failure{QCoreApplication::translate("ZipArchive", "\"%1\" is not a plain file name.")
                           .arg(entryName)};
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
    // Consistency checks on, as for a file.
    zip_t* z = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    if (!z) {
        const QString why = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        if (source)
            zip_source_free(source);
        return Failure{
            QCoreApplication::translate("ZipArchive", "%1 is not a readable zip archive: %2")
                .arg(label, why)};
    }
    zip_error_fini(&error);
    const std::unique_ptr<zip_t, ZipCloser> opened(z); // owns the source from here
    return extractFrom(z, label, entryName, destPath, limits);
}

Result<QStringList> entryNames(const QString& archivePath)
{
    Result<std::unique_ptr<zip_t, ZipCloser>> opened = openForReading(archivePath);
    if (!opened)
        return Failure{opened.error()};
    QStringList names;
    const zip_int64_t count = zip_get_num_entries(opened->get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(opened->get(), zip_uint64_t(i), 0);
        names << (raw ? QString::fromUtf8(raw) : QString());
    }
    return names;
}

} // namespace ZipArchive
