// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The calendar window (TfrmCalendar): one month, opened on today, whose chosen date
// can be copied as text.

#include "platform/clock.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmCalendar;
}

namespace velmaro {

class TfrmCalendar : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendar(const platform::Clock& clock, QWidget* parent = nullptr);
    ~TfrmCalendar() override;

    // The chosen date as dd/MM/yyyy, what the copy button puts on the clipboard.
    QString dateText() const;

public slots:
    void SpeedButton1Click(); // copy the date text
    void MonthCalendar1Click(QDate date);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void goToToday();

    std::unique_ptr<Ui::TfrmCalendar> ui;
    const platform::Clock& m_clock;
};

} // namespace velmaro
