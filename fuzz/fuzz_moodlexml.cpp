// Feeds arbitrary bytes to the XML question reader and the worksheet rules: no crash, and
// whatever the rules call usable fits the wizard's boxes and the worksheet file.
#include "fuzzsupport.h"

#include "exchange/importrules.h"
#include "exchange/moodlexmlreader.h"
#include "fuzzverdict.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureApplication();
    QBuffer buffer;
    buffer.setData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    buffer.open(QIODevice::ReadOnly);
    const moodlexml::Reading reading = moodlexml::read(buffer);
    FUZZ_REQUIRE(reading.problem.isEmpty() || reading.questions.isEmpty());
    for (const exchange::Question &question : reading.questions)
        requireSoundVerdict(importrules::judge(question));
    return 0;
}
