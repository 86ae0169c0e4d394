#include "ToolkitCatalogue.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

bool ToolkitCatalogue::load(QTranslator& translator, const QString& folder, const QString& languageCode)
{
    return loadFrom(translator, folder, languageCode)
        || loadFrom(translator, QLibraryInfo::location(QLibraryInfo::TranslationsPath), languageCode);
}

bool ToolkitCatalogue::loadFrom(QTranslator& translator, const QString& folder, const QString& languageCode)
{
    for (const char* prefix : { "qt_", "qtbase_" }) {
        if (loadFile(translator, QStringLiteral("%1/%2%3.qm").arg(folder, QLatin1String(prefix), languageCode)))
            return true;
    }
    return false;
}

bool ToolkitCatalogue::loadFile(QTranslator& translator, const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    if (translator.load(path))
        return true;
    qWarning("The toolkit catalogue %s exists but does not load (unreadable, damaged, or a catalogue it "
             "names is missing beside it)", qPrintable(path));
    return false;
}
