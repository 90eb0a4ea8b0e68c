#pragma once

#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace tav::gui {

enum class BoxKind
{
    Error,
    Warning,
    Information,
    Confirmation,
};

enum class BoxButton
{
    Ok,
    Yes,
    No,
    Cancel,
    Custom1, // buttons with the caller's own captions
    Custom2,
};

struct BoxButtonSpec
{
    BoxButton button;
    QString caption; // empty: the standard caption
};

// Everything a modal message box shows; the adapter decides how.
struct BoxRequest
{
    BoxKind kind = BoxKind::Information;
    QString caption;  // empty: the program's name
    QString text;     // plain text, lines separated by "\n"
    QString richText; // optional formatted version of the text for the screen
    QList<BoxButtonSpec> buttons{{BoxButton::Ok, {}}};
    BoxButton defaultButton = BoxButton::Ok;
    // What Esc and the window's close button answer; none: Cancel where the box has it,
    // or the only button.
    std::optional<BoxButton> escapeButton;
    QString checkBoxText; // empty: no check box
    int minimumButtonWidth = 0;
};

struct BoxAnswer
{
    BoxButton button = BoxButton::Ok;
    bool checked = false;
};

// Modal message boxes, so tests can answer them and see what was shown.
class IMessageBoxes
{
public:
    virtual ~IMessageBoxes() = default;
    virtual BoxAnswer Show(QWidget* parent, const BoxRequest& request) = 0;

    void Error(QWidget* parent, const QString& text);
    void Warning(QWidget* parent, const QString& text);
    void Information(QWidget* parent, const QString& text);
    // Yes, No and Cancel; only Yes proceeds.
    BoxButton Confirm(QWidget* parent, const QString& text);

    // The error box of a guarded handler (see RunGuarded): within one user action only the
    // first shows.
    void ActionError(QWidget* parent, const QString& text);

private:
    friend class ActionScope;
    int actionDepth_ = 0;
    bool actionErrorShown_ = false;
};

// One user action can run through several guarded handlers: a change refills the next
// list, whose own handler runs inside the first, or a command runs its steps in turn. The
// first error of the action reaches the user; the same trouble met again on the way is
// not told a second time. An action lasts as long as its outermost scope.
class ActionScope
{
public:
    explicit ActionScope(IMessageBoxes& boxes) : boxes_(boxes) { ++boxes_.actionDepth_; }
    ~ActionScope()
    {
        if (--boxes_.actionDepth_ == 0)
            boxes_.actionErrorShown_ = false;
    }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

private:
    IMessageBoxes& boxes_;
};

class QtMessageBoxes : public IMessageBoxes
{
public:
    BoxAnswer Show(QWidget* parent, const BoxRequest& request) override;
};

} // namespace tav::gui
