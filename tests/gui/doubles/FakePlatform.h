#pragma once

#include "gui/platform/Platform.h"

#include <QMap>
#include <QPageLayout>
#include <QPrinter>
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

class FakeRegistry : public registry::IRegistry
{
public:
    // Keys as "\A\B\C"; a key exists once it holds a value or was created.
    QMap<QString, QMap<QString, QString>> keys;
    QMap<QString, QString> spelling; // each key as first written, for SubKeys
    QStringList classes;

    static QString Norm(const QString& key) { return registry::SettingsRegistry::GroupOf(key).toLower(); }
    void CreateKey(const QString& key)
    {
        keys[Norm(key)];
        if (!spelling.contains(Norm(key)))
            spelling[Norm(key)] = registry::SettingsRegistry::GroupOf(key);
    }
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
        CreateKey(key);
        keys[Norm(key)][name] = value;
    }
    bool ValueExists(const QString& key, const QString& name) const override
    {
        return ReadString(key, name).has_value();
    }
    void DeleteValue(const QString& key, const QString& name) override
    {
        if (keys.contains(Norm(key)))
            keys[Norm(key)].remove(name);
    }
    QStringList SubKeys(const QString& key) const override
    {
        const QString parent = Norm(key) + "/";
        const int depth = static_cast<int>(parent.count('/'));
        QStringList names;
        for (auto k = spelling.cbegin(); k != spelling.cend(); ++k) {
            if (!k.key().startsWith(parent))
                continue;
            const QString name = k.value().section('/', depth, depth);
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
        }
        names.sort(Qt::CaseInsensitive);
        return names;
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

class FakeConnectivity : public gui::IConnectivity
{
public:
    bool connected = true;
    bool Connected() override { return connected; }
};

class FakeClock : public gui::IClock
{
public:
    QDate today{2025, 3, 14};
    QDate Today() const override { return today; }
};

// Downloads are real (tests serve them from 127.0.0.1) but give up on a stall quickly.
inline constexpr int kTestInactivityMs = 400;

class FakeClipboard : public gui::IClipboard
{
public:
    QString text;
    int sets = 0;
    void SetText(const QString& t) override
    {
        text = t;
        ++sets;
    }
};

// The print dialog prints to the scripted PDF files in turn (an empty name leaves the
// printer without a file); an unscripted dialog is cancelled. The preview prints what it
// shows to previewFile.
class FakePrinting : public gui::IPrinting
{
public:
    std::deque<QString> pdfFiles;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QString previewFile;
    int dialogs = 0;
    int previews = 0;

    bool ChoosePrinter(QWidget*, QPrinter& printer) override
    {
        ++dialogs;
        if (pdfFiles.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFiles.front());
        printer.setPageOrientation(orientation);
        pdfFiles.pop_front();
        return true;
    }
    void Preview(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        ++previews;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewFile);
        paint(printer);
    }
};

struct FakePlatform
{
    FakeRegistry registry;
    FakeMessageBoxes boxes;
    FakeSounds sounds;
    FakeDesktop desktop;
    FakeFileDialogs fileDialogs;
    gui::QtDownloader downloader{kTestInactivityMs};
    FakeConnectivity connectivity;
    FakeClock clock;
    FakeClipboard clipboard;
    FakePrinting printing;
    gui::Platform platform{registry,   boxes,        sounds, desktop,   fileDialogs,
                           downloader, connectivity, clock,  clipboard, printing};

    // The same services with other message boxes (the real ones, say).
    gui::Platform WithBoxes(gui::IMessageBoxes& other)
    {
        return {registry, other, sounds, desktop, fileDialogs, downloader, connectivity, clock, clipboard, printing};
    }
};

} // namespace tav::test
