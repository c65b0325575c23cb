// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/linktext.h"

#include "output/links.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace velmaro {

namespace {

class LinkClickFilter : public QObject {
public:
    LinkClickFilter(QTextEdit* edit, OpenLink open)
        : QObject(edit), m_edit(edit), m_open(std::move(open))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            m_pressed = e->button() == Qt::LeftButton ? m_edit->anchorAt(e->position().toPoint())
                                                      : QString();
            m_pressPos = e->position().toPoint();
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            const QString href = m_edit->anchorAt(e->position().toPoint());
            const bool still = (e->position().toPoint() - m_pressPos).manhattanLength() < 4;
            if (e->button() == Qt::LeftButton && !href.isEmpty() && href == m_pressed && still &&
                !m_edit->textCursor().hasSelection()) {
                m_pressed.clear();
                m_open(href);
                return true;
            }
            break;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            const bool over = !m_edit->anchorAt(e->position().toPoint()).isEmpty();
            m_edit->viewport()->setCursor(
                over ? Qt::PointingHandCursor
                     : (m_edit->isReadOnly() ? Qt::ArrowCursor : Qt::IBeamCursor));
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    QTextEdit* m_edit;
    OpenLink m_open;
    QString m_pressed;
    QPoint m_pressPos;
};

} // namespace

void markWebAddresses(QTextDocument* doc)
{
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (const WebAddress& a : findWebAddresses(block.text())) {
            QTextCursor c(block);
            c.setPosition(block.position() + int(a.start));
            c.setPosition(block.position() + int(a.start + a.length), QTextCursor::KeepAnchor);
            QTextCharFormat f;
            f.setAnchor(true);
            f.setAnchorHref(a.target);
            f.setForeground(Qt::blue);
            f.setFontUnderline(true);
            c.mergeCharFormat(f);
        }
    }
}

void openLinksOnClick(QTextEdit* edit, OpenLink open)
{
    edit->viewport()->setMouseTracking(true);
    edit->viewport()->installEventFilter(new LinkClickFilter(edit, std::move(open)));
}

} // namespace velmaro
