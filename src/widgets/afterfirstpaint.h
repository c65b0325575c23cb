// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Work that can wait for a window's first showing on the display: run once its first
// paint has reached the screen, so that the person sees the window before it is done.

#include <chrono>
#include <functional>

class QWidget;

namespace velmaro {

// Runs `work` once, right after `window`'s first paint, or `latest` after the call when
// no paint comes (a window mapped on another workspace, or not mapped at all). Nothing
// runs if the window goes first.
void afterFirstPaint(QWidget* window, std::function<void()> work, std::chrono::milliseconds latest);

} // namespace velmaro
