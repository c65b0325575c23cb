// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A strip window over a real settings file in a temporary folder, with fake platform
// services and a recording note editor; shared by the strip's ui tests.

#include "notes/settingsstore.h"
#include "platform/fake/fakeservices.h"
#include "session/session.h"
#include "settings/commandimages.h"
#include "strip/stripwindow.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

namespace velmaro::testing {

class RecordingEditor final : public NoteEditorOpener {
public:
    void openNew() override { ++newNotes; }
    void openForNote(int n, const QString& text, int markColor) override
    {
        opened << n;
        texts << text;
        colors << markColor;
    }
    void proposeAlarm(int, const QDateTime& alarm, const QString&) override { proposed << alarm; }
    void followAnsweredNote(int) override {}
    bool isShown() const override { return shown; }
    QList<QDateTime> proposed;
    int newNotes = 0;
    QList<int> opened;
    QStringList texts;
    QList<int> colors;
    bool shown = false;
};

struct Rig {
    QTemporaryDir dir;
    platform::FakeServices fakes;
    platform::FakeClock& clock = fakes.clock;
    platform::FixedDesktopShell& shell = fakes.shell;
    platform::RecordingMessages& messages = fakes.messages;
    platform::RecordingLinkOpener& links = fakes.links;
    platform::FakeSoundPlayer& sound = fakes.sound;
    platform::CountingBell& bell = fakes.bell;
    platform::FakeEnvironment& env = fakes.env;
    StoragePaths paths;
    RecordingEditor editor;
    CommandImages images;
    std::unique_ptr<Session> session;
    std::unique_ptr<TForm1> strip;
    // The link opener asks the strip to close while the "shell" is busy, and records
    // the guard.
    bool guardDuringCall = true;
    bool failLinks = false;

    Rig()
    {
        links.during = [this] {
            if (strip) {
                guardDuringCall = strip->closeGuard();
                strip->close();
            }
            if (failLinks)
                throw std::runtime_error("no opener");
        };
        env.home = dir.path() + QStringLiteral("/home");
        env.vars.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.executable = dir.path() + QStringLiteral("/bin/velmaro");
        QDir().mkpath(dir.path() + QStringLiteral("/bin"));
        QDir().mkpath(env.home);
        paths = StoragePaths::resolve(env);
    }

    void writeConfig(const QString& general, const QString& data = QString(),
                     const QString& custom = QString())
    {
        QDir().mkpath(paths.perUserFolder);
        QFile file(paths.settingsFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(paths.settingsFile));
        QString text = QStringLiteral("[General]\r\nCurrentVersion=2,3\r\n") + general;
        if (!custom.isEmpty())
            text += QStringLiteral("[CUSTOM]\r\n") + custom;
        if (!data.isEmpty())
            text += QStringLiteral("[Data]\r\n") + data;
        file.write(text.toLatin1());
    }

    // `linesBelowAfterShow`: as the program starts it.
    TForm1& create(bool linesBelowAfterShow = false)
    {
        session = std::make_unique<Session>(paths, clock);
        strip = std::make_unique<TForm1>(fakes.services, *session, images);
        if (linesBelowAfterShow)
            strip->setLinesBelowScreenAfterShow();
        // As the program connects its note editor.
        QObject::connect(strip.get(), &TForm1::newNoteAsked, [this] { editor.openNew(); });
        QObject::connect(strip.get(), &TForm1::noteAsked,
                         [this](int n, const QString& text, int markColor) {
                             editor.openForNote(n, text, markColor);
                         });
        strip->FormCreate();
        return *strip;
    }

    QString stored(const QString& section, const QString& key) const
    {
        SettingsStore store(paths.settingsFile);
        return store.readString(section, key, kAbsent);
    }
};

inline QString note(int n, const QString& text, const QString& color,
                    const QString& alarm = QString(), const QString& sound = QString())
{
    return QStringLiteral("Sentence%1=%2\r\nColor%1=%3\r\nAlarm%1=%4\r\nSound%1=%5\r\n")
        .arg(n)
        .arg(text, color, alarm, sound);
}

inline QString notes(int count)
{
    QString data;
    for (int n = 1; n <= count; ++n)
        data += note(n, QStringLiteral("nota %1").arg(n), QStringLiteral("black"));
    return data;
}

inline QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

template <typename T> inline T* child(QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("missing child %s", name);
    return found;
}

} // namespace velmaro::testing
