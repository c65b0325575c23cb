// The settings dialog's pickers, choosers and launcher rows.

#include "settings/launchericons.h"
#include "settings/launchers.h"
#include "settings/settingsdialog.h"
#include "strip/wincolor.h"
#include "ui_settingsdialog.h"

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
    const QLineEdit* const files[] = {ui->edtPrgFile1, ui->edtPrgFile2, ui->edtPrgFile3};
    QLabel* const previews[] = {ui->img1, ui->img2, ui->img3};
    const QIcon icon = launcherIcon(files[row]->text());
    if (icon.isNull())
        return; // no file there: the preview and the list keep what they show
    previews[row]->setPixmap(iconPixmap(icon, 32, false));
    if (replaceInList)
        m_images.replace(CommandImages::Launcher1 + row,
                         QIcon(iconPixmap(icon, CommandImages::kSize, true)));
}

void TfrmAllConfig::launcherToolbarRefresh()
{
    const AllSettings f = readForm();
    for (int row = 0; row < kLauncherCount; ++row) {
        const int n = row + 1;
        const bool active = f.launchers[row].active;
        if (active)
            launcherIconExtraction(row, true);
        m_host.setLauncherButton(n, launcherToolbarImage(n, active), active, f.launchers[row].name);
    }
}

void TfrmAllConfig::launcherClick(int n)
{
    if (n < 1 || n > kLauncherCount)
        return;
    const LauncherRow row = readForm().launchers[n - 1];
    if (!launcherRuns(row))
        return;
    if (!m_shell.start(row.file))
        m_messages.inform(launchFailedMessage(row.file));
}

} // namespace velmaro
