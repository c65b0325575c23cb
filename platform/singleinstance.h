// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// One running copy per user and executable name. The Linux implementation holds an
// flock on a file in $XDG_RUNTIME_DIR (or the temporary folder) named after the
// executable's file name; the kernel drops it when the process ends, however it ends.
// A lock file there that is a link, or is not the user's own and private, is not
// used: the lock then lives in a private folder of the user (~/.cache/velmaro, 0700).

#include <QString>

namespace velmaro::platform {

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True when this process now holds the guard for `name`; false when another
    // process of the same user holds it. Held until the object is destroyed.
    virtual bool acquire(const QString& name) = 0;
};

class FlockInstanceGuard final : public InstanceGuard {
public:
    FlockInstanceGuard() = default;
    ~FlockInstanceGuard() override;
    FlockInstanceGuard(const FlockInstanceGuard&) = delete;
    FlockInstanceGuard& operator=(const FlockInstanceGuard&) = delete;
    bool acquire(const QString& name) override;
    // Folder for the lock files: $XDG_RUNTIME_DIR, else the temporary folder.
    static QString lockFolder();
    // $XDG_CACHE_HOME/velmaro (default ~/.cache/velmaro), made 0700; empty when it is
    // not a folder of this user.
    static QString privateLockFolder();

private:
    int m_fd = -1;
};

} // namespace velmaro::platform
