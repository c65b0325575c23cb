// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#error "Qt Widgets is not available to the core library; put widget code in velmaro_ui"
