#pragma once

#include "viewers/pageviewer.h"

// "guide": the five pages of the Teacher's Guide.
class GuideViewer : public PageViewer
{
    Q_OBJECT
public:
    static constexpr int pages = 5;

    explicit GuideViewer(ScreenHost &host);
    void load() override;

protected:
    int pageCount() const override { return pages; }
    QString picturePath(const QString &folder, int page) const override;
};
