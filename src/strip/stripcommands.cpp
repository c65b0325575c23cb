// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/stripcommands.h"

#include "session/startupsettings.h"
#include "strip/striplayout.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QToolButton>

#include <tuple>

namespace velmaro {

namespace {

// Read when the strip is made, once the interface language is chosen.
QString hideShowHint()
{
    return StripCommands::tr("Ocultar en barra de Tareas o Volver a mostrar en pantalla");
}
QString listHint()
{
    return StripCommands::tr("Listar Todas las notas en un solo documento");
}
QString settingsHint()
{
    return StripCommands::tr("Configurar Velmaro");
}
QString helpHint()
{
    return StripCommands::tr("Ayuda de Velmaro");
}
QString exitHint()
{
    return StripCommands::tr("Salir de Velmaro");
}
constexpr QRgb kSilver = 0xC0C0C0;

} // namespace

StripCommands::StripCommands(QWidget* strip, CommandImages& images)
    : QObject(strip), m_images(images)
{
    setObjectName(QStringLiteral("StripCommands"));
    createToolBar(strip);
    createMenu(strip);
    connect(&m_images, &CommandImages::changed, this, &StripCommands::setImage);
}

void StripCommands::createToolBar(QWidget* strip)
{
    ToolBar1 = new QFrame(strip);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFrameStyle(QFrame::NoFrame);
    ToolBar1->setAutoFillBackground(true);
    QPalette pal = ToolBar1->palette();
    pal.setColor(QPalette::Window, QColor(kSilver));
    pal.setColor(QPalette::Button, QColor(kSilver));
    ToolBar1->setPalette(pal);
    ToolBar1->setGeometry(0, layout::kToolBarTop, strip->width(), layout::kToolBarHeight);

    struct Button {
        int image;
        QString hint;
        void (StripCommands::*signal)();
    };
    const Button buttons[] = {
        {CommandImages::NewNote, tr("Nueva Nota"), &StripCommands::newNote},
        {CommandImages::ListAll, listHint(), &StripCommands::listAll},
        {CommandImages::Calendar, tr("Calendario"), &StripCommands::calendar},
        {CommandImages::Launcher1, QString(), &StripCommands::launcher1},
        {CommandImages::Launcher2, QString(), &StripCommands::launcher2},
        {CommandImages::Launcher3, QString(), &StripCommands::launcher3},
        {CommandImages::Settings, settingsHint(), &StripCommands::settings},
        {CommandImages::Help, helpHint(), &StripCommands::help},
        {CommandImages::HideShow, hideShowHint(), &StripCommands::hideShow},
        {CommandImages::Exit, exitHint(), &StripCommands::exit},
    };
    int number = 1;
    for (const Button& b : buttons) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QStringLiteral("ToolButton%1").arg(number++));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(CommandImages::kSize, CommandImages::kSize));
        button->setIcon(m_images.icon(b.image));
        button->setProperty("imageIndex", b.image);
        button->setToolTip(b.hint);
        // A launcher without a program yet is said by its place.
        if (b.hint.isEmpty())
            button->setAccessibleName(tr("Programa %1").arg(number - 4));
        connect(button, &QToolButton::clicked, this, b.signal);
        m_toolButtons.push_back(button);
    }
    // The exit command is reached through the strip menu.
    m_toolButtons.back()->hide();

    m_toolSeparator = new QWidget(ToolBar1);
    m_toolSeparator->setObjectName(QStringLiteral("ToolSeparator"));
}

QAction* StripCommands::addMenuItem(QWidget* strip, const QString& name, const QString& caption,
                                    int shortcutKey, int image, const QString& hint,
                                    void (StripCommands::*signal)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (shortcutKey) {
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(shortcutKey)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (image >= 0) {
        action->setIcon(m_images.icon(image));
        m_menuImages.emplace_back(image, action);
    }
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    connect(action, &QAction::triggered, this, signal);
    RxPopupMenu1->addAction(action);
    // Also on the window, so that the shortcuts work while the strip has the focus.
    strip->addAction(action);
    return action;
}

void StripCommands::createMenu(QWidget* strip)
{
    RxPopupMenu1 = new QMenu(strip);
    RxPopupMenu1->setObjectName(QStringLiteral("RxPopupMenu1"));

    addMenuItem(strip, QStringLiteral("Ocultar2"), tr("&Ocultar / Mostrar"), Qt::Key_O,
                CommandImages::HideShow, hideShowHint(), &StripCommands::hideShow);
    RxPopupMenu1->addSeparator();
    addMenuItem(strip, QStringLiteral("NuevaNota1"), tr("&Nueva Nota..."), Qt::Key_N,
                CommandImages::NewNote, QString(), &StripCommands::newNote);
    RxPopupMenu1->addSeparator();
    addMenuItem(strip, QStringLiteral("ListarTodo1"), tr("Listar &Todo..."), Qt::Key_T,
                CommandImages::ListAll, listHint(), &StripCommands::listAll);
    addMenuItem(strip, QStringLiteral("Calendario1"), tr("Ca&lendario..."), Qt::Key_L,
                CommandImages::Calendar, tr("Calendario"), &StripCommands::calendar);
    addMenuItem(strip, QStringLiteral("CopiasSeguridad1"), tr("&Copias de seguridad…"), 0, -1,
                QString(), &StripCommands::backups);
    QAction* n9 = RxPopupMenu1->addSeparator();
    n9->setObjectName(QStringLiteral("N9"));
    // The launcher items get their captions and show up once a launcher is set.
    for (auto [name, image, signal] :
         {std::tuple{"a1", int(CommandImages::Launcher1), &StripCommands::launcher1},
          std::tuple{"b1", int(CommandImages::Launcher2), &StripCommands::launcher2},
          std::tuple{"c1", int(CommandImages::Launcher3), &StripCommands::launcher3}}) {
        QAction* item =
            addMenuItem(strip, QString::fromLatin1(name), QString(), 0, image, QString(), signal);
        item->setVisible(false);
    }
    QAction* n10 = RxPopupMenu1->addSeparator();
    n10->setObjectName(QStringLiteral("N10"));
    n9->setVisible(false);
    n10->setVisible(false);
    addMenuItem(strip, QStringLiteral("Configurar2"), tr("Confi&gurar..."), Qt::Key_G,
                CommandImages::Settings, settingsHint(), &StripCommands::settings);
    RxPopupMenu1->addSeparator();
    addMenuItem(strip, QStringLiteral("Ayuda2"), tr("A&yuda"), Qt::Key_Y, CommandImages::Help,
                helpHint(), &StripCommands::help);
    addMenuItem(strip, QStringLiteral("Acercade2"), tr("&Acerca de..."), Qt::Key_A,
                CommandImages::About, makerWeb(), &StripCommands::about);
    RxPopupMenu1->addSeparator();
    addMenuItem(strip, QStringLiteral("Salir2"), tr("&Salir"), Qt::Key_S, CommandImages::Exit,
                exitHint(), &StripCommands::exit);
}

QToolButton* StripCommands::toolButton(int number) const
{
    if (number < 1 || number > int(m_toolButtons.size()))
        return nullptr;
    return m_toolButtons[number - 1];
}

QAction* StripCommands::action(const QString& name) const
{
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void StripCommands::setImage(int index)
{
    const QIcon icon = m_images.icon(index);
    for (QToolButton* button : m_toolButtons) {
        if (button->property("imageIndex").toInt() == index)
            button->setIcon(icon);
    }
    for (auto& [image, action] : m_menuImages) {
        if (image == index)
            action->setIcon(icon);
    }
}

void StripCommands::layoutToolBar(int stripWidth)
{
    const layout::ToolBarLayout t = layout::toolBarLayout(stripWidth);
    ToolBar1->setGeometry(0, layout::kToolBarTop, t.width, layout::kToolBarHeight);
    const int buttonHeight = layout::kToolBarHeight - 2;
    for (int k = 0; k < int(t.commandLefts.size()); ++k)
        m_toolButtons[k]->setGeometry(t.commandLefts[k], 1, layout::kToolButtonWidth, buttonHeight);
    m_toolSeparator->setGeometry(t.separatorLeft, 1, t.separatorWidth, buttonHeight);
    m_toolButtons[8]->setGeometry(t.hideShowLeft, 1, layout::kToolButtonWidth, buttonHeight);
    m_toolButtons[9]->setGeometry(t.exitLeft, 1, layout::kToolButtonWidth, buttonHeight);
}

} // namespace velmaro
