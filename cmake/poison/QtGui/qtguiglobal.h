// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#error "Qt Gui is not available to the core library; put GUI code in velmaro_ui"
