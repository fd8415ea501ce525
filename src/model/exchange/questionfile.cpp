#include "exchange/questionfile.h"

#include "exchange/giftreader.h"
#include "exchange/moodlexmlreader.h"

#include <QFile>
#include <QFileInfo>

namespace questionfile {

namespace {
constexpr qint64 headSize = 4096;

Reading refused(const QString &problem)
{
    Reading reading;
    reading.problem = problem;
    return reading;
}

// A text of either format never holds a zero byte; a picture, a document or a UTF-16 file
// does near its start.
bool looksBinary(const QByteArray &head)
{
    return head.contains('\0');
}

Reading readGift(QFile &file)
{
    if (file.size() > giftLimit)
        return refused(
            QStringLiteral("The file is larger than %1 MB, too large for a question file.")
                .arg(giftLimit / (1024 * 1024)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("The file could not be read: %1.").arg(file.errorString()));
    return {gift::read(gift::decode(bytes)).questions, QString()};
}

Reading readXml(QFile &file)
{
    const moodlexml::Reading reading = moodlexml::read(file);
    return {reading.questions, reading.problem};
}
} // namespace

Format formatOf(const QByteArray &head)
{
    const QByteArray rest = head.startsWith("\xEF\xBB\xBF") ? head.mid(3) : head;
    return rest.trimmed().startsWith('<') ? Format::MoodleXml : Format::Gift;
}

Reading read(const QString &path)
{
    if (QFileInfo(path).isDir())
        return refused(QStringLiteral("This is a folder, not a question file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("The file could not be opened: %1.").arg(file.errorString()));
    const QByteArray head = file.peek(headSize);
    if (head.trimmed().isEmpty() && file.size() <= headSize)
        return refused(QStringLiteral("The file is empty."));
    if (looksBinary(head))
        return refused(QStringLiteral("The file holds binary data, not questions."));
    Reading reading = formatOf(head) == Format::MoodleXml ? readXml(file) : readGift(file);
    if (reading.problem.isEmpty() && reading.questions.isEmpty())
        reading.problem = QStringLiteral("The file holds no questions.");
    return reading;
}

} // namespace questionfile
