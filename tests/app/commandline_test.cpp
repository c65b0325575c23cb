// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/addnote.h"
#include "app/commandfront.h"
#include "app/commandline.h"
#include "app/remoteactions.h"
#include "notes/storetestutil.h"
#include "platform/fake/fakeclock.h"
#include "platform/fake/fakeenvironment.h"
#include "platform/fake/fakeinstancechannel.h"

#include <gtest/gtest.h>

using namespace velmaro;

namespace {

std::variant<CommandLine, QString> parse(const QStringList& args)
{
    return parseCommandLine(args);
}

QString errorOf(const QStringList& args)
{
    const auto parsed = parse(args);
    return std::holds_alternative<QString>(parsed) ? std::get<QString>(parsed) : QString();
}

} // namespace

TEST(CommandLineTest, ReadsOneActionAndTheNoteFieldsAndRefusesAnyOtherLine)
{
    EXPECT_EQ(std::get<CommandLine>(parse({})).action, Action::Start);
    EXPECT_EQ(std::get<CommandLine>(parse({"--toggle"})).action, Action::Toggle);
    EXPECT_EQ(std::get<CommandLine>(parse({"-h"})).action, Action::Help);

    const CommandLine add =
        std::get<CommandLine>(parse({"--priority=alta", "--add", "-5 euros", "--alarm",
                                     "24/12/2030 08:30", "--sound=", "--force"}));
    EXPECT_EQ(add.action, Action::Add);
    EXPECT_EQ(add.note.text, "-5 euros");
    EXPECT_EQ(add.note.priority, "alta");
    EXPECT_EQ(add.note.alarm, "24/12/2030 08:30");
    EXPECT_EQ(add.note.sound, QString());
    EXPECT_TRUE(add.note.force);
    EXPECT_FALSE(std::get<CommandLine>(parse({"--add", "x"})).note.sound.has_value());

    EXPECT_EQ(errorOf({"--nueva"}), "opción desconocida \"--nueva\".");
    EXPECT_EQ(errorOf({"nota"}), "argumento inesperado \"nota\".");
    EXPECT_EQ(errorOf({"--add"}), "falta el valor de \"--add\".");
    EXPECT_EQ(errorOf({"--show", "--hide"}), "indique una sola acción (\"--show\" y \"--hide\").");
    EXPECT_EQ(errorOf({"--toggle", "--force"}), "\"--force\" solo sirve con \"--add\".");
    EXPECT_EQ(errorOf({"--add", "a", "--sound", "a", "--sound", "b"}),
              "\"--sound\" aparece dos veces.");
    EXPECT_EQ(errorOf({"--quit=ya"}), "\"--quit\" no lleva valor.");
}

// The editor's rules, as a caller from outside meets them: what is refused leaves the
// file byte for byte.
TEST(AddNoteTest, AddsUnderTheEditorsRulesAndRefusesWithoutWriting)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tw.cfg");
    velmaro::testing::writeBytes(
        path, "[General]\r\nTotalData=1\r\n[CUSTOM]\r\nAdv=30\r\nSoundFile=/s/campana.wav\r\n"
              "[Data]\r\nSentence1=Comprar pan\r\nColor1=black\r\n"
              "Alarm1=24/12/2030 08:30:00\r\nSound1=\r\n");
    platform::FakeClock clock(QDateTime(QDate(2030, 12, 1), QTime(9, 0)));
    SettingsStore store(path);
    NoteCollection notes(store, clock);
    const auto refused = [&](NoteRequest r) {
        const QByteArray before = velmaro::testing::readBytes(path);
        const AddResult result = addNote(store, notes, clock, r);
        EXPECT_EQ(velmaro::testing::readBytes(path), before);
        EXPECT_EQ(addRefusal(store, clock, r), result.error);
        return result.error;
    };

    EXPECT_TRUE(refused({"Cerca", "alta", "24/12/2030 08:50", {}, false})
                    .startsWith("Existe una alarma anterior (en la nota número 1) configurada en "
                                "24/12/2030 08:30:00.\nCambie la hora o use --force"));
    EXPECT_EQ(refused({"", "", "", {}, false}), "el texto de la nota está vacío.");
    EXPECT_EQ(refused({QString("a") + QChar(0) + "b", "", "", {}, false}),
              "el texto de la nota lleva caracteres de control.");
    EXPECT_EQ(refused({"x", "urgente", "", {}, false}),
              "prioridad desconocida \"urgente\": use alta, media o baja.");
    EXPECT_EQ(refused({"x", "", "31/02/2030 10:00", {}, false}),
              "fecha de alarma no válida \"31/02/2030 10:00\": use \"dd/mm/aaaa hh:mm\".");
    EXPECT_EQ(refused({"x", "", "", dir.filePath("no.wav"), false}),
              "no existe el archivo de sonido \"" + dir.filePath("no.wav") + "\".");

    const AddResult forced =
        addNote(store, notes, clock, {"Cerca\nde verdad", "alta", "24/12/2030 8:50", {}, true});
    EXPECT_EQ(forced.number, 2);
    EXPECT_EQ(store.readString(u"Data", u"Sentence2", kAbsent), "Cerca?#de verdad");
    EXPECT_EQ(store.readString(u"Data", u"Color2", kAbsent), "red");
    EXPECT_EQ(store.readString(u"Data", u"Alarm2", kAbsent), "24/12/2030 08:50:00");
    EXPECT_EQ(store.readString(u"Data", u"Sound2", kAbsent), "/s/campana.wav");
    EXPECT_EQ(store.readString(u"CUSTOM", u"Adv", kAbsent), "30");

    store.writeString(u"General", u"TotalData", "99");
    EXPECT_EQ(refused({"La cien", "baja", "", {}, false}),
              "Ha alcanzado el número maximo de Notas");
}

namespace {

struct RecordingActions final : RemoteActions {
    QStringList done;
    void newNote() override { done << "NewNote"; }
    void toggle() override { done << "Toggle"; }
    void show() override { done << "Show"; }
    void hide() override { done << "Hide"; }
    void quit() override { done << "Quit"; }
    AddResult addNote(const NoteRequest& r) override
    {
        done << r.text + "|" + r.priority + "|" + r.sound.value_or("-") + "|" +
                    (r.force ? "f" : "");
        return {7, {}};
    }
    QVariantList listNotes() override { return {}; }
    bool isShown() override { return true; }
    RestoreOutcome restoreBackup(const QString& which) override
    {
        done << "Restore " + which;
        return {which == "2" ? QString() : QStringLiteral("no"), which, {}};
    }
};

} // namespace

// Whatever a caller sends on the bus or the socket: only well-formed calls act.
TEST(RemoteActionsTest, OnlyWellFormedCallsAct)
{
    RecordingActions actions;
    const auto call = [&](const QString& m, const QVariantList& args) {
        return dispatchCall({m, args}, actions);
    };
    EXPECT_TRUE(call("Toggle", {}).ok);
    EXPECT_EQ(call("AddNote", {"a", "alta", "", ""}).result, 7);
    EXPECT_TRUE(call("AddNote", {"b", "", "", "/x.wav", true}).ok);
    EXPECT_FALSE(call("AddNote", {"c", "", "", 5}).ok);
    EXPECT_FALSE(call("AddNote", {"d", "", "", "", "yes"}).ok);
    EXPECT_FALSE(call("AddNote", {"e"}).ok);
    EXPECT_FALSE(call("Quit", {1}).ok);
    EXPECT_FALSE(call("Format", {}).ok);
    EXPECT_TRUE(call("RestoreBackup", {"2"}).ok);
    EXPECT_FALSE(call("RestoreBackup", {"3"}).ok);
    EXPECT_FALSE(call("RestoreBackup", {2}).ok);
    EXPECT_FALSE(call("RestoreBackup", {}).ok);
    EXPECT_EQ(actions.done,
              QStringList({"Toggle", "a|alta|-|", "b||/x.wav|f", "Restore 2", "Restore 3"}));

    CommandLine line;
    line.action = Action::Add;
    line.note = {"t", "baja", "", {}, true};
    EXPECT_EQ(callFor(line).args, QVariantList({"t", "baja", "", "", true}));
}

// --add from the command line: to the running program when one answers, else into the
// file once the guard is free; bad input goes nowhere.
TEST(CommandFrontTest, AddGoesToTheRunningProgramOrIntoTheFileUnderTheGuard)
{
    QTemporaryDir home;
    platform::FakeEnvironment env;
    env.home = home.path();
    const QString file = home.filePath(".local/share/Velmaro/tw.cfg");
    platform::FakeInstanceChannel program;
    int guardsMade = 0;
    const auto guard = [&] {
        ++guardsMade;
        return std::make_unique<platform::FakeInstanceGuard>(guardsMade < 3 ? 1 : 0);
    };
    const auto add = [&](const QStringList& args) {
        CommandFront front(args);
        EXPECT_FALSE(front.answerAlone(env).has_value());
        return front.passOrWrite(program, guard, env, "velmaro");
    };

    program.listen([](const platform::InstanceCall& call) {
        return platform::InstanceReply{call.args[0] != "no", "rechazada", 1};
    });
    EXPECT_EQ(add({"--add", "sí", "--sound", "."}), 2); // a folder is no sound file
    EXPECT_EQ(add({"--add", "no"}), 1);
    EXPECT_EQ(program.calls.size(), 1);
    EXPECT_EQ(guardsMade, 0);
    EXPECT_FALSE(QFile::exists(file));

    // None runs; another writer holds the guard twice before it is free.
    program.stop();
    EXPECT_EQ(add({"--add", "Pagar la luz", "--priority=baja"}), 0);
    EXPECT_EQ(guardsMade, 3);
    SettingsStore store(file);
    EXPECT_EQ(store.readString(u"Data", u"Sentence1", kAbsent), "Pagar la luz");
    EXPECT_EQ(store.readString(u"Data", u"Color1", kAbsent), "green");

    platform::FakeInstanceGuard busy(1000);
    EXPECT_TRUE(claimInstance(*guard(), "velmaro", program));
    program.listen([](const platform::InstanceCall&) { return platform::InstanceReply{}; });
    EXPECT_FALSE(claimInstance(busy, "velmaro", program));
}
