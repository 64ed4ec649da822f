<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>[it] OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>[it] Cancel</translation>
    </message>
</context>
</TS>
