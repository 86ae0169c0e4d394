<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
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
        <source>&quot;%1&quot; could not be created: %2</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that the folder &quot;%1&quot; exists and that you may write to it.</source>
        <comment>Error message informative text</comment>
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
        <source>There was an problem trying to open %1</source>
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
        <source>The favourite &quot;%1&quot; could not be created: %2</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that you may write to the folder &quot;%1&quot;.</source>
        <comment>Error message informative text</comment>
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
        <source>Is the file read-only or has it been deleted?</source>
        <comment>Error message informative text</comment>
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
        <source>%1 is not a picture that can be shown.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has more than %2 million pixels. Please insert a smaller copy of the picture.</source>
        <comment>Error Message</comment>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text is longer than %1 characters</source>
        <translation type="unfinished"></translation>
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
</TS>
