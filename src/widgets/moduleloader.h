// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Parts of the program that start-up does not need (sound, metafile and SVG pictures,
// printing) are shared modules of their own, loaded when first used, so that a start
// never maps their libraries. A module is looked for beside the executable, then in
// the module folder seen from the executable's folder (an installed package), then in
// the module folder of the build's installation prefix.

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace velmaro {

class Module {
public:
    // `fileName` is the module's file name ("libvelmaro_pictures.so"); every one of
    // `entryPoints` must resolve for the module to count as loaded.
    Module(QString fileName, std::vector<std::string> entryPoints);

    // Loads on the first call and answers every later call the same way; a module
    // that loaded is never unloaded, since what it made may live to the end.
    bool load();
    bool isLoaded() const { return m_loaded; }
    // Why the module could not be loaded: the last folder's reason.
    QString errorString() const { return m_error; }

    // Null unless loaded and `name` is one of the entry points.
    QFunctionPointer entry(const std::string& name) const;
    template <class Function> Function entry(const std::string& name) const
    {
        return reinterpret_cast<Function>(entry(name));
    }

    static QStringList searchFolders();
    // For tests: look only in these folders; an empty list restores the usual search.
    static void setSearchFolders(const QStringList& folders);

private:
    QString m_fileName;
    std::vector<std::string> m_names;
    std::map<std::string, QFunctionPointer> m_entries;
    bool m_tried = false;
    bool m_loaded = false;
    QString m_error;
};

} // namespace velmaro
