<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AbstractDocument</name>
    <message>
        <source>%1 (read-only)</source>
        <comment>Window title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was opened read-only and cannot be saved.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was open on another computer or in another program when you opened it. Close it here, and open it again once it has been closed there.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AcIsolatorDiagramComponent</name>
    <message>
        <source>AC Isolator</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvResultsModel</name>
    <message>
        <source>%1 is not a results file of a PV tester: its second line names no columns.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1 for reading.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a tester&apos;s memory holds.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %2 of %1 is longer than %3 KB; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names more than %2 columns; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than %2 results. Please split it into smaller files.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %2 of %1 holds a value longer than %3 characters; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvResultsTestTypeDelegate</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuity</source>
        <comment>Test type</comment>
        <translation>Continuity</translation>
    </message>
    <message>
        <source>Positive-earth insulation</source>
        <comment>Test type</comment>
        <translation>Positive-earth insulation</translation>
    </message>
    <message>
        <source>Negative-earth insulation</source>
        <comment>Test type</comment>
        <translation>Negative-earth insulation</translation>
    </message>
    <message>
        <source>AutoTest &amp; Curve</source>
        <comment>Test type</comment>
        <translation>AutoTest &amp; Curve</translation>
    </message>
</context>
<context>
    <name>CurveCollection</name>
    <message>
        <source>IV curve data not found in collection</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurveCsvImporter</name>
    <message>
        <source>Error opening %1 for reading.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum failed on line number %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue showing errors during this import</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported: it is not a regular file.</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be imported: it is not a regular file.</translation>
    </message>
    <message>
        <source>Devices, pipes and folders hold no results. Choose the results file itself.</source>
        <comment>Error message informative text</comment>
        <translation>Devices, pipes and folders hold no results. Choose the results file itself.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: it is larger than %2 MB, more than a tester&apos;s memory holds.</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be imported: it is larger than %2 MB, more than a tester&apos;s memory holds.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: it has more than %2 lines. Please split it into smaller files.</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be imported: it has more than %2 lines. Please split it into smaller files.</translation>
    </message>
    <message>
        <source>%1 is not a results file of a PV tester: its second line names no columns of results.</source>
        <comment>Error Message</comment>
        <translation>%1 is not a results file of a PV tester: its second line names no columns of results.</translation>
    </message>
    <message>
        <source>%1 holds no results: nothing has been imported.</source>
        <comment>Error Message</comment>
        <translation>%1 holds no results: nothing has been imported.</translation>
    </message>
    <message>
        <source>The tester wrote the file before any test was stored. Download its memory again.</source>
        <comment>Error message informative text</comment>
        <translation>The tester wrote the file before any test was stored. Download its memory again.</translation>
    </message>
    <message>
        <source>Choose the CSV file that the download program saved from the tester.</source>
        <comment>Error message informative text</comment>
        <translation>Choose the CSV file that the download program saved from the tester.</translation>
    </message>
    <message>
        <source>Line %2 of %1 holds more than %3 points; the file is damaged or is not a results file.</source>
        <comment>Error Message</comment>
        <translation>Line %2 of %1 holds more than %3 points; the file is damaged or is not a results file.</translation>
    </message>
    <message>
        <source>%1 lines failed the checksum: %2</source>
        <comment>Error Message</comment>
        <translation>%1 lines failed the checksum: %2</translation>
    </message>
    <message>
        <source>Their curves are marked in red. The tester may be faulty, or the file was changed after the download.</source>
        <comment>Error message informative text</comment>
        <translation>Their curves are marked in red. The tester may be faulty, or the file was changed after the download.</translation>
    </message>
</context>
<context>
    <name>CurvePlotOutput</name>
    <message>
        <source>The file cannot be written.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images can be saved as BMP, JPEG or PNG files.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem trying to save the image %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception details: %1</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DcIsolatorDiagramComponent</name>
    <message>
        <source>DC Isolator</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramComponent</name>
    <message>
        <source>Delete %1</source>
        <comment>Installation Diagram object removal</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramConnection</name>
    <message>
        <source>Connection</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <comment>Installation Diagram object removal</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramFile</name>
    <message>
        <source>Error opening %1 for reading</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML validation error in %1 on line %2, column %3</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1 for writing</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the file read-only or has it been deleted?</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file: folders, devices and pipes cannot be opened as diagrams.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is damaged or holds more than a diagram can.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved: it could not be opened again.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Remove some boxes or wires, or shorten long captions, then save again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It would be larger than %1 MB.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramGraphicsScene</name>
    <message>
        <source>Add Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Invertor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Generation Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Distribution Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add AC Isolator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add DC Isolator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add PV Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert notes here</source>
        <comment>Example note text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramLabel</name>
    <message>
        <source>Set Label Text</source>
        <comment>Drop down menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Label</source>
        <comment>Drop down menu option</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramXmlGuard</name>
    <message>
        <source>it declares a document type, which diagrams never do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation type="unfinished">its elements are nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>a text is longer than %1 characters</source>
        <translation type="unfinished">a text is longer than %1 characters</translation>
    </message>
    <message>
        <source>it holds more than %1 boxes and wires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text of %1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 wires end at one box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished">Line %1: %2</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About %1</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for PV installers and inspectors, by %2.</source>
        <comment>About text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogComponentSettings</name>
    <message>
        <source>Component Settings</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogImportResults</name>
    <message>
        <source>Import Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following data is available for import. Ensure a Array Test Report is open and active and click a row in the table below to import the data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import row(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1 for reading.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Results - %1</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows in red carry a fault flagged by the tester. For an insulation result, choose in its drop-down whether the positive or the negative pole was measured against earth.</source>
        <comment>Legend of the results table</comment>
        <translation>Rows in red carry a fault flagged by the tester. For an insulation result, choose in its drop-down whether the positive or the negative pole was measured against earth.</translation>
    </message>
</context>
<context>
    <name>DialogSettings</name>
    <message>
        <source>Settings</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projects Directory</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Favourites</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The root directory of all projects:</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If a favourite has been saved for a particular report type, then this will be used when creating a new report. Use the buttons below to restore the reports to their defaults.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Inspection Report</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore PV Array Test Report</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Vertification Certificate</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Checklist</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File last modified on %1.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default report has not been modified.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Projects Root Directory</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve Report</source>
        <comment>Window Title</comment>
        <translation>Curve Report</translation>
    </message>
    <message>
        <source>The curve report marks the deviation of a string&apos;s STC power from its nominal power in colour when it is greater than:</source>
        <comment>User prompt</comment>
        <translation>The curve report marks the deviation of a string&apos;s STC power from its nominal power in colour when it is greater than:</translation>
    </message>
    <message>
        <source>Reopen the documents that were open when the program was last closed</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve Diagnosis</source>
        <comment>Window Title</comment>
        <translation>Curve Diagnosis</translation>
    </message>
</context>
<context>
    <name>DialogWelcome</name>
    <message>
        <source>Watch video tutorial now (recommended)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue using %1</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to %1!</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for choosing %1.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose one of the following options:</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DistributionBoardDiagramComponent</name>
    <message>
        <source>Distribution Board</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentCreator</name>
    <message>
        <source>You are creating an Array Test Report from a favourite that was created in an older version of %1. If you use this version then you will not be able to import data into it.</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to replace the favourite with the new version of the report?</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentFactory</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: this version of %2 has no window for this kind of document.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem trying to open %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure a program is associated with this file type.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentLock</name>
    <message>
        <source>Do you want to open it read-only? You can read and print it, but you cannot save it until it has been closed there.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already open in %2 on the computer &quot;%3&quot; since %4.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadLauncher</name>
    <message>
        <source>Could not find:
%1.
Please try re-installing %2 again</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed to start. A file may be missing or corrupted. Please install %2 again.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to import the last file you just downloaded?</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1 was saved %2.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds ago</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is still running. Going on closes it, and a download in progress is lost.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose No to finish the download in %1 first.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 no longer exists. Save the document in another folder, or create the folder again and save once more.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is read-only. Remove its read-only mark, or save under another name.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file: folders, devices and pipes cannot be saved over.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not change files in the folder %1. Ask for write access, or save in another folder.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full. Free some space on %1, or save to another drive, then save again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system reports: %1. Check the drive and save again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown error</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindInFiles</name>
    <message>
        <source>Find in Files</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by any or all of the criteria below.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <comment>Button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File search</source>
        <comment>Group title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <comment>Check box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All or part of the file name:</source>
        <comment>Field label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word / Phrase Search</source>
        <comment>Group title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word or phrase in the reports:</source>
        <comment>Field label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks into inspection reports, array test reports and verification certificates.</source>
        <comment>Tool tip hint</comment>
        <translation>Looks into inspection reports, array test reports and verification certificates.</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>Group title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created Date</source>
        <comment>Date kind</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Date</source>
        <comment>Date kind</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessed Date</source>
        <comment>Date kind</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <comment>Field label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <comment>Field label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <comment>Group title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>greater than</source>
        <comment>Size comparison</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less than</source>
        <comment>Size comparison</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> KB</source>
        <comment>File size unit</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Could not find the projects root directory: %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a new projects root directory.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Projects Root Directory</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No projects directory was set. Defaulting to the public documents directory</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; does not exist. Would you like to create it?</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating &quot;%1&quot;</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that you may create folders there, or choose another folder.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FoundFilesModel</name>
    <message>
        <source>Its name is not valid UTF-8 text, so it cannot be opened or searched for a phrase from here. Rename it in the file manager, then search again.</source>
        <comment>Tool tip hint</comment>
        <translation>Its name is not valid UTF-8 text, so it cannot be opened or searched for a phrase from here. Rename it in the file manager, then search again.</translation>
    </message>
    <message>
        <source>Search is complete. There are no results to display.</source>
        <comment>Search result</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <comment>Column header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <comment>Column header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified</source>
        <comment>Column header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 KB</source>
        <comment>File size</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GenerationMeterDiagramComponent</name>
    <message>
        <source>Generation Meter</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphicalReportDocument</name>
    <message>
        <source>Undo</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As Favourite. Next time you create a new report it look like this report.</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download data from tester</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import data from file</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving this document as a favourite means that every time you create a new document of this type it will look like this document.</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to overwrite the favourite?
(NOTE: You may restore the default document at any time from the settings.)</source>
        <comment>Warning message text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphicsDocument</name>
    <message>
        <source>Zoom In</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphicsTextItem</name>
    <message>
        <source>Cut</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IVCurve::CoefficientFitDialog</name>
    <message>
        <source>Determine Coefficients</source>
        <comment>Window Title</comment>
        <translation>Determine Coefficients</translation>
    </message>
    <message>
        <source>Store with the Curves</source>
        <comment>Button</comment>
        <translation>Store with the Curves</translation>
    </message>
    <message>
        <source>Convert the selected curves with these coefficients</source>
        <comment>Tool tip hint</comment>
        <translation>Convert the selected curves with these coefficients</translation>
    </message>
    <message>
        <source>Store with the Module</source>
        <comment>Button</comment>
        <translation>Store with the Module</translation>
    </message>
    <message>
        <source>Keep these coefficients with the string&apos;s module in the module database</source>
        <comment>Tool tip hint</comment>
        <translation>Keep these coefficients with the string&apos;s module in the module database</translation>
    </message>
    <message>
        <source>The selected curves belong to different strings: their modules or their numbers of modules in series or in parallel differ. Select curves of one string only.</source>
        <comment>Error Message</comment>
        <translation>The selected curves belong to different strings: their modules or their numbers of modules in series or in parallel differ. Select curves of one string only.</translation>
    </message>
    <message>
        <source>Fewer than two of the selected curves have points, an irradiance and a cell temperature. Select two or more curves of the string that were measured with both.</source>
        <comment>Error Message</comment>
        <translation>Fewer than two of the selected curves have points, an irradiance and a cell temperature. Select two or more curves of the string that were measured with both.</translation>
    </message>
    <message>
        <source>The selected curves were measured under too similar conditions. Measure the string at irradiances at least %1 W/m² apart, or at cell temperatures at least %2 °C apart.</source>
        <comment>Error Message</comment>
        <translation>The selected curves were measured under too similar conditions. Measure the string at irradiances at least %1 W/m² apart, or at cell temperatures at least %2 °C apart.</translation>
    </message>
    <message>
        <source>The selected curves, brought to STC, share no range of current near their maximum power point. Select complete curves of one string.</source>
        <comment>Error Message</comment>
        <translation>The selected curves, brought to STC, share no range of current near their maximum power point. Select complete curves of one string.</translation>
    </message>
    <message>
        <source>Rs: %1 Ω (of one module)</source>
        <comment>Label</comment>
        <translation>Rs: %1 Ω (of one module)</translation>
    </message>
    <message>
        <source>Rs not found: the irradiances lie less than %1 W/m² apart; measure the string at irradiances further apart. Kept: %2 Ω</source>
        <comment>Label</comment>
        <translation>Rs not found: the irradiances lie less than %1 W/m² apart; measure the string at irradiances further apart. Kept: %2 Ω</translation>
    </message>
    <message>
        <source>κ: %1 Ω/°C (of one module)</source>
        <comment>Label</comment>
        <translation>κ: %1 Ω/°C (of one module)</translation>
    </message>
    <message>
        <source>κ not found: the cell temperatures lie less than %1 °C apart, or changed together with the irradiance; measure the string at temperatures further apart. Kept: %2 Ω/°C</source>
        <comment>Label</comment>
        <translation>κ not found: the cell temperatures lie less than %1 °C apart, or changed together with the irradiance; measure the string at temperatures further apart. Kept: %2 Ω/°C</translation>
    </message>
    <message>
        <source>Residual: %1 V (how far the curves brought to STC still lie apart)</source>
        <comment>Label</comment>
        <translation>Residual: %1 V (how far the curves brought to STC still lie apart)</translation>
    </message>
    <message>
        <source>The string&apos;s module is no longer in the module database.</source>
        <comment>Error Message</comment>
        <translation>The string&apos;s module is no longer in the module database.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CoefficientPercentInput</name>
    <message>
        <source>Isc is missing or zero</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voc is missing or zero</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value in percent per centigrade</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a percentage from %2 to %3.</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IVCurve::CommandGuard</name>
    <message>
        <source>Exception thrown: %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveDetailsDialog</name>
    <message>
        <source>Curve Details</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Details</source>
        <comment>Tab title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module Details</source>
        <comment>Tab title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tester Serial No:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tester Memory Location:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Date:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irradiance: (W/m&lt;sup&gt;2&lt;/sup&gt;)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Temperature: (°C)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambient Temperature: (°C)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Factor:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Circuit Voltage (V):</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Circuit Current (A):</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage at mpp (V):</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current at mpp (A):</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clamp Current at mpp: (A)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protective Earth R:  (Ω)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolation Voltage (V):</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolation Resistance: (MΩ)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Module</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show favourite modules only</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vmpp:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impp:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voc:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isc:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. in Series:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. in Parallel:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%/°C ...</source>
        <comment>Button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value as a percentage of Isc</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value as a percentage of Voc</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STC Calculation</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anderson</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEC60891 procedure 1</source>
        <comment>Label</comment>
        <translation type="unfinished">IEC60891 procedure 1 {60891 ?}</translation>
    </message>
    <message>
        <source>Blässer</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rs: (Ω)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>α: (A/°C)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β: (V/°C)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>δ:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a:</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b: (1/°C)</source>
        <comment>Label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>κ: (Ω/°C)</source>
        <comment>Label</comment>
        <translation type="unfinished">κ: (Ω/°C)</translation>
    </message>
    <message>
        <source>Anderson&apos;s delta coefficient:
mono-Crystalline 0.085
multi-Crystalline 0.110
Thin-Film 0.063</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;No module&gt;</source>
        <comment>Combo box entry</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes to the PV string data are automatically saved when OK is pressed.
</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEC 60891 procedure 1 is the standard&apos;s method; use it for values you sign. The standard covers neither Anderson nor Blässer, and the module database&apos;s δ values for Anderson are typical figures, two to three times what the module physics gives.</source>
        <comment>Label</comment>
        <translation>IEC 60891 procedure 1 is the standard&apos;s method; use it for values you sign. The standard covers neither Anderson nor Blässer, and the module database&apos;s δ values for Anderson are typical figures, two to three times what the module physics gives.</translation>
    </message>
    <message>
        <source>IEC60891 procedure 2</source>
        <comment>Label</comment>
        <translation>IEC60891 procedure 2</translation>
    </message>
    <message>
        <source>IEC60891 procedure 4</source>
        <comment>Label</comment>
        <translation>IEC60891 procedure 4</translation>
    </message>
    <message>
        <source>N: cells in series per module</source>
        <comment>Label</comment>
        <translation>N: cells in series per module</translation>
    </message>
    <message>
        <source>ε: bandgap (V)</source>
        <comment>Label</comment>
        <translation>ε: bandgap (V)</translation>
    </message>
    <message>
        <source>Leave empty to take the number from the module database, or from the module&apos;s Voc</source>
        <comment>Tool tip hint</comment>
        <translation>Leave empty to take the number from the module database, or from the module&apos;s Voc</translation>
    </message>
    <message>
        <source>Crystalline silicon: 1.232 V</source>
        <comment>Tool tip hint</comment>
        <translation>Crystalline silicon: 1.232 V</translation>
    </message>
    <message>
        <source>Procedure 2 takes α and β relative to the module&apos;s Isc and Voc (α_rel = α / Isc, β_rel = β / Voc); a is its irradiance correction factor, 0.06 unless measured; Rs&apos; and κ&apos; are entered as Rs and κ.</source>
        <comment>Tool tip hint</comment>
        <translation>Procedure 2 takes α and β relative to the module&apos;s Isc and Voc (α_rel = α / Isc, β_rel = β / Voc); a is its irradiance correction factor, 0.06 unless measured; Rs&apos; and κ&apos; are entered as Rs and κ.</translation>
    </message>
    <message>
        <source>Procedure 4 needs neither β nor κ: the voltage follows the temperature through the bandgap ε of the N cells in series of each module.</source>
        <comment>Tool tip hint</comment>
        <translation>Procedure 4 needs neither β nor κ: the voltage follows the temperature through the bandgap ε of the N cells in series of each module.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveDocument</name>
    <message>
        <source>Save</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Image</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Row</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IV</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show IV Curves</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWR</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show VP Power Curves</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEAS</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Measured Curve Data</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STC</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show STC-corrected Curves</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOM</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Nominal Curve</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download data from tester</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Details</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Details from tester</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Module Database</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set PV Module Type</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve Report</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished">Curve Report</translation>
    </message>
    <message>
        <source>Export MEAS IV Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Measured IV Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export STC IV Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export STC IV Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export MEAS PWR Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Measured Power Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export STC PWR Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export STC Power Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Colour</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the colour of lines on the graph associated with this string</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Points</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the points of the selected string in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a string with curve data first.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Colour</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the strings to report on in the tree first.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the strings to assign a module to in the tree first.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no module assigned: STC values approximate</source>
        <comment>Graph footnote</comment>
        <translation>no module assigned: STC values approximate</translation>
    </message>
    <message>
        <source>EXP</source>
        <comment>Tool tip hint</comment>
        <translation>EXP</translation>
    </message>
    <message>
        <source>Show Expected Curve at Measured Conditions</source>
        <comment>Tool tip hint</comment>
        <translation>Show Expected Curve at Measured Conditions</translation>
    </message>
    <message>
        <source>Export EXP IV Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>Export EXP IV Curve Points</translation>
    </message>
    <message>
        <source>Export Expected IV Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>Export Expected IV Curve Points in CSV format</translation>
    </message>
    <message>
        <source>Export EXP PWR Curve Points</source>
        <comment>Tool tip hint</comment>
        <translation>Export EXP PWR Curve Points</translation>
    </message>
    <message>
        <source>Export Expected Power Curve Points in CSV format</source>
        <comment>Tool tip hint</comment>
        <translation>Export Expected Power Curve Points in CSV format</translation>
    </message>
    <message>
        <source>Determine Coefficients</source>
        <comment>Tool tip hint</comment>
        <translation>Determine Coefficients</translation>
    </message>
    <message>
        <source>Find Rs and κ from two or more curves of one string measured at different irradiances and temperatures</source>
        <comment>Tool tip hint</comment>
        <translation>Find Rs and κ from two or more curves of one string measured at different irradiances and temperatures</translation>
    </message>
    <message>
        <source>Please select two or more curves of one string in the tree first.</source>
        <comment>User prompt</comment>
        <translation>Please select two or more curves of one string in the tree first.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveFileCheck</name>
    <message>
        <source>%1 cannot be opened: it is not a regular file.</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be opened: it is not a regular file.</translation>
    </message>
    <message>
        <source>Devices, pipes and folders are never opened as curve files. Choose the curve file itself.</source>
        <comment>Error message informative text</comment>
        <translation>Devices, pipes and folders are never opened as curve files. Choose the curve file itself.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>The file has been left as it is.</source>
        <comment>Error message informative text</comment>
        <translation>The file has been left as it is.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the file is damaged.</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be opened: the file is damaged.</translation>
    </message>
    <message>
        <source>The check of the file found: %1
The file has been left as it is. Open a backup copy of it instead.</source>
        <comment>Error message informative text</comment>
        <translation>The check of the file found: %1
The file has been left as it is. Open a backup copy of it instead.</translation>
    </message>
    <message>
        <source>%1 is read-only: nothing has been changed.</source>
        <comment>Error Message</comment>
        <translation>%1 is read-only: nothing has been changed.</translation>
    </message>
    <message>
        <source>To change its curves or its tree, remove the read-only mark in the file&apos;s properties and open the file again.</source>
        <comment>Error message informative text</comment>
        <translation>To change its curves or its tree, remove the read-only mark in the file&apos;s properties and open the file again.</translation>
    </message>
    <message>
        <source>%1 has been deleted, moved or replaced since it was opened: nothing has been saved.</source>
        <comment>Error Message</comment>
        <translation>%1 has been deleted, moved or replaced since it was opened: nothing has been saved.</translation>
    </message>
    <message>
        <source>Put the file back in its place and try again, or close this document without saving and open the file where it is now.</source>
        <comment>Error message informative text</comment>
        <translation>Put the file back in its place and try again, or close this document without saving and open the file where it is now.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>The file is damaged or was not written by this program. It has been left as it is.</source>
        <comment>Error message informative text</comment>
        <translation>The file is damaged or was not written by this program. It has been left as it is.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveFindingsSummary</name>
    <message>
        <source>PF %1 %</source>
        <comment>Curve report finding</comment>
        <translation>PF %1 %</translation>
    </message>
    <message>
        <source>STC/NOM %1 %</source>
        <comment>Curve report finding</comment>
        <translation>STC/NOM %1 %</translation>
    </message>
    <message>
        <source>step at %1 V</source>
        <comment>Curve report finding</comment>
        <translation>step at %1 V</translation>
    </message>
    <message>
        <source>Rs high %1 Ω</source>
        <comment>Curve report finding</comment>
        <translation>Rs high %1 Ω</translation>
    </message>
    <message>
        <source>Rsh low</source>
        <comment>Curve report finding</comment>
        <translation>Rsh low</translation>
    </message>
    <message>
        <source>%1 % below others</source>
        <comment>Curve report finding</comment>
        <translation>%1 % below others</translation>
    </message>
    <message>
        <source>%1 (uncertain)</source>
        <comment>Curve report finding</comment>
        <translation>%1 (uncertain)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n string(s)</source>
        <comment>Curve report findings summary</comment>
        <translation>
            <numerusform>%1: %n string</numerusform>
            <numerusform>%1: %n strings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Findings: none of the %n string(s) shows a finding.</source>
        <comment>Curve report findings summary</comment>
        <translation>
            <numerusform>Findings: the %n string shows no finding.</numerusform>
            <numerusform>Findings: none of the %n strings shows a finding.</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings:</source>
        <comment>Curve report findings summary</comment>
        <translation>Findings:</translation>
    </message>
    <message numerus="yes">
        <source>The findings of %n string(s) are uncertain: measured in low or uneven irradiance.</source>
        <comment>Curve report findings summary</comment>
        <translation>
            <numerusform>The findings of %n string are uncertain: measured in low or uneven irradiance.</numerusform>
            <numerusform>The findings of %n strings are uncertain: measured in low or uneven irradiance.</numerusform>
        </translation>
    </message>
    <message>
        <source>low performance factor</source>
        <comment>Curve report findings summary</comment>
        <translation>low performance factor</translation>
    </message>
    <message>
        <source>low power at STC</source>
        <comment>Curve report findings summary</comment>
        <translation>low power at STC</translation>
    </message>
    <message>
        <source>steps</source>
        <comment>Curve report findings summary</comment>
        <translation>steps</translation>
    </message>
    <message>
        <source>high series resistance</source>
        <comment>Curve report findings summary</comment>
        <translation>high series resistance</translation>
    </message>
    <message>
        <source>low shunt resistance</source>
        <comment>Curve report findings summary</comment>
        <translation>low shunt resistance</translation>
    </message>
    <message>
        <source>below the other strings</source>
        <comment>Curve report findings summary</comment>
        <translation>below the other strings</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveGraph</name>
    <message>
        <source>IV Curve</source>
        <comment>Graph title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <comment>Graph axis title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current (A)</source>
        <comment>Graph axis title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power (W)</source>
        <comment>Graph axis title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpeg *.png)</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n strings</source>
        <comment>Graph legend title</comment>
        <translation>
            <numerusform>%n string</numerusform>
            <numerusform>%n strings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModuleDatabase</name>
    <message>
        <source>File is missing:
 %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Module database: %2</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module database %1 cannot be read: %2.

Replace it with the copy installed with the program.</source>
        <comment>Error Message</comment>
        <translation>The module database %1 cannot be read: %2.

Replace it with the copy installed with the program.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModulesChooser</name>
    <message>
        <source>Choose Module</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show favourites only</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of modules in series:</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModulesDlg</name>
    <message>
        <source>PV Modules</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PV Module Database</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Copy)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting a preloaded module.
%1
Do you wish to continue?</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveModulesEditDlg</name>
    <message>
        <source>Edit Module</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isc: (A)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current at short-circuit</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voc: (V)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage at open-circuit</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impp: (A)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current at maximum power point</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vmpp: (V)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage at maximum power point</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>α: (A/°C)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current-Temperature coefficient e.g. 0.003</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value as a percentage of Isc</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β: (V/°C)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage-Temperature coefficient e.g. -0.14</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value as a percentage of Voc</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delta:</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anderson&apos;s delta coefficient:
mono-Crystalline 0.085
multi-Crystalline 0.110
Thin-Film 0.063</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rs: (Ω)</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series resistance e.g. 0.3</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%/°C ...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a description of the module.</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells in series:</source>
        <comment>User prompt</comment>
        <translation>Cells in series:</translation>
    </message>
    <message>
        <source>Cells in series in one module, from the data sheet, e.g. 60; empty when unknown</source>
        <comment>Tool tip hint</comment>
        <translation>Cells in series in one module, from the data sheet, e.g. 60; empty when unknown</translation>
    </message>
    <message>
        <source>κ: (Ω/°C)</source>
        <comment>User prompt</comment>
        <translation>κ: (Ω/°C)</translation>
    </message>
    <message>
        <source>Curve-correction factor of IEC 60891, e.g. 0.00125; empty when unknown</source>
        <comment>Tool tip hint</comment>
        <translation>Curve-correction factor of IEC 60891, e.g. 0.00125; empty when unknown</translation>
    </message>
    <message>
        <source>cells in series</source>
        <comment>Warning Message</comment>
        <translation>cells in series</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveNumberText</name>
    <message>
        <source>Your language setting writes decimals with a comma, for example %1.</source>
        <comment>Warning Message</comment>
        <translation>Your language setting writes decimals with a comma, for example %1.</translation>
    </message>
    <message>
        <source>Your language setting writes decimals with a point, for example %1.</source>
        <comment>Warning Message</comment>
        <translation>Your language setting writes decimals with a point, for example %1.</translation>
    </message>
    <message>
        <source>Your language setting writes decimals as in %1.</source>
        <comment>Warning Message</comment>
        <translation>Your language setting writes decimals as in %1.</translation>
    </message>
    <message>
        <source>The value of %1 is not a number: &quot;%2&quot;</source>
        <comment>Warning Message</comment>
        <translation>The value of %1 is not a number: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The value of %1 must be a whole number from 1 to %2, or empty: &quot;%3&quot;</source>
        <comment>Warning Message</comment>
        <translation>The value of %1 must be a whole number from 1 to %2, or empty: &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurvePointsExport</name>
    <message>
        <source>STC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambient Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irradiance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save CSV file</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Could not open file:
 %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP</source>
        <comment>Export kind word: expected curve</comment>
        <translation>EXP</translation>
    </message>
    <message>
        <source>%1 has no expected curve: assign a PV module to the string and enter the irradiance and cell temperature of its measurement.</source>
        <comment>User prompt</comment>
        <translation>%1 has no expected curve: assign a PV module to the string and enter the irradiance and cell temperature of its measurement.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveReport</name>
    <message>
        <source>Save PDF file</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <comment>File Save Dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riso %1 MΩ at %2 V</source>
        <comment>Curve report</comment>
        <translation>Riso %1 MΩ at %2 V</translation>
    </message>
    <message>
        <source>Riso %1 MΩ</source>
        <comment>Curve report</comment>
        <translation>Riso %1 MΩ</translation>
    </message>
    <message>
        <source>Rpe %1 Ω</source>
        <comment>Curve report</comment>
        <translation>Rpe %1 Ω</translation>
    </message>
    <message>
        <source>Iclamp %1 A</source>
        <comment>Curve report</comment>
        <translation>Iclamp %1 A</translation>
    </message>
    <message>
        <source>no IV curve</source>
        <comment>Curve report</comment>
        <translation>no IV curve</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>Curve report</comment>
        <translation>Total</translation>
    </message>
    <message>
        <source>The nominal total covers only the strings with a module assigned.</source>
        <comment>Curve report</comment>
        <translation>The nominal total covers only the strings with a module assigned.</translation>
    </message>
    <message>
        <source>Deviations from the nominal power of more than %1 % are marked in colour.</source>
        <comment>Curve report</comment>
        <translation>Deviations from the nominal power of more than %1 % are marked in colour.</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveReportPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <comment>Report page foot</comment>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTable</name>
    <message>
        <source>its points take more than %1 characters</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than %1 points</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve %1 of %2 cannot be shown: %3.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTracker</name>
    <message numerus="yes">
        <source>… and %n more</source>
        <comment>Tracker text: lines not listed</comment>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>PF %1</source>
        <comment>Tracker text: measured over expected maximum power</comment>
        <translation>PF %1</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTreeModel</name>
    <message>
        <source>Item Description</source>
        <comment>Tree Control Header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tester Index</source>
        <comment>Tree Control Header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Tested</source>
        <comment>Tree Control Header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irr</source>
        <comment>Tree Control Header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tcell</source>
        <comment>Tree Control Header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF</source>
        <comment>Tree Control Header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> </source>
        <comment>Tree Control Header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;New Row&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid checksum. Internal error in test instrument or the CSV data has been modified</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum ignored. Spreadsheet data modification was detected</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irradiance warning. Greater than 10% variance during test</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its curve tree is nested more than %1 levels deep</source>
        <translation>its curve tree is nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>node %1 of its curve tree comes more than once or lies below itself</source>
        <translation>node %1 of its curve tree comes more than once or lies below itself</translation>
    </message>
    <message>
        <source>its curve tree has more than %1 nodes</source>
        <translation>its curve tree has more than %1 nodes</translation>
    </message>
    <message>
        <source>Status code of the test instrument: %1</source>
        <comment>Tool tip hint</comment>
        <translation>Status code of the test instrument: %1</translation>
    </message>
</context>
<context>
    <name>IVCurve::CurveTypeLegend</name>
    <message>
        <source>STC</source>
        <comment>Legend label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEAS</source>
        <comment>Legend label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOM</source>
        <comment>Legend label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP</source>
        <comment>Legend label</comment>
        <translation>EXP</translation>
    </message>
    <message>
        <source>all lines drawn plain: point at one to see its kind</source>
        <comment>Legend note</comment>
        <translation>all lines drawn plain: point at one to see its kind</translation>
    </message>
</context>
<context>
    <name>IVCurve::DiagnosisFinding</name>
    <message>
        <source>%1 (uncertain: low or uneven irradiance)</source>
        <comment>Diagnosis finding</comment>
        <translation>%1 (uncertain: low or uneven irradiance)</translation>
    </message>
    <message>
        <source>performance factor %1 % is below %2 %: less power than expected at the measured conditions</source>
        <comment>Diagnosis finding</comment>
        <translation>performance factor %1 % is below %2 %: less power than expected at the measured conditions</translation>
    </message>
    <message>
        <source>power at STC is %1 % of the nominal power, below %2 %</source>
        <comment>Diagnosis finding</comment>
        <translation>power at STC is %1 % of the nominal power, below %2 %</translation>
    </message>
    <message>
        <source>step in the curve from %1 V: shading or an active bypass diode</source>
        <comment>Diagnosis finding</comment>
        <translation>step in the curve from %1 V: shading or an active bypass diode</translation>
    </message>
    <message>
        <source>high series resistance (%1 Ω, more than %2 Ω): check connectors and cables</source>
        <comment>Diagnosis finding</comment>
        <translation>high series resistance (%1 Ω, more than %2 Ω): check connectors and cables</translation>
    </message>
    <message>
        <source>low shunt resistance (current falls by %1 % of Isc): possible cell or module damage</source>
        <comment>Diagnosis finding</comment>
        <translation>low shunt resistance (current falls by %1 % of Isc): possible cell or module damage</translation>
    </message>
    <message>
        <source>power at STC is %1 % below the median of the other strings</source>
        <comment>Diagnosis finding</comment>
        <translation>power at STC is %1 % below the median of the other strings</translation>
    </message>
</context>
<context>
    <name>IVCurve::DiagnosisThresholdsPage</name>
    <message>
        <source>The curve window, the tree and the curve report mark a string&apos;s curve when it passes one of these limits:</source>
        <comment>User prompt</comment>
        <translation>The curve window, the tree and the curve report mark a string&apos;s curve when it passes one of these limits:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <comment>Button</comment>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>Performance factor below:</source>
        <comment>Settings label</comment>
        <translation>Performance factor below:</translation>
    </message>
    <message>
        <source>Power at STC below (of nominal power):</source>
        <comment>Settings label</comment>
        <translation>Power at STC below (of nominal power):</translation>
    </message>
    <message>
        <source>Step: current drops by more than (of Isc):</source>
        <comment>Settings label</comment>
        <translation>Step: current drops by more than (of Isc):</translation>
    </message>
    <message>
        <source>Series resistance above the modules&apos; own by a factor of:</source>
        <comment>Settings label</comment>
        <translation>Series resistance above the modules&apos; own by a factor of:</translation>
    </message>
    <message>
        <source> ×</source>
        <comment>Settings unit</comment>
        <translation> ×</translation>
    </message>
    <message>
        <source>Shunt: current falls near Isc by more than:</source>
        <comment>Settings label</comment>
        <translation>Shunt: current falls near Isc by more than:</translation>
    </message>
    <message>
        <source>Power at STC below the other strings&apos; median by more than:</source>
        <comment>Settings label</comment>
        <translation>Power at STC below the other strings&apos; median by more than:</translation>
    </message>
    <message>
        <source>Findings uncertain below the irradiance:</source>
        <comment>Settings label</comment>
        <translation>Findings uncertain below the irradiance:</translation>
    </message>
    <message>
        <source> W/m²</source>
        <comment>Settings unit</comment>
        <translation> W/m²</translation>
    </message>
</context>
<context>
    <name>IVCurve::ModuleDatabaseCheck</name>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>its Modules are not a plain table</source>
        <translation>its Modules are not a plain table</translation>
    </message>
    <message>
        <source>it holds more than %1 modules</source>
        <translation>it holds more than %1 modules</translation>
    </message>
    <message>
        <source>a module&apos;s description is longer than %1 characters, or one of its values longer than %2</source>
        <translation>a module&apos;s description is longer than %1 characters, or one of its values longer than %2</translation>
    </message>
</context>
<context>
    <name>IVCurve::StcApproximation</name>
    <message>
        <source>approximate: %1</source>
        <comment>Warning Message</comment>
        <translation>approximate: %1</translation>
    </message>
    <message>
        <source>irradiance not measured</source>
        <comment>Warning Message</comment>
        <translation>irradiance not measured</translation>
    </message>
    <message>
        <source>measured at %1 W/m²</source>
        <comment>Warning Message</comment>
        <translation>measured at %1 W/m²</translation>
    </message>
    <message>
        <source>no module assigned</source>
        <comment>Warning Message</comment>
        <translation>no module assigned</translation>
    </message>
    <message>
        <source>Voc not reached by the measurement</source>
        <comment>Warning Message</comment>
        <translation>Voc not reached by the measurement</translation>
    </message>
    <message>
        <source>Voc extrapolated by %1 %</source>
        <comment>Warning Message</comment>
        <translation>Voc extrapolated by %1 %</translation>
    </message>
</context>
<context>
    <name>InstallationDiagramDocument</name>
    <message>
        <source>Save</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single wire</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC cable</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC cable</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InverterDiagramComponent</name>
    <message>
        <source>Inverter</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelDiagramComponent</name>
    <message>
        <source>Label</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChange</name>
    <message>
        <source>Changing the language deletes any Report Favourites.
</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application must be restarted when the language is changed.</source>
        <comment>Warning Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Browser</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Inspection Report</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New PV Array Test Report</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Verification Certificate</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Installation Diagram</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Client Handover Pack</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new folder with a checklist in it</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Checklist</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download ...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Curve Data</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Instruction Manual</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document Search</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that the projects folder exists and that you may write to it.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent documents</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Document</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents (*.arvir *.arvatr *.arvvc *.arvchk *.arvreport *.arvid *.arvcrv);;All Files (*)</source>
        <comment>File filter</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The instruction manual &quot;%1&quot; could not be found.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please install %1 again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could show the instruction manual &quot;%1&quot;.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install a program for PDF files, such as a document viewer, then open the manual again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MdiWindow</name>
    <message>
        <source>Window</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the active window</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile the windows</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cascade the windows</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Window Layout</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the default Window layout</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the focus to the next window</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the focus to the previous window</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelDiagramComponent</name>
    <message>
        <source>PV Panel</source>
        <comment>Installation Diagram object name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfExportChooser</name>
    <message>
        <source>Export PDF</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <comment>File filter</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <source>Select Image</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.tif *.tiff *.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1 for reading</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has more than %2 million pixels. Please insert a smaller copy of the picture.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a picture that can be shown.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not added: a report holds at most %2 pictures.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please delete a picture you no longer need first.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not added: the pictures of a report have at most %2 million pixels together.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectModel</name>
    <message>
        <source>&quot;%1&quot; is not a valid name. Names may not contain &quot;/&quot;.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in &quot;%2&quot;. Please choose another name.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be renamed: the folder &quot;%2&quot; is read-only.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be renamed while the document &quot;%2&quot; is open. Please close the document and try again.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved while the document &quot;%2&quot; is open. Please close the document and try again.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be deleted while the document &quot;%2&quot; is open. Please close the document and try again.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectTreeView</name>
    <message>
        <source>Do you want to proceed?</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will copy &quot;%1&quot; to you project area.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will copy %1 files to your project area.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecycleBin</name>
    <message>
        <source>Could not move to the trash:
%1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close any program that uses these files and check that you may change the folder, then try again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move these %1 items to the trash?
%2</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can restore them from the trash.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can restore it from the trash.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportContainer</name>
    <message>
        <source>Could not open &quot;%1&quot;. Check that the file exists and that you may access it.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or is not a report file.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no report.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;. Check that the disk has space and the folder is writable.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be opened as reports.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than a report can be (%2 MB).</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 pictures; it is damaged or is not a report file.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not saved: with its pictures it would be larger than a report can be (%2 MB) and could not be opened again. Remove some pictures or insert smaller ones.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFavourites</name>
    <message>
        <source>The default document &quot;%1&quot; is missing from this installation.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please install %1 again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The favourite &quot;%1&quot; could not be created.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Error opening %1 for reading</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML validation error in %1 on line %2, column %3</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: its report template %2 could not be read.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1 for writing</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture %1 has more than %2 million pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its pictures have more than %1 million pixels together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is damaged or holds more than a report can.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved: it holds more than a report can hold, so it could not be opened again.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please shorten the longest texts or remove pictures, then save again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Add Image</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPaths</name>
    <message>
        <source>%1 lies neither in the program&apos;s resources nor in the document&apos;s folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Created by %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportResizableImage</name>
    <message>
        <source>Delete Image</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportScene</name>
    <message>
        <source>Add Pictures</source>
        <comment>Undo command</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Font Settings...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field holds at most %1 characters.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longer text could not be read back when the report is opened again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportXmlGuard</name>
    <message>
        <source>the report text is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it declares a document type, which reports never do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>its elements are nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>a text is longer than %1 characters</source>
        <translation>a text is longer than %1 characters</translation>
    </message>
    <message>
        <source>it holds more than %1 elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more than %1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a table of %1 x %2 cells has more than %3 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>its texts together are longer than %1 characters</source>
        <translation>its texts together are longer than %1 characters</translation>
    </message>
</context>
<context>
    <name>ResultsFileChooser</name>
    <message>
        <source>Import CSV File</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <comment>File filter</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsImportMessages</name>
    <message>
        <source>No more room left in the report table. Please use another Array Test Report.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to find where to insert data. Please ensure an Array Test Report has focus before inserting the data.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are attempting to insert data into an older version of the Array Test Report document. 								   Please create a new Array Test Report if you would like to import data into it. 								   You may need to restore the Array Test Document in the favourites settings if the favourite 								   was created using an earlier version of %1.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming error: Invalid row: %1</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchResultsDocument</name>
    <message>
        <source>%1 cannot be opened.</source>
        <comment>Error Message</comment>
        <translation>%1 cannot be opened.</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>Window Title</comment>
        <translation>Search Results</translation>
    </message>
</context>
<context>
    <name>StagedPdfFile</name>
    <message>
        <source>The temporary folder %1 is full or cannot be written. Free some space there, then try again.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1 for writing</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
