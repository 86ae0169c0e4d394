#pragma once

#include <QDir>
#include <QStringList>
#include <QTextDocument>

// A text document whose pictures are files below one folder; names that do not load are
// remembered, so that a manual never goes out with an empty frame where a picture belongs.
class ManualTextDocument : public QTextDocument
{
public:
    explicit ManualTextDocument(const QString& imageFolder);

    // Every picture the text names that is missing or not a readable image.
    QStringList missingImages() const;

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QDir imageFolder;
};
