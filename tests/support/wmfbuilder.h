#pragma once

#include <QByteArray>
#include <QString>

#include <uwmf.h>

// Writes metafiles for the tests with an independent writer, so our reader is checked
// against files it did not make itself.
class WmfBuilder
{
public:
    // A placeable metafile whose frame is width x height logical units at unitsPerInch,
    // with the window set to the same frame so one logical unit maps to one unit of it.
    WmfBuilder(int width, int height, int unitsPerInch = 1440, bool placeable = true);
    ~WmfBuilder();
    WmfBuilder(const WmfBuilder &) = delete;
    WmfBuilder &operator=(const WmfBuilder &) = delete;

    // Appends a record made by one of the library's *_set functions, and frees it.
    WmfBuilder &add(char *record);
    WmfBuilder &solidBrush(U_COLORREF colour);
    WmfBuilder &pen(U_COLORREF colour, int width, int style = U_PS_SOLID);
    WmfBuilder &font(int height, const char *face, int weight = 400);
    WmfBuilder &rectangle(int left, int top, int right, int bottom);
    WmfBuilder &deleteObject(uint32_t index);
    uint32_t lastObject() const { return m_last; }

    // Ends the metafile and returns its bytes.
    QByteArray finish();

private:
    WMFTRACK *m_track = nullptr;
    WMFHANDLES *m_handles = nullptr;
    QString m_path;
    uint32_t m_last = 0;
};
