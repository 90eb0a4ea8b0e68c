#pragma once

#include <QObject>

class QComboBox;

namespace tav::gui {

// Completes what the user types in an editable pick list from its entries: the first
// entry that begins with the text (ignoring case) is selected, and its part beyond the
// typed text is highlighted so that typing on replaces it. Right after Backspace or
// Delete nothing is completed, so the text can be shortened.
class TypeAhead : public QObject
{
    Q_OBJECT
public:
    explicit TypeAhead(QComboBox* box);

    // Run on every change of the text by the user.
    void Complete();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* box_;
    int lastKey_ = 0;
};

} // namespace tav::gui
