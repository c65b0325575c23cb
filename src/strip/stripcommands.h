// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip's commands: one action each, the strip menu RxPopupMenu1 that lists them
// and the toolbar ToolBar1 with ToolButton1..ToolButton10. The strip and the tray icon
// both use this one object; a command runs whatever is connected to its signal. The
// images come from the command image list and follow its replacements.

#include "settings/commandimages.h"

#include <QObject>

#include <utility>
#include <vector>

class QAction;
class QFrame;
class QMenu;
class QToolButton;
class QWidget;

namespace velmaro {

class StripCommands : public QObject {
    Q_OBJECT
public:
    // The menu and the toolbar are made children of `strip`, and the actions are
    // added to it so that their shortcuts work while it has the focus.
    StripCommands(QWidget* strip, CommandImages& images);

    QMenu* menu() const { return RxPopupMenu1; }
    QFrame* toolBar() const { return ToolBar1; }
    // 1-based: ToolButton1..ToolButton10; nullptr outside.
    QToolButton* toolButton(int number) const;
    // The menu action of the given object name (Ocultar2, NuevaNota1, a1, ...).
    QAction* action(const QString& name) const;

    // Places the toolbar and its buttons for a strip width.
    void layoutToolBar(int stripWidth);

signals:
    void newNote();
    void listAll();
    void calendar();
    void backups();
    void launcher1();
    void launcher2();
    void launcher3();
    void settings();
    void help();
    void hideShow();
    void exit();
    void about();

private:
    void createToolBar(QWidget* strip);
    void createMenu(QWidget* strip);
    QAction* addMenuItem(QWidget* strip, const QString& name, const QString& caption,
                         int shortcutKey, int image, const QString& hint,
                         void (StripCommands::*signal)());
    void setImage(int index);

    CommandImages& m_images;
    QFrame* ToolBar1 = nullptr;
    std::vector<QToolButton*> m_toolButtons; // ToolButton1..ToolButton10
    QWidget* m_toolSeparator = nullptr;
    QMenu* RxPopupMenu1 = nullptr;
    std::vector<std::pair<int, QAction*>> m_menuImages;
};

} // namespace velmaro
