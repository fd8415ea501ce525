// Feeds arbitrary bytes to the metafile reader and plays what it read onto two small images:
// reading keeps only records inside the bytes and never changes its mind about a record
// when the file is cut after it; playing stays inside its box and the caller's clip, leaves
// the painter as it found it, and reports the same records whatever the box.
#include "fuzzsupport.h"

#include "look/fonts.h"
#include "pictures/wmf/metafile.h"
#include "pictures/wmf/metafileplayer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <sanitizer/allocator_interface.h>

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

const QRgb untouched = qRgb(0x12, 0x34, 0x56);

bool sameRecord(const MetafileRecord &a, const MetafileRecord &b)
{
    return a.function == b.function && a.offset == b.offset && a.size == b.size;
}

void checkParsed(const Metafile &file)
{
    const auto &records = file.records();
    FUZZ_REQUIRE(qsizetype(records.size()) <= Metafile::maxRecords);
    // Records lie inside the bytes, in order, each after its own six-byte head.
    qsizetype end = 0;
    for (const MetafileRecord &record : records) {
        FUZZ_REQUIRE(record.size >= 0 && record.offset >= end + 6);
        FUZZ_REQUIRE(record.offset + record.size <= file.bytes().size());
        end = record.offset + record.size;
    }
    const QSizeF size = file.sizeTwips();
    FUZZ_REQUIRE(std::isfinite(size.width()) && std::isfinite(size.height()));
    FUZZ_REQUIRE(size.width() >= 0 && size.height() >= 0);
    if (!file.isNull())
        FUZZ_REQUIRE(!file.bounds().isEmpty() && size.width() > 0 && size.height() > 0);
}

// A file cut short reads as the records that end before the cut, with the same header and
// frame; a plain file's frame comes from its records, so it may only be missing.
void checkCut(const Metafile &full, const QByteArray &input, qsizetype cut)
{
    const Metafile part = Metafile::parse(input.left(cut));
    checkParsed(part);
    if (part.isNull())
        return;
    FUZZ_REQUIRE(!full.isNull());
    FUZZ_REQUIRE(part.isPlaceable() == full.isPlaceable());
    FUZZ_REQUIRE(part.bounds() == full.bounds() && part.objectCount() == full.objectCount());
    const auto &kept = part.records();
    const auto &all = full.records();
    size_t whole = 0;
    while (whole < all.size() && all[whole].offset + all[whole].size <= cut)
        ++whole;
    FUZZ_REQUIRE(kept.size() == whole);
    for (size_t i = 0; i < kept.size(); ++i)
        FUZZ_REQUIRE(sameRecord(kept[i], all[i]));
    if (part.isComplete())
        FUZZ_REQUIRE(full.isComplete() && all.size() == kept.size());
}

// Plays onto an image of the given size, inside a clip of the caller's if given, and checks
// that the painter comes back as it was given.
MetafilePlayer::Result play(const Metafile &file, QSize size, const QRectF &target,
                            const std::optional<QRect> &callerClip)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(untouched);
    QPainter painter(&image);
    const QPen pen(Qt::green, 3);
    const QBrush brush(Qt::yellow, Qt::Dense4Pattern);
    const QFont font(fonts::arial, 9);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    if (callerClip)
        painter.setClipRect(*callerClip);
    const QRegion clip = painter.clipRegion();
    const QPainter::RenderHints hints = painter.renderHints();

    const MetafilePlayer::Result result = MetafilePlayer::play(file, painter, target);

    FUZZ_REQUIRE(painter.pen() == pen && painter.brush() == brush && painter.font() == font);
    FUZZ_REQUIRE(painter.hasClipping() == bool(callerClip) && painter.clipRegion() == clip);
    FUZZ_REQUIRE(painter.worldTransform().isIdentity() && painter.renderHints() == hints);
    painter.end();

    const QRect drawable = target.toAlignedRect() & callerClip.value_or(image.rect());
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < size.width(); ++x)
            FUZZ_REQUIRE(line[x] == untouched || drawable.contains(x, y));
    }
    return result;
}

void checkResult(const Metafile &file, const MetafilePlayer::Result &result)
{
    const qsizetype records = qsizetype(file.records().size());
    FUZZ_REQUIRE(result.played >= 0 && result.skipped >= 0);
    FUZZ_REQUIRE(result.played + result.skipped <= records);
    // Without damage every record is either drawn or knowingly passed over.
    if (!result.damaged)
        FUZZ_REQUIRE(result.played + result.skipped == records);
}

// Boxes of other shapes, picked by the input's length, which bytes after the end record
// change freely: off the pixel grid, zoomed in far past the image, and under a pixel.
QRectF secondTarget(size_t size)
{
    switch (size % 3) {
    case 0:
        return QRectF(6.5, 4.25, 61, 50);
    case 1:
        return QRectF(-2000, -1500, 8000, 6000);
    default:
        return QRectF(10.25, 10.5, 0.75, 0.5);
    }
}

// What playing leaves behind on the heap, summed over every input after a warm-up. A cache
// or table of ours keyed by what an input chooses (a font's face or size, a pen) would keep
// growing here. Measured as the bytes the program holds, so neither the fuzzer's own corpus,
// which grows between inputs, nor the sanitizer's quarantine of freed memory counts.
class HeldMemory
{
public:
    void start() { m_before = __sanitizer_get_current_allocated_bytes(); }
    void finish()
    {
        // The program's event loop lets Qt trim its own caches now and then; so does this.
        if (++m_inputs % 1000 == 0)
            QCoreApplication::processEvents();
        const long long after = (long long)__sanitizer_get_current_allocated_bytes();
        if (m_inputs > warmUp)
            m_held += after - m_before;
        FUZZ_REQUIRE(m_held < limit);
    }

private:
    static constexpr long long warmUp = 2000;
    static constexpr long long limit = 64LL * 1024 * 1024;
    long long m_before = 0;
    long long m_held = 0;
    long long m_inputs = 0;
};

void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Qt's warnings about hostile sizes are expected; a fatal one is still a failure.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

// Font lookups leave allocations that only the system libraries could free, as in
// tests/lsan.supp; built in so that a run without LSAN_OPTIONS reports no false leak.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libfreetype\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Text needs a font database, and that an application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char *argv[] = {name, nullptr};
    // Never destroyed: libFuzzer leaves through exit(), when Qt's own statics may be gone.
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    (void)app;
    fonts::registerFonts();
    return 0;
}

// Reads an input, cuts it, and plays it twice, checking each step.
static void checkInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const Metafile file = Metafile::parse(input);
    checkParsed(file);

    // Cuts half way, one byte short, and exactly at and just inside the end of a record.
    checkCut(file, input, input.size() / 2);
    checkCut(file, input, input.size() - 1);
    if (!file.records().empty()) {
        const MetafileRecord &record = file.records()[size % file.records().size()];
        checkCut(file, input, record.offset + record.size);
        checkCut(file, input, record.offset + record.size - 1);
    }

    const auto first = play(file, QSize(64, 48), QRectF(0, 0, 64, 48), std::nullopt);
    checkResult(file, first);
    if (file.isNull())
        FUZZ_REQUIRE(first.played == 0 && first.skipped == 0);

    const auto second = play(file, QSize(80, 60), secondTarget(size), QRect(4, 2, 70, 50));
    FUZZ_REQUIRE(second.played == first.played && second.skipped == first.skipped);
    FUZZ_REQUIRE(second.damaged == first.damaged);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static HeldMemory held;
    held.start();
    checkInput(data, size);
    held.finish();
    return 0;
}
