// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/backupswindow.h"

#include "session/backups.h"
#include "ui_backupswindow.h"
#include "widgets/centring.h"

#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

namespace velmaro {

TfrmBackups::TfrmBackups(const QString& settingsFile, const platform::Clock& clock,
                         platform::Messages& messages, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmBackups>()), m_settingsFile(settingsFile),
      m_clock(clock), m_messages(messages)
{
    ui->setupUi(this);
    confirm = [this](const QString& question) { return askUser(question); };
    connect(ui->lstBackups, &QListWidget::currentRowChanged, this, &TfrmBackups::showSelected);
    connect(ui->btnRestore, &QPushButton::clicked, this, &TfrmBackups::restoreSelected);
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    ui->lstBackups->setFocus();
}

TfrmBackups::~TfrmBackups() = default;

void TfrmBackups::showEvent(QShowEvent* event)
{
    // In the middle of the strip's monitor, as the other windows the strip opens.
    if (!event->spontaneous())
        centreOnScreen(*this, ownerScreen(*this));
    QDialog::showEvent(event);
}

void TfrmBackups::refresh()
{
    m_backups = readBackups(backupFolderOf(m_settingsFile));
    ui->lstBackups->clear();
    for (const BackupEntry& entry : m_backups) {
        const QString count = entry.damaged ? tr("dañada") : noteCountText(int(entry.notes.size()));
        ui->lstBackups->addItem(QStringLiteral("%1 — %2").arg(entry.label, count));
    }
    if (m_backups.isEmpty())
        ui->lblState->setText(tr("Todavía no hay copias de seguridad."));
    ui->lstBackups->setCurrentRow(m_backups.isEmpty() ? -1 : 0);
    showSelected();
}

void TfrmBackups::showSelected()
{
    const int row = ui->lstBackups->currentRow();
    const BackupEntry* entry = row >= 0 && row < m_backups.size() ? &m_backups[row] : nullptr;
    ui->btnRestore->setEnabled(entry && !entry->damaged);
    if (!entry) {
        ui->memPreview->clear();
        return;
    }
    if (entry->damaged) {
        ui->memPreview->setPlainText(
            tr("Esta copia está dañada: no se lee como un archivo de notas de Velmaro y no se "
               "puede restaurar."));
        return;
    }
    QStringList lines;
    for (qsizetype n = 0; n < entry->notes.size(); ++n)
        lines.append(QStringLiteral("%1. %2").arg(n + 1).arg(entry->notes[n]));
    ui->memPreview->setPlainText(lines.isEmpty() ? tr("(sin notas)")
                                                 : lines.join(QStringLiteral("\n\n")));
}

void TfrmBackups::restoreSelected()
{
    const int row = ui->lstBackups->currentRow();
    if (row < 0 || row >= m_backups.size() || m_backups[row].damaged)
        return;
    const QString label = m_backups[row].label;
    if (!confirm(tr("¿Restaurar la copia del %1? Las notas actuales se guardan como otra copia.")
                     .arg(label)))
        return;
    const RestoreOutcome outcome = restoreBackup(m_settingsFile, label, m_clock.now());
    if (!outcome.ok()) {
        m_messages.error(outcome.error);
        refresh();
        return;
    }
    emit restored();
    refresh();
    ui->lblState->setText(restoredMessage(outcome));
}

bool TfrmBackups::askUser(const QString& question)
{
    QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::NoButton, this);
    QPushButton* restore = box.addButton(tr("&Restaurar"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(tr("&Cancelar"), QMessageBox::RejectRole);
    // Enter alone does not replace the notes.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == restore;
}

} // namespace velmaro
