// The note editor driven through its controls, over a real settings file and note
// collection, with a stand-in strip that records what it is asked to do.

#include "notes/noteeditor.h"

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

// "Section/Key=value" for every value line of the settings file, in file order.
QStringList fileEntries(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    QString section;
    for (QString line : QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('[')))
            section = line.mid(1, line.size() - 2);
        else if (line.contains(QLatin1Char('=')))
            out << section + QLatin1Char('/') + line;
    }
    return out;
}

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

    void layoutAndTexts()
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
        QVERIFY(child<QRadioButton>("rb24horas")->isChecked());
        QVERIFY(child<QRadioButton>("rbNoAdvertir")->isChecked());
        auto* mins = child<QSpinBox>("spEdMins");
        QCOMPARE(mins->minimum(), 1);
        QCOMPARE(mins->maximum(), 120);
        QCOMPARE(mins->singleStep(), 10);
        QCOMPARE(mins->value(), 30);
        QCOMPARE(child<QLineEdit>("fedSonidos")->toolTip(),
                 QStringLiteral("Archivo de Sonido de la Alarma"));
    }

    void newNoteWithoutAlarmStoresTheFiveKeys()
    {
        store().writeString(u"Custom", u"SoundFile", QStringLiteral("/snd/timbre.wav"));
        m_messages->shown.clear();
        bool borrarEnabled = true;
        QString title;
        runNew([&] {
            title = m_editor->windowTitle();
            borrarEnabled = child<QToolButton>("btnBorrar")->isEnabled();
            QVERIFY(child<QToolButton>("btnBlack")->isChecked());
            QCOMPARE(child<QLineEdit>("fedSonidos")->text(), QStringLiteral("/snd/timbre.wav"));
            QCOMPARE(child<QLabel>("lblLastModif")->text(), QStringLiteral("-"));
            QVERIFY(!child<QFrame>("pnlRepetir")->isVisible());
            QCOMPARE(m_editor->noteNumber(), 1);
            QTest::keyClicks(memo(), QStringLiteral("Comprar pan"));
            click("btnAceptar");
        });
        QCOMPARE(title, QStringLiteral("Nueva Nota"));
        QVERIFY(!borrarEnabled);
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(
            fileEntries(settingsPath()),
            QStringList({QStringLiteral("Custom/SoundFile=/snd/timbre.wav"),
                         QStringLiteral("Custom/Adv=-30"), QStringLiteral("General/TotalData=1"),
                         QStringLiteral("Data/Date1=05/03/2026 10:00:00"),
                         QStringLiteral("Data/Sentence1=Comprar pan"),
                         QStringLiteral("Data/Color1=black"), QStringLiteral("Data/Alarm1="),
                         QStringLiteral("Data/Sound1=/snd/timbre.wav")}));
        QCOMPARE(m_strip->calls, QStringList({QStringLiteral("reload"), QStringLiteral("mark"),
                                              QStringLiteral("applyOnTop")}));
        QCOMPARE(m_strip->notes().count(), 1);
        QVERIFY(m_messages->shown.isEmpty());
    }

    void newNoteWithAlarmAndLineBreak()
    {
        addNote(QStringLiteral("primera"), QStringLiteral("black"), QString());
        runNew([&] {
            QCOMPARE(m_editor->noteNumber(), 2);
            // The pickers start at the present moment.
            QCOMPARE(child<QDateEdit>("DatePicker")->date(), QDate(2026, 3, 5));
            QCOMPARE(child<QTimeEdit>("TimePicker")->time(), QTime(10, 0, 0));
            QTest::keyClicks(memo(), QStringLiteral("a"));
            QTest::keyClick(memo(), Qt::Key_Return);
            QTest::keyClicks(memo(), QStringLiteral("b"));
            child<QDateEdit>("DatePicker")->setDate(QDate(2026, 3, 6));
            child<QTimeEdit>("TimePicker")->setTime(QTime(8, 15, 0));
            click("btnAlarm");
            QVERIFY(m_editor->alarmOn());
            QVERIFY(!child<QGroupBox>("pnlAlarm")->isEnabled());
            QCOMPARE(child<QLabel>("lblAlarm")->text(), QStringLiteral("  Alarma Activada  "));
            click("btnRed");
            child<QRadioButton>("rbAdvertir")->setChecked(true);
            child<QSpinBox>("spEdMins")->setValue(45);
            click("btnAceptar");
        });
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(store().readString(u"General", u"TotalData", kAbsent), QStringLiteral("2"));
        QCOMPARE(data("Sentence", 2), QStringLiteral("a?#b"));
        QCOMPARE(data("Color", 2), QStringLiteral("red"));
        QCOMPARE(data("Alarm", 2), QStringLiteral("06/03/2026 08:15:00"));
        QCOMPARE(store().readString(u"Custom", u"Adv", kAbsent), QStringLiteral("45"));
        QCOMPARE(m_strip->notes().note(2).text, QStringLiteral("a\r\nb"));
    }

    void alarmSwitchedOffStoresNoAlarm()
    {
        runNew([&] {
            click("btnAlarm");
            click("btnAlarmOff");
            QVERIFY(child<QGroupBox>("pnlAlarm")->isEnabled());
            QCOMPARE(child<QLabel>("lblAlarm")->text(), QStringLiteral("Alarma NO Activada"));
            QCOMPARE(child<QLabel>("lblAlarm")->palette().color(QPalette::WindowText),
                     QColor(0, 0, 255));
            QTest::keyClicks(memo(), QStringLiteral("x"));
            click("btnAceptar");
        });
        QCOMPARE(data("Alarm", 1), QString());
    }

    void emptyTextWritesOnlyTheDefaults()
    {
        bool stillOpen = false;
        runNew([&] {
            child<QRadioButton>("rbAdvertir")->setChecked(true);
            child<QSpinBox>("spEdMins")->setValue(20);
            click("btnAceptar");
            stillOpen = m_editor->isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(fileEntries(settingsPath()), QStringList({QStringLiteral("Custom/SoundFile="),
                                                           QStringLiteral("Custom/Adv=20")}));
        QVERIFY(m_messages->shown.isEmpty());
        QVERIFY(!m_strip->calls.contains(QStringLiteral("reload")));
    }

    void openingCutsToTheSecondAndAnEmptyMinutesBoxCountsAsOne()
    {
        // Just before midnight: a rounded time would show the next day's first second.
        m_clock->set(QDateTime(QDate(2026, 3, 5), QTime(23, 59, 59, 700)));
        addNote(QStringLiteral("otra"), QStringLiteral("black"),
                QStringLiteral("06/03/2026 00:02:00"));
        QStringList filters;
        runNew([&] {
            QCOMPARE(child<QDateEdit>("DatePicker")->date(), QDate(2026, 3, 5));
            QCOMPARE(child<QTimeEdit>("TimePicker")->time(), QTime(23, 59, 59));

            // The browse dialog of the sound field, with its filter as captioned.
            QTimer::singleShot(0, m_editor.get(), [&] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    filters = dialog->nameFilters();
                    dialog->reject();
                }
            });
            child<QLineEdit>("fedSonidos")->actions().value(0)->trigger();

            child<QDateEdit>("DatePicker")->setDateTime(QDateTime(QDate(2026, 3, 6), QTime(0, 0)));
            child<QTimeEdit>("TimePicker")->setTime(QTime(0, 0));
            click("btnAlarm");
            child<QRadioButton>("rbAdvertir")->setChecked(true);
            // Emptied by the user: the window is 1 minute, so an alarm 2 minutes away
            // is not near and the note is saved.
            auto* mins = child<QSpinBox>("spEdMins");
            mins->setFocus();
            QTest::keyClick(mins, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(mins, Qt::Key_Backspace);
            QCOMPARE(mins->text(), QString());
            QTest::keyClicks(memo(), QStringLiteral("nueva"));
            click("btnAceptar");
        });
        QCOMPARE(filters, QStringList({QStringLiteral("Archivos de Sonidos(*.wav)")}));
        QVERIFY2(m_messages->shown.isEmpty(), qPrintable(m_messages->shown.join(u'|')));
        QCOMPARE(data("Sentence", 2), QStringLiteral("nueva"));
        QCOMPARE(data("Alarm", 2), QStringLiteral("06/03/2026 00:00:00"));
        QCOMPARE(store().readString(u"Custom", u"Adv", kAbsent), QStringLiteral("1"));
    }

    void warningDefaultIsReadBackAndClamped()
    {
        struct Case {
            const char* stored;
            bool warn;
            int minutes;
        };
        const Case cases[] = {{"-30", false, 30},         {"90", true, 90}, {"basura", false, 30},
                              {"-500", false, 120},       {"0", false, 1},  {"500", true, 120},
                              {"-2147483648", false, 120}};
        for (const Case& c : cases) {
            store().writeString(u"Custom", u"Adv", QString::fromLatin1(c.stored));
            bool warn = !c.warn;
            int minutes = 0;
            runNew([&] {
                warn = child<QRadioButton>("rbAdvertir")->isChecked();
                minutes = child<QSpinBox>("spEdMins")->value();
                QCOMPARE(child<QRadioButton>("rbNoAdvertir")->isChecked(), !warn);
            });
            QVERIFY2(warn == c.warn, c.stored);
            QVERIFY2(minutes == c.minutes, c.stored);
        }
    }

    void editModeShowsTheStoredNote()
    {
        store().writeString(u"Custom", u"SoundFile", QStringLiteral("/snd/default.wav"));
        addNote(QStringLiteral("sin alarma"), QStringLiteral("green"), QString());
        addNote(QStringLiteral("con alarma"), QStringLiteral("red"),
                QStringLiteral("07/03/2026 09:30:00"), QStringLiteral("/snd/propio.wav"));
        m_clock->advanceSecs(3600);

        openNote(1);
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("Modificar / Borrar / Archivar"));
        QVERIFY(child<QToolButton>("btnBorrar")->isEnabled());
        QVERIFY(child<QToolButton>("btnGreen")->isChecked());
        QCOMPARE(child<QToolButton>("btnGreen")->palette().color(QPalette::ButtonText),
                 QColor(255, 255, 0));
        QCOMPARE(child<QToolButton>("btnRed")->palette().color(QPalette::ButtonText),
                 QColor(255, 0, 255));
        // A note without its own sound shows none, whatever the default for new notes.
        QCOMPARE(child<QLineEdit>("fedSonidos")->text(), QString());
        QCOMPARE(child<QLabel>("lblLastModif")->text(), QStringLiteral("05/03/2026 10:00:00"));
        QVERIFY(!m_editor->alarmOn());
        QVERIFY(!child<QFrame>("pnlRepetir")->isVisible());
        QCOMPARE(child<QDateEdit>("DatePicker")->date(), QDate(2026, 3, 5));
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
                 QDateTime(QDate(2026, 3, 7), QTime(9, 30)));
        QCOMPARE(child<QTimeEdit>("TimePicker")->dateTime(),
                 QDateTime(QDate(2026, 3, 7), QTime(9, 30)));
        // Unlocking and changing a picker withdraws the postponing.
        click("btnAlarmOff");
        QVERIFY(child<QFrame>("pnlRepetir")->isVisible());
        child<QTimeEdit>("TimePicker")->setTime(QTime(9, 45));
        QVERIFY(!child<QFrame>("pnlRepetir")->isVisible());
        // Hidden by the program rather than closed: the strip comes back all the same.
        m_editor->hide();
        QVERIFY(m_strip->stripEnabled);
    }

    void unreadableStoredAlarmOpensSwitchedOff()
    {
        addNote(QStringLiteral("rara"), QStringLiteral("black"), QString());
        store().writeString(u"Data", u"Alarm1", QStringLiteral("el lunes"));
        openNote(1);
        QVERIFY(!m_editor->alarmOn());
        QVERIFY(!child<QFrame>("pnlRepetir")->isVisible());
        // Saving replaces it.
        click("btnAceptar");
        QCOMPARE(data("Alarm", 1), QString());
    }

    void editAcceptModifiesInPlace()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("black"), QString());
        addNote(QStringLiteral("dos"), QStringLiteral("black"), QString());
        m_clock->advanceSecs(60);
        openNote(1);
        memo()->selectAll();
        QTest::keyClicks(memo(), QStringLiteral("uno bis"));
        click("btnGreen");
        click("btnAceptar");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Sentence", 1), QStringLiteral("uno bis"));
        QCOMPARE(data("Color", 1), QStringLiteral("green"));
        QCOMPARE(data("Date", 1), QStringLiteral("05/03/2026 10:01:00"));
        QCOMPARE(data("Sentence", 2), QStringLiteral("dos"));
        QCOMPARE(m_strip->notes().count(), 2);
        QVERIFY(m_strip->stripEnabled);
    }

    void deleteRenumbers()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("red"), QString());
        addNote(QStringLiteral("dos"), QStringLiteral("black"), QString());
        addNote(QStringLiteral("tres"), QStringLiteral("green"),
                QStringLiteral("09/03/2026 07:00:00"), QStringLiteral("/snd/t.wav"));
        openNote(2);
        click("btnBorrar");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(store().readString(u"General", u"TotalData", kAbsent), QStringLiteral("2"));
        QCOMPARE(data("Sentence", 2), QStringLiteral("tres"));
        QCOMPARE(data("Color", 2), QStringLiteral("green"));
        QCOMPARE(data("Alarm", 2), QStringLiteral("09/03/2026 07:00:00"));
        QCOMPARE(data("Sound", 2), QStringLiteral("/snd/t.wav"));
        for (const char* key : {"Date", "Sentence", "Color", "Alarm", "Sound"})
            QCOMPARE(data(key, 3), QString());
        QCOMPARE(m_strip->calls, QStringList({QStringLiteral("notOnTop"), QStringLiteral("reload"),
                                              QStringLiteral("mark"), QStringLiteral("scroll"),
                                              QStringLiteral("applyOnTop")}));
        QCOMPARE(m_strip->notes().count(), 2);
        QVERIFY(m_strip->stripEnabled);
    }

    void archiveAppendsTheEditedTextAndRemovesTheNote()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("red"), QString());
        addNote(QStringLiteral("dos"), QStringLiteral("black"), QString());
        openNote(1);
        memo()->selectAll();
        QTest::keyClicks(memo(), QStringLiteral("uno"));
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("editado"));
        click("btnArchivar");
        QVERIFY(!m_editor->isVisible());
        const QString archive = m_dir->filePath("Documents/Velmaro.txt");
        QCOMPARE(store().readString(u"General", u"ArchFile", kAbsent), archive);
        QFile f(archive);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(f.readAll());
        QVERIFY2(content.contains(QStringLiteral("uno editado")), qPrintable(content));
        QVERIFY(content.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(store().readString(u"General", u"TotalData", kAbsent), QStringLiteral("1"));
        QCOMPARE(data("Sentence", 1), QStringLiteral("dos"));
        // No past-alarm marking after an archive.
        QVERIFY(!m_strip->calls.contains(QStringLiteral("mark")));
        QVERIFY(m_strip->calls.contains(QStringLiteral("reload")));
    }

    void archiveFailureKeepsNoteAndDialog()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("red"), QString());
        // The archive path names a folder: it cannot be opened as a file.
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("carpeta")));
        store().writeString(u"General", u"ArchFile", m_dir->filePath("carpeta"));
        openNote(1);
        click("btnArchivar");
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_strip->notes().count(), 1);
        QCOMPARE(data("Sentence", 1), QStringLiteral("uno"));
        QCOMPARE(store().readString(u"General", u"TotalData", kAbsent), QStringLiteral("1"));
        QVERIFY(!m_strip->stripEnabled);
        m_editor->close();
        QVERIFY(m_strip->stripEnabled);
    }

    void nearAlarmRefusesUntilWarningIsOff()
    {
        addNote(QStringLiteral("médico"), QStringLiteral("red"),
                QStringLiteral("05/03/2026 10:20:00"));
        store().writeString(u"Custom", u"Adv", QStringLiteral("30"));
        QStringList shownInside;
        bool openAfterRefusal = false;
        runNew([&] {
            memo()->insertPlainText(QStringLiteral("reunión"));
            child<QTimeEdit>("TimePicker")->setTime(QTime(10, 0, 0));
            click("btnAlarm");
            click("btnAceptar");
            openAfterRefusal = m_editor->isVisible();
            shownInside = m_messages->shown;
            // 40 minutes apart is outside the window: saved.
            click("btnAlarmOff");
            child<QTimeEdit>("TimePicker")->setTime(QTime(9, 40, 0));
            click("btnAlarm");
            click("btnAceptar");
        });
        QVERIFY(openAfterRefusal);
        QCOMPARE(
            shownInside,
            QStringList(QStringLiteral(
                "Existe una alarma anterior (en la nota número 1) configurada en 05/03/2026 "
                "10:20:00.\r\nCambie la hora seleccionada o elija la opción \"No Advertir\".")));
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(data("Alarm", 2), QStringLiteral("05/03/2026 09:40:00"));

        // "No Advertir" saves right next to another alarm without a word.
        runNew([&] {
            QTest::keyClicks(memo(), QStringLiteral("otra"));
            child<QTimeEdit>("TimePicker")->setTime(QTime(10, 20, 0));
            click("btnAlarm");
            child<QRadioButton>("rbNoAdvertir")->setChecked(true);
            click("btnAceptar");
        });
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(data("Alarm", 3), QStringLiteral("05/03/2026 10:20:00"));
        QCOMPARE(store().readString(u"Custom", u"Adv", kAbsent), QStringLiteral("-30"));
    }

    void editedNoteIsNotComparedWithItself()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("red"),
                QStringLiteral("05/03/2026 18:00:00"));
        store().writeString(u"Custom", u"Adv", QStringLiteral("60"));
        openNote(1);
        click("btnAceptar");
        QVERIFY(!m_editor->isVisible());
        QVERIFY(m_messages->shown.isEmpty());
    }

    void postponeOneHourCrossesMidnight()
    {
        addNote(QStringLiteral("tarde"), QStringLiteral("black"),
                QStringLiteral("05/03/2026 23:30:00"));
        openNote(1);
        child<QRadioButton>("rb1hora")->setChecked(true);
        click("SpeedButton2");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Alarm", 1), QStringLiteral("06/03/2026 00:30:00"));
        QVERIFY(m_strip->calls.contains(QStringLiteral("mark")));

        // The choice carries over; the other one moves by a day.
        openNote(1);
        QVERIFY(child<QRadioButton>("rb1hora")->isChecked());
        child<QRadioButton>("rb24horas")->setChecked(true);
        click("SpeedButton2");
        QCOMPARE(data("Alarm", 1), QStringLiteral("07/03/2026 00:30:00"));
    }

    void postponeRefusedMovesAddUp()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("black"),
                QStringLiteral("06/03/2026 10:00:00"));
        addNote(QStringLiteral("dos"), QStringLiteral("black"),
                QStringLiteral("07/03/2026 10:10:00"));
        store().writeString(u"Custom", u"Adv", QStringLiteral("30"));
        openNote(1);
        click("SpeedButton2"); // 07/03 10:00 is near note 2
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(data("Alarm", 1), QStringLiteral("06/03/2026 10:00:00"));
        click("SpeedButton2");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Alarm", 1), QStringLiteral("08/03/2026 10:00:00"));
    }

    void captionOfPostponeSavesUnmoved()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("black"),
                QStringLiteral("06/03/2026 10:00:00"));
        openNote(1);
        QTest::mouseClick(child<QLabel>("Label4"), Qt::LeftButton);
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(data("Alarm", 1), QStringLiteral("06/03/2026 10:00:00"));
    }

    void escapeDoesNotCloseAndEnterBreaksTheLine()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("black"), QString());
        openNote(1);
        QTest::keyClick(memo(), Qt::Key_Escape);
        QTest::keyClick(m_editor.get(), Qt::Key_Escape);
        QTest::keyClick(child<QToolButton>("btnAceptar"), Qt::Key_Escape);
        QVERIFY(m_editor->isVisible());
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("dos"));
        QVERIFY(m_editor->isVisible());
        click("btnAceptar");
        QCOMPARE(data("Sentence", 1), QStringLiteral("uno?#dos"));
    }

    void openingWhileShownIsRefused()
    {
        addNote(QStringLiteral("uno"), QStringLiteral("black"), QString());
        addNote(QStringLiteral("dos"), QStringLiteral("red"), QString());
        openNote(1);
        m_editor->openForNote(2, QStringLiteral("dos"), 0x0000FF);
        m_editor->openNew(); // would block if it ran
        QCOMPARE(m_editor->noteNumber(), 1);
        QCOMPARE(memo()->toPlainText(), QStringLiteral("uno"));
        QVERIFY(child<QToolButton>("btnBlack")->isChecked());
        m_editor->close();
    }

    void mailOpensTheLinkAndStaysOpen()
    {
        addNote(QStringLiteral("Comprar pan"), QStringLiteral("black"), QString());
        openNote(1);
        click("SpeedButton1");
        QVERIFY(m_editor->isVisible());
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("y leche"));
        click("SpeedButton1");
        QCOMPARE(m_strip->links,
                 QStringList({QStringLiteral(
                                  "mailto:?subject=Enviado%20desde%20Velmaro&body=Comprar%20pan"),
                              QStringLiteral("mailto:?subject=Enviado%20desde%20Velmaro&body="
                                             "Comprar%20pan%0D%0Ay%20leche")}));
        m_editor->close();
    }

    void soundTestPlaysOrComplains()
    {
        const QString spaced = m_dir->filePath("mis sonidos/campana.wav");
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("mis sonidos")));
        QFile(spaced).open(QIODevice::WriteOnly);
        m_sound->playable << spaced;
        addNote(QStringLiteral("uno"), QStringLiteral("black"), QString());
        openNote(1);
        auto* field = child<QLineEdit>("fedSonidos");

        field->setText(spaced); // exists as typed
        click("RxSpeedButton1");
        field->setText(quoteSoundFileName(spaced)); // as the browse dialog keeps it
        click("RxSpeedButton1");
        QCOMPARE(m_sound->played, QStringList({spaced, spaced}));
        QVERIFY(m_messages->shown.isEmpty());

        for (const QString& bad : {QString(), m_dir->filePath("nada.wav")}) {
            field->setText(bad);
            click("RxSpeedButton1");
        }
        QCOMPARE(m_messages->shown,
                 QStringList({QStringLiteral("Elija un archivo .wav adecuado"),
                              QStringLiteral("Elija un archivo .wav adecuado")}));
        QCOMPARE(m_sound->played.size(), 2);

        // Saved from the quoted field, the name is stored as a reader of the file sees
        // it: without the quotes, for the note and for the next new note alike.
        field->setText(quoteSoundFileName(spaced));
        click("btnAceptar");
        QCOMPARE(data("Sound", 1), spaced);
        QCOMPARE(store().readString(u"Custom", u"SoundFile", kAbsent), spaced);
        openNote(1);
        QCOMPARE(field->text(), spaced);
        m_editor->close();
    }

    void storeFailureIsReportedAndNothingChanges()
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

    void overlongTextIsCut()
    {
        runNew([&] {
            memo()->setPlainText(QString(TfrmConfig::kMaxNoteLength + 500, QLatin1Char('x')));
            QCOMPARE(memo()->toPlainText().size(), TfrmConfig::kMaxNoteLength);
            click("btnAceptar");
        });
        QCOMPARE(data("Sentence", 1).size(), TfrmConfig::kMaxNoteLength);
    }

    // Another hand (a sync tool) replaces the settings file while the editor is open.
    void aNoteChangedOutsideIsNeverWrittenOver()
    {
        const auto replaceOutside = [this](const QStringList& texts) {
            QString text =
                QStringLiteral("[General]\r\nTotalData=%1\r\n[Data]\r\n").arg(texts.size());
            for (int n = 1; n <= texts.size(); ++n)
                text += QStringLiteral("Date%1=01/12/2026 10:00:00\r\nSentence%1=%2\r\n"
                                       "Color%1=black\r\nAlarm%1=\r\nSound%1=\r\n")
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
        };
        const auto sentences = [this] {
            QStringList out;
            const int count = store().readString(u"General", u"TotalData", kAbsent).toInt();
            for (int n = 1; n <= count; ++n)
                out << data("Sentence", n);
            return out;
        };
        addNote(QStringLiteral("uno"), QStringLiteral("black"), QString());
        addNote(QStringLiteral("dos"), QStringLiteral("black"), QString());
        addNote(QStringLiteral("tres"), QStringLiteral("black"), QString());
        m_messages->shown.clear();

        // Note 2 removed outside: "tres" now stands under its number.
        openNote(2);
        replaceOutside({QStringLiteral("uno"), QStringLiteral("tres")});
        click("btnBorrar");
        click("btnArchivar");
        QVERIFY(m_editor->isVisible());
        QCOMPARE(sentences(), (QStringList{QStringLiteral("uno"), QStringLiteral("tres")}));
        QCOMPARE(m_messages->shown.size(), 2);
        QVERIFY(m_messages->shown.at(0).contains(QStringLiteral("no se tocó")));
        QVERIFY(!QFile::exists(m_dir->filePath("Documents/velmaro.txt")));
        // Accept keeps the editor's text as a new note after the others.
        QTest::keyClick(memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(memo(), QStringLiteral(" bis"));
        click("btnAceptar");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(sentences(), (QStringList{QStringLiteral("uno"), QStringLiteral("tres"),
                                           QStringLiteral("dos bis")}));
        QCOMPARE(m_messages->shown.last(), QStringLiteral("La nota cambió fuera de Velmaro "
                                                          "mientras estaba abierta: se guardó "
                                                          "como una nota nueva."));
        QCOMPARE(m_strip->notes().count(), 3);

        // A change elsewhere in the file: the held note is saved in place, the note
        // added outside stays.
        m_messages->shown.clear();
        m_strip->reloadNotes();
        openNote(1);
        replaceOutside({QStringLiteral("uno"), QStringLiteral("tres"), QStringLiteral("dos bis"),
                        QStringLiteral("cuatro")});
        QTest::keyClick(memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(memo(), QStringLiteral("!"));
        click("btnAceptar");
        QCOMPARE(sentences(), (QStringList{QStringLiteral("uno!"), QStringLiteral("tres"),
                                           QStringLiteral("dos bis"), QStringLiteral("cuatro")}));
        QVERIFY(m_messages->shown.isEmpty());

        // A new note goes after the notes the file holds now, not over one of them.
        runNew([&] {
            replaceOutside({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                            QStringLiteral("d"), QStringLiteral("e")});
            QTest::keyClicks(memo(), QStringLiteral("nueva"));
            click("btnAceptar");
        });
        QCOMPARE(sentences(),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                              QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("nueva")}));
        QVERIFY(m_messages->shown.isEmpty());

        // Opened from a line that does not show what the file holds (changed a moment
        // before, not yet followed by the strip): saved as a new note too.
        m_editor->openForNote(1, QStringLiteral("x"), -1);
        click("btnAceptar");
        QCOMPARE(sentences().first(), QStringLiteral("a"));
        QCOMPARE(sentences().last(), QStringLiteral("x"));
        QCOMPARE(m_messages->shown.size(), 1);
    }
};

QTEST_MAIN(NoteEditorTest)
#include "noteeditor_test.moc"
