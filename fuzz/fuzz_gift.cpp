// Feeds arbitrary bytes to the GIFT reader and the worksheet rules: no crash, and whatever
// the rules call usable fits the wizard's boxes and the worksheet file.
#include "fuzzsupport.h"

#include "exchange/giftreader.h"
#include "exchange/importrules.h"
#include "fuzzverdict.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureApplication();
    const gift::Reading reading =
        gift::read(gift::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))));
    for (const exchange::Question &question : reading.questions)
        requireSoundVerdict(importrules::judge(question));
    return 0;
}
