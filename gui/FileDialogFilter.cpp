// CFileDialogFilter: "desc|pattern|...||" to "desc (pattern);;...".
#include "gui/FileDialogFilter.h"

#include <QStringList>

namespace {

QStringList QtPatterns(const QString& pattern)
{
    QStringList patterns;
    for (QString one : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        one = one.trimmed();
        if (one == QLatin1String("*.*"))
            one = QStringLiteral("*");
        if (!patterns.contains(one))
            patterns.append(one);
        // Windows matches names in any case: so does the dialog here.
        for (const QString& other : {one.toLower(), one.toUpper()})
            if (!patterns.contains(other))
                patterns.append(other);
    }
    return patterns;
}

}  // namespace

QString CFileDialogFilter::ToQt(const QString& windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        if (description.isEmpty())
            break;  // the closing "||"
        const QStringList patterns = QtPatterns(parts[i + 1]);
        // Qt takes the patterns from the last parentheses: a description
        // that shows its own ("All Files (*.*)") gets ours in their place.
        QString shown = description;
        if (shown.endsWith(QLatin1Char(')')) && shown.contains(QLatin1Char('(')))
            shown = shown.left(shown.lastIndexOf(QLatin1Char('('))).trimmed();
        filters.append(shown + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}
