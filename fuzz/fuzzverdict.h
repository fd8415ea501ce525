#pragma once

#include "fuzzsupport.h"

#include "exchange/importrules.h"
#include "platform/textfile.h"
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

inline void requireSoundVerdict(const importrules::Verdict &verdict)
{
    if (!verdict.usable) {
        FUZZ_REQUIRE(!verdict.reason.isEmpty());
        return;
    }
    FUZZ_REQUIRE(verdict.correct >= 1 && verdict.correct <= 4);
    FUZZ_REQUIRE(!verdict.text.isEmpty() && verdict.text.size() <= WorksheetDraft::questionLength);
    FUZZ_REQUIRE(windows1252::fitsLine(verdict.text) && !verdict.text.contains(u'&'));
    for (const QString &answer : verdict.answers) {
        FUZZ_REQUIRE(!answer.isEmpty() && answer.size() <= WorksheetDraft::answerLength);
        FUZZ_REQUIRE(windows1252::fitsLine(answer) && !answer.contains(u'&'));
    }
}
