// The strip's side of the settings dialog: what the dialog's load and apply change on
// the strip, the background picture, the launcher buttons and menu entries, and the
// launcher clicks.

#include "strip/stripwindow.h"

#include "settings/launchers.h"
#include "settings/settingsdialog.h"
#include "strip/notelinespanel.h"
#include "strip/stripcommands.h"
#include "strip/striplayout.h"
#include "widgets/pictureloader.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QToolButton>

namespace velmaro {

StripMetrics TForm1::stripMetrics() const
{
    return {width(), m_scrollBarShown ? layout::kScrollBarWidth : 0};
}

int TForm1::noteCount() const
{
    return m_session.notes().count();
}

// The notes are read again so that the marking finds the alarms that are past: a
// marking or a ring before only put them aside in memory.
void TForm1::rebuildNoteLines()
{
    reloadNotes();
    pastAlarmMarking();
}

void TForm1::setStripWidth(int w)
{
    setStripSize(w, height());
    pnlLine2->setGeometry(0, layout::kUpperRuleTop, w, layout::kRuleHeight);
    pnlLine->setGeometry(0, layout::kLowerRuleTop, w, layout::kRuleHeight);
}

bool TForm1::showBackgroundImage(const QString& mode, const QString& file)
{
    return drawBackground(mode, file, false);
}

void TForm1::hideBackgroundImage()
{
    pnlSentences->backgroundImage()->hide();
}

void TForm1::layoutBackgroundImage()
{
    const StartupSettings& s = m_session.settings();
    drawBackground(s.backImageMode, s.backImagePath, true);
}

bool TForm1::drawBackground(const QString& mode, const QString& file, bool report)
{
    QLabel* image = pnlSentences->backgroundImage();
    if (mode == QLatin1String("empty")) {
        image->hide();
        return true;
    }
    const bool adjust = mode == QLatin1String("adjust");
    if (!adjust)
        m_backgroundAdjusted = false; // released from the panel's size first
    const QImage picture = loadPicture(file);
    if (picture.isNull() || picture.width() == 0) {
        if (report)
            m_services.messages.inform(
                adjust ? QStringLiteral("No se pudo abrir la imágen de fondo (ajuste)")
                       : QStringLiteral("No se pudo abrir la imágen de fondo (proporcional)"));
        return false;
    }
    image->setPixmap(QPixmap::fromImage(picture));
    if (adjust) {
        m_backgroundAdjusted = true;
        pnlSentences->installEventFilter(this);
        image->setGeometry(pnlSentences->rect());
    } else {
        const int h = layout::roundHalfEven(double(picture.height()) * width() / picture.width());
        image->setGeometry(0, 0, width(), h);
        m_backImageHeight = h;
    }
    image->lower();
    image->show();
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pnlSentences && event->type() == QEvent::Resize && m_backgroundAdjusted)
        pnlSentences->backgroundImage()->setGeometry(pnlSentences->rect());
    return QWidget::eventFilter(watched, event);
}

void TForm1::setLauncherButton(int n, int image, bool showHint, const QString& hint)
{
    QToolButton* button = m_commands->toolButton(3 + n);
    if (!button)
        return;
    button->setProperty("imageIndex", image);
    button->setIcon(m_images.icon(image));
    // Without hints the button keeps its hint text for when it shows hints again.
    if (showHint)
        button->setProperty("hintText", hint);
    button->setToolTip(showHint ? hint : QString());
}

void TForm1::refreshLauncherMenu()
{
    QMenu* menu = m_commands->menu();
    const LauncherMenu entries = launcherMenu(m_session.store());
    const char* const names[] = {"a1", "b1", "c1"};
    for (int i = 0; i < kLauncherCount; ++i) {
        QAction* item = m_commands->action(QLatin1String(names[i]));
        if (!item)
            continue;
        if (entries.entries[i].visible)
            item->setText(entries.entries[i].caption);
        item->setVisible(entries.entries[i].visible);
    }
    for (const char* separator : {"N9", "N10"}) {
        if (auto* item = menu->findChild<QAction*>(QLatin1String(separator)))
            item->setVisible(entries.separators);
    }
}

void TForm1::layoutToolBar()
{
    m_commands->layoutToolBar(width());
}

void TForm1::repaintStrip()
{
    update();
}

void TForm1::launcherClick(int n)
{
    if (m_settingsDialog)
        m_settingsDialog->launcherClick(n);
}

} // namespace velmaro
