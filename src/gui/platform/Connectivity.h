#pragma once

namespace tav::gui {

// Whether the machine has a network connection at all.
class IConnectivity
{
public:
    virtual ~IConnectivity() = default;
    virtual bool Connected() = 0;
};

// Asks Qt's network information; without a backend that can tell, the connection is
// assumed, and a failing download says the rest.
class QtConnectivity : public IConnectivity
{
public:
    bool Connected() override;
};

} // namespace tav::gui
