#pragma once

#include <QString>

// What a file is, by its extension; the codes are those the file search and stored data use.
enum class FileKind {
    Other = 0,
    InspectionReport = 1,
    ArrayTestReport = 2,
    VerificationCertificate = 3,
    Report = 4,
    InstallationDiagram = 5,
    Checklist = 6,
    Image = 7,
    Pdf = 8,
    WordDocument = 9,
    Spreadsheet = 10,
    WebPage = 12,
    CurveData = 13,
};

// The document class that shows a kind; None for files handed to the desktop.
enum class DocumentClass { None, GraphicalReport, InstallationDiagram, CurveData, SearchResults };

// The extension is the text after the last "." (the whole path when there is none), compared
// without regard to case.
FileKind fileKind(const QString& path);
DocumentClass documentClassOf(FileKind kind);
