#pragma once

#include "fuzzsupport.h"

#include "exchange/importrules.h"
#include "files/textfile.h"
#include "worksheets/worksheetdraft.h"

#include <QGuiApplication>

// Qt's text readers want an application; the offscreen platform needs no display. It
// lives for the whole run.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication *app = new QGuiApplication(argc, argv);
        Q_UNUSED(app);
    }
}

// Every text the rules keep fits the worksheet file; one that does not fit its box as it
// stands (too long, or with an "&") is marked for the teacher to rewrite, and only then.
inline void requireSoundVerdict(const importrules::Verdict &verdict)
{
    if (verdict.outcome == importrules::Outcome::Skipped) {
        FUZZ_REQUIRE(!verdict.reason.isEmpty());
        return;
    }
    FUZZ_REQUIRE(verdict.correct >= 1 && verdict.correct <= 4);
    bool marked = false;
    const auto requireSound = [&marked](const QString &text, BoxMark::Why rewrite, int limit) {
        FUZZ_REQUIRE(!text.isEmpty() && windows1252::fitsLine(text));
        const bool fits = text.size() <= limit && !text.contains(u'&');
        FUZZ_REQUIRE(fits == (rewrite == BoxMark::None));
        marked = marked || !fits;
    };
    requireSound(verdict.text, verdict.textRewrite, WorksheetDraft::questionLength);
    for (int i = 0; i < WorksheetDraft::answersPerQuestion; ++i)
        requireSound(verdict.answers.at(i), verdict.answerRewrites.at(i),
                     WorksheetDraft::answerLength);
    FUZZ_REQUIRE(marked == (verdict.outcome == importrules::Outcome::ToRewrite));
    FUZZ_REQUIRE(!marked || !verdict.reason.isEmpty());
}
