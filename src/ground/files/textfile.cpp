#include "files/textfile.h"

#include "files/contentpath.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStorageInfo>
#include <QThread>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The code page's own characters for 0x80 to 0x9F. The five bytes it leaves undefined map to
// the control character of the same number, so every byte survives a round trip.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t toUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? highControls[byte - 0x80] : char16_t(byte);
}

// The byte of a character in the code page, or nothing when it has none.
std::optional<char> byteOf(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    const auto found = std::find(highControls.begin(), highControls.end(), unit);
    if (found == highControls.end())
        return std::nullopt;
    return char(0x80 + (found - highControls.begin()));
}

char toByte(char16_t unit)
{
    return byteOf(unit).value_or('?');
}

QString decodeBytes(const char *bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

constexpr qint64 chunkSize = qint64(64) * 1024;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool endsField(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

namespace windows1252 {

QString decode(const QByteArray &bytes)
{
    return decodeBytes(bytes.constData(), bytes.size());
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character beyond the basic plane is one character, so one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.append(toByte(c.unicode()));
    }
    return bytes;
}

bool fitsLine(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.category() != QChar::Other_Control && byteOf(c.unicode()).has_value();
    });
}

} // namespace windows1252

FieldReader::FieldReader(QIODevice &device, int maxFieldLength)
    : m_device(device), m_maxFieldLength(std::max(0, maxFieldLength))
{}

bool FieldReader::fill()
{
    if (m_pos < m_end)
        return true;
    if (m_atEnd || m_failed)
        return false;
    if (m_buffer.isEmpty())
        m_buffer.resize(chunkSize);
    const qint64 got = m_device.read(m_buffer.data(), chunkSize);
    m_pos = 0;
    m_end = std::max<qint64>(got, 0);
    m_failed = got < 0;
    m_atEnd = got == 0;
    return got > 0;
}

bool FieldReader::next(QString &field)
{
    // A CR followed by an LF is a single line end, even when the two arrive in separate reads.
    if (m_afterCR && fill() && m_buffer.at(m_pos) == '\n')
        ++m_pos;
    m_afterCR = false;
    // After a comma another field has begun, even at the end of the file.
    const bool begun = m_afterComma;
    m_afterComma = false;
    if (!fill() && (!begun || m_failed))
        return false;

    m_field.clear();
    bool skippingBlanks = true;
    while (fill()) {
        const char *data = m_buffer.constData();
        qsizetype i = m_pos;
        if (skippingBlanks) {
            while (i < m_end && isBlank(data[i]))
                ++i;
            skippingBlanks = i == m_end;
        }
        const qsizetype start = i;
        while (i < m_end && !endsField(data[i]))
            ++i;
        const qsizetype room = m_maxFieldLength - m_field.size();
        m_field.append(data + start, std::min(i - start, room));
        if (i == m_end) {
            m_pos = m_end;
            continue;
        }
        m_afterCR = data[i] == '\r';
        m_afterComma = data[i] == ',';
        m_pos = i + 1;
        break;
    }
    if (m_failed)
        return false;
    field = decodeBytes(m_field.constData(), m_field.size());
    return true;
}

bool replacedInSteps(const QString &path)
{
    return QStorageInfo(QFileInfo(path).absolutePath()).fileSystemType() == "fuse.smbnetfs";
}

bool openCurrent(QFile &file)
{
    // Another desktop that replaces the file leaves its name free for a moment (see
    // commitWhole), so there a file that cannot be opened is looked for a little longer.
    for (int tries = 1; !file.open(QIODevice::ReadOnly); ++tries) {
        if (tries == 6 || !replacedInSteps(file.fileName()))
            return false;
        QThread::msleep(50);
    }
    // sshfs and smbnetfs fetch the attributes afresh when a file is opened, but the kernel
    // keeps the size it knew for up to a second unless told to ask again.
    struct statx current;
    statx(file.handle(), "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &current);
    return true;
}

namespace {

enum class Commit { Done, Refused, Failed };

// smbnetfs replaces a file by removing it, then renaming the new one into its place. While the
// name is being removed, another desktop that looks at it makes smbnetfs drop its connection
// and every call under way on it; and a crash between the two would lose the file. There the
// old file is renamed aside first, and removed only once the new one has its name.
Commit commitWhole(QSaveFile &file, const QString &target, const QString &aside)
{
    const auto renamed = [](const QString &from, const QString &to) {
        return std::rename(QFile::encodeName(from).constData(),
                           QFile::encodeName(to).constData()) == 0;
    };
    // Synced first, the new file takes the name soon after the old one has left it.
    if (!aside.isEmpty() && ::fsync(file.handle()) != 0)
        return Commit::Failed;
    const bool moved = !aside.isEmpty() && renamed(target, aside);
    // Samba refuses to move a file that another desktop has open.
    if (!aside.isEmpty() && !moved && errno != ENOENT)
        return Commit::Refused;
    if (file.commit()) {
        // Samba keeps a file that another desktop still has open: it goes once they close it.
        const QDeadlineTimer removeBy(replaceWaitMs);
        while (moved && !QFile::remove(aside) && QFile::exists(aside) && !removeBy.hasExpired())
            QThread::msleep(20);
        return Commit::Done;
    }
    if (moved)
        renamed(aside, target);
    return file.error() == QFileDevice::RenameError ? Commit::Refused : Commit::Failed;
}

} // namespace

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error,
                    QDeadlineTimer replaceBy, Readers readers)
{
    const QString target = resolveContentPath(path);
    const QString aside = replacedInSteps(target)
                              ? target + QStringLiteral(".old-%1").arg(
                                             QRandomGenerator::global()->generate64(), 0, 16)
                              : QString();
    // A new file is given its modes before it takes its name, so no one else reads it between.
    const bool isNew = readers == Readers::OwnerAndGroup && !QFileInfo::exists(target);
    QString problem = QStringLiteral("no time was left to write it");
    while (!replaceBy.hasExpired()) {
        QSaveFile file(target);
        // A short write can sit in Qt's buffer and still be committed, so flush and check
        // first: only a complete write may replace the old file.
        const bool written =
            file.open(QIODevice::WriteOnly) &&
            (!isNew || ::fchmod(file.handle(), S_IRUSR | S_IWUSR | S_IRGRP) == 0) &&
            file.write(bytes) == bytes.size() && file.flush();
        const Commit done = written ? commitWhole(file, target, aside) : Commit::Failed;
        if (done == Commit::Done)
            return true;
        problem = file.error() == QFileDevice::NoError ? QStringLiteral("it is open elsewhere")
                                                       : file.errorString();
        file.cancelWriting();
        // A share may refuse to replace a file for as long as another desktop reads it.
        if (done != Commit::Refused)
            break;
        QThread::msleep(std::min<qint64>(QRandomGenerator::global()->bounded(10, 40),
                                         replaceBy.remainingTime()));
    }
    if (error)
        *error = QStringLiteral("Cannot write %1: %2").arg(target, problem);
    return false;
}

bool writeTextLines(const QString &path, const QStringList &lines, QString *error,
                    QDeadlineTimer replaceBy)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += windows1252::encode(line);
        bytes += "\r\n";
    }
    return writeWholeFile(path, bytes, error, replaceBy);
}
