#pragma once

namespace tav::gui {

class ISounds
{
public:
    virtual ~ISounds() = default;
    virtual void Beep() = 0;
    virtual void Information() = 0;
};

class QtSounds : public ISounds
{
public:
    void Beep() override;
    void Information() override;
};

} // namespace tav::gui
