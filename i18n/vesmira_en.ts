<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Graph</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) from %1 to %2</source>
        <translation>
            <numerusform>%n day from %1 to %2</numerusform>
            <numerusform>%n days from %1 to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No weighing in these %n day(s)</source>
        <translation>
            <numerusform>No weighing in these %n day</numerusform>
            <numerusform>No weighing in these %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message numerus="yes">
        <source>%n day(s) change(s|)</source>
        <translation>
            <numerusform>%n day changes</numerusform>
            <numerusform>%n days change</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) skipped</source>
        <translation>
            <numerusform>%n line skipped</numerusform>
            <numerusform>%n lines skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message numerus="yes">
        <source>Imported %n day(s).</source>
        <translation>
            <numerusform>Imported %n day.</numerusform>
            <numerusform>Imported %n days.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n day(s) more.</source>
        <translation>
            <numerusform>... and %n day more.</numerusform>
            <numerusform>... and %n days more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message numerus="yes">
        <source>[This note is too long to edit here. It is shown broken into lines, without its last %n byte(s), and kept exactly as stored.]</source>
        <translation>
            <numerusform>[This note is too long to edit here. It is shown broken into lines, without its last %n byte, and kept exactly as stored.]</numerusform>
            <numerusform>[This note is too long to edit here. It is shown broken into lines, without its last %n bytes, and kept exactly as stored.]</numerusform>
        </translation>
    </message>
</context>
</TS>
