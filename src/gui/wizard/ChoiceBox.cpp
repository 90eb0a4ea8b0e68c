#include "gui/wizard/ChoiceBox.h"

#include "core/wizard/ChoiceLists.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/TextCodec.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QStyle>

namespace tav::gui {

namespace {

// Resizes the drop-down list of one box whenever it is shown.
class DropDownWidener : public QObject
{
public:
    explicit DropDownWidener(QComboBox& box) : QObject(&box), box_(box) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* popup = static_cast<QWidget*>(watched);
            popup->resize(DropDownWidth(box_), popup->height());
        }
        return false;
    }

private:
    QComboBox& box_;
};

} // namespace

void FillChoiceBox(QComboBox& box, const std::vector<std::string>& entries, bool preferLast,
                   const std::function<void()>& changeHandler)
{
    FillChoiceBox(box, entries, box.currentText(), preferLast, changeHandler);
}

void FillChoiceBox(QComboBox& box, const std::vector<std::string>& entries, const QString& previous, bool preferLast,
                   const std::function<void()>& changeHandler)
{
    const QStringList shown = FromDataLines(entries);
    // Compare in the encoding the box shows, so a Latin-1 catalogue finds its entries again.
    std::vector<std::string> comparable;
    comparable.reserve(entries.size());
    for (const QString& entry : shown)
        comparable.push_back(ToData(entry));
    FillComboSilently(&box, shown, RestoreChoice(comparable, ToData(previous), preferLast));
    if (changeHandler)
        changeHandler();
}

void EnsureNoneChoice(QComboBox& box)
{
    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i)
        entries.push_back(ToData(box.itemText(i)));
    if (tav::EnsureNoneChoice(entries)) {
        const QSignalBlocker block(&box);
        box.addItem(QString::fromLatin1(kNoneChoice));
    }
}

int DropDownWidth(const QComboBox& box)
{
    qsizetype longest = 0;
    int widest = 0;
    const QAbstractItemView* view = box.view();
    const QFontMetrics metrics(view->font());
    for (int i = 0; i < box.count(); ++i) {
        longest = std::max(longest, box.itemText(i).size());
        widest = std::max(widest, metrics.horizontalAdvance(box.itemText(i)));
    }
    const int atLeast = box.width() + static_cast<int>(longest) + 15;
    // The text as the list draws it: the items' margins, the list's frame and, for a long
    // list, its scroll bar.
    constexpr int kItemMargins = 24;
    int fit = widest + kItemMargins + 2 * view->frameWidth();
    if (box.count() > box.maxVisibleItems())
        fit += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    return std::max(atLeast, fit);
}

void WidenDropDown(QComboBox& box)
{
    // The drop-down list lives in a popup window of its own, shown each time it opens.
    QWidget* popup = box.view()->window();
    popup->installEventFilter(new DropDownWidener(box));
}

} // namespace tav::gui
