// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/moduleloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace velmaro {

namespace {

QStringList& chosenFolders()
{
    static QStringList folders;
    return folders;
}

} // namespace

Module::Module(QString fileName, std::vector<std::string> entryPoints)
    : m_fileName(std::move(fileName)), m_names(std::move(entryPoints))
{
}

QStringList Module::searchFolders()
{
    if (!chosenFolders().isEmpty())
        return chosenFolders();
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin, bin + QStringLiteral("/" VELMARO_MODULE_DIR_FROM_BIN),
            QStringLiteral(VELMARO_MODULE_DIR)};
}

void Module::setSearchFolders(const QStringList& folders)
{
    chosenFolders() = folders;
}

bool Module::load()
{
    if (m_tried)
        return m_loaded;
    m_tried = true;
    m_error = QCoreApplication::translate("Module", "%1: no folder to look in").arg(m_fileName);
    for (const QString& folder : searchFolders()) {
        QLibrary library(QDir(folder).filePath(m_fileName));
        if (!library.load()) {
            m_error = library.errorString();
            continue;
        }
        std::map<std::string, QFunctionPointer> entries;
        for (const std::string& name : m_names) {
            const QFunctionPointer function = library.resolve(name.c_str());
            if (!function) {
                m_error = QCoreApplication::translate("Module", "%1: no entry point %2")
                              .arg(library.fileName(), QString::fromStdString(name));
                break;
            }
            entries[name] = function;
        }
        if (entries.size() == m_names.size()) {
            m_entries = std::move(entries);
            m_loaded = true;
            return true;
        }
        // Not the module this program needs (another version); the next folder may hold it.
        library.unload();
    }
    return false;
}

QFunctionPointer Module::entry(const std::string& name) const
{
    const auto found = m_entries.find(name);
    return found == m_entries.end() ? nullptr : found->second;
}

} // namespace velmaro
