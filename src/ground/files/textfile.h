#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

class QFile;
class QIODevice;

// The program's text files: windows-1252 with CRLF line ends.
namespace windows1252 {
QString decode(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray encode(const QString &text);
// True when text can be one line of a file as it stands: every character has a byte of
// its own in the code page, and none is a control character that would end or disturb
// the line.
bool fitsLine(const QString &text);
} // namespace windows1252

// Reads a text file as a sequence of fields: a field ends at a comma or at the end of its
// line; blanks at the start of a field are skipped; an empty line is one empty field.
// Streams from the device so that a huge or hostile file costs bounded memory: a field
// longer than maxFieldLength characters keeps its first maxFieldLength and the rest of it
// is skipped.
class FieldReader
{
public:
    explicit FieldReader(QIODevice &device, int maxFieldLength = 4096);
    // False at the end of the file (no further field) or on a read error.
    bool next(QString &field);

private:
    bool fill();

    QIODevice &m_device;
    int m_maxFieldLength;
    QByteArray m_buffer;
    QByteArray m_field;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_afterCR = false;
    bool m_afterComma = false;
};

// True where another desktop's replacing a file is seen in steps: on a share mounted with
// smbnetfs the file is missing for a moment, and a copy reading it then may read it short.
bool replacedInSteps(const QString &path);

// Opens a text file for reading as it stands now. A network mount may still hold the size
// the file had before another desktop replaced it, and would cut the read short at that
// size; the size is asked of the server again.
bool openCurrent(QFile &file);

// How long a write waits for a shared folder that refuses for a moment to replace a file.
inline constexpr int replaceWaitMs = 3000;

// Who may read a file the program creates; a file it replaces keeps its own modes.
enum class Readers { Everyone, OwnerAndGroup };

// Writes bytes whole or not at all, through QSaveFile. A share may refuse to replace a file
// for as long as another desktop reads it; the write is tried again, but none is begun after
// replaceBy.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                    QDeadlineTimer replaceBy = QDeadlineTimer(replaceWaitMs),
                    Readers readers = Readers::Everyone);

// Writes lines (each ended by CRLF, windows-1252) whole or not at all, as writeWholeFile does.
bool writeTextLines(const QString &path, const QStringList &lines, QString *error = nullptr,
                    QDeadlineTimer replaceBy = QDeadlineTimer(replaceWaitMs));
