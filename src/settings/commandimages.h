// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The command image list: 13 icons of 16 x 16 on silver, at fixed indexes, from which
// the strip's toolbar buttons and menu items take their images. The launcher entries
// are replaced at run time by the icons of the configured programs.

#include <QIcon>
#include <QObject>

#include <array>

namespace velmaro {

class CommandImages : public QObject {
    Q_OBJECT
public:
    enum Index {
        NewNote = 0,
        ListAll = 1,
        Calendar = 2,
        Launcher1 = 3,
        Launcher2 = 4,
        Launcher3 = 5,
        Settings = 6,
        MailAll = 7,
        Help = 8,
        HideShow = 9,
        Exit = 10,
        InactiveLauncher = 11,
        About = 12,
    };
    static constexpr int kCount = 13;
    static constexpr int kSize = 16;

    explicit CommandImages(QObject* parent = nullptr);

    // An empty icon for an index outside 0..12.
    QIcon icon(int index) const;
    // The built-in picture of an index, as it was before any replacement.
    static QIcon builtIn(int index);
    // Ignored for an index outside 0..12.
    void replace(int index, const QIcon& icon);

signals:
    void changed(int index);

private:
    std::array<QIcon, kCount> m_icons;
};

} // namespace velmaro
