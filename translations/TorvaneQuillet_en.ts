<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>DialogLanguage</name>
    <message>
        <source>Please choose a language</source>
        <comment>Window Title</comment>
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
    <name>MainWindow</name>
    <message>
        <source>Please select a port and connect your device</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Button text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <comment>Button text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded Output</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Button text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Button text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quits the application</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Ports</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refreshes the list of COM ports</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Language...</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the language used in this application</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Settings</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert CSV Data</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows documentation</source>
        <comment>Tool tip hint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <comment>Menu option</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now initiate the download on the tester</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to connect. Please check the device is connected and switched on</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading... %1 characters, %2 extended</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save downloaded data to file</source>
        <comment>Window Title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma Separated Value files (*.csv)</source>
        <comment>File filter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <comment>File filter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <comment>File filter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File successfully saved</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application must be restarted when the language is changed.</source>
        <comment>User prompt</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening &quot;%1&quot; for writing. Is it open already or read only?</source>
        <comment>Warning Message</comment>
        <extracomment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port was found. Please connect the tester and choose Refresh Ports in the Tools menu.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not open the port &quot;%1&quot;: permission denied.</source>
        <comment>Error Message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the group &quot;%1&quot;, which owns the port (for example with &quot;sudo adduser $USER %1&quot;), then log out and log in again, so that the membership takes effect.</source>
        <comment>Error message informative text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No port found: connect the tester and refresh</source>
        <comment>User prompt</comment>
        <translation>No port found: connect the tester and refresh</translation>
    </message>
    <message>
        <source>The connection to the tester was lost after %1 bytes.</source>
        <comment>Error Message</comment>
        <translation>The connection to the tester was lost after %1 bytes.</translation>
    </message>
    <message>
        <source>The data may be incomplete. Save it if you wish, then check the cable and download again.</source>
        <comment>Error message informative text</comment>
        <translation>The data may be incomplete. Save it if you wish, then check the cable and download again.</translation>
    </message>
    <message>
        <source>Saved, but the connection was lost after %1 bytes: the file may be incomplete</source>
        <comment>User prompt</comment>
        <translation>Saved, but the connection was lost after %1 bytes: the file may be incomplete</translation>
    </message>
    <message>
        <source>TorvaneQuillet</source>
        <comment>Window Title</comment>
        <translation>TorvaneQuillet</translation>
    </message>
    <message>
        <source>Shows version information about TorvaneQuillet</source>
        <comment>Tool tip hint</comment>
        <translation>Shows version information about TorvaneQuillet</translation>
    </message>
    <message>
        <source>About TorvaneQuillet</source>
        <comment>Window Title</comment>
        <extracomment>Title of the About box</extracomment>
        <translation>About TorvaneQuillet</translation>
    </message>
    <message>
        <source>TorvaneQuillet

 %1
</source>
        <comment>About box</comment>
        <extracomment>The %1 is replaced with the version number so please don&apos;t remove it!</extracomment>
        <translation>TorvaneQuillet

 %1
</translation>
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
