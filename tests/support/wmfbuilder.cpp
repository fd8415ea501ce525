#include "wmfbuilder.h"

#include "testfiles.h"

#include <QDir>
#include <QTemporaryFile>

WmfBuilder::WmfBuilder(int width, int height, int unitsPerInch, bool placeable)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/wmfXXXXXX.wmf"));
    file.setAutoRemove(false);
    file.open();
    m_path = file.fileName();
    file.close();
    wmf_start(m_path.toLocal8Bit().constData(), 4096, 4096, &m_track);
    wmf_htable_create(64, 64, &m_handles);
    U_PAIRF *size = U_PAIRF_set(float(width) / unitsPerInch, float(height) / unitsPerInch);
    wmf_header_append(
        reinterpret_cast<U_METARECORD *>(U_WMRHEADER_set(placeable ? size : nullptr, unitsPerInch)),
        m_track, 1);
    free(size);
    add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    add(U_WMRSETWINDOWORG_set(U_POINT16{0, 0}));
    add(U_WMRSETWINDOWEXT_set(U_POINT16{int16_t(width), int16_t(height)}));
}

WmfBuilder::~WmfBuilder()
{
    if (m_track)
        wmf_free(&m_track);
    if (m_handles)
        wmf_htable_free(&m_handles);
    QFile::remove(m_path);
}

WmfBuilder &WmfBuilder::add(char *record)
{
    wmf_append(reinterpret_cast<U_METARECORD *>(record), m_track, 1);
    return *this;
}

WmfBuilder &WmfBuilder::solidBrush(U_COLORREF colour)
{
    add(wcreatebrushindirect_set(&m_last, m_handles, U_WLOGBRUSH_set(U_BS_SOLID, colour, 0)));
    return add(wselectobject_set(m_last, m_handles));
}

WmfBuilder &WmfBuilder::pen(U_COLORREF colour, int width, int style)
{
    add(wcreatepenindirect_set(&m_last, m_handles,
                               U_PEN_set(uint16_t(style), uint16_t(width), colour)));
    return add(wselectobject_set(m_last, m_handles));
}

WmfBuilder &WmfBuilder::font(int height, const char *face, int weight)
{
    U_FONT *made = U_FONT_set(int16_t(height), 0, 0, 0, int16_t(weight), 0, 0, 0, U_ANSI_CHARSET, 0,
                              0, 0, 0, const_cast<char *>(face));
    add(wcreatefontindirect_set(&m_last, m_handles, made));
    free(made);
    return add(wselectobject_set(m_last, m_handles));
}

WmfBuilder &WmfBuilder::rectangle(int left, int top, int right, int bottom)
{
    return add(
        U_WMRRECTANGLE_set(U_RECT16{int16_t(left), int16_t(top), int16_t(right), int16_t(bottom)}));
}

WmfBuilder &WmfBuilder::deleteObject(uint32_t index)
{
    return add(wdeleteobject_set(&index, m_handles));
}

QByteArray WmfBuilder::finish()
{
    add(U_WMREOF_set());
    wmf_finish(m_track);
    wmf_free(&m_track);
    return fileBytes(m_path);
}
