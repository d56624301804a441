// Sorting what a user dropped on the window (or named on the command
// line): student archives, project files, and the rest.
//
// A ".zip" file (any letter case) is an archive, a ".prj" file a project;
// a folder stands for the ".zip" archives at its top, in name order, as if
// they had been dropped one by one (a folder without any is "the rest").
// Anything else, a missing path included, is the rest.
#pragma once

#include <QStringList>

struct CDroppedPaths {
    QStringList m_archives;
    QStringList m_projects;
    QStringList m_ignored;

    static CDroppedPaths Sort(const QStringList& paths);
};
