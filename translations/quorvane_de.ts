<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FixedDialog</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Direkthilfe</translation>
    </message>
    <message>
        <source>Click this button, then click a control to learn what it does.</source>
        <translation>Klicken Sie auf diese Schaltfläche und dann auf ein Bedienelement, um zu erfahren, was es tut.</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>RunCommand</name>
    <message>
        <source>An unexpected error ended the command.</source>
        <translation>Ein unerwarteter Fehler hat den Befehl abgebrochen.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Quorvane Help</source>
        <translation>Quorvane-Hilfe</translation>
    </message>
</context>
<context>
    <name>TInputQueryForm</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type the text here; Enter takes it, Esc leaves it.</source>
        <translation>Geben Sie hier den Text ein; die Eingabetaste übernimmt ihn, Esc verwirft ihn.</translation>
    </message>
</context>
</TS>
