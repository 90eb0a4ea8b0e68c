#pragma once

#include <QString>

namespace tav::gui {

// The desktop's clipboard, plain text only.
class IClipboard
{
public:
    virtual ~IClipboard() = default;
    // Clears the clipboard, then puts the text on it.
    virtual void SetText(const QString& text) = 0;
};

class QtClipboard : public IClipboard
{
public:
    void SetText(const QString& text) override;
};

} // namespace tav::gui
