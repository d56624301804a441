// The logic's Windows filter form, "*.xml|*.xml|All Files (*.*)|*.*||",
// as Qt's "*.xml (*.xml);;All Files (*)".
//
// Pairs of description and pattern, each ended by "|", the list ended by a
// second "|". Patterns separated by ";" become Qt's space-separated list;
// "*.*" becomes "*" (a Linux name needs no dot); a description that shows
// its own patterns in parentheses shows Qt's instead. Names match in any
// letter case, as on Windows: each pattern comes in both cases too.
#pragma once

#include <QString>

class CFileDialogFilter {
public:
    static QString ToQt(const QString& windowsFilter);
};
