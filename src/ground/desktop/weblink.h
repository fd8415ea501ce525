#pragma once

#include <QUrl>

// Opens a web page in the user's browser; what happens then is not the program's concern.
class WebLink
{
public:
    virtual ~WebLink() = default;
    virtual void open(const QUrl &url) = 0;
};

class DesktopWebLink : public WebLink
{
public:
    void open(const QUrl &url) override;
};
