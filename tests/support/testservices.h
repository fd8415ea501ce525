#pragma once

#include "frame/appcontext.h"
#include "frame/services.h"

#include "recordingprinter.h"
#include "testfiles.h"
#include <QList>
#include <QStringList>

#include <QUrl>

// Stand-ins for the world outside the process: they record what the program asked for.
struct RecordingWebLink : WebLink
{
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened.append(url); }
};

// Gives the numbers a test scripts, then 0; counts the seedings.
struct ScriptedRandom : RandomSource
{
    QList<double> numbers;
    int seedings = 0;
    void seedFromClock() override { ++seedings; }
    double next() override { return numbers.isEmpty() ? 0.0 : numbers.takeFirst(); }
};

// Keeps what it is asked to say and how often it is cut off; speaks or not as a test says.
struct RecordingSpeech : Speech
{
    bool canSpeak = true;
    QStringList said;
    int stops = 0;
    // Where the test says nothing can speak, kept until the test has the service answer.
    std::function<void()> unreachable;
    void start(std::function<void()> answer) override
    {
        if (!canSpeak)
            unreachable = std::move(answer);
    }
    void say(const QString &text) override { said.append(text); }
    void stop() override { ++stops; }
};

struct ScriptedDialogs : Dialogs
{
    QStringList messages;
    bool answer = true;
    void inform(const QString &message) override { messages.append(message); }
    bool confirm(const QString &question) override
    {
        messages.append(question);
        return answer;
    }
    bool ask(const QString &question) override { return confirm(question); }

    // What the file dialogs give, and what they were asked.
    QStringList filesToOpen;
    QString fileToSave;
    QStringList filters;
    QStringList chooseFilesToOpen(const QString &caption, const QString &filter) override
    {
        Q_UNUSED(caption);
        filters.append(filter);
        return filesToOpen;
    }
    QString chooseFileToSave(const QString &caption, const QString &suggested,
                             const QStringList &saveFilters) override
    {
        Q_UNUSED(caption);
        suggestions.append(suggested);
        filters.append(saveFilters);
        return fileToSave;
    }
    QStringList suggestions;

    struct Report
    {
        QString heading;
        QStringList lines;
    };
    QList<Report> reports;
    void showReport(const QString &heading, const QStringList &lines) override
    {
        reports.append({heading, lines});
    }

    // The items the list choices give in turn, then -1 (cancel); the item each started on.
    QList<int> itemsChosen;
    QList<int> itemsOffered;
    int chooseItem(const QString &, const QString &, const QStringList &, int current) override
    {
        itemsOffered.append(current);
        return itemsChosen.isEmpty() ? -1 : itemsChosen.takeFirst();
    }
};

// The system's printers as a test names them; raw jobs are kept, or refused with a reason.
struct RecordingEmbossers : Embossers
{
    QStringList names;
    QString refusal;
    QList<std::pair<QString, QByteArray>> jobs; // printer, bytes
    QStringList printers() override { return names; }
    bool sendRaw(const QString &printer, const QString &, const QByteArray &bytes,
                 QString *problem) override
    {
        *problem = refusal;
        if (refusal.isEmpty())
            jobs.append({printer, bytes});
        return refusal.isEmpty();
    }
};

// A program context over the test doubles, working in a fresh temporary folder.
class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    AppContext &context() { return *m_context; }
    RecordingWebLink &webLink() { return *m_webLink; }
    ScriptedDialogs &dialogs() { return *m_dialogs; }
    ScriptedRandom &random() { return *m_random; }
    RecordingEmbossers &embossers() { return *m_embossers; }
    RecordingSpeech &speech() { return *m_speech; }
    RecordingPrinter printer;
    QStringList pdfPaths; // the PDF files asked for, printed on the same stand-in
    int printDialogs = 0; // the print dialogs shown; cancelled when asked, else the stand-in
    bool printDialogCancelled = false;
    QList<int> quits;
    QString folder() const { return m_dir.path(); }
    // Writes a file (bytes as given) below the working folder, creating its folders.
    void writeFile(const QString &relativePath, const QByteArray &bytes);

private:
    WorkingFolder m_dir;
    RecordingWebLink *m_webLink;
    ScriptedDialogs *m_dialogs;
    ScriptedRandom *m_random;
    RecordingEmbossers *m_embossers;
    RecordingSpeech *m_speech;
    std::unique_ptr<AppContext> m_context;
};
