// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The settings dialog's pickers, choosers and launcher rows.

#include "settings/launchericons.h"
#include "settings/launchers.h"
#include "settings/settingsdialog.h"
#include "settings/settingssteps.h"
#include "ui_settingsdialog.h"
#include "widgets/wincolor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmaro {

namespace {

constexpr int kMessageTyped = 145;

} // namespace

std::optional<QColor> TfrmAllConfig::pickColour()
{
    const std::optional<QColor> picked = m_pickColour(m_lastColour);
    if (!picked || !picked->isValid())
        return std::nullopt;
    m_lastColour = *picked;
    return picked;
}

void TfrmAllConfig::SpeedButton4Click()
{
    if (const auto c = pickColour()) {
        m_form.fontColor = toWinColor(*c);
        showSamples();
    }
}

void TfrmAllConfig::SpeedButton5Click()
{
    if (const auto c = pickColour()) {
        m_form.alarmColor = toWinColor(*c);
        showSamples();
    }
}

void TfrmAllConfig::SpeedButton6Click()
{
    if (const auto c = pickColour()) {
        m_form.alarmBackColor = toWinColor(*c);
        showSamples();
    }
}

void TfrmAllConfig::SpeedButton8Click()
{
    if (const auto c = pickColour()) {
        m_form.backColor = toWinColor(*c);
        showSamples();
    }
}

// "Transparente :" acts on every mouse-button and key release on it, after the box
// has taken the release.
bool TfrmAllConfig::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->chkAlarmTransparente &&
        (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease)) {
        static_cast<QObject*>(ui->chkAlarmTransparente)->event(event);
        transparentReleased();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAllConfig::transparentReleased()
{
    if (ui->chkAlarmTransparente->isChecked()) {
        m_form.alarmBackColor = kButtonFaceColor;
        showSamples();
    } else {
        SpeedButton6Click();
    }
}

void TfrmAllConfig::SpeedButton7Click()
{
    const QString text = ui->edtImageFile->text();
    const QString folder = text.left(std::max<qsizetype>(text.lastIndexOf(QLatin1Char('/')), 1));
    const bool useTyped = text.contains(QLatin1Char('/')) && QDir(folder).exists();
    const QString file = m_chooseFile(useTyped ? folder : m_lastImageFolder, imageFilters());
    if (file.isEmpty())
        return;
    m_lastImageFolder = QFileInfo(file).absolutePath();
    ui->edtImageFile->setText(file);
}

void TfrmAllConfig::browseLauncher(int row)
{
    const QString file = m_chooseFile(QDir::currentPath(), launcherFilters());
    if (file.isEmpty())
        return;
    const auto browsed = browsedLauncher(file, QCoreApplication::applicationFilePath());
    if (!browsed)
        return;
    m_form = readForm();
    m_form.launchers[row] = *browsed;
    showForm();
    launcherIconExtraction(row, false);
}

// The memo takes at most 145 typed characters; a longer stored message still shows.
void TfrmAllConfig::messageEdited()
{
    const QString text = ui->mmMsg->toPlainText();
    if (text.size() > kMessageTyped && text.size() > m_message.size()) {
        const QSignalBlocker block(ui->mmMsg);
        ui->mmMsg->setPlainText(m_message);
        ui->mmMsg->moveCursor(QTextCursor::End);
        return;
    }
    m_message = text;
}

// ---------------------------------------------------------------------------------------
// Launchers

void TfrmAllConfig::launcherIconExtraction(int row, bool replaceInList)
{
    const QIcon icon = extractLauncherIcon(readForm(), row, m_services.images, replaceInList);
    if (!icon.isNull()) // no file there: the preview keeps what it shows
        showLauncherPreview(row, icon);
}

void TfrmAllConfig::showLauncherPreview(int row, const QIcon& icon)
{
    QLabel* const previews[] = {ui->img1, ui->img2, ui->img3};
    previews[row]->setPixmap(iconPixmap(icon, 32, false));
}

void TfrmAllConfig::launcherToolbarRefresh()
{
    refreshLauncherToolbar(readForm(), m_services.host, m_services.images,
                           [this](int row, const QIcon& icon) { showLauncherPreview(row, icon); });
}

void TfrmAllConfig::launcherClick(int n)
{
    if (n >= 1 && n <= kLauncherCount)
        startLauncher(readForm().launchers[n - 1], m_services.shell, m_services.messages);
}

} // namespace velmaro
