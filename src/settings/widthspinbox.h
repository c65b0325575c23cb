// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip width box: besides the arrows it takes any typed number, and a value
// outside its range is brought to the nearest bound when the box loses the focus
// (above the maximum to the maximum, below the minimum to the minimum).

#include <QSpinBox>

#include <algorithm>

namespace velmaro {

class WidthSpinBox : public QSpinBox {
public:
    explicit WidthSpinBox(QWidget* parent = nullptr) : QSpinBox(parent)
    {
        setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    }

protected:
    QValidator::State validate(QString& text, int& pos) const override
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (text.isEmpty() || (ok && text.size() <= 6 && value >= 0))
            return ok && value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                                  : QValidator::Intermediate;
        return QSpinBox::validate(text, pos);
    }
    void fixup(QString& text) const override
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok)
            text = QString::number(std::clamp(value, minimum(), maximum()));
    }
};

} // namespace velmaro
