#include "gui/wizard/ChoiceBox.h"

#include "core/common/Text.h"
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

// Gives a box the chosen entry as its tooltip at the moment the tooltip shows.
class ChosenToolTip : public QObject
{
public:
    explicit ChosenToolTip(QComboBox& box) : QObject(&box), box_(box) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            box_.setToolTip(box_.currentText());
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

namespace {

// The entries as the box shows them, and as the catalogue compares them: in the encoding
// the box shows, so a Latin-1 catalogue finds its entries again.
struct ShownEntries
{
    QStringList shown;
    std::vector<std::string> comparable;

    explicit ShownEntries(const std::vector<std::string>& entries) : shown(FromDataLines(entries))
    {
        comparable.reserve(entries.size());
        for (const QString& entry : shown)
            comparable.push_back(ToData(entry));
    }
};

} // namespace

void FillChoiceBox(QComboBox& box, const std::vector<std::string>& entries, const QString& previous, bool preferLast,
                   const std::function<void()>& changeHandler)
{
    const ShownEntries e(entries);
    FillComboSilently(&box, e.shown, RestoreChoice(e.comparable, ToData(previous), preferLast));
    if (changeHandler)
        changeHandler();
}

void FillChoiceBox(QComboBox& box, const std::vector<std::string>& entries, const std::vector<int>& numbers,
                   const QString& previous, const std::function<void()>& changeHandler)
{
    const QVariant previousNumber = box.currentData();
    const ShownEntries e(entries);
    const std::string text = ToData(previous);
    int selected = RestoreChoice(e.comparable, text, false);
    for (size_t i = 0; previousNumber.isValid() && i < e.comparable.size() && i < numbers.size(); ++i) {
        if (numbers[i] == previousNumber.toInt() && EqualsNoCase(e.comparable[i], text)) {
            selected = static_cast<int>(i);
            break;
        }
    }
    FillComboSilently(&box, e.shown, selected);
    {
        const QSignalBlocker block(&box);
        for (size_t i = 0; i < numbers.size() && i < e.comparable.size(); ++i)
            box.setItemData(static_cast<int>(i), numbers[i]);
    }
    if (changeHandler)
        changeHandler();
}

std::vector<int> EntryNumbers(const QComboBox& box)
{
    std::vector<int> numbers;
    numbers.reserve(static_cast<size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i)
        numbers.push_back(box.itemData(i).toInt());
    return numbers;
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
    // The closed box asks for the width of its longest entry (its least width stays, so a
    // long catalogue text never widens the window); where the window cannot give it, the
    // tooltip shows the chosen entry whole.
    box.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box.installEventFilter(new ChosenToolTip(box));
}

} // namespace tav::gui
