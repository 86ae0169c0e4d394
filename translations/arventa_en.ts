<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>CsvResultsTestTypeDelegate</name>
    <message>
        <source>Unknown</source>
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
    <name>MainWindow</name>
    <message>
        <source>Document Browser</source>
        <comment>Window Title</comment>
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
</context>
</TS>
