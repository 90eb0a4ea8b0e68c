#pragma once

#include "doubles/Widgets.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"
#include "gui/app/TRadioGroup.h"
#include "gui/cable/LossPlot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWidget>
#include <gtest/gtest.h>

namespace tav::test {

// The cable page's controls, each found on the page by its objectName, as a user finds it
// by its caption; the members bear the objectNames.
struct CableControls
{
    explicit CableControls(const QObject& window)
    {
        const auto& page = Named<QWidget>(window, "tsParams");
        cboBeginning = &Named<QComboBox>(page, "cboBeginning");
        cboEnding = &Named<QComboBox>(page, "cboEnding");
        rgCableType = &Named<gui::TRadioGroup>(page, "rgCableType");
        cboDiameter = &Named<QComboBox>(page, "cboDiameter");
        seHorizontalLength = &Named<gui::DecimalSpinEdit>(page, "seHorizontalLength");
        seVerticalLength = &Named<gui::DecimalSpinEdit>(page, "seVerticalLength");
        rbFeet = &Named<QRadioButton>(page, "rbFeet");
        rbMeters = &Named<QRadioButton>(page, "rbMeters");
        seNumRuns = &Named<QSpinBox>(page, "seNumRuns");
        grdTlines = &Named<QTableWidget>(page, "grdTlines");
        lblTlinePN = &Named<QLabel>(page, "lblTlinePN");
        imgCable = &Named<gui::TImage>(page, "imgCable");
        chkCableOnly = &Named<QCheckBox>(page, "chkCableOnly");
        cboCableList = &Named<QComboBox>(page, "cboCableList");
        btnListNow = &Named<QPushButton>(page, "btnListNow");
        lblNoLines = &Named<QLabel>(page, "lblNoLines");
        pltLoss = &Named<gui::LossPlot>(page, "pltLoss");
    }

    QComboBox* cboBeginning;
    QComboBox* cboEnding;
    gui::TRadioGroup* rgCableType;
    QComboBox* cboDiameter;
    gui::DecimalSpinEdit* seHorizontalLength;
    gui::DecimalSpinEdit* seVerticalLength;
    QRadioButton* rbFeet;
    QRadioButton* rbMeters;
    QSpinBox* seNumRuns;
    QTableWidget* grdTlines;
    QLabel* lblTlinePN;
    gui::TImage* imgCable;
    QCheckBox* chkCableOnly;
    QComboBox* cboCableList;
    QPushButton* btnListNow;
    QLabel* lblNoLines;
    gui::LossPlot* pltLoss;
};

// A pick from the drop-down list, reported as the list reports it.
inline void Pick(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    ASSERT_GE(i, 0) << box->objectName().toStdString() << ": " << text.toStdString();
    box->setCurrentIndex(i);
    emit box->activated(i);
}

} // namespace tav::test
