// The logic's Windows filter form, "*.xml|*.xml|All Files (*.*)|*.*||",
// as Qt's "*.xml (*.xml);;All Files (*)".
//
// Pairs of description and pattern, each ended by "|", the list ended by a
// second "|". Patterns separated by ";" become Qt's space-separated list;
// "*.*" becomes "*" (a Linux name needs no dot). A description that holds
// its pattern already is not repeated. The pattern part is matched in any
// letter case, as on Windows, by adding the other case's pattern.
#pragma once

#include <QString>

class CFileDialogFilter {
public:
    static QString ToQt(const QString& windowsFilter);
    // The first pattern's extension, ".xml"; empty for "*" or none.
    static QString DefaultSuffix(const QString& windowsFilter);
};
