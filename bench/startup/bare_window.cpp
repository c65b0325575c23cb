// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// A borderless 237x140 window filled with one colour.
//   velmaro_bare_window [--tray] [--tick] [--text] [x y [#rrggbb]]
// Without a position it is centred on the screen; the colour defaults to #d2ffd2.
// --tray also puts a 16x16 icon in the notification area, as velmaro does.
// --tick runs a timer every 15 s that does nothing: the floor of an idle program that
// wakes as often as velmaro's alarm check.
// --text shows one line of text in the desktop's font: the floor of a window with any
// text at all, which first reads the font configuration and loads a font.
// Ctrl+S ends it with exit code 0 and a double-click paints it blue, so that the
// end-to-end harness can check its key and mouse input against a plain Qt window.

#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
public:
    explicit BareWindow(const QColor& colour) : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setWindowTitle(QStringLiteral("velmaro_bare_window"));
        setFixedSize(237, 140);
        setAutoFillBackground(true);
        paint(colour);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_S && (e->modifiers() & Qt::ControlModifier))
            QApplication::exit(0);
        else
            QWidget::keyPressEvent(e);
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { paint(Qt::blue); }

private:
    void paint(const QColor& colour)
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, colour);
        setPalette(pal);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool tray = args.removeAll(QStringLiteral("--tray")) > 0;
    const bool tick = args.removeAll(QStringLiteral("--tick")) > 0;
    const bool text = args.removeAll(QStringLiteral("--text")) > 0;

    QColor colour(0xd2, 0xff, 0xd2);
    if (args.size() >= 4)
        colour = QColor::fromString(args.at(3));
    BareWindow w(colour);
    if (text) {
        auto* line = new QLabel(QStringLiteral("velmaro_bare_window"), &w);
        line->move(8, 8);
    }

    if (args.size() >= 3) {
        w.move(args.at(1).toInt(), args.at(2).toInt());
    } else if (QScreen* screen = app.primaryScreen()) {
        const QRect r = screen->geometry();
        w.move(r.width() / 2 - w.width() / 2, r.height() / 2 - w.height() / 2);
    }
    w.show();

    QSystemTrayIcon icon;
    if (tray) {
        QPixmap image(16, 16);
        image.fill(colour);
        icon.setIcon(QIcon(image));
        icon.setToolTip(QStringLiteral("velmaro_bare_window"));
        icon.show();
    }
    QTimer ticker;
    if (tick) {
        ticker.setInterval(15000);
        QObject::connect(&ticker, &QTimer::timeout, [] {});
        ticker.start();
    }
    return app.exec();
}
