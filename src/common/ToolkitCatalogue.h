#pragma once

#include <QString>

class QTranslator;

// The toolkit's own texts (standard buttons, file dialogs) in one language. "qt_xx.qm" only
// names other catalogues ("qtbase_xx.qm" and more) and fails to load when one of them is
// missing, so the base catalogue is tried on its own when the combined one fails.
class ToolkitCatalogue
{
public:
    // Loads from `folder`, else from the toolkit's installed translations. A catalogue that
    // exists but does not load is reported on the error stream with its path.
    static bool load(QTranslator& translator, const QString& folder, const QString& languageCode);

private:
    static bool loadFrom(QTranslator& translator, const QString& folder, const QString& languageCode);
    static bool loadFile(QTranslator& translator, const QString& path);
};
