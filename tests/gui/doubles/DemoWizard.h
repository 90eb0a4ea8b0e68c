#pragma once

#include "doubles/CableControls.h"
#include "doubles/DemoInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tav::test {

using Slots = std::vector<std::string>;

inline const char* const kNone = "|||";
inline const BoxAnswer kChange{BoxButton::Custom1, false};
inline const BoxAnswer kKeep{BoxButton::Custom2, false};

// The main window on a copy of the demo installation, driven through its widgets.
class DemoWizard : public ::testing::Test
{
protected:
    DemoInstallation inst;
    FakePlatform fake;
    std::unique_ptr<gui::TfrmMain> w;

    void SetUp() override { inst.Register(fake.registry); }

    void ShowObsoleteParts() const { inst.Edit("settings.dat", "ObsoleteWizard=0", "ObsoleteWizard=1"); }

    // A cable of 806-960 MHz (KF12-50-C9 for 1/2 in. foam): 15 ft horizontal, 100 ft
    // vertical, 3 runs; on the test's installation or another copy.
    void Start(const char* diameter = "1/2", const DemoInstallation* on = nullptr)
    {
        if (on)
            on->Register(fake.registry);
        w = std::make_unique<gui::TfrmMain>(fake.platform, (on ? *on : inst).ProgramFolder(), QStringList());
        ChooseFoamCable("806", "960", diameter);
        ASSERT_FALSE(w->State().cablePart.empty());
    }

    // A band, Foam Coax and a diameter picked on the cable page.
    void ChooseFoamCable(const QString& beginning, const QString& ending, const QString& diameter)
    {
        const CableControls cable(*w);
        Pick(cable.cboBeginning, beginning);
        Pick(cable.cboEnding, ending);
        cable.rgCableType->Button(1)->click();
        Pick(cable.cboDiameter, diameter);
    }

    void Next(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            Click(*w, "btnNext");
    }

    const std::string& Slot(int slot) const { return w->State().selection[static_cast<size_t>(slot)]; }

    Slots Range(int first, int count) const
    {
        const auto& s = w->State().selection;
        return Slots(s.begin() + first, s.begin() + first + count);
    }

    QWidget* Tab(const char* name) const { return &Named<QWidget>(*w, name); }
    QWidget* CurrentTab() const { return Named<QTabWidget>(*w, "pcAccessories").currentWidget(); }
    bool TabShown(QWidget* tab) const
    {
        const auto& tabs = Named<QTabWidget>(*w, "pcAccessories");
        return tabs.isTabVisible(tabs.indexOf(tab));
    }

    // The replacement lines of the obsolete-part notices shown so far.
    QStringList Notices() const
    {
        QStringList texts;
        for (const BoxRequest& b : fake.boxes.shown)
            if (b.caption == "Obsolete Part Notification")
                texts << b.text.section('\n', -1);
        return texts;
    }

    void Answer(BoxAnswer a)
    {
        fake.boxes.script.push_back([a](const BoxRequest&) { return a; });
    }

    static QStringList Items(const QComboBox* box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
};

} // namespace tav::test
