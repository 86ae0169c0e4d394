#pragma once

#include <QCoreApplication>

class QByteArray;
class QStringList;
class ReportResizableImage;
class ReportScene;

// Asks for a picture file and makes a picture item of it for the report in `scene`: read from
// disk, checked against what a report may hold so that the saved report opens again, and
// reduced to what prints sharp on A4. Every refusal has been shown when choose() returns nullptr.
class PictureChooser
{
    Q_DECLARE_TR_FUNCTIONS(PictureChooser)

public:
    // A4's long side, 297 mm, at 300 dots per inch.
    static constexpr int printLongSide = 3508;

    explicit PictureChooser(const ReportScene& scene);

    ReportResizableImage* choose();
    // The picture of a file given otherwise, for example dropped from the file manager.
    ReportResizableImage* fromFile(const QString& path);
    // Suffixes of the picture files a report takes, in lower case.
    static const QStringList& pictureSuffixes();

    // Scales a photograph whose long side exceeds printLongSide down to it, keeping its format
    // where it can be written (else PNG, with `key` set to "png"). Drawings and pictures small
    // enough stay as they are. False when the picture cannot be decoded.
    static bool reduceForPrint(QString& key, QByteArray& data);

private:
    bool fitsReport(const QString& path, qint64 pixels) const;
    static void refuse(const QString& text, const QString& informativeText = QString());

    const ReportScene& scene;
};
