// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The backups window (TfrmBackups): the backups of the settings file, newest first, the
// notes of the one selected, and "Restaurar", which asks first. Damaged backups are
// listed as such and cannot be restored.

#include "platform/clock.h"
#include "platform/messages.h"
#include "session/backuprestore.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <memory>

namespace Ui {
class TfrmBackups;
}

namespace velmaro {

class TfrmBackups : public QDialog {
    Q_OBJECT
public:
    TfrmBackups(const QString& settingsFile, const platform::Clock& clock,
                platform::Messages& messages, QWidget* parent = nullptr);
    ~TfrmBackups() override;

    // Reads the backups folder again; the first backup is selected.
    void refresh();

    // Asks before a restore; true to go on. Tests replace it.
    std::function<bool(const QString& question)> confirm;

signals:
    // A backup is now the settings file.
    void restored();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSelected();
    void restoreSelected();
    bool askUser(const QString& question);

    std::unique_ptr<Ui::TfrmBackups> ui;
    QString m_settingsFile;
    const platform::Clock& m_clock;
    platform::Messages& m_messages;
    QList<BackupEntry> m_backups;
};

} // namespace velmaro
