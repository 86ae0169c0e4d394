#pragma once

#include <QString>

// Every key Veltrano keeps in its settings store; one place, so that no two places spell a key
// differently.
namespace SettingsKeys {
inline const QString locale = QStringLiteral("locale");
inline const QString rootDir = QStringLiteral("Directories/RootDir");
inline const QString lastImportDir = QStringLiteral("Directories/LastImportDir");
inline const QString lastExportDir = QStringLiteral("Directories/LastExportDir");
inline const QString lastPdfExportDir = QStringLiteral("Directories/LastPdfExportDir");
inline const QString mainWindowGeometry = QStringLiteral("Windows/MainWindowGeometry");
inline const QString mainWindowState = QStringLiteral("Windows/MainWindowState");
inline const QString recentDocuments = QStringLiteral("Session/RecentDocuments");
inline const QString openDocuments = QStringLiteral("Session/OpenDocuments");
inline const QString reopenDocuments = QStringLiteral("Session/ReopenDocuments");
inline const QString showWelcome = QStringLiteral("Welcome/show");
// Written with a leading slash, which the store ignores.
inline const QString hideDeleteDefaultsWarning = QStringLiteral("/HideDeleteDefaultsWarning");
inline const QString hideAutomaticSaveWarning = QStringLiteral("Curves/HideAutomaticSaveWarning");
inline const QString showModuleFavouritesOnly = QStringLiteral("Curves/ShowModuleFavouritesOnly");
// Percent; the curve report marks a deviation from nominal power beyond it.
inline const QString curveReportDeviationThreshold = QStringLiteral("Curves/ReportDeviationThreshold");
// The limits of the curve diagnosis, as fractions (0.05 = 5 %), a multiple or W/m².
inline const QString diagnosisPerformanceFactor = QStringLiteral("CurveDiagnosis/PerformanceFactor");
inline const QString diagnosisStcRatio = QStringLiteral("CurveDiagnosis/StcRatio");
inline const QString diagnosisStepDrop = QStringLiteral("CurveDiagnosis/StepDrop");
inline const QString diagnosisSeriesResistanceFactor = QStringLiteral("CurveDiagnosis/SeriesResistanceFactor");
inline const QString diagnosisShuntDrop = QStringLiteral("CurveDiagnosis/ShuntDrop");
inline const QString diagnosisSiblingShortfall = QStringLiteral("CurveDiagnosis/SiblingShortfall");
inline const QString diagnosisLowIrradiance = QStringLiteral("CurveDiagnosis/LowIrradiance");
// Kept in the download program's store, not in Veltrano's.
inline const QString downloadLastSavedFilePath = QStringLiteral("Device/LastSavedFilePath");
} // namespace SettingsKeys
