#pragma once

#include "gui/platform/Platform.h"

#include <QMap>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <vector>

namespace tav::test {

using gui::BoxAnswer;
using gui::BoxButton;
using gui::BoxKind;
using gui::BoxRequest;

class FakeRegistry : public gui::IRegistry
{
public:
    // Keys as "\A\B\C"; a key exists once it holds a value or was created.
    QMap<QString, QMap<QString, QString>> keys;
    QStringList classes;

    static QString Norm(const QString& key) { return gui::SettingsRegistry::GroupOf(key).toLower(); }
    void CreateKey(const QString& key) { keys[Norm(key)]; }
    bool KeyExists(const QString& key) const override { return keys.contains(Norm(key)); }
    std::optional<QString> ReadString(const QString& key, const QString& name) const override
    {
        const auto k = keys.find(Norm(key));
        if (k == keys.end() || !k->contains(name))
            return std::nullopt;
        return k->value(name);
    }
    void WriteString(const QString& key, const QString& name, const QString& value) override
    {
        keys[Norm(key)][name] = value;
    }
    bool ClassExists(const QString& className) const override { return classes.contains(className); }
};

// Records every box and answers from a script; an unscripted box takes its default button.
class FakeMessageBoxes : public gui::IMessageBoxes
{
public:
    std::vector<BoxRequest> shown;
    std::deque<std::function<BoxAnswer(const BoxRequest&)>> script;

    BoxAnswer Show(QWidget*, const BoxRequest& request) override
    {
        shown.push_back(request);
        if (!script.empty()) {
            auto answer = script.front();
            script.pop_front();
            return answer(request);
        }
        return BoxAnswer{request.defaultButton, false};
    }
    QStringList Texts() const
    {
        QStringList out;
        for (const auto& b : shown)
            out << b.text;
        return out;
    }
    void Clear() { shown.clear(); }
};

class FakeSounds : public gui::ISounds
{
public:
    int beeps = 0;
    int informations = 0;
    void Beep() override { ++beeps; }
    void Information() override { ++informations; }
};

class FakeDesktop : public gui::IDesktop
{
public:
    QList<QUrl> opened;
    bool Open(const QUrl& url) override
    {
        opened << url;
        return true;
    }
};

// Answers the file dialogs from a script of chosen names; an unscripted dialog is cancelled.
class FakeFileDialogs : public gui::IFileDialogs
{
public:
    std::vector<gui::FileDialogRequest> shown;
    std::deque<QString> answers;

    QString Choose(QWidget*, const gui::FileDialogRequest& request) override
    {
        shown.push_back(request);
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct FakePlatform
{
    FakeRegistry registry;
    FakeMessageBoxes boxes;
    FakeSounds sounds;
    FakeDesktop desktop;
    FakeFileDialogs fileDialogs;
    gui::Platform platform{registry, boxes, sounds, desktop, fileDialogs};
};

} // namespace tav::test
