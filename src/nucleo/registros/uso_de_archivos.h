#pragma once

#include <QString>

#include <map>
#include <utility>

namespace korva {

// The record files that the screens of one run use, by the file itself (device and inode),
// not by its name: two names that lead to one file (a link) are one file, and only the
// first screen that loads it may write it.
class UsoDeArchivos
{
public:
    // Claims the file at the path for a screen. Returns the screen that already uses the
    // same file, or nothing when the file is free or already this screen's own.
    QString reclamar(const QString &ruta, const QString &pantalla);

private:
    std::map<std::pair<unsigned long long, unsigned long long>, QString> m_duenos;
};

}  // namespace korva
