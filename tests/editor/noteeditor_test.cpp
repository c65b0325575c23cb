// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The note editor driven through its controls, over a real settings file and note
// collection, with a stand-in strip that records what it is asked to do. What the
// editor decides is tested with its core part (noteform_test.cpp); these walks check
// that the controls show the form and hand back what the user did with them.

#include "editor/noteeditor.h"

#include "alarms/alarmanswer.h"
#include "alarms/alarmsound.h"
#include "notes/codec.h"
#include "notes/datetime.h"
#include "platform/fake/fakeservices.h"

#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <memory>

using namespace velmaro;

namespace {

StoragePaths pathsFor(const QString& settingsFile, const QString& documents)
{
    StoragePaths paths;
    paths.settingsFile = settingsFile;
    paths.documentsFolder = documents;
    return paths;
}

// The session the editor works on, and a stand-in strip.
class FakeStrip final : public StripHost {
public:
    FakeStrip(const QString& settingsFile, const QString& documents, platform::Clock& clock)
        : m_session(pathsFor(settingsFile, documents), clock)
    {
        m_session.store().open(settingsFile);
    }
    Session& session() { return m_session; }
    NoteCollection& notes() { return m_session.notes(); }
    SettingsStore& store() { return m_session.store(); }
    void reloadNotes() override
    {
        notes().unload();
        notes().load();
        calls << QStringLiteral("reload");
    }
    void pastAlarmMarking() override { calls << QStringLiteral("mark"); }
    void scrollbarCheck() override { calls << QStringLiteral("scroll"); }
    void applyAlwaysOnTop() override { calls << QStringLiteral("applyOnTop"); }
    void setStripOnTop(bool onTop) override
    {
        calls << (onTop ? QStringLiteral("onTop") : QStringLiteral("notOnTop"));
    }
    void setStripEnabled(bool enabled) override { stripEnabled = enabled; }
    void openLink(const QString& target) override { links << target; }

    QStringList calls;
    QStringList links;
    bool stripEnabled = true;

private:
    Session m_session;
};

} // namespace

class NoteEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::FakeServices> m_fakes;
    platform::FakeClock* m_clock = nullptr;
    platform::RecordingMessages* m_messages = nullptr;
    platform::FakeSoundPlayer* m_sound = nullptr;
    std::unique_ptr<FakeStrip> m_strip;
    std::unique_ptr<TfrmConfig> m_editor;

    void makeEditor(const QString& settingsFile)
    {
        m_editor.reset();
        m_strip = std::make_unique<FakeStrip>(settingsFile, m_dir->filePath("Documents"), *m_clock);
        m_editor = std::make_unique<TfrmConfig>(m_fakes->services, m_strip->session());
        m_editor->setHost(m_strip.get());
    }

    QString settingsPath() const { return m_dir->filePath(QStringLiteral("tw.cfg")); }
    SettingsStore& store() { return m_strip->store(); }
    QString data(const char* key, int n)
    {
        return store().readString(u"Data", QLatin1String(key) + QString::number(n), kAbsent,
                                  kNoLimit);
    }
    template <typename T> T* child(const char* name)
    {
        T* w = m_editor->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void click(const char* name) { QTest::mouseClick(child<QToolButton>(name), Qt::LeftButton); }
    QPlainTextEdit* memo() { return child<QPlainTextEdit>("memoSent"); }

    // Stores notes the way the collection does and loads them, as the strip would at
    // start-up.
    void addNote(const QString& text, const QString& color, const QString& alarm,
                 const QString& sound = QString())
    {
        m_strip->notes().add(text, color, alarm, sound);
        m_strip->reloadNotes();
        m_strip->calls.clear();
    }

    // Runs a new-note opening (modal) with `body` acting inside it; whatever body leaves
    // open is cancelled so that the opening always returns.
    void runNew(const std::function<void()>& body)
    {
        bool ran = false;
        QTimer::singleShot(0, m_editor.get(), [&] {
            body();
            ran = true;
            if (m_editor->isVisible())
                m_editor->close();
        });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, m_editor.get(), [this] { m_editor->close(); });
        guard.start(10000);
        m_editor->openNew();
        QVERIFY(ran);
    }

    // Another hand (a sync tool) replaces the settings file with notes of these texts.
    void replaceOutside(const QStringList& texts)
    {
        QString text = QStringLiteral("[General]\r\nTotalData=%1\r\n[Data]\r\n").arg(texts.size());
        for (int n = 1; n <= texts.size(); ++n)
            text += QStringLiteral("Sentence%1=%2\r\nColor%1=black\r\nAlarm%1=\r\n")
                        .arg(n)
                        .arg(texts.at(n - 1));
        const QString tmp = m_dir->filePath(QStringLiteral(".tw.cfg.sync"));
        QFile f(tmp);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text.toLatin1());
        f.close();
        QCOMPARE(::rename(QFile::encodeName(tmp).constData(),
                          QFile::encodeName(settingsPath()).constData()),
                 0);
    }

    void openNote(int n)
    {
        const Note& note = m_strip->notes().note(n);
        m_editor->openForNote(n, note.text, priorityMarkColor(note.priority).value_or(-1));
        QVERIFY(m_editor->isVisible());
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_fakes = std::make_unique<platform::FakeServices>();
        m_clock = &m_fakes->clock;
        m_messages = &m_fakes->messages;
        m_sound = &m_fakes->sound;
        makeEditor(settingsPath());
    }

    void cleanup()
    {
        if (m_editor && m_editor->isVisible())
            m_editor->close();
        m_editor.reset();
        m_strip.reset();
        m_fakes.reset();
        m_dir.reset();
    }

    void layoutTextsAndNothingOverlaps()
    {
        QCOMPARE(m_editor->size(), QSize(300, 383));
        QCOMPARE(m_editor->minimumSize(), m_editor->maximumSize());
        QCOMPARE(child<QToolButton>("btnAceptar")->geometry(), QRect(8, 8, 25, 25));
        QCOMPARE(child<QToolButton>("btnCancel")->geometry(), QRect(264, 8, 25, 25));
        QCOMPARE(child<QToolButton>("btnGreen")->toolTip(), QStringLiteral("Baja Prioridad"));
        QCOMPARE(child<QToolButton>("btnRed")->text(), QString(QChar(0x2666)));
        QCOMPARE(memo()->geometry(), QRect(16, 48, 265, 89));
        QCOMPARE(memo()->toolTip(), QStringLiteral("Escriba aquí su Nota"));
        QCOMPARE(child<QGroupBox>("pnlAlarm")->geometry(), QRect(56, 184, 225, 49));
        QCOMPARE(child<QDateEdit>("DatePicker")->parentWidget(), child<QGroupBox>("pnlAlarm"));
        QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral(" Alarmas cercanas:"));
        QCOMPARE(child<QLabel>("Label4")->text(), QStringLiteral("Adelantar Alarma :"));
        QCOMPARE(child<QLineEdit>("fedSonidos")->toolTip(),
                 QStringLiteral("Archivo de Sonido de la Alarma"));
        QVERIFY(child<QRadioButton>("rb24horas")->isChecked());
        QVERIFY(child<QRadioButton>("rbNoAdvertir")->isChecked());
        auto* mins = child<QSpinBox>("spEdMins");
        QCOMPARE(mins->minimum(), 1);
        QCOMPARE(mins->maximum(), 120);
        QCOMPARE(mins->singleStep(), 10);
        QCOMPARE(mins->value(), 30);

        // With the test's fonts (DejaVu, as on a stock desktop) every caption has the
        // room its text needs, inside its panel, and runs into no neighbour.
        addNote(QStringLiteral("uno"), QStringLiteral("black"),
                QStringLiteral("06/03/2026 10:00:00"));
        store().writeString(u"Data", u"Date1", QStringLiteral("05/03/2026 10:00:00"));
        openNote(1);
        for (const char* panel : {"pnlRepetir", "pnlSonido", "rowUltima"}) {
            const QList<QWidget*> controls =
                child<QWidget>(panel)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : controls) {
                if (!a->isVisible())
                    continue;
                QVERIFY2(a->parentWidget()->rect().contains(a->geometry()),
                         a->objectName().toLatin1());
                if (qobject_cast<QLabel*>(a) || qobject_cast<QRadioButton*>(a))
                    QVERIFY2(a->width() >= a->sizeHint().width(), a->objectName().toLatin1());
                for (QWidget* b : controls) {
                    if (a != b && b->isVisible())
                        QVERIFY2(!a->geometry().intersects(b->geometry()),
                                 qPrintable(a->objectName() + u' ' + b->objectName()));
                }
            }
        }
        m_editor->close();
    }

    void newNoteThroughTheControls()
    {
        // Just before midnight: a rounded time would show the next day's first second.
        m_clock->set(QDateTime(QDate(2026, 3, 5), QTime(23, 59, 59, 700)));
        addNote(QStringLiteral("otra"), QStringLiteral("black"),
                QStringLiteral("06/03/2026 00:02:00"));
        store().writeString(u"Custom", u"SoundFile", QStringLiteral("/snd/timbre.wav"));
        QStringList filters;
        bool openAfterEmpty = false;
        runNew([&] {
            QCOMPARE(m_editor->windowTitle(), QStringLiteral("Nueva Nota"));
            QVERIFY(!child<QToolButton>("btnBorrar")->isEnabled());
            QVERIFY(child<QToolButton>("btnBlack")->isChecked());
            QCOMPARE(child<QLineEdit>("fedSonidos")->text(), QStringLiteral("/snd/timbre.wav"));
            QCOMPARE(child<QLabel>("lblLastModif")->text(), QStringLiteral("-"));
            QVERIFY(!child<QFrame>("pnlRepetir")->isVisible());
            QCOMPARE(m_editor->noteNumber(), 2);
            QCOMPARE(child<QDateEdit>("DatePicker")->date(), QDate(2026, 3, 5));
            QCOMPARE(child<QTimeEdit>("TimePicker")->time(), QTime(23, 59, 59));
            // Nothing to save yet: the dialog stays.
            click("btnAceptar");
            openAfterEmpty = m_editor->isVisible();

            // The browse dialog of the sound field, with its filter as captioned.
            QTimer::singleShot(0, m_editor.get(), [&] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    filters = dialog->nameFilters();
                    dialog->reject();
                }
            });
            child<QLineEdit>("fedSonidos")->actions().value(0)->trigger();

            QTest::keyClicks(memo(), QStringLiteral("a"));
            QTest::keyClick(memo(), Qt::Key_Return);
            QTest::keyClicks(memo(), QStringLiteral("b"));
            child<QDateEdit>("DatePicker")->setDateTime(QDateTime(QDate(2026, 3, 6), QTime(0, 0)));
            child<QTimeEdit>("TimePicker")->setTime(QTime(0, 0));
            click("btnAlarm");
            click("btnAlarmOff");
            QVERIFY(child<QGroupBox>("pnlAlarm")->isEnabled());
            QCOMPARE(child<QLabel>("lblAlarm")->text(), QStringLiteral("Alarma NO Activada"));
            QCOMPARE(child<QLabel>("lblAlarm")->palette().color(QPalette::WindowText),
                     QColor(0, 0, 255));
            click("btnAlarm");
            QVERIFY(m_editor->alarmOn());
            QVERIFY(!child<QGroupBox>("pnlAlarm")->isEnabled());
            QCOMPARE(child<QLabel>("lblAlarm")->text(), QStringLiteral("  Alarma Activada  "));
            click("btnRed");
            child<QRadioButton>("rbAdvertir")->setChecked(true);
            // Emptied by the user: the window is 1 minute, so an alarm 2 minutes away
            // is not near and the note is saved.
            auto* mins = child<QSpinBox>("spEdMins");
            mins->setFocus();
            QTest::keyClick(mins, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(mins, Qt::Key_Backspace);
            QCOMPARE(mins->text(), QString());
            click("btnAceptar");
        });
        QVERIFY(openAfterEmpty);
        QCOMPARE(filters, QStringList({QStringLiteral("Archivos de Sonidos(*.wav)")}));
        QVERIFY(!m_editor->isVisible());
        QVERIFY2(m_messages->shown.isEmpty(), qPrintable(m_messages->shown.join(u'|')));
        QCOMPARE(data("Sentence", 2), QStringLiteral("a?#b"));
        QCOMPARE(data("Color", 2), QStringLiteral("red"));
        QCOMPARE(data("Alarm", 2), QStringLiteral("06/03/2026 00:00:00"));
        QCOMPARE(data("Sound", 2), QStringLiteral("/snd/timbre.wav"));
        QCOMPARE(store().readString(u"Custom", u"Adv", kAbsent), QStringLiteral("1"));
        QCOMPARE(m_strip->calls, QStringList({QStringLiteral("reload"), QStringLiteral("mark"),
                                              QStringLiteral("applyOnTop")}));
        QCOMPARE(m_strip->notes().note(2).text, QStringLiteral("a\r\nb"));

        // The remembered warning shows at the next opening.
        runNew([&] {
            QVERIFY(child<QRadioButton>("rbAdvertir")->isChecked());
            QCOMPARE(child<QSpinBox>("spEdMins")->value(), 1);
        });
    }

    void editModeShowsTheNoteAndPostpones()
    {
        store().writeString(u"Custom", u"SoundFile", QStringLiteral("/snd/default.wav"));
        addNote(QStringLiteral("sin alarma"), QStringLiteral("green"), QString());
        addNote(QStringLiteral("tarde"), QStringLiteral("red"),
                QStringLiteral("05/03/2026 23:30:00"), QStringLiteral("/snd/propio.wav"));
        m_clock->advanceSecs(3600);

        openNote(1);
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("Modificar / Borrar / Archivar"));
        QVERIFY(child<QToolButton>("btnBorrar")->isEnabled());
        QVERIFY(child<QToolButton>("btnGreen")->isChecked());
        QCOMPARE(child<QToolButton>("btnGreen")->palette().color(QPalette::ButtonText),
                 QColor(255, 255, 0));
        QCOMPARE(child<QToolButton>("btnRed")->palette().color(QPalette::ButtonText),
                 QColor(255, 0, 255));
        QCOMPARE(child<QLineEdit>("fedSonidos")->text(), QString());
        QCOMPARE(child<QLabel>("lblLastModif")->text(), QStringLiteral("05/03/2026 10:00:00"));
        QVERIFY(!m_editor->alarmOn());
        QVERIFY(!child<QFrame>("pnlRepetir")->isVisible());
        QCOMPARE(child<QTimeEdit>("TimePicker")->time(), QTime(11, 0, 0));
        QVERIFY(!m_strip->stripEnabled);
        QVERIFY(m_strip->calls.contains(QStringLiteral("notOnTop")));
        QVERIFY(m_editor->windowFlags() & Qt::WindowStaysOnTopHint);
        click("btnCancel");
        QVERIFY(!m_editor->isVisible());
        QVERIFY(m_strip->stripEnabled);
        QCOMPARE(m_strip->calls.last(), QStringLiteral("applyOnTop"));

        openNote(2);
        QVERIFY(child<QToolButton>("btnRed")->isChecked());
        QCOMPARE(child<QLineEdit>("fedSonidos")->text(), QStringLiteral("/snd/propio.wav"));
        QVERIFY(m_editor->alarmOn());
        QVERIFY(!child<QGroupBox>("pnlAlarm")->isEnabled());
        QVERIFY(child<QFrame>("pnlRepetir")->isVisible());
        QCOMPARE(child<QDateEdit>("DatePicker")->dateTime(),
                 QDateTime(QDate(2026, 3, 5), QTime(23, 30)));
        QCOMPARE(child<QTimeEdit>("TimePicker")->dateTime(),
                 QDateTime(QDate(2026, 3, 5), QTime(23, 30)));
        // Unlocking and changing a picker withdraws the postponing.
        click("btnAlarmOff");
        QVERIFY(child<QFrame>("pnlRepetir")->isVisible());
        child<QTimeEdit>("TimePicker")->setTime(QTime(9, 45));
        QVERIFY(!child<QFrame>("pnlRepetir")->isVisible());
        // Hidden by the program rather than closed: the strip comes back all the same.
        m_editor->hide();
        QVERIFY(m_strip->stripEnabled);

        // One hour past midnight moves the date too.
        openNote(2);
        child<QRadioButton>("rb1hora")->setChecked(true);
        click("SpeedButton2");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Alarm", 2), QStringLiteral("06/03/2026 00:30:00"));
        QVERIFY(m_strip->calls.contains(QStringLiteral("mark")));

        // The choice carries over. A refused postponing keeps its move, and the next
        // one adds to it.
        addNote(QStringLiteral("otra"), QStringLiteral("black"),
                QStringLiteral("07/03/2026 00:40:00"));
        store().writeString(u"Custom", u"Adv", QStringLiteral("30"));
        openNote(2);
        QVERIFY(child<QRadioButton>("rb1hora")->isChecked());
        child<QRadioButton>("rb24horas")->setChecked(true);
        m_messages->shown.clear();
        click("SpeedButton2"); // 07/03 00:30 is near note 3
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_messages->shown.size(), 1);
        QVERIFY(m_messages->shown.first().startsWith(
            QStringLiteral("Existe una alarma anterior (en la nota número 3)")));
        QCOMPARE(data("Alarm", 2), QStringLiteral("06/03/2026 00:30:00"));
        click("SpeedButton2");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Alarm", 2), QStringLiteral("08/03/2026 00:30:00"));

        // The caption of the panel saves without moving.
        openNote(2);
        QTest::mouseClick(child<QLabel>("Label4"), Qt::LeftButton);
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Alarm", 2), QStringLiteral("08/03/2026 00:30:00"));
    }

    // An answer to the alarm's notification stores the note while the editor is open
    // on it with the person's unsaved text: the editor shows the answer's alarm, and its
    // "Aceptar" keeps both, under the note's own number. Another note's alarm never
    // lands in it.
    void anAlarmAnswerReachesTheOpenEditor()
    {
        const bool postponing[] = {true, false};
        for (const bool postpone : postponing) {
            QFile::remove(settingsPath());
            makeEditor(settingsPath());
            addNote(QStringLiteral("uno"), QStringLiteral("red"),
                    QStringLiteral("05/03/2026 10:30:00"));
            openNote(1);
            memo()->setPlainText(QStringLiteral("uno, cambiado"));
            NoteForm answer(store(), m_strip->notes(), *m_clock);
            NoteFields moved;
            const NoteResult r =
                postpone ? postponeAlarmOneHour(answer, 1, QStringLiteral("uno"), -1, moved)
                         : removeAlarm(answer, 1, QStringLiteral("uno"), -1);
            QVERIFY(r.written());
            m_strip->reloadNotes();
            m_editor->followAnsweredNote(1);
            // A refused postpone of another note only tells its warning.
            m_messages->shown.clear();
            m_editor->proposeAlarm(2, QDateTime(QDate(2026, 3, 6), QTime(8, 0)),
                                   QStringLiteral("aviso"));
            QCOMPARE(m_messages->shown, QStringList{QStringLiteral("aviso")});
            QCOMPARE(m_editor->alarmOn(), postpone);
            QCOMPARE(child<QFrame>("pnlRepetir")->isVisible(), postpone);
            if (postpone)
                QCOMPARE(child<QTimeEdit>("TimePicker")->time(), QTime(11, 30));
            click("btnAceptar");
            QVERIFY(!m_editor->isVisible());
            QCOMPARE(m_strip->notes().count(), 1);
            QCOMPARE(data("Sentence", 1), QStringLiteral("uno, cambiado"));
            QCOMPARE(data("Alarm", 1),
                     postpone ? QStringLiteral("05/03/2026 11:30:00") : QString());
        }
    }

    void deleteArchiveAndOutsideChanges()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("red"), QString());
        addNote(QStringLiteral("dos"), QStringLiteral("black"), QString());
        addNote(QStringLiteral("tres"), QStringLiteral("green"), QString());
        openNote(2);
        click("btnBorrar");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(m_strip->calls, QStringList({QStringLiteral("notOnTop"), QStringLiteral("reload"),
                                              QStringLiteral("mark"), QStringLiteral("scroll"),
                                              QStringLiteral("applyOnTop")}));
        QCOMPARE(data("Sentence", 2), QStringLiteral("tres"));

        // An archive file that cannot be written: the note and the dialog stay.
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("carpeta")));
        store().writeString(u"General", u"ArchFile", m_dir->filePath("carpeta"));
        openNote(1);
        click("btnArchivar");
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_strip->notes().count(), 2);
        QVERIFY(!m_strip->stripEnabled);

        // Archived with the text as edited; no past-alarm marking follows.
        store().writeString(u"General", u"ArchFile", QString());
        m_strip->calls.clear();
        QTest::keyClick(memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("editado"));
        click("btnArchivar");
        QVERIFY(!m_editor->isVisible());
        QFile archive(m_dir->filePath("Documents/Velmaro.txt"));
        QVERIFY(archive.open(QIODevice::ReadOnly));
        QCOMPARE(archive.readAll(), QByteArray("uno editado\r\n"));
        QCOMPARE(m_strip->calls,
                 QStringList({QStringLiteral("reload"), QStringLiteral("applyOnTop")}));
        QCOMPARE(data("Sentence", 1), QStringLiteral("tres"));

        // Changed outside while open: Delete is refused with a word, Accept saves the
        // text as a new note and says so.
        m_messages->shown.clear();
        openNote(1);
        replaceOutside({QStringLiteral("cambiada"), QStringLiteral("tres")});
        click("btnBorrar");
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_messages->shown.size(), 1);
        QVERIFY(m_messages->shown.first().contains(QStringLiteral("no se tocó")));
        click("btnAceptar");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(m_messages->shown.size(), 2);
        QVERIFY(m_messages->shown.last().contains(QStringLiteral("se guardó como una nota nueva")));
        QCOMPARE(data("Sentence", 1), QStringLiteral("cambiada"));
        QCOMPARE(data("Sentence", 2), QStringLiteral("tres"));
        QCOMPARE(data("Sentence", 3), QStringLiteral("tres"));
        QCOMPARE(m_strip->notes().count(), 3);
    }

    void keysMailSoundAndLimits()
    {
        addNote(QStringLiteral("Comprar pan"), QStringLiteral("black"), QString());
        addNote(QStringLiteral("dos"), QStringLiteral("red"), QString());
        openNote(1);
        // A second opening while shown is refused.
        m_editor->openForNote(2, QStringLiteral("dos"), 0x0000FF);
        m_editor->openNew(); // would block if it ran
        QCOMPARE(m_editor->noteNumber(), 1);
        QVERIFY(child<QToolButton>("btnBlack")->isChecked());
        // Escape is the close box and stores nothing; Enter in the memo breaks the line,
        // Ctrl+Enter there is "Aceptar".
        QTest::keyClicks(memo(), QStringLiteral(" sin guardar"));
        QTest::keyClick(memo(), Qt::Key_Escape);
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Sentence", 1), QStringLiteral("Comprar pan"));
        openNote(1);
        click("SpeedButton1");
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("y leche"));
        click("SpeedButton1");
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_strip->links,
                 QStringList({QStringLiteral(
                                  "mailto:?subject=Enviado%20desde%20Velmaro&body=Comprar%20pan"),
                              QStringLiteral("mailto:?subject=Enviado%20desde%20Velmaro&body="
                                             "Comprar%20pan%0D%0Ay%20leche")}));

        // The sound test plays the field's file, quoted or not, or complains.
        const QString spaced = m_dir->filePath("mis sonidos/campana.wav");
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("mis sonidos")));
        QFile(spaced).open(QIODevice::WriteOnly);
        m_sound->playable << spaced;
        auto* field = child<QLineEdit>("fedSonidos");
        for (const QString& text :
             {spaced, quoteSoundFileName(spaced), QString(), m_dir->filePath("nada.wav")}) {
            field->setText(text);
            click("RxSpeedButton1");
        }
        QCOMPARE(m_sound->played, QStringList({spaced, spaced}));
        QCOMPARE(m_messages->shown,
                 QStringList({QStringLiteral("Elija un archivo .wav adecuado"),
                              QStringLiteral("Elija un archivo .wav adecuado")}));
        // Saved from the quoted field, the name is stored without the quotes.
        field->setText(quoteSoundFileName(spaced));
        click("btnAceptar");
        QCOMPARE(data("Sentence", 1), QStringLiteral("Comprar pan?#y leche"));
        QCOMPARE(data("Sound", 1), spaced);
        QCOMPARE(store().readString(u"Custom", u"SoundFile", kAbsent), spaced);

        // An overlong text is cut as it comes in.
        runNew([&] {
            memo()->setPlainText(QString(NoteForm::kMaxTextLength + 500, QLatin1Char('x')));
            QCOMPARE(memo()->toPlainText().size(), NoteForm::kMaxTextLength);
        });
    }

    void aFailedWriteIsReportedAndTheDialogStays()
    {
        // A settings file beneath a plain file can never be written.
        QFile blocker(m_dir->filePath("bloque"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        makeEditor(m_dir->filePath("bloque/tw.cfg"));
        bool stillOpen = false;
        runNew([&] {
            QTest::keyClicks(memo(), QStringLiteral("no cabe"));
            click("btnAceptar");
            stillOpen = m_editor->isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(m_messages->shown.size(), 1);
        QVERIFY2(m_messages->shown.first().startsWith(QStringLiteral("Unable to write to")),
                 qPrintable(m_messages->shown.first()));
        QCOMPARE(m_strip->notes().count(), 0);
        QVERIFY(!m_strip->calls.contains(QStringLiteral("reload")));
    }
};

QTEST_MAIN(NoteEditorTest)
#include "noteeditor_test.moc"
