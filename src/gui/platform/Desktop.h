#pragma once

#include <QUrl>

namespace tav::gui {

// Hands a document, a web address or a mailto: address to the desktop to open.
class IDesktop
{
public:
    virtual ~IDesktop() = default;
    virtual bool Open(const QUrl& url) = 0;
};

class QtDesktop : public IDesktop
{
public:
    bool Open(const QUrl& url) override;
};

} // namespace tav::gui
