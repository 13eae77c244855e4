<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlignmentTestSheet</name>
    <message>
        <source>Offsets: horizontal %1 in (%2 mm), vertical %3 in (%4 mm)</source>
        <translation>Versatz: waagerecht %1 in (%2 mm), senkrecht %3 in (%4 mm)</translation>
    </message>
    <message>
        <source>Scale corrections: horizontal %1 %, vertical %2 %</source>
        <translation>Maßstabskorrekturen: waagerecht %1 %, senkrecht %2 %</translation>
    </message>
    <message>
        <source>Printer alignment test sheet</source>
        <translation>Testbogen zur Druckerausrichtung</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Rulers: across the middle of each edge, zero on the edge, millimetres on</source>
        <translation>Lineale: quer über die Mitte jedes Randes, null am Rand, Millimeter auf</translation>
    </message>
    <message>
        <source>one side, 1/32 in on the other.</source>
        <translation>der einen Seite, 1/32 in auf der anderen.</translation>
    </message>
    <message>
        <source>Hold this sheet against a sheet of labels to the light: where the labels&apos;</source>
        <translation>Halten Sie diesen Bogen mit einem Etikettenbogen gegen das Licht: wo die Ränder</translation>
    </message>
    <message>
        <source>edges cross the rulers is how far the print must move (+ right, + down).</source>
        <translation>der Etiketten die Lineale kreuzen, so weit muss der Druck rücken (+ rechts, + unten).</translation>
    </message>
</context>
<context>
    <name>AngleDial</name>
    <message>
        <source>Drag on the dial to point the text in any direction.</source>
        <translation>Ziehen Sie auf der Scheibe, um den Text in jede Richtung zu drehen.</translation>
    </message>
</context>
<context>
    <name>BarcodeCatalogue</name>
    <message>
        <source>data this kind of symbol holds</source>
        <translation>Daten, die diese Symbolart aufnimmt</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Postal</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>GS1 data such as (01)09501101530003(10)ABC</source>
        <translation>GS1-Daten wie (01)09501101530003(10)ABC</translation>
    </message>
    <message>
        <source>the linear symbol&apos;s data, then | and GS1 data such as (99)1234 for the part above</source>
        <translation>die Daten des linearen Symbols, dann | und GS1-Daten wie (99)1234 für den Teil darüber</translation>
    </message>
    <message>
        <source>any text</source>
        <translation>beliebigen Text</translation>
    </message>
    <message>
        <source>capital letters, digits, space and - . $ / + %</source>
        <translation>Großbuchstaben, Ziffern, Leerzeichen und - . $ / + %</translation>
    </message>
    <message>
        <source>letters, digits and signs</source>
        <translation>Buchstaben, Ziffern und Zeichen</translation>
    </message>
    <message>
        <source>7, 8, 12 or 13 digits (an add-on of 2 or 5 after +)</source>
        <translation>7, 8, 12 oder 13 Ziffern (ein Zusatz von 2 oder 5 nach +)</translation>
    </message>
    <message>
        <source>11 or 12 digits</source>
        <translation>11 oder 12 Ziffern</translation>
    </message>
    <message>
        <source>6, 7 or 8 digits</source>
        <translation>6, 7 oder 8 Ziffern</translation>
    </message>
    <message>
        <source>ASCII characters</source>
        <translation>ASCII-Zeichen</translation>
    </message>
    <message>
        <source>digits and - $ : / . + between the start and stop letters A to D, as A40156B</source>
        <translation>Ziffern und - $ : / . + zwischen den Start- und Stoppbuchstaben A bis D, etwa A40156B</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>an ISBN of 9, 10 or 13 digits</source>
        <translation>eine ISBN aus 9, 10 oder 13 Ziffern</translation>
    </message>
    <message>
        <source>digits and -</source>
        <translation>Ziffern und -</translation>
    </message>
    <message>
        <source>digits and the letters A to F</source>
        <translation>Ziffern und die Buchstaben A bis F</translation>
    </message>
    <message>
        <source>up to 7 digits</source>
        <translation>bis zu 7 Ziffern</translation>
    </message>
    <message>
        <source>up to 8 digits</source>
        <translation>bis zu 8 Ziffern</translation>
    </message>
    <message>
        <source>a number from 3 to 131070</source>
        <translation>eine Zahl von 3 bis 131070</translation>
    </message>
    <message>
        <source>a number from 4 to 64570080</source>
        <translation>eine Zahl von 4 bis 64570080</translation>
    </message>
    <message>
        <source>17 capital letters and digits</source>
        <translation>17 Großbuchstaben und Ziffern</translation>
    </message>
    <message>
        <source>a number of up to 7 digits</source>
        <translation>eine Zahl aus bis zu 7 Ziffern</translation>
    </message>
    <message>
        <source>4 to 18 capital letters and digits</source>
        <translation>4 bis 18 Großbuchstaben und Ziffern</translation>
    </message>
    <message>
        <source>27 or 28 capital letters and digits</source>
        <translation>27 oder 28 Großbuchstaben und Ziffern</translation>
    </message>
    <message>
        <source>8 or 13 digits, the last the check digit</source>
        <translation>8 oder 13 Ziffern, die letzte ist die Prüfziffer</translation>
    </message>
    <message>
        <source>12 digits, the last the check digit</source>
        <translation>12 Ziffern, die letzte ist die Prüfziffer</translation>
    </message>
    <message>
        <source>7 or 8 digits, the last the check digit</source>
        <translation>7 oder 8 Ziffern, die letzte ist die Prüfziffer</translation>
    </message>
    <message>
        <source>13 or 14 digits</source>
        <translation>13 oder 14 Ziffern</translation>
    </message>
    <message>
        <source>up to 13 digits</source>
        <translation>bis zu 13 Ziffern</translation>
    </message>
    <message>
        <source>up to 17 digits</source>
        <translation>bis zu 17 Ziffern</translation>
    </message>
    <message>
        <source>a GTIN of up to 13 digits, without its check digit</source>
        <translation>eine GTIN aus bis zu 13 Ziffern, ohne ihre Prüfziffer</translation>
    </message>
    <message>
        <source>a GTIN of up to 13 digits, the first 0 or 1</source>
        <translation>eine GTIN aus bis zu 13 Ziffern, die erste 0 oder 1</translation>
    </message>
    <message>
        <source>up to 35 digits or 21 letters and digits</source>
        <translation>bis zu 35 Ziffern oder 21 Buchstaben und Ziffern</translation>
    </message>
    <message>
        <source>the payment slip&apos;s text</source>
        <translation>den Text des Zahlscheins</translation>
    </message>
    <message>
        <source>a number from 0 to 255</source>
        <translation>eine Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>5, 9 or 11 digits</source>
        <translation>5, 9 oder 11 Ziffern</translation>
    </message>
    <message>
        <source>20 digits, then - and a ZIP code of 5, 9 or 11 digits</source>
        <translation>20 Ziffern, dann - und eine Postleitzahl aus 5, 9 oder 11 Ziffern</translation>
    </message>
    <message>
        <source>11 or 13 digits</source>
        <translation>11 oder 13 Ziffern</translation>
    </message>
    <message>
        <source>one letter A to E</source>
        <translation>einen Buchstaben A bis E</translation>
    </message>
    <message>
        <source>capital letters and digits</source>
        <translation>Großbuchstaben und Ziffern</translation>
    </message>
    <message>
        <source>22 to 26 characters of Mailmark data</source>
        <translation>22 bis 26 Zeichen Mailmark-Daten</translation>
    </message>
    <message>
        <source>8, 13, 16, 18 or 23 characters</source>
        <translation>8, 13, 16, 18 oder 23 Zeichen</translation>
    </message>
    <message>
        <source>8 digits</source>
        <translation>8 Ziffern</translation>
    </message>
    <message>
        <source>digits, capital letters and -</source>
        <translation>Ziffern, Großbuchstaben und -</translation>
    </message>
    <message>
        <source>up to 6 digits</source>
        <translation>bis zu 6 Ziffern</translation>
    </message>
    <message>
        <source>up to 11 digits</source>
        <translation>bis zu 11 Ziffern</translation>
    </message>
    <message>
        <source>the letters D, A, F and T</source>
        <translation>die Buchstaben D, A, F und T</translation>
    </message>
</context>
<context>
    <name>BarcodeDrawing</name>
    <message>
        <source>The narrowest bar is %1 mm (%2 mil) wide; scanners may not read bars below 0.19 mm (7.5 mil). Make the barcode wider or its data shorter.</source>
        <translation>Der schmalste Strich ist %1 mm (%2 mil) breit; Scanner lesen Striche unter 0,19 mm (7,5 mil) womöglich nicht. Machen Sie den Strichcode breiter oder seine Daten kürzer.</translation>
    </message>
</context>
<context>
    <name>BarcodeMessage</name>
    <message>
        <source>gives nothing</source>
        <translation>enthält nichts</translation>
    </message>
    <message>
        <source>ends in the check digit %1 where %2 is right</source>
        <translation>endet auf die Prüfziffer %1, richtig ist %2</translation>
    </message>
    <message>
        <source>has a wrong check digit</source>
        <translation>hat eine falsche Prüfziffer</translation>
    </message>
    <message>
        <source>gives letters</source>
        <translation>enthält Buchstaben</translation>
    </message>
    <message>
        <source>gives the character &quot;%1&quot;</source>
        <translation>enthält das Zeichen „%1“</translation>
    </message>
    <message>
        <source>gives %1</source>
        <translation>enthält %1</translation>
    </message>
    <message>
        <source>digit</source>
        <translation>Ziffer</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>gives small letters</source>
        <translation>enthält Kleinbuchstaben</translation>
    </message>
    <message>
        <source>gives other characters than digits</source>
        <translation>enthält andere Zeichen als Ziffern</translation>
    </message>
    <message>
        <source>cannot be encoded (%1)</source>
        <translation>lässt sich nicht codieren (%1)</translation>
    </message>
    <message>
        <source>%1 takes %2; the data is empty</source>
        <translation>%1 nimmt %2 auf; die Daten sind leer</translation>
    </message>
    <message>
        <source>%1 takes %2; %3 %4</source>
        <translation>%1 nimmt %2 auf; %3 %4</translation>
    </message>
</context>
<context>
    <name>BarcodePrint</name>
    <message>
        <source>barcode not printed: %1 (data &quot;%2&quot;)</source>
        <translation>Strichcode nicht gedruckt: %1 (Daten „%2“)</translation>
    </message>
</context>
<context>
    <name>BarcodeProperties</name>
    <message>
        <source>Barcode Data</source>
        <translation>Strichcodedaten</translation>
    </message>
    <message>
        <source>Enter the barcode data</source>
        <translation>Geben Sie die Strichcodedaten ein</translation>
    </message>
</context>
<context>
    <name>BarcodeSymbol</name>
    <message>
        <source>The barcode library is out of memory</source>
        <translation>Der Strichcodebibliothek fehlt Speicher</translation>
    </message>
    <message>
        <source>Invalid barcode data</source>
        <translation>Ungültige Strichcodedaten</translation>
    </message>
    <message>
        <source>This barcode library does not make this kind of symbol</source>
        <translation>Diese Strichcodebibliothek erzeugt diese Symbolart nicht</translation>
    </message>
    <message>
        <source>The item has no size</source>
        <translation>Das Element hat keine Größe</translation>
    </message>
</context>
<context>
    <name>BarcodeTool</name>
    <message>
        <source>Barcode Data…</source>
        <translation>Strichcodedaten …</translation>
    </message>
    <message>
        <source>Symbology</source>
        <translation>Symbologie</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Text anzeigen</translation>
    </message>
    <message>
        <source>Bar Color</source>
        <translation>Strichfarbe</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>&amp;Find Symbology…</source>
        <translation>Symbologie &amp;suchen …</translation>
    </message>
</context>
<context>
    <name>BatchRenderer</name>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>cannot copy the standard input: %1</source>
        <translation>die Standardeingabe lässt sich nicht kopieren: %1</translation>
    </message>
    <message>
        <source>%1 is not a folder; --png names the folder the images go into</source>
        <translation>%1 ist kein Ordner; --png nennt den Ordner, in den die Bilder kommen</translation>
    </message>
    <message>
        <source>the standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Usage: quorvane-batch [--dir DIR] --label DESCRIPTION [--sheets N]
                      [--positions R:C,R:C...] (--pdf FILE | --png FOLDER [--dpi N])
                      [--merge FILE [--sheet NAME] | --merge-db URL (--table NAME |
                       --query SELECT)] [--copies N]

Renders the sheets of a stored label, exactly as they print.
  --dir DIR          data directory holding QVLBLS.DBF (default: the program&apos;s)
  --label TEXT       the label&apos;s description (case does not matter)
  --sheets N         number of sheets, 1 to 9999 (default 1)
  --positions LIST   only these positions, row:column counted from 1
  --pdf FILE         write one PDF file, a page per sheet; - writes it to the
                     standard output
  --png FOLDER       write sheet-0001.png, sheet-0002.png... into FOLDER
  --dpi N            resolution of the PNG images, 30 to 1200 (default 300);
                     refused with --pdf
  --printer NAME     print on the printer (CUPS queue) NAME, corrected by its
                     alignment stored in QV.INI
  --printer-offsets PRINTER
                     move the drawing by the printer&apos;s alignment stored in QV.INI
  --merge FILE       one label per record of FILE (kinds below); {Field} in a
                     text is the record&apos;s field; the records decide the sheets;
                     - reads CSV records from the standard input
  --sheet NAME       with a spreadsheet: the sheet to read (default: the first)
  --merge-db URL     one label per row of a database: postgresql://user@host:port/db,
                     mysql://user@host:port/db, sqlite:///path/file.db, odbc://DSN;
                     a password comes from the driver&apos;s configuration (~/.pgpass,
                     PGPASSWORD) or is asked for on the terminal
  --table NAME       with --merge-db: every row of this table
  --query SELECT     with --merge-db: the rows of one SELECT statement, run in a
                     read-only transaction
  --copies N         with a merge: labels per record, 1 to 9999 (default 1); a
                     merge of more than 1,000,000 sheets is refused
  --collate          with --merge: all the records once per copy, instead of
                     each record&apos;s copies together
  --records FROM-TO  with a merge: only these records, counted from 1 (20-45;
                     20- to the end; 7 alone)
  --outlines         draw the outline of every label printed
  --crop-marks       draw crop marks in the margins, in line with the labels&apos; edges
  --mirror           print every sheet reversed left to right (the back of film)
  --date YYYY-MM-DD  the date {date} prints (default: today)
  --time HH:MM       the time {time} prints (default: now)
  --help             show this text

Merge files, by name:
</source>
        <translation>Aufruf: quorvane-batch [--dir ORDNER] --label BESCHREIBUNG [--sheets N]
                       [--positions Z:S,Z:S...] (--pdf DATEI | --png ORDNER [--dpi N])
                       [--merge DATEI [--sheet NAME] | --merge-db URL (--table NAME |
                        --query SELECT)] [--copies N]

Zeichnet die Bögen eines gespeicherten Etiketts, genau wie sie gedruckt werden.
  --dir ORDNER       Datenverzeichnis mit QVLBLS.DBF (Vorgabe: das des Programms)
  --label TEXT       die Beschreibung des Etiketts (Groß-/Kleinschreibung egal)
  --sheets N         Anzahl der Bögen, 1 bis 9999 (Vorgabe 1)
  --positions LISTE  nur diese Positionen, Zeile:Spalte, gezählt ab 1
  --pdf DATEI        eine PDF-Datei schreiben, eine Seite je Bogen; - schreibt sie
                     auf die Standardausgabe
  --png ORDNER       sheet-0001.png, sheet-0002.png... in ORDNER schreiben
  --dpi N            Auflösung der PNG-Bilder, 30 bis 1200 (Vorgabe 300);
                     mit --pdf abgewiesen
  --printer NAME     auf dem Drucker (CUPS-Warteschlange) NAME drucken, korrigiert
                     um seine in QV.INI gespeicherte Ausrichtung
  --printer-offsets DRUCKER
                     die Zeichnung um die in QV.INI gespeicherte Ausrichtung des
                     Druckers verschieben
  --merge DATEI      ein Etikett je Datensatz von DATEI (Arten unten); {Feld} in
                     einem Text ist das Feld des Datensatzes; die Datensätze
                     bestimmen die Bögen; - liest CSV-Datensätze von der
                     Standardeingabe
  --sheet NAME       bei einer Tabellenkalkulation: das zu lesende Tabellenblatt
                     (Vorgabe: das erste)
  --merge-db URL     ein Etikett je Zeile einer Datenbank: postgresql://benutzer@host:port/db,
                     mysql://benutzer@host:port/db, sqlite:///pfad/datei.db, odbc://DSN;
                     ein Passwort kommt aus der Konfiguration des Treibers (~/.pgpass,
                     PGPASSWORD) oder wird am Terminal erfragt
  --table NAME       mit --merge-db: jede Zeile dieser Tabelle
  --query SELECT     mit --merge-db: die Zeilen einer SELECT-Anweisung, ausgeführt
                     in einer Nur-Lese-Transaktion
  --copies N         beim Seriendruck: Etiketten je Datensatz, 1 bis 9999 (Vorgabe
                     1); ein Seriendruck von mehr als 1.000.000 Bögen wird
                     abgewiesen
  --collate          mit --merge: alle Datensätze einmal je Kopie, statt der Kopien
                     jedes Datensatzes beisammen
  --records VON-BIS  beim Seriendruck: nur diese Datensätze, gezählt ab 1 (20-45;
                     20- bis zum Ende; 7 allein)
  --outlines         den Umriss jedes gedruckten Etiketts zeichnen
  --crop-marks       Schnittmarken in den Rändern zeichnen, in einer Linie mit den
                     Kanten der Etiketten
  --mirror           jeden Bogen seitenverkehrt drucken (die Rückseite einer Folie)
  --date JJJJ-MM-TT  das Datum, das {date} druckt (Vorgabe: heute)
  --time HH:MM       die Uhrzeit, die {time} druckt (Vorgabe: jetzt)
  --help             diesen Text zeigen

Seriendruckdateien, nach Namen:
</translation>
    </message>
    <message>
        <source>
The label table is only read, without its lock, so the program may run meanwhile.
Files appear only when the whole run succeeded and every byte reached the disk; a
failed run leaves existing files as they were. A symbolic link is written through;
a device, named pipe or folder is refused.
Exit codes: 0 success, 2 bad usage or an output that is not a file, 3 label or
table not found or a merge source missing, unreadable, not a regular file or
failing during the run, 4 the
table cannot be read (damaged), rendering failed or an output could not be
written.
</source>
        <translation>
Die Etikettentabelle wird nur gelesen, ohne ihre Sperre; das Programm darf also
gleichzeitig laufen. Dateien erscheinen erst, wenn der ganze Lauf gelungen ist und
jedes Byte die Platte erreicht hat; ein gescheiterter Lauf lässt vorhandene Dateien,
wie sie waren. Durch eine symbolische Verknüpfung wird hindurch geschrieben; ein
Gerät, eine benannte Pipe oder ein Ordner wird abgewiesen.
Rückgabewerte: 0 Erfolg, 2 falscher Aufruf oder eine Ausgabe, die keine Datei ist,
3 Etikett oder Tabelle nicht gefunden oder eine Seriendruckquelle fehlt, ist nicht
lesbar, keine gewöhnliche Datei oder scheitert während des Laufs, 4 die Tabelle
lässt sich nicht lesen (beschädigt), das Zeichnen ist fehlgeschlagen oder eine
Ausgabe konnte nicht geschrieben werden.
</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--sheets takes a number from 1 to %1</source>
        <translation>--sheets nimmt eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--positions takes row:column pairs such as 1:1,2:3</source>
        <translation>--positions nimmt Paare Zeile:Spalte wie 1:1,2:3</translation>
    </message>
    <message>
        <source>--dpi takes a number from 30 to 1200</source>
        <translation>--dpi nimmt eine Zahl von 30 bis 1200</translation>
    </message>
    <message>
        <source>--records takes FROM-TO, such as 20-45, 20- or 7</source>
        <translation>--records nimmt VON-BIS, etwa 20-45, 20- oder 7</translation>
    </message>
    <message>
        <source>--date takes a date such as 2026-03-31</source>
        <translation>--date nimmt ein Datum wie 2026-03-31</translation>
    </message>
    <message>
        <source>--time takes a time such as 14:05</source>
        <translation>--time nimmt eine Uhrzeit wie 14:05</translation>
    </message>
    <message>
        <source>--copies takes a number from 1 to %1</source>
        <translation>--copies nimmt eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--label is required</source>
        <translation>--label muss angegeben werden</translation>
    </message>
    <message>
        <source>give exactly one of --pdf, --png and --printer</source>
        <translation>genau eines von --pdf, --png und --printer angeben</translation>
    </message>
    <message>
        <source>--printer corrects by the printer&apos;s own alignment; --printer-offsets is for files</source>
        <translation>--printer korrigiert mit der eigenen Ausrichtung des Druckers; --printer-offsets ist für Dateien</translation>
    </message>
    <message>
        <source>--dpi applies to --png only (a PDF keeps its vectors)</source>
        <translation>--dpi gilt nur für --png (ein PDF behält seine Vektoren)</translation>
    </message>
    <message>
        <source>give one of --merge and --merge-db</source>
        <translation>eines von --merge und --merge-db angeben</translation>
    </message>
    <message>
        <source>--copies needs --merge or --merge-db</source>
        <translation>--copies braucht --merge oder --merge-db</translation>
    </message>
    <message>
        <source>--collate needs --merge or --merge-db</source>
        <translation>--collate braucht --merge oder --merge-db</translation>
    </message>
    <message>
        <source>--sheet needs --merge with a spreadsheet</source>
        <translation>--sheet braucht --merge mit einer Tabellenkalkulation</translation>
    </message>
    <message>
        <source>--table and --query need --merge-db</source>
        <translation>--table und --query brauchen --merge-db</translation>
    </message>
    <message>
        <source>with --merge-db give exactly one of --table and --query</source>
        <translation>mit --merge-db genau eines von --table und --query angeben</translation>
    </message>
    <message>
        <source>--records needs --merge or --merge-db</source>
        <translation>--records braucht --merge oder --merge-db</translation>
    </message>
    <message>
        <source>with a merge the records decide the sheets; give --copies</source>
        <translation>beim Seriendruck bestimmen die Datensätze die Bögen; --copies angeben</translation>
    </message>
    <message>
        <source>no printer &quot;%1&quot;</source>
        <translation>kein Drucker „%1“</translation>
    </message>
    <message>
        <source>printing failed: %1</source>
        <translation>Drucken fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>no label table %1</source>
        <translation>keine Etikettentabelle %1</translation>
    </message>
    <message>
        <source>no label &quot;%1&quot; in %2</source>
        <translation>kein Etikett „%1“ in %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>the sheet has %1 rows and %2 columns; there is no position %3:%4</source>
        <translation>der Bogen hat %1 Zeilen und %2 Spalten; eine Position %3:%4 gibt es nicht</translation>
    </message>
    <message>
        <source>is no database address</source>
        <translation>ist keine Datenbankadresse</translation>
    </message>
    <message>
        <source>rendering failed: %1</source>
        <translation>Zeichnen fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>The recovery file %1 left by the last session cannot be read (%2) nor moved aside; it was left as it is.</source>
        <translation>Die Wiederherstellungsdatei %1 der letzten Sitzung lässt sich weder lesen (%2) noch beiseitelegen; sie blieb, wie sie ist.</translation>
    </message>
    <message>
        <source>The recovery file %1 left by the last session is damaged (%2) and was set aside as %3; your stored labels are not affected.</source>
        <translation>Die Wiederherstellungsdatei %1 der letzten Sitzung ist beschädigt (%2) und wurde als %3 beiseitegelegt; Ihre gespeicherten Etiketten sind nicht betroffen.</translation>
    </message>
    <message>
        <source>Quorvane did not close properly. Restore your unsaved changes to &quot;%1&quot; (last change %2)?</source>
        <translation>Quorvane wurde nicht ordnungsgemäß beendet. Ihre nicht gespeicherten Änderungen an „%1“ (letzte Änderung %2) wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>CsvErrorText</name>
    <message>
        <source>a NUL byte</source>
        <translation>ein NUL-Byte</translation>
    </message>
    <message>
        <source>a field longer than %1 bytes</source>
        <translation>ein Feld länger als %1 Bytes</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>more than %1 fields</source>
        <translation>mehr als %1 Felder</translation>
    </message>
</context>
<context>
    <name>CsvMergeSource</name>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the file is empty; its first row must name the fields</source>
        <translation>die Datei ist leer; ihre erste Zeile muss die Felder benennen</translation>
    </message>
    <message>
        <source>the file cannot be read from its start again</source>
        <translation>die Datei lässt sich nicht erneut von Anfang an lesen</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>%1 fields where the first row names %2</source>
        <translation>%1 Felder, wo die erste Zeile %2 benennt</translation>
    </message>
</context>
<context>
    <name>DatabaseConnection</name>
    <message>
        <source>the database address &quot;%1&quot; %2</source>
        <translation>die Datenbankadresse „%1“ %2</translation>
    </message>
    <message>
        <source>holds a password; give it when asked, or keep it in the ODBC data source</source>
        <translation>enthält ein Passwort; geben Sie es ein, wenn danach gefragt wird, oder hinterlegen Sie es in der ODBC-Datenquelle</translation>
    </message>
    <message>
        <source>names no data source</source>
        <translation>nennt keine Datenquelle</translation>
    </message>
    <message>
        <source>is not a URL such as postgresql://user@host/database</source>
        <translation>ist keine URL wie postgresql://benutzer@host/datenbank</translation>
    </message>
    <message>
        <source>names no database kind this program reads (postgresql, mysql, sqlite, odbc)</source>
        <translation>nennt keine Datenbankart, die dieses Programm liest (postgresql, mysql, sqlite, odbc)</translation>
    </message>
    <message>
        <source>holds a password; give it when asked, or keep it where the driver looks (~/.pgpass, ~/.my.cnf)</source>
        <translation>enthält ein Passwort; geben Sie es ein, wenn danach gefragt wird, oder hinterlegen Sie es dort, wo der Treiber nachsieht (~/.pgpass, ~/.my.cnf)</translation>
    </message>
    <message>
        <source>names no file</source>
        <translation>nennt keine Datei</translation>
    </message>
    <message>
        <source>names no database</source>
        <translation>nennt keine Datenbank</translation>
    </message>
    <message>
        <source>the SQLite database %1</source>
        <translation>die SQLite-Datenbank %1</translation>
    </message>
    <message>
        <source>the ODBC data source &quot;%1&quot;</source>
        <translation>die ODBC-Datenquelle „%1“</translation>
    </message>
    <message>
        <source>the %1 database &quot;%2&quot; on %3</source>
        <translation>die %1-Datenbank „%2“ auf %3</translation>
    </message>
</context>
<context>
    <name>DatabaseMergeSource</name>
    <message>
        <source>no table or query is given</source>
        <translation>es ist keine Tabelle und keine Abfrage angegeben</translation>
    </message>
</context>
<context>
    <name>DatabaseReader</name>
    <message>
        <source>no database is named</source>
        <translation>es ist keine Datenbank genannt</translation>
    </message>
    <message>
        <source>Qt&apos;s %1 driver is not installed (Debian&apos;s package %2)</source>
        <translation>Qts %1-Treiber ist nicht installiert (Debian-Paket %2)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 refused the login: %2</source>
        <translation>%1 hat die Anmeldung abgewiesen: %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>%1 refused &quot;%2&quot;</source>
        <translation>%1 hat „%2“ abgewiesen</translation>
    </message>
    <message>
        <source>the query cannot run on %1</source>
        <translation>die Abfrage lässt sich auf %1 nicht ausführen</translation>
    </message>
    <message>
        <source>%1 stopped answering after record %2</source>
        <translation>%1 hat nach Datensatz %2 aufgehört zu antworten</translation>
    </message>
    <message>
        <source>(%1 bytes of binary data)</source>
        <translation>(%1 Byte Binärdaten)</translation>
    </message>
</context>
<context>
    <name>DesignSteps</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Centres</source>
        <translation>Zentriert ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Middles</source>
        <translation>Mittig ausrichten</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Distribute Horizontally</source>
        <translation>Waagerecht verteilen</translation>
    </message>
    <message>
        <source>Distribute Vertically</source>
        <translation>Senkrecht verteilen</translation>
    </message>
    <message>
        <source>Same Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <source>Same Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Element löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Alle verschieben</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Waagerecht zentrieren</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Senkrecht zentrieren</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Elemente löschen</translation>
    </message>
    <message>
        <source>Add Barcode</source>
        <translation>Strichcode hinzufügen</translation>
    </message>
    <message>
        <source>Add Counter</source>
        <translation>Zähler hinzufügen</translation>
    </message>
    <message>
        <source>Add Ellipse</source>
        <translation>Ellipse hinzufügen</translation>
    </message>
    <message>
        <source>Add Horizontal Line</source>
        <translation>Waagerechte Linie hinzufügen</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Rectangle</source>
        <translation>Rechteck hinzufügen</translation>
    </message>
    <message>
        <source>Add Rounded Rectangle</source>
        <translation>Abgerundetes Rechteck hinzufügen</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>Symbol hinzufügen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Add Vertical Line</source>
        <translation>Senkrechte Linie hinzufügen</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Takes back the last change to the label on screen. Saving keeps the changes made before it; choosing or starting another label starts afresh.</source>
        <translation>Nimmt die letzte Änderung am angezeigten Etikett zurück. Speichern behält die Änderungen davor; das Wählen oder Beginnen eines anderen Etiketts fängt neu an.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Makes again the change last taken back.</source>
        <translation>Führt die zuletzt zurückgenommene Änderung erneut aus.</translation>
    </message>
</context>
<context>
    <name>DropToolButton</name>
    <message>
        <source>: press on this button, move onto the label and let go where the item&apos;s top left corner goes. Its properties are asked for first where it needs them.</source>
        <translation>: Drücken Sie auf diese Schaltfläche, ziehen Sie auf das Etikett und lassen Sie dort los, wo die obere linke Ecke des Elements hin soll. Wo nötig, werden zuerst seine Eigenschaften erfragt.</translation>
    </message>
</context>
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
    <name>GlabelsDocument</name>
    <message>
        <source>Text &quot;%1&quot;</source>
        <translation>Text „%1“</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 bei %2, %3</translation>
    </message>
    <message>
        <source>It is not a gLabels document.</source>
        <translation>Es ist kein gLabels-Dokument.</translation>
    </message>
    <message>
        <source>Its elements are nested too deeply.</source>
        <translation>Seine Elemente sind zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>It is damaged at line %1: %2.</source>
        <translation>Es ist in Zeile %1 beschädigt: %2.</translation>
    </message>
    <message>
        <source>nested too deeply</source>
        <translation>zu tief verschachtelt</translation>
    </message>
    <message>
        <source>An unknown element &lt;%1&gt;</source>
        <translation>Ein unbekanntes Element &lt;%1&gt;</translation>
    </message>
    <message>
        <source>An embedded picture in the old gLabels form (%1)</source>
        <translation>Ein eingebettetes Bild in der alten gLabels-Form (%1)</translation>
    </message>
    <message>
        <source>%1: gLabels&apos; %2 objects are not known here</source>
        <translation>%1: %2-Objekte von gLabels sind hier unbekannt</translation>
    </message>
    <message>
        <source>%1: its shadow</source>
        <translation>%1: sein Schatten</translation>
    </message>
    <message>
        <source>%1: its colour from the field %2</source>
        <translation>%1: seine Farbe aus dem Feld %2</translation>
    </message>
    <message>
        <source>%1: shrinking to fit its box</source>
        <translation>%1: Verkleinern, bis es in seinen Rahmen passt</translation>
    </message>
    <message>
        <source>%1: turned by %2°, placed by its first corner</source>
        <translation>%1: um %2° gedreht, nach seiner ersten Ecke platziert</translation>
    </message>
    <message>
        <source>%1: turned by %2°, placed unturned</source>
        <translation>%1: um %2° gedreht, ungedreht platziert</translation>
    </message>
    <message>
        <source>%1: a line at an angle (only level and upright lines are drawn here)</source>
        <translation>%1: eine schräge Linie (hier werden nur waagerechte und senkrechte Linien gezeichnet)</translation>
    </message>
    <message>
        <source>%1: a picture chosen by the field %2 for each record</source>
        <translation>%1: ein Bild, das das Feld %2 für jeden Datensatz wählt</translation>
    </message>
    <message>
        <source>%1: turned, placed unturned</source>
        <translation>%1: gedreht, ungedreht platziert</translation>
    </message>
    <message>
        <source>%1: the picture %2 was not found</source>
        <translation>%1: das Bild %2 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1: the barcode style %2 is not known here</source>
        <translation>%1: die Strichcodeart %2 ist hier unbekannt</translation>
    </message>
    <message>
        <source>The merge source %1 (%2): only text files are merged here</source>
        <translation>Die Datenquelle %1 (%2): hier werden nur Textdateien zusammengeführt</translation>
    </message>
    <message>
        <source>The merge source %1 names its fields by column number; here its first line names the fields</source>
        <translation>Die Datenquelle %1 benennt ihre Felder nach Spaltennummer; hier benennt ihre erste Zeile die Felder</translation>
    </message>
    <message>
        <source>It cannot be unpacked.</source>
        <translation>Es lässt sich nicht entpacken.</translation>
    </message>
    <message>
        <source>It is damaged (its compressed data ends or breaks off).</source>
        <translation>Es ist beschädigt (seine komprimierten Daten enden oder brechen ab).</translation>
    </message>
    <message>
        <source>It is damaged (its compressed data ends early).</source>
        <translation>Es ist beschädigt (seine komprimierten Daten enden zu früh).</translation>
    </message>
    <message>
        <source>It names no label sheet.</source>
        <translation>Es nennt keinen Etikettenbogen.</translation>
    </message>
    <message>
        <source>Its label sheet cannot be read.</source>
        <translation>Sein Etikettenbogen lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Its label sheet cannot be used: %1.</source>
        <translation>Sein Etikettenbogen lässt sich nicht verwenden: %1.</translation>
    </message>
    <message>
        <source>The label is turned on the sheet in gLabels; here it is designed as the sheet holds it</source>
        <translation>Das Etikett ist in gLabels auf dem Bogen gedreht; hier wird es so gestaltet, wie der Bogen es trägt</translation>
    </message>
    <message>
        <source>gLabels label</source>
        <translation>gLabels-Etikett</translation>
    </message>
    <message>
        <source>%1: the font size %2 pt, set as %3 pt</source>
        <translation>%1: die Schriftgröße %2 pt, gesetzt als %3 pt</translation>
    </message>
</context>
<context>
    <name>GlabelsTemplateFile</name>
    <message>
        <source>%1=&quot;%2&quot; is not a length</source>
        <translation>%1=&quot;%2&quot; ist keine Länge</translation>
    </message>
    <message>
        <source>a layout without its numbers across and down</source>
        <translation>eine Anordnung ohne Anzahl nebeneinander und untereinander</translation>
    </message>
    <message>
        <source>This is not a gLabels template file</source>
        <translation>Dies ist keine gLabels-Vorlagendatei</translation>
    </message>
    <message>
        <source>The template file is damaged at line %1: %2</source>
        <translation>Die Vorlagendatei ist in Zeile %1 beschädigt: %2</translation>
    </message>
    <message>
        <source>the same sheet as %1 %2, which this file does not hold</source>
        <translation>derselbe Bogen wie %1 %2, den diese Datei nicht enthält</translation>
    </message>
    <message>
        <source>no label in it</source>
        <translation>kein Etikett darin</translation>
    </message>
    <message>
        <source>%1 labels are not supported</source>
        <translation>Etiketten der Form %1 werden nicht unterstützt</translation>
    </message>
    <message>
        <source>no layout</source>
        <translation>keine Anordnung</translation>
    </message>
    <message>
        <source>the paper &quot;%1&quot; is not known</source>
        <translation>das Papier „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>%1: a sheet of %2 layouts; only the first (%3 x %4 labels) is used</source>
        <translation>%1: ein Bogen mit %2 Anordnungen; nur die erste (%3 x %4 Etiketten) wird verwendet</translation>
    </message>
</context>
<context>
    <name>ImageTool</name>
    <message>
        <source>The image file name contains a line break and cannot be used:
%1</source>
        <translation>Der Dateiname des Bildes enthält einen Zeilenumbruch und lässt sich nicht verwenden:
%1</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Auf Größe strecken</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
</context>
<context>
    <name>ItemMenus</name>
    <message>
        <source>(no merge source: File, Merge…)</source>
        <translation>(keine Datenquelle: Datei, Seriendruck …)</translation>
    </message>
</context>
<context>
    <name>ItemPlacer</name>
    <message>
        <source>The image file name contains a line break and cannot be used:
%1</source>
        <translation>Der Dateiname des Bildes enthält einen Zeilenumbruch und lässt sich nicht verwenden:
%1</translation>
    </message>
</context>
<context>
    <name>ItemTools</name>
    <message>
        <source>Drag to place a barcode</source>
        <translation>Ziehen, um einen Strichcode zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place a horizontal line</source>
        <translation>Ziehen, um eine waagerechte Linie zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place a rectangle</source>
        <translation>Ziehen, um ein Rechteck zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place a rounded rectangle</source>
        <translation>Ziehen, um ein abgerundetes Rechteck zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place a symbol</source>
        <translation>Ziehen, um ein Symbol zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place a text</source>
        <translation>Ziehen, um einen Text zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place a vertical line</source>
        <translation>Ziehen, um eine senkrechte Linie zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place an ellipse</source>
        <translation>Ziehen, um eine Ellipse zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place an image</source>
        <translation>Ziehen, um ein Bild zu platzieren</translation>
    </message>
    <message>
        <source>Drag to place the counter</source>
        <translation>Ziehen, um den Zähler zu platzieren</translation>
    </message>
    <message>
        <source>This option requires the Windows font WINGDINGS to be installed</source>
        <translation>Hierfür muss die Windows-Schrift WINGDINGS installiert sein</translation>
    </message>
</context>
<context>
    <name>JobWarnings</name>
    <message>
        <source>1 record has warnings</source>
        <translation>1 Datensatz hat Warnungen</translation>
    </message>
    <message>
        <source>%1 records have warnings</source>
        <translation>%1 Datensätze haben Warnungen</translation>
    </message>
    <message>
        <source>1 label has warnings</source>
        <translation>1 Etikett hat Warnungen</translation>
    </message>
    <message>
        <source>%1 labels have warnings</source>
        <translation>%1 Etiketten haben Warnungen</translation>
    </message>
    <message>
        <source>The job has warnings</source>
        <translation>Der Auftrag hat Warnungen</translation>
    </message>
</context>
<context>
    <name>LabelDocument</name>
    <message>
        <source>It is neither a Quorvane label file nor a gLabels document.</source>
        <translation>Es ist weder eine Quorvane-Etikettendatei noch ein gLabels-Dokument.</translation>
    </message>
    <message>
        <source>Labels (*.qvlabel *.glabels)</source>
        <translation>Etiketten (*.qvlabel *.glabels)</translation>
    </message>
    <message>
        <source>Quorvane labels (*.qvlabel)</source>
        <translation>Quorvane-Etiketten (*.qvlabel)</translation>
    </message>
    <message>
        <source>gLabels documents (*.glabels)</source>
        <translation>gLabels-Dokumente (*.glabels)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>LabelExport</name>
    <message>
        <source>%1: larger than %2 MB</source>
        <translation>%1: größer als %2 MB</translation>
    </message>
</context>
<context>
    <name>LabelFile</name>
    <message>
        <source>It is not a Quorvane label file.</source>
        <translation>Es ist keine Quorvane-Etikettendatei.</translation>
    </message>
    <message>
        <source>Its version is missing or not a whole number.</source>
        <translation>Seine Version fehlt oder ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>It was written by a newer version of Quorvane (label file version %1; this version reads up to %2).</source>
        <translation>Es wurde von einer neueren Version von Quorvane geschrieben (Etikettendatei-Version %1; diese Version liest bis %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a text.</source>
        <translation>„%1“ fehlt oder ist kein Text.</translation>
    </message>
    <message>
        <source>The label has no description.</source>
        <translation>Das Etikett hat keine Beschreibung.</translation>
    </message>
    <message>
        <source>&quot;template&quot; is missing.</source>
        <translation>„template“ fehlt.</translation>
    </message>
    <message>
        <source>The template&apos;s %1 is missing or not a length in inches from %2 to %3.</source>
        <translation>Der Wert %1 der Vorlage fehlt oder ist keine Länge in Zoll von %2 bis %3.</translation>
    </message>
    <message>
        <source>The template&apos;s label has no size.</source>
        <translation>Das Etikett der Vorlage hat keine Größe.</translation>
    </message>
    <message>
        <source>The template&apos;s %1 is missing or not a count from 1 to %2.</source>
        <translation>Der Wert %1 der Vorlage fehlt oder ist keine Anzahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>The paper size &quot;%1&quot; is not known.</source>
        <translation>Das Papierformat „%1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>The label shape &quot;%1&quot; is not known.</source>
        <translation>Die Etikettenform „%1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>&quot;objects&quot; is missing or not a list of lines.</source>
        <translation>„objects“ fehlt oder ist keine Liste von Zeilen.</translation>
    </message>
    <message>
        <source>A line of &quot;objects&quot; is not a text.</source>
        <translation>Eine Zeile von „objects“ ist kein Text.</translation>
    </message>
    <message>
        <source>A line of &quot;objects&quot; holds a line break.</source>
        <translation>Eine Zeile von „objects“ enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list.</source>
        <translation>„pictures“ ist keine Liste.</translation>
    </message>
    <message>
        <source>It holds more than %1 pictures.</source>
        <translation>Es enthält mehr als %1 Bilder.</translation>
    </message>
    <message>
        <source>A picture lacks its path, name or data. </source>
        <translation>Einem Bild fehlen Pfad, Name oder Daten. </translation>
    </message>
    <message>
        <source>The picture name &quot;%1&quot; is not a plain file name: a label file may not place files outside the pictures folder.</source>
        <translation>Der Bildname „%1“ ist kein einfacher Dateiname: eine Etikettendatei darf keine Dateien außerhalb des Bilderordners ablegen.</translation>
    </message>
    <message>
        <source>Two pictures are named &quot;%1&quot;.</source>
        <translation>Zwei Bilder heißen „%1“.</translation>
    </message>
    <message>
        <source>The data of the picture &quot;%1&quot; is not base64.</source>
        <translation>Die Daten des Bildes „%1“ sind nicht Base64.</translation>
    </message>
    <message>
        <source>It is damaged (%1 at byte %2).</source>
        <translation>Es ist beschädigt (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The template&apos;s %1 is not a length from %2 to %3 inches.</source>
        <translation>Der Wert %1 der Vorlage ist keine Länge von %2 bis %3 Zoll.</translation>
    </message>
    <message>
        <source>The template&apos;s %1 is not a count from 1 to %2.</source>
        <translation>Der Wert %1 der Vorlage ist keine Anzahl von 1 bis %2.</translation>
    </message>
</context>
<context>
    <name>LabelFileCommands</name>
    <message>
        <source>There is no label to export yet.</source>
        <translation>Es gibt noch kein Etikett zum Exportieren.</translation>
    </message>
    <message>
        <source>Export Label</source>
        <translation>Etikett exportieren</translation>
    </message>
    <message>
        <source>Quorvane labels (*.qvlabel)</source>
        <translation>Quorvane-Etiketten (*.qvlabel)</translation>
    </message>
    <message>
        <source>The label could not be exported to %1: %2</source>
        <translation>Das Etikett konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>The label was exported to %1 without these pictures, which could not be read:

%2</source>
        <translation>Das Etikett wurde ohne diese Bilder nach %1 exportiert, da sie sich nicht lesen ließen:

%2</translation>
    </message>
    <message>
        <source>Label exported to %1</source>
        <translation>Etikett nach %1 exportiert</translation>
    </message>
    <message>
        <source>Import Label</source>
        <translation>Etikett importieren</translation>
    </message>
    <message>
        <source>%1 cannot be imported. %2

Nothing was changed.</source>
        <translation>%1 lässt sich nicht importieren. %2

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The label table is not open.</source>
        <translation>Die Etikettentabelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Save or cancel the changes to the current label first.</source>
        <translation>Speichern oder verwerfen Sie zuerst die Änderungen am aktuellen Etikett.</translation>
    </message>
    <message>
        <source>%1 was imported as &quot;%2&quot;. These parts of it could not be carried over:

%3</source>
        <translation>%1 wurde als „%2“ importiert. Diese Teile ließen sich nicht übernehmen:

%3</translation>
    </message>
    <message>
        <source>%1 imported as &quot;%2&quot;</source>
        <translation>%1 als „%2“ importiert</translation>
    </message>
</context>
<context>
    <name>LabelImport</name>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 x %3 pixels).</source>
        <translation>Das Bild „%1“ ist zu groß (%2 x %3 Pixel).</translation>
    </message>
    <message>
        <source>The picture name &quot;%1&quot; is not a plain file name.</source>
        <translation>Der Bildname „%1“ ist kein einfacher Dateiname.</translation>
    </message>
    <message>
        <source>The label could not be added to the label table: %1</source>
        <translation>Das Etikett konnte der Etikettentabelle nicht hinzugefügt werden: %1</translation>
    </message>
</context>
<context>
    <name>LabelItems</name>
    <message>
        <source>A label can hold at most %1 items. Delete an item before adding another.</source>
        <translation>Ein Etikett kann höchstens %1 Elemente enthalten. Löschen Sie ein Element, bevor Sie ein weiteres hinzufügen.</translation>
    </message>
</context>
<context>
    <name>LabelRecords</name>
    <message>
        <source>{untitled label}</source>
        <translation>{unbenanntes Etikett}</translation>
    </message>
    <message>
        <source>There is no label to save yet. Start one with New Label.</source>
        <translation>Es gibt noch kein Etikett zum Speichern. Beginnen Sie eines mit „Neues Etikett“.</translation>
    </message>
    <message>
        <source>

This label was only partly loaded: the items after the faulty value are not shown. Saving it now would drop them from the stored label.</source>
        <translation>

Dieses Etikett wurde nur teilweise geladen: die Elemente nach dem fehlerhaften Wert werden nicht gezeigt. Jetzt zu speichern würde sie aus dem gespeicherten Etikett entfernen.</translation>
    </message>
    <message>
        <source>Need a description please</source>
        <translation>Bitte geben Sie eine Beschreibung an</translation>
    </message>
    <message>
        <source>A label with this name already exists.<byte value="xd"/>Please change the name</source>
        <translation>Es gibt schon ein Etikett mit diesem Namen.<byte value="xd"/>Bitte ändern Sie den Namen</translation>
    </message>
    <message>
        <source>Clone the current label?</source>
        <translation>Das aktuelle Etikett duplizieren?</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Clone of </source>
        <translation>Duplikat von </translation>
    </message>
    <message>
        <source>Delete entire label?</source>
        <translation>Das ganze Etikett löschen?</translation>
    </message>
    <message>
        <source>Delete Entire Label</source>
        <translation>Ganzes Etikett löschen</translation>
    </message>
    <message>
        <source>This feature allows you to replace your current label template with another. Proceed?</source>
        <translation>Hiermit ersetzen Sie die Vorlage des aktuellen Etiketts durch eine andere. Fortfahren?</translation>
    </message>
    <message>
        <source>Complete!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Einrichten</translation>
    </message>
</context>
<context>
    <name>LabelTable</name>
    <message>
        <source>%1 was not written</source>
        <translation>%1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>Unable to create QVLBLS.DBF</source>
        <translation>QVLBLS.DBF kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>We were unable to open the label file: QVLBLS.DBF</source>
        <translation>Die Etikettendatei konnte nicht geöffnet werden: QVLBLS.DBF</translation>
    </message>
</context>
<context>
    <name>LabelTableModel</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Height &quot;</source>
        <translation>Höhe &quot;</translation>
    </message>
    <message>
        <source>Width &quot;</source>
        <translation>Breite &quot;</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Untereinander</translation>
    </message>
</context>
<context>
    <name>LibreOfficeLabelsFile</name>
    <message>
        <source>the measure &quot;%1&quot; is not of the form S;HDist;VDist;Width;Height;Left;Upper;Cols;Rows;PWidth;PHeight</source>
        <translation>das Maß „%1“ hat nicht die Form S;HDist;VDist;Width;Height;Left;Upper;Cols;Rows;PWidth;PHeight</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the measure is not a length</source>
        <translation>„%1“ im Maß ist keine Länge</translation>
    </message>
    <message>
        <source>This is not a LibreOffice label file</source>
        <translation>Dies ist keine LibreOffice-Etikettendatei</translation>
    </message>
    <message>
        <source>The label file is damaged at line %1: %2</source>
        <translation>Die Etikettendatei ist in Zeile %1 beschädigt: %2</translation>
    </message>
</context>
<context>
    <name>LineTools</name>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>3 point</source>
        <translation>3 Punkt</translation>
    </message>
    <message>
        <source>%1 Point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
</context>
<context>
    <name>MenuBuilder</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Insert &amp;Merge Field</source>
        <translation>&amp;Seriendruckfeld einfügen</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Senkrecht zentrieren</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Waagerecht zentrieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>MergeRun</name>
    <message>
        <source>there are no records</source>
        <translation>es gibt keine Datensätze</translation>
    </message>
    <message>
        <source>there is no record %1: the source holds %2</source>
        <translation>es gibt keinen Datensatz %1: die Quelle enthält %2</translation>
    </message>
    <message>
        <source>the range of records is empty</source>
        <translation>der Bereich der Datensätze ist leer</translation>
    </message>
    <message>
        <source>the file has changed since the job began</source>
        <translation>die Datei hat sich seit Beginn des Auftrags geändert</translation>
    </message>
    <message>
        <source>%1 records with %2 copies each would take %3 sheets; one job prints at most %4 sheets.</source>
        <translation>%1 Datensätze mit je %2 Exemplaren bräuchten %3 Bögen; ein Auftrag druckt höchstens %4 Bögen.</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <translation>Datensatz %1 von %2</translation>
    </message>
    <message>
        <source>, set %1 of %2</source>
        <translation>, Satz %1 von %2</translation>
    </message>
    <message>
        <source>Warning: %1 has no field %2</source>
        <translation>Warnung: %1 hat kein Feld %2</translation>
    </message>
</context>
<context>
    <name>MergeSource</name>
    <message>
        <source>field %1 of the first row has no name</source>
        <translation>Feld %1 der ersten Zeile hat keinen Namen</translation>
    </message>
    <message>
        <source>the field name &quot;%1&quot; is used twice</source>
        <translation>der Feldname „%1“ kommt zweimal vor</translation>
    </message>
</context>
<context>
    <name>MergeSourceAddress</name>
    <message>
        <source>a query of %1</source>
        <translation>eine Abfrage an %1</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; of %2</source>
        <translation>die Tabelle „%1“ in %2</translation>
    </message>
    <message>
        <source>%1, sheet &quot;%2&quot;</source>
        <translation>%1, Tabellenblatt „%2“</translation>
    </message>
</context>
<context>
    <name>MergeSourceError</name>
    <message>
        <source>, line %1</source>
        <translation>, Zeile %1</translation>
    </message>
    <message>
        <source> (record %1)</source>
        <translation> (Datensatz %1)</translation>
    </message>
    <message>
        <source>, record %1</source>
        <translation>, Datensatz %1</translation>
    </message>
</context>
<context>
    <name>MergeSourceRegistry</name>
    <message>
        <source>CSV text</source>
        <translation>CSV-Text</translation>
    </message>
    <message>
        <source>CSV text, also any name no other kind claims: the first row names the fields; &apos;,&apos;, &apos;;&apos; or tab; UTF-8 or Windows-1252</source>
        <translation>CSV-Text, auch jeder Name, den keine andere Art beansprucht: die erste Zeile benennt die Felder; &apos;,&apos;, &apos;;&apos; oder Tabulator; UTF-8 oder Windows-1252</translation>
    </message>
    <message>
        <source>dBASE/FoxPro table</source>
        <translation>dBASE-/FoxPro-Tabelle</translation>
    </message>
    <message>
        <source>a dBASE or FoxPro table, memo fields included; deleted records are left out</source>
        <translation>eine dBASE- oder FoxPro-Tabelle samt Memofeldern; gelöschte Datensätze werden ausgelassen</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tabellendokument</translation>
    </message>
    <message>
        <source>an OpenDocument or Excel spreadsheet: its first sheet (or --sheet); the first row names the fields; cells as the spreadsheet shows them, dates in ISO 8601</source>
        <translation>ein OpenDocument- oder Excel-Tabellendokument: sein erstes Tabellenblatt (oder --sheet); die erste Zeile benennt die Felder; Zellen so, wie die Tabellenkalkulation sie zeigt, Datumsangaben nach ISO 8601</translation>
    </message>
    <message>
        <source>no kind of merge source reads it</source>
        <translation>keine Art von Datenquelle kann sie lesen</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>keine gewöhnliche Datei, sondern ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Merge sources (%1)</source>
        <translation>Datenquellen (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>the file is an OpenDocument file of another kind (%1), not a spreadsheet</source>
        <translation>die Datei ist ein OpenDocument-Dokument anderer Art (%1), keine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>the file is not an OpenDocument spreadsheet (it has no content.xml)</source>
        <translation>die Datei ist keine OpenDocument-Tabellenkalkulation (sie hat keine content.xml)</translation>
    </message>
    <message>
        <source>the file has no worksheet</source>
        <translation>die Datei hat kein Tabellenblatt</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; is no longer in the file</source>
        <translation>das Tabellenblatt „%1“ ist nicht mehr in der Datei</translation>
    </message>
    <message>
        <source>the sheet&apos;s merged areas overlap past all reason</source>
        <translation>die verbundenen Bereiche des Tabellenblatts überlappen sich über jedes vernünftige Maß hinaus</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation>das Tabellenblatt hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>the sheet repeats its cells more than %1 times; it is refused</source>
        <translation>das Tabellenblatt wiederholt seine Zellen mehr als %1-mal; es wird abgewiesen</translation>
    </message>
    <message>
        <source>the sheet has more than %1 merged areas</source>
        <translation>das Tabellenblatt hat mehr als %1 verbundene Bereiche</translation>
    </message>
    <message>
        <source>a cell holds more than %1 characters</source>
        <translation>eine Zelle enthält mehr als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>1 template imported from %1.</source>
        <translation>1 Vorlage aus %1 importiert.</translation>
    </message>
    <message>
        <source>%1 templates imported from %2.</source>
        <translation>%1 Vorlagen aus %2 importiert.</translation>
    </message>
    <message>
        <source>

%1 skipped:</source>
        <translation>

%1 übersprungen:</translation>
    </message>
    <message>
        <source>

Changed to fit:</source>
        <translation>

Zum Passen geändert:</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>no space left on the device</source>
        <translation>kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>the disk quota is exhausted</source>
        <translation>das Speicherkontingent ist erschöpft</translation>
    </message>
    <message>
        <source>the file is too large for the file system</source>
        <translation>die Datei ist zu groß für das Dateisystem</translation>
    </message>
    <message>
        <source>the device reported an input/output error</source>
        <translation>das Gerät meldete einen Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>the reader of the output has gone</source>
        <translation>der Empfänger der Ausgabe ist nicht mehr da</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>PaperChoice</name>
    <message>
        <source>The printer has no %1 paper.</source>
        <translation>Der Drucker hat kein Papier %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no %2 paper.</source>
        <translation>Der Drucker „%1“ hat kein Papier %2.</translation>
    </message>
</context>
<context>
    <name>PaperSizes</name>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <translation>Letter (8,5 x 11&quot;)</translation>
    </message>
    <message>
        <source>Letter Landscape (11 x 8.5&quot;)</source>
        <translation>Letter quer (11 x 8,5&quot;)</translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>A4 Landscape ( 297 x 210mm)</source>
        <translation>A4 quer (297 x 210 mm)</translation>
    </message>
    <message>
        <source>A5 (148 x 210mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>Other (User Defined)</source>
        <translation>Andere (benutzerdefiniert)</translation>
    </message>
    <message>
        <source>A5 Landscape (210 x 148mm)</source>
        <translation>A5 quer (210 x 148 mm)</translation>
    </message>
    <message>
        <source>A3 (297 x 420mm)</source>
        <translation>A3 (297 x 420 mm)</translation>
    </message>
    <message>
        <source>A3 Landscape (420 x 297mm)</source>
        <translation>A3 quer (420 x 297 mm)</translation>
    </message>
    <message>
        <source>Legal (8.5 x 14&quot;)</source>
        <translation>Legal (8,5 x 14&quot;)</translation>
    </message>
    <message>
        <source>Legal Landscape (14 x 8.5&quot;)</source>
        <translation>Legal quer (14 x 8,5&quot;)</translation>
    </message>
    <message>
        <source>Tabloid (11 x 17&quot;)</source>
        <translation>Tabloid (11 x 17&quot;)</translation>
    </message>
    <message>
        <source>Tabloid Landscape (17 x 11&quot;)</source>
        <translation>Tabloid quer (17 x 11&quot;)</translation>
    </message>
    <message>
        <source>Roll (label printer)</source>
        <translation>Rolle (Etikettendrucker)</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Roll %1 in</source>
        <translation>Rolle %1 in</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Other %1 x %2 in</source>
        <translation>Andere %1 x %2 in</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2.</source>
        <translation>Das Bild „%1“ lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the bitmap is damaged</source>
        <translation>die Bitmap ist beschädigt</translation>
    </message>
    <message>
        <source>the metafile header is damaged</source>
        <translation>der Kopf der Metadatei ist beschädigt</translation>
    </message>
    <message>
        <source>the SVG drawing is damaged</source>
        <translation>die SVG-Zeichnung ist beschädigt</translation>
    </message>
    <message>
        <source>it is not a picture this program reads</source>
        <translation>es ist kein Bild, das dieses Programm liest</translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2)</source>
        <translation>das %1-Bild ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Alle Bilder (%1)</translation>
    </message>
    <message>
        <source>Windows bitmaps</source>
        <translation>Windows-Bitmaps</translation>
    </message>
    <message>
        <source>Windows metafiles</source>
        <translation>Windows-Metadateien</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>SVG-Zeichnungen</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>PictureFolder</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written: %2</source>
        <translation>Das Bild %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>The pictures folder holds too many pictures named like %1.</source>
        <translation>Der Bilderordner enthält zu viele Bilder mit Namen wie %1.</translation>
    </message>
</context>
<context>
    <name>PicturePrint</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the picture&apos;s file name is empty</source>
        <translation>der Dateiname des Bildes ist leer</translation>
    </message>
</context>
<context>
    <name>PreviewStreamReader</name>
    <message>
        <source>The preview is not in a known format.</source>
        <translation>Die Vorschau hat kein bekanntes Format.</translation>
    </message>
    <message>
        <source>The preview is damaged (unknown record %1).</source>
        <translation>Die Vorschau ist beschädigt (unbekannter Eintrag %1).</translation>
    </message>
    <message>
        <source>The preview ends too early.</source>
        <translation>Die Vorschau endet zu früh.</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>No printers installed</source>
        <translation>Keine Drucker eingerichtet</translation>
    </message>
    <message>
        <source>The alignment of the printer &quot;%1&quot; could not be saved.</source>
        <translation>Die Ausrichtung des Druckers „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Printer Alignment Test</source>
        <translation>Test der Druckerausrichtung</translation>
    </message>
    <message>
        <source>Print Status</source>
        <translation>Druckstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preview Status</source>
        <translation>Vorschaustatus</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Preview Labels</source>
        <translation>Etikettenvorschau</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Copies of each label:</source>
        <translation>Exemplare jedes Etiketts:</translation>
    </message>
    <message>
        <source>Number of sheets:</source>
        <translation>Anzahl der Bögen:</translation>
    </message>
    <message>
        <source>Enter a number of sheets from 1 to %1.</source>
        <translation>Geben Sie eine Anzahl Bögen von 1 bis %1 ein.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Cannot export to PDF: %1.</source>
        <translation>Export als PDF nicht möglich: %1.</translation>
    </message>
    <message>
        <source>%1 %2 written to %3</source>
        <translation>%1 %2 in %3 geschrieben</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>Bögen</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
</context>
<context>
    <name>PrinterAlignment</name>
    <message>
        <source>The %1 was not a number; it is set to its default.</source>
        <translation>%1 war keine Zahl; der Wert wird auf die Vorgabe gesetzt.</translation>
    </message>
    <message>
        <source>The %1 must lie within %2; it is set to the nearest limit.</source>
        <translation>%1 muss innerhalb von %2 liegen; der Wert wird auf die nächste Grenze gesetzt.</translation>
    </message>
    <message>
        <source>±0.5 in (±12.7 mm)</source>
        <translation>±0,5 in (±12,7 mm)</translation>
    </message>
    <message>
        <source>horizontal offset</source>
        <translation>Der waagerechte Versatz</translation>
    </message>
    <message>
        <source>vertical offset</source>
        <translation>Der senkrechte Versatz</translation>
    </message>
    <message>
        <source>horizontal scale correction</source>
        <translation>Die waagerechte Maßstabskorrektur</translation>
    </message>
    <message>
        <source>vertical scale correction</source>
        <translation>Die senkrechte Maßstabskorrektur</translation>
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
    <name>PropertyBar</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Font of the selected texts</source>
        <translation>Schrift der ausgewählten Texte</translation>
    </message>
    <message>
        <source>The font of the selected texts and counters. A font this computer lacks shows as the font that prints in its place; the texts keep theirs until you pick another one here.</source>
        <translation>Die Schrift der ausgewählten Texte und Zähler. Eine Schrift, die diesem Computer fehlt, erscheint als die Schrift, die an ihrer Stelle gedruckt wird; die Texte behalten ihre, bis Sie hier eine andere wählen.</translation>
    </message>
    <message>
        <source>Font size in points</source>
        <translation>Schriftgröße in Punkt</translation>
    </message>
    <message>
        <source>The size in points of the selected texts, counters and symbols. Blank when they differ.</source>
        <translation>Die Größe der ausgewählten Texte, Zähler und Symbole in Punkt. Leer, wenn sie sich unterscheiden.</translation>
    </message>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Turns %1 on or off for every selected text and counter.</source>
        <translation>Schaltet „%1“ für jeden ausgewählten Text und Zähler ein oder aus.</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Line thickness</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>The thickness of the selected lines and of the outlines of the selected shapes. Blank when they differ.</source>
        <translation>Die Stärke der ausgewählten Linien und der Umrisse der ausgewählten Formen. Leer, wenn sie sich unterscheiden.</translation>
    </message>
    <message>
        <source>Fill colour</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>Shows the %1 of the selected items (a question mark when they differ); click to choose another for all of them.</source>
        <translation>Zeigt „%1“ der ausgewählten Elemente (ein Fragezeichen, wenn sie sich unterscheiden); klicken Sie, um für alle eine andere zu wählen.</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Distance of the left edge from the label&apos;s left edge</source>
        <translation>Abstand des linken Randes vom linken Rand des Etiketts</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Distance of the top edge from the label&apos;s top edge</source>
        <translation>Abstand des oberen Randes vom oberen Rand des Etiketts</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>%1 of the selected items in the label&apos;s unit. Type a number and press Enter to apply it to all of them; Escape puts back the present value.</source>
        <translation>%1 der ausgewählten Elemente in der Einheit des Etiketts. Geben Sie eine Zahl ein und drücken Sie die Eingabetaste, um sie auf alle anzuwenden; Esc stellt den jetzigen Wert wieder her.</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>&amp;Farbe …</translation>
    </message>
    <message>
        <source>&amp;No Fill</source>
        <translation>&amp;Keine Füllung</translation>
    </message>
</context>
<context>
    <name>QueryCheck</name>
    <message>
        <source>the query has a quote or comment that is never closed</source>
        <translation>die Abfrage hat ein Anführungszeichen oder einen Kommentar, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>only one statement is run; the query goes on after &apos;;&apos;</source>
        <translation>es wird nur eine Anweisung ausgeführt; die Abfrage geht nach „;“ weiter</translation>
    </message>
    <message>
        <source>the query is empty</source>
        <translation>die Abfrage ist leer</translation>
    </message>
    <message>
        <source>only SELECT statements are run; this one begins with %1</source>
        <translation>es werden nur SELECT-Anweisungen ausgeführt; diese beginnt mit %1</translation>
    </message>
</context>
<context>
    <name>RecordBar</name>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>The record the label shows; type a number to go to it</source>
        <translation>Der Datensatz, den das Etikett zeigt; geben Sie eine Nummer ein, um dorthin zu gehen</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Shows the label as the source&apos;s first record prints.</source>
        <translation>Zeigt das Etikett, wie es mit dem ersten Datensatz der Quelle gedruckt wird.</translation>
    </message>
    <message>
        <source>Shows the label as the record before prints.</source>
        <translation>Zeigt das Etikett, wie es mit dem vorherigen Datensatz gedruckt wird.</translation>
    </message>
    <message>
        <source>Shows the label as the next record prints.</source>
        <translation>Zeigt das Etikett, wie es mit dem nächsten Datensatz gedruckt wird.</translation>
    </message>
    <message>
        <source>Shows the label as the source&apos;s last record prints.</source>
        <translation>Zeigt das Etikett, wie es mit dem letzten Datensatz der Quelle gedruckt wird.</translation>
    </message>
    <message>
        <source>The record of the merge source the label shows: texts, barcodes and pictures as they print for it. Type a number to go to that record. Saving never depends on it.</source>
        <translation>Der Datensatz der Datenquelle, den das Etikett zeigt: Texte, Strichcodes und Bilder so, wie sie für ihn gedruckt werden. Geben Sie eine Nummer ein, um zu diesem Datensatz zu gehen. Das Speichern hängt nie davon ab.</translation>
    </message>
    <message>
        <source>The merge source chosen for the label (File, Merge).</source>
        <translation>Die für das Etikett gewählte Datenquelle (Datei, Seriendruck).</translation>
    </message>
    <message>
        <source>Merge: %1</source>
        <translation>Seriendruck: %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>(cannot be read)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>Record shown</source>
        <translation>Gezeigter Datensatz</translation>
    </message>
</context>
<context>
    <name>RecoveryJournal</name>
    <message>
        <source>Unsaved changes cannot be kept for recovery after a crash (%1). You can go on editing; save your label to keep it.</source>
        <translation>Nicht gespeicherte Änderungen können nicht für eine Wiederherstellung nach einem Absturz bewahrt werden (%1). Sie können weiterarbeiten; speichern Sie Ihr Etikett, um es zu behalten.</translation>
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
    <name>SelectionProperties</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>SelectionToolRow</name>
    <message>
        <source>Move left one pixel</source>
        <translation>Ein Pixel nach links</translation>
    </message>
    <message>
        <source>Move up one pixel</source>
        <translation>Ein Pixel nach oben</translation>
    </message>
    <message>
        <source>Move down one pixel</source>
        <translation>Ein Pixel nach unten</translation>
    </message>
    <message>
        <source>Move right one pixel</source>
        <translation>Ein Pixel nach rechts</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Alle verschieben</translation>
    </message>
    <message>
        <source>The arrow buttons move every item of the label</source>
        <translation>Die Pfeilschaltflächen verschieben jedes Element des Etiketts</translation>
    </message>
    <message>
        <source>When checked, the four arrow buttons move every item of the label by one pixel; when clear, they move the selected item only.</source>
        <translation>Wenn angekreuzt, verschieben die vier Pfeilschaltflächen jedes Element des Etiketts um ein Pixel; sonst nur das ausgewählte Element.</translation>
    </message>
    <message>
        <source>Delete the selected item</source>
        <translation>Das ausgewählte Element löschen</translation>
    </message>
    <message>
        <source>Properties of the selected item</source>
        <translation>Eigenschaften des ausgewählten Elements</translation>
    </message>
    <message>
        <source>Moves the selected item one pixel %1; held down, it keeps moving. With &quot;Move All&quot; checked it moves every item of the label instead.</source>
        <translation>Verschiebt das ausgewählte Element um ein Pixel nach %1; gedrückt gehalten, bewegt es sich weiter. Mit „Alle verschieben“ angekreuzt verschiebt sie stattdessen jedes Element des Etiketts.</translation>
    </message>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
</context>
<context>
    <name>SessionPasswords</name>
    <message>
        <source>Database Password</source>
        <translation>Datenbankpasswort</translation>
    </message>
    <message>
        <source>The password of %1 for %2:</source>
        <translation>Das Passwort von %1 für %2:</translation>
    </message>
    <message>
        <source>your user</source>
        <translation>Ihrem Benutzer</translation>
    </message>
</context>
<context>
    <name>ShapeTools</name>
    <message>
        <source>Degree of Rounding</source>
        <translation>Grad der Rundung</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>%1 Point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>Clear (Transparent)</source>
        <translation>Leer (durchsichtig)</translation>
    </message>
    <message>
        <source>45-degree upward hatch (left to right) </source>
        <translation>45-Grad-Schraffur aufwärts (von links nach rechts) </translation>
    </message>
    <message>
        <source>Horizontal and vertical crosshatch</source>
        <translation>Waagerechte und senkrechte Kreuzschraffur</translation>
    </message>
    <message>
        <source>45-degree crosshatch </source>
        <translation>45-Grad-Kreuzschraffur </translation>
    </message>
    <message>
        <source>45-degree downward hatch (left to right) </source>
        <translation>45-Grad-Schraffur abwärts (von links nach rechts) </translation>
    </message>
    <message>
        <source>Horizontal hatch </source>
        <translation>Waagerechte Schraffur </translation>
    </message>
    <message>
        <source>Vertical hatch</source>
        <translation>Senkrechte Schraffur</translation>
    </message>
</context>
<context>
    <name>SharedStrings</name>
    <message>
        <source>the workbook&apos;s table of shared strings cannot be kept in a temporary file in %1: %2</source>
        <translation>die Tabelle gemeinsamer Zeichenketten der Arbeitsmappe lässt sich nicht in einer temporären Datei in %1 ablegen: %2</translation>
    </message>
    <message>
        <source>the workbook&apos;s table of shared strings cannot be written to a temporary file in %1: %2</source>
        <translation>die Tabelle gemeinsamer Zeichenketten der Arbeitsmappe lässt sich nicht in eine temporäre Datei in %1 schreiben: %2</translation>
    </message>
    <message>
        <source>the workbook&apos;s table of shared strings cannot be read back from its temporary file: %1</source>
        <translation>die Tabelle gemeinsamer Zeichenketten der Arbeitsmappe lässt sich nicht aus ihrer temporären Datei zurücklesen: %1</translation>
    </message>
</context>
<context>
    <name>SheetFinder</name>
    <message>
        <source>The template could not be looked up: %1</source>
        <translation>Die Vorlage konnte nicht nachgeschlagen werden: %1</translation>
    </message>
    <message>
        <source>The template could not be added to the template table: %1</source>
        <translation>Die Vorlage konnte der Vorlagentabelle nicht hinzugefügt werden: %1</translation>
    </message>
</context>
<context>
    <name>SheetPreview</name>
    <message>
        <source>The selected sheet drawn to scale: the paper and every label on it.</source>
        <translation>Der gewählte Bogen maßstabsgetreu: das Papier und jedes Etikett darauf.</translation>
    </message>
</context>
<context>
    <name>SheetRenderer</name>
    <message>
        <source>Record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <source>Test Report</source>
        <translation>Testbericht</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Etikett %1</translation>
    </message>
</context>
<context>
    <name>SheetRules</name>
    <message>
        <source>The label has no size</source>
        <translation>Das Etikett hat keine Größe</translation>
    </message>
    <message>
        <source>The labels across and down must each be from 1 to %1</source>
        <translation>Die Etiketten nebeneinander und untereinander müssen jeweils 1 bis %1 sein</translation>
    </message>
    <message>
        <source>The first label starts outside the paper</source>
        <translation>Das erste Etikett beginnt außerhalb des Papiers</translation>
    </message>
    <message>
        <source>The labels overlap: a horizontal pitch of %1 in is less than the label width of %2 in</source>
        <translation>Die Etiketten überlappen: ein waagerechter Abstand von %1 in ist kleiner als die Etikettenbreite von %2 in</translation>
    </message>
    <message>
        <source>The labels overlap: a vertical pitch of %1 in is less than the label height of %2 in</source>
        <translation>Die Etiketten überlappen: ein senkrechter Abstand von %1 in ist kleiner als die Etikettenhöhe von %2 in</translation>
    </message>
    <message>
        <source>The paper has no size</source>
        <translation>Das Papier hat keine Größe</translation>
    </message>
    <message>
        <source>The labels do not fit on the paper: the last label ends %1 in from the left edge of a paper %2 in wide</source>
        <translation>Die Etiketten passen nicht auf das Papier: das letzte Etikett endet %1 in vom linken Rand eines %2 in breiten Papiers</translation>
    </message>
    <message>
        <source>The labels do not fit on the paper: the last label ends %1 in from the top edge of a paper %2 in high</source>
        <translation>Die Etiketten passen nicht auf das Papier: das letzte Etikett endet %1 in vom oberen Rand eines %2 in hohen Papiers</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMergeSource</name>
    <message>
        <source>the sheet &quot;%1&quot; is empty; its first row must name the fields</source>
        <translation>das Tabellenblatt „%1“ ist leer; seine erste Zeile muss die Felder benennen</translation>
    </message>
    <message>
        <source>sheet &quot;%1&quot;, row %2: column %3 has no field name</source>
        <translation>Tabellenblatt „%1“, Zeile %2: Spalte %3 hat keinen Feldnamen</translation>
    </message>
</context>
<context>
    <name>SpreadsheetReader</name>
    <message>
        <source>sheet &quot;%1&quot;, row %2: %3</source>
        <translation>Tabellenblatt „%1“, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the file has no worksheet</source>
        <translation>die Datei hat kein Tabellenblatt</translation>
    </message>
    <message>
        <source>the file has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>die Datei hat kein Tabellenblatt „%1“; ihre Tabellenblätter sind %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>%1 is a symbolic link that leads round in a circle</source>
        <translation>%1 ist eine symbolische Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <source>%1 is %2, not a file; give the name of a file</source>
        <translation>%1 ist %2, keine Datei; geben Sie den Namen einer Datei an</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot write %1: the file was cut short (is the disk full?)</source>
        <translation>%1 lässt sich nicht schreiben: die Datei wurde abgeschnitten (ist der Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>SymbolTool</name>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
</context>
<context>
    <name>TCanvasReport</name>
    <message>
        <source>The output device could not be opened.</source>
        <translation>Das Ausgabegerät ließ sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>TDatabaseSourceDialog</name>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>MySQL or MariaDB</source>
        <translation>MySQL oder MariaDB</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>the driver&apos;s</source>
        <translation>Vorgabe des Treibers</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen …</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>Date&amp;nbank:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>The password is asked for when the database wants one, and never stored.</source>
        <translation>Das Passwort wird erfragt, wenn die Datenbank eines verlangt, und nie gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Tabelle:</translation>
    </message>
    <message>
        <source>&amp;Query (one SELECT statement):</source>
        <translation>Ab&amp;frage (eine SELECT-Anweisung):</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>the database file</source>
        <translation>die Datenbankdatei</translation>
    </message>
    <message>
        <source>the data source&apos;s name</source>
        <translation>der Name der Datenquelle</translation>
    </message>
    <message>
        <source>the database&apos;s name</source>
        <translation>der Name der Datenbank</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 Datensatz</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>Choose SQLite Database</source>
        <translation>SQLite-Datenbank wählen</translation>
    </message>
    <message>
        <source>SQLite databases (*.db *.sqlite *.sqlite3 *.db3)</source>
        <translation>SQLite-Datenbanken (*.db *.sqlite *.sqlite3 *.db3)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>T&amp;esten</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>First records</source>
        <translation>Erste Datensätze</translation>
    </message>
</context>
<context>
    <name>TFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Schrift&amp;schnitt:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>There is no font with that name.
Choose a font from the list of fonts.</source>
        <translation>Es gibt keine Schrift mit diesem Namen.
Wählen Sie eine Schrift aus der Liste.</translation>
    </message>
    <message>
        <source>Size must be a number.</source>
        <translation>Die Größe muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Font styles</source>
        <translation>Schriftschnitte</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
</context>
<context>
    <name>TGetCounter</name>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation>Startnummer</translation>
    </message>
    <message>
        <source>The number printed on the first label; any whole number.</source>
        <translation>Die Nummer, die auf das erste Etikett gedruckt wird; jede ganze Zahl.</translation>
    </message>
    <message>
        <source>Repeat for how many labels?</source>
        <translation>Für wie viele Etiketten wiederholen?</translation>
    </message>
    <message>
        <source>How many labels in a row print the same number before it goes up by one (1 to 999).</source>
        <translation>Wie viele Etiketten nacheinander dieselbe Nummer tragen, bevor sie um eins steigt (1 bis 999).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TGetSymbol</name>
    <message>
        <source>Select Symbol</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <source>The characters of the symbol font; click one.</source>
        <translation>Die Zeichen der Symbolschrift; klicken Sie eines an.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Choose the colour the symbol is printed in.</source>
        <translation>Wählen Sie die Farbe, in der das Symbol gedruckt wird.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
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
    <name>TImageBrowse</name>
    <message>
        <source>Image Browse</source>
        <translation>Bild suchen</translation>
    </message>
    <message>
        <source>Where to look: a file system root or your home.</source>
        <translation>Wo gesucht wird: eine Wurzel des Dateisystems oder Ihr persönlicher Ordner.</translation>
    </message>
    <message>
        <source>Double-click a folder to open it.</source>
        <translation>Doppelklicken Sie auf einen Ordner, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>Type or paste the path of a picture or a folder; Enter opens a folder and chooses a picture.</source>
        <translation>Geben Sie den Pfad eines Bildes oder Ordners ein oder fügen Sie ihn ein; die Eingabetaste öffnet einen Ordner und wählt ein Bild.</translation>
    </message>
    <message>
        <source>The pictures of the folder; click one to see it, type the start of a name to jump to it.</source>
        <translation>Die Bilder des Ordners; klicken Sie eines an, um es zu sehen, oder tippen Sie den Anfang eines Namens, um dorthin zu springen.</translation>
    </message>
    <message>
        <source>Which kinds of picture the file list shows.</source>
        <translation>Welche Bildarten die Dateiliste zeigt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>SVG-Zeichnungen</translation>
    </message>
    <message>
        <source>Windows bitmaps</source>
        <translation>Windows-Bitmaps</translation>
    </message>
    <message>
        <source>Windows metafiles</source>
        <translation>Windows-Metadateien</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>WebP</source>
        <translation>WebP</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of picture the program reads.</source>
        <translation>„%1“ ist keine Bildart, die das Programm liest.</translation>
    </message>
    <message>
        <source>There is no file or folder &quot;%1&quot;.</source>
        <translation>Es gibt keine Datei und keinen Ordner „%1“.</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>, %1 dpi (%2 × %3 mm)</source>
        <translation>, %1 dpi (%2 × %3 mm)</translation>
    </message>
    <message>
        <source>, with transparency</source>
        <translation>, mit Transparenz</translation>
    </message>
    <message>
        <source>SVG drawing, %1 × %2 mm</source>
        <translation>SVG-Zeichnung, %1 × %2 mm</translation>
    </message>
    <message>
        <source>Windows metafile, %1 × %2 mm</source>
        <translation>Windows-Metadatei, %1 × %2 mm</translation>
    </message>
    <message>
        <source>; shown at %1 %</source>
        <translation>; gezeigt mit %1 %</translation>
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
<context>
    <name>TLabelPrint</name>
    <message>
        <source>Print Status Screen</source>
        <translation>Druckstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing Page %p</source>
        <translation>Drucke Seite %p</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Drucke Seite %p</translation>
    </message>
    <message>
        <source>Label Print Failed!</source>
        <translation>Etikettendruck fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Label Preview Failed!</source>
        <translation>Etikettenvorschau fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Label Print Canceled!</source>
        <translation>Etikettendruck abgebrochen!</translation>
    </message>
    <message>
        <source>Label Preview Canceled!</source>
        <translation>Etikettenvorschau abgebrochen!</translation>
    </message>
    <message>
        <source>Label Print Completed!</source>
        <translation>Etikettendruck abgeschlossen!</translation>
    </message>
    <message>
        <source>Label Preview Ready!</source>
        <translation>Etikettenvorschau bereit!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel Label Printing?</source>
        <translation>Etikettendruck abbrechen?</translation>
    </message>
    <message>
        <source>Cancel Preview?</source>
        <translation>Vorschau abbrechen?</translation>
    </message>
</context>
<context>
    <name>TMergeSourceDialog</name>
    <message>
        <source>Merge</source>
        <translation>Seriendruck</translation>
    </message>
    <message>
        <source>No merge source: every label prints alike.</source>
        <translation>Keine Datenquelle: alle Etiketten werden gleich gedruckt.</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>Tabellen&amp;blatt:</translation>
    </message>
    <message>
        <source>&amp;Print records</source>
        <translation>Datensätze &amp;drucken</translation>
    </message>
    <message>
        <source>The first record printed; with the last, a part of the source prints.</source>
        <translation>Der erste gedruckte Datensatz; mit dem letzten wird ein Teil der Quelle gedruckt.</translation>
    </message>
    <message>
        <source>The last record printed.</source>
        <translation>Der letzte gedruckte Datensatz.</translation>
    </message>
    <message>
        <source>&amp;Remember this source for the label</source>
        <translation>Diese Quelle für das Etikett &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Choose File…</source>
        <translation>Datei &amp;wählen …</translation>
    </message>
    <message>
        <source>&amp;Database…</source>
        <translation>Date&amp;nbank …</translation>
    </message>
    <message>
        <source>&amp;No Merge</source>
        <translation>&amp;Kein Seriendruck</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Merge source: %1</source>
        <translation>Datenquelle: %1</translation>
    </message>
    <message>
        <source>Records: cannot be counted</source>
        <translation>Datensätze: nicht zählbar</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 Datensatz</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>Choose Merge Source</source>
        <translation>Datenquelle wählen</translation>
    </message>
    <message>
        <source>Fields and first records</source>
        <translation>Felder und erste Datensätze</translation>
    </message>
    <message>
        <source>Last record printed</source>
        <translation>Letzter gedruckter Datensatz</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <source>Label Preview</source>
        <translation>Etikettenvorschau</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom to page width</source>
        <translation>Auf Seitenbreite zoomen</translation>
    </message>
    <message>
        <source>Zoom to whole page</source>
        <translation>Ganze Seite zeigen</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Page 1 of 1</source>
        <translation>Seite 1 von 1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Direkthilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsTab</name>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Print label &amp;outlines</source>
        <translation>Etiketten&amp;umrisse drucken</translation>
    </message>
    <message>
        <source>Draws the outline of every label printed, in a thin grey line: for a trial print on plain paper.</source>
        <translation>Zeichnet den Umriss jedes gedruckten Etiketts als dünne graue Linie: für einen Probedruck auf Normalpapier.</translation>
    </message>
    <message>
        <source>Print &amp;crop marks</source>
        <translation>&amp;Schnittmarken drucken</translation>
    </message>
    <message>
        <source>Draws short lines in the sheet&apos;s margins in line with the labels&apos; edges, to cut plain paper by.</source>
        <translation>Zeichnet kurze Linien in die Ränder des Bogens, in einer Linie mit den Etikettenrändern, um Normalpapier danach zu schneiden.</translation>
    </message>
    <message>
        <source>&amp;Mirror (print reversed)</source>
        <translation>&amp;Spiegeln (seitenverkehrt drucken)</translation>
    </message>
    <message>
        <source>Prints every sheet reversed left to right, to be read through clear film printed on its back.</source>
        <translation>Druckt jeden Bogen seitenverkehrt, um ihn durch eine auf der Rückseite bedruckte Klarsichtfolie zu lesen.</translation>
    </message>
    <message>
        <source>With a merge source, Collate prints the records once per copy; otherwise each record&apos;s copies stand together.</source>
        <translation>Mit einer Datenquelle druckt „Sortieren“ die Datensätze einmal je Exemplar; sonst stehen die Exemplare jedes Datensatzes beisammen.</translation>
    </message>
</context>
<context>
    <name>TPrinterAlignment</name>
    <message>
        <source>Printer Alignment</source>
        <translation>Druckerausrichtung</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>In inches</source>
        <translation>In Zoll</translation>
    </message>
    <message>
        <source>In Millimeters</source>
        <translation>In Millimetern</translation>
    </message>
    <message>
        <source>Print Test Sheet</source>
        <translation>Testbogen drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Horizontal offset (+ right)</source>
        <translation>Waagerechter Versatz (+ rechts)</translation>
    </message>
    <message>
        <source>Vertical offset (+ down)</source>
        <translation>Senkrechter Versatz (+ unten)</translation>
    </message>
    <message>
        <source>Horizontal scale correction</source>
        <translation>Waagerechte Maßstabskorrektur</translation>
    </message>
    <message>
        <source>Vertical scale correction</source>
        <translation>Senkrechte Maßstabskorrektur</translation>
    </message>
    <message>
        <source>Offsets up to 0.5 in (12.7 mm) either way; scale corrections up to 2 %.</source>
        <translation>Versatz bis 0,5 in (12,7 mm) in jede Richtung; Maßstabskorrekturen bis 2 %.</translation>
    </message>
</context>
<context>
    <name>TPrinterSetup</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>The printer that prints and previews the labels.</source>
        <translation>Der Drucker, der die Etiketten druckt und in der Vorschau zeigt.</translation>
    </message>
    <message>
        <source>&amp;Properties…</source>
        <translation>&amp;Eigenschaften …</translation>
    </message>
    <message>
        <source>The printer&apos;s own page settings: paper, orientation and margins.</source>
        <translation>Die eigenen Seiteneinstellungen des Druckers: Papier, Ausrichtung und Ränder.</translation>
    </message>
    <message>
        <source>The paper the printer takes. A label sheet of a stock size prints on its own size.</source>
        <translation>Das Papier im Drucker. Ein Etikettenbogen in Standardgröße wird auf seiner eigenen Größe gedruckt.</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Which way round the paper goes through.</source>
        <translation>Wie herum das Papier durchläuft.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keeps this printer and paper for printing.</source>
        <translation>Behält diesen Drucker und dieses Papier für den Druck.</translation>
    </message>
    <message>
        <source>Leaves the printer as it was.</source>
        <translation>Lässt den Drucker, wie er war.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Typ: %1</translation>
    </message>
    <message>
        <source>Where: %1</source>
        <translation>Standort: %1</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
</context>
<context>
    <name>TRecoveryQuestion</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>TReportPdfWriter</name>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>Die PDF-Datei „%1“ lässt sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>TReportPrinter</name>
    <message>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>the print spool file</source>
        <translation>die Druckspooldatei</translation>
    </message>
    <message>
        <source>The document could not be handed to the printer &quot;%1&quot;: %2.</source>
        <translation>Das Dokument konnte nicht an den Drucker „%1“ übergeben werden: %2.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not accept the document.%2</source>
        <translation>Der Drucker „%1“ hat das Dokument nicht angenommen.%2</translation>
    </message>
    <message>
        <source>No printers installed</source>
        <translation>Keine Drucker eingerichtet</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the document.</source>
        <translation>Der Drucker „%1“ konnte das Dokument nicht beginnen.</translation>
    </message>
</context>
<context>
    <name>TSelectLabel</name>
    <message>
        <source>Select Label</source>
        <translation>Etikett auswählen</translation>
    </message>
    <message>
        <source>Your stored labels by description. Choose one and press OK.</source>
        <translation>Ihre gespeicherten Etiketten nach Beschreibung. Wählen Sie eines und klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Shows the chosen label on the design panel.</source>
        <translation>Zeigt das gewählte Etikett auf der Entwurfsfläche.</translation>
    </message>
    <message>
        <source>Keeps the label shown now.</source>
        <translation>Behält das jetzt gezeigte Etikett.</translation>
    </message>
    <message>
        <source>Opens the help on choosing a label.</source>
        <translation>Öffnet die Hilfe zum Wählen eines Etiketts.</translation>
    </message>
    <message>
        <source>Stored labels</source>
        <translation>Gespeicherte Etiketten</translation>
    </message>
</context>
<context>
    <name>TSelectLabelsToPrint</name>
    <message>
        <source>Select Specific Labels</source>
        <translation>Bestimmte Etiketten auswählen</translation>
    </message>
    <message>
        <source>Tick the positions of the sheet on which labels are to be printed.</source>
        <translation>Kreuzen Sie die Stellen des Bogens an, auf die Etiketten gedruckt werden sollen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Row %1, Column %2</source>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>No labels selected</source>
        <translation>Keine Etiketten ausgewählt</translation>
    </message>
    <message>
        <source>Positions on the sheet</source>
        <translation>Stellen auf dem Bogen</translation>
    </message>
</context>
<context>
    <name>TSelectTemplate</name>
    <message>
        <source>Select Label Template</source>
        <translation>Etikettenvorlage auswählen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>The label templates: the size and layout of each sheet of labels. Choose the one that matches your labels and press OK.</source>
        <translation>Die Etikettenvorlagen: Größe und Anordnung jedes Etikettenbogens. Wählen Sie die Vorlage, die zu Ihren Etiketten passt, und klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Use the selected template for your label.</source>
        <translation>Die gewählte Vorlage für Ihr Etikett verwenden.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a template of your own, starting as a copy of the selected one.</source>
        <translation>Eine eigene Vorlage anlegen, zunächst als Kopie der gewählten.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Change the selected template (your own templates only).</source>
        <translation>Die gewählte Vorlage ändern (nur eigene Vorlagen).</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the selected template (your own templates only).</source>
        <translation>Die gewählte Vorlage löschen (nur eigene Vorlagen).</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open the help.</source>
        <translation>Die Hilfe öffnen.</translation>
    </message>
    <message>
        <source>&amp;Import Templates…</source>
        <translation>Vorlagen &amp;importieren …</translation>
    </message>
    <message>
        <source>Add the templates of a gLabels template file (*-templates.xml) or of LibreOffice&apos;s labels.xml as templates of your own.</source>
        <translation>Die Vorlagen einer gLabels-Vorlagendatei (*-templates.xml) oder der labels.xml von LibreOffice als eigene Vorlagen hinzufügen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without choosing a template.</source>
        <translation>Schließen, ohne eine Vorlage zu wählen.</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Direkthilfe</translation>
    </message>
    <message>
        <source>Brand, part number, word or size (2 x 4, 50 x 25 mm)</source>
        <translation>Marke, Artikelnummer, Wort oder Größe (2 x 4, 50 x 25 mm)</translation>
    </message>
    <message>
        <source>Type a maker, a part number (5160, L7163), any word of a template&apos;s name (shipping, round) or a label size such as 2 x 4, 2-5/8 x 1 or 50 x 25 mm, either way round. The list narrows as you type; Enter takes the selected template, the arrow keys move through the list.</source>
        <translation>Geben Sie einen Hersteller, eine Artikelnummer (5160, L7163), ein Wort aus dem Namen einer Vorlage (shipping, round) oder eine Etikettengröße wie 2 x 4, 2-5/8 x 1 oder 50 x 25 mm ein, in beliebiger Reihenfolge. Die Liste wird beim Tippen kürzer; die Eingabetaste übernimmt die gewählte Vorlage, die Pfeiltasten bewegen sich durch die Liste.</translation>
    </message>
    <message>
        <source>All papers</source>
        <translation>Alle Papiere</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Other sheets</source>
        <translation>Andere Bögen</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Show only the sheets of one paper, or the rolls of label printers.</source>
        <translation>Nur die Bögen eines Papiers oder die Rollen von Etikettendruckern zeigen.</translation>
    </message>
    <message>
        <source>All shapes</source>
        <translation>Alle Formen</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>Rounded corners</source>
        <translation>Abgerundete Ecken</translation>
    </message>
    <message>
        <source>Round or oval</source>
        <translation>Rund oder oval</translation>
    </message>
    <message>
        <source>Show only the labels of one shape.</source>
        <translation>Nur die Etiketten einer Form zeigen.</translation>
    </message>
    <message>
        <source>No template matches.</source>
        <translation>Keine Vorlage passt.</translation>
    </message>
    <message>
        <source>%1 x %2 in (%3 x %4 mm), %5 on a sheet</source>
        <translation>%1 x %2 in (%3 x %4 mm), %5 auf einem Bogen</translation>
    </message>
    <message>
        <source>Paper: %1</source>
        <translation>Papier: %1</translation>
    </message>
    <message>
        <source>Kind: %1</source>
        <translation>Art: %1</translation>
    </message>
    <message>
        <source>Same sheet: %1</source>
        <translation>Gleicher Bogen: %1</translation>
    </message>
    <message>
        <source>A template of your own</source>
        <translation>Eine eigene Vorlage</translation>
    </message>
    <message>
        <source>Copy of </source>
        <translation>Kopie von </translation>
    </message>
    <message>
        <source>Create Label Template</source>
        <translation>Etikettenvorlage anlegen</translation>
    </message>
    <message>
        <source>You may only edit User Defined Templates</source>
        <translation>Sie können nur eigene Vorlagen bearbeiten</translation>
    </message>
    <message>
        <source>Edit Label Template</source>
        <translation>Etikettenvorlage bearbeiten</translation>
    </message>
    <message>
        <source>You may only delete User Defined Templates</source>
        <translation>Sie können nur eigene Vorlagen löschen</translation>
    </message>
    <message>
        <source>Delete this Label Template?</source>
        <translation>Diese Etikettenvorlage löschen?</translation>
    </message>
    <message>
        <source>Import Templates</source>
        <translation>Vorlagen importieren</translation>
    </message>
    <message>
        <source>Template files (*-templates.xml labels.xml *.xml)</source>
        <translation>Vorlagendateien (*-templates.xml labels.xml *.xml)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Label templates</source>
        <translation>Etikettenvorlagen</translation>
    </message>
</context>
<context>
    <name>TSetRotate</name>
    <message>
        <source>Set Rotation</source>
        <translation>Drehung einstellen</translation>
    </message>
    <message>
        <source>Set Degree of Rotation (0-359)</source>
        <translation>Drehwinkel in Grad (0–359)</translation>
    </message>
    <message>
        <source>The angle of the text in degrees, counter-clockwise.</source>
        <translation>Der Winkel des Textes in Grad, gegen den Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.9</source>
        <translation>Version 1.9</translation>
    </message>
    <message>
        <source>Label design and sheet printing</source>
        <translation>Etiketten gestalten und bogenweise drucken</translation>
    </message>
    <message>
        <source>Written by the Quorvane developers</source>
        <translation>Geschrieben von den Quorvane-Entwicklern</translation>
    </message>
    <message>
        <source>64-bit version for Linux</source>
        <translation>64-Bit-Version für Linux</translation>
    </message>
</context>
<context>
    <name>TSymbologyChooser</name>
    <message>
        <source>Find Symbology</source>
        <translation>Symbologie suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Type part of a name: ean, qr, postal …</source>
        <translation>Teil eines Namens eingeben: ean, qr, postal …</translation>
    </message>
    <message>
        <source>Type part of a symbology&apos;s name; the list keeps the ones that match. Up and Down move through them, Enter takes one.</source>
        <translation>Geben Sie einen Teil des Namens einer Symbologie ein; die Liste behält die passenden. Pfeil hoch und runter gehen sie durch, die Eingabetaste übernimmt eine.</translation>
    </message>
    <message>
        <source>Every kind of barcode this program prints, by group.</source>
        <translation>Jede Strichcodeart, die das Programm druckt, nach Gruppen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 (stored as %2) takes %3.</source>
        <translation>%1 (gespeichert als %2) nimmt %3.</translation>
    </message>
    <message>
        <source>No symbology matches &quot;%1&quot;.</source>
        <translation>Keine Symbologie passt zu „%1“.</translation>
    </message>
    <message>
        <source>Symbologies</source>
        <translation>Symbologien</translation>
    </message>
</context>
<context>
    <name>TTemplateEdit</name>
    <message>
        <source>Add Label Definition</source>
        <translation>Etikettendefinition hinzufügen</translation>
    </message>
    <message>
        <source>[enter description]</source>
        <translation>[Beschreibung eingeben]</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Papierbreite</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Papierhöhe</translation>
    </message>
    <message>
        <source>In inches/1000&apos;s of an inch</source>
        <translation>In Zoll/Tausendstel Zoll</translation>
    </message>
    <message>
        <source>In Millimeters</source>
        <translation>In Millimetern</translation>
    </message>
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
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Label Shape</source>
        <translation>Etikettenform</translation>
    </message>
    <message>
        <source>Roll Width</source>
        <translation>Rollenbreite</translation>
    </message>
    <message>
        <source>Page Length</source>
        <translation>Seitenlänge</translation>
    </message>
    <message>
        <source>The name of this label sheet, as the template list shows it.</source>
        <translation>Der Name dieses Etikettenbogens, wie die Vorlagenliste ihn zeigt.</translation>
    </message>
    <message>
        <source>The width of one label.</source>
        <translation>Die Breite eines Etiketts.</translation>
    </message>
    <message>
        <source>The height of one label.</source>
        <translation>Die Höhe eines Etiketts.</translation>
    </message>
    <message>
        <source>From the left edge of one label to the left edge of the next one across.</source>
        <translation>Vom linken Rand eines Etiketts bis zum linken Rand des nächsten daneben.</translation>
    </message>
    <message>
        <source>From the top edge of one label to the top edge of the next one down.</source>
        <translation>Vom oberen Rand eines Etiketts bis zum oberen Rand des nächsten darunter.</translation>
    </message>
    <message>
        <source>How many labels stand side by side in one row (1 to 10).</source>
        <translation>Wie viele Etiketten in einer Reihe nebeneinander stehen (1 bis 10).</translation>
    </message>
    <message>
        <source>How many rows of labels the sheet holds (1 to 30).</source>
        <translation>Wie viele Etikettenreihen der Bogen hat (1 bis 30).</translation>
    </message>
    <message>
        <source>From the left edge of the sheet to the left edge of the first label.</source>
        <translation>Vom linken Rand des Bogens bis zum linken Rand des ersten Etiketts.</translation>
    </message>
    <message>
        <source>From the top edge of the sheet to the top edge of the first label.</source>
        <translation>Vom oberen Rand des Bogens bis zum oberen Rand des ersten Etiketts.</translation>
    </message>
    <message>
        <source>The paper the sheet is printed on. &quot;Roll (label printer)&quot; is a roll of labels whose page is one row of labels long.</source>
        <translation>Das Papier, auf das der Bogen gedruckt wird. „Roll (label printer)“ ist eine Etikettenrolle, deren Seite eine Etikettenreihe lang ist.</translation>
    </message>
    <message>
        <source>The width of the paper, or of the roll, for a paper of its own size.</source>
        <translation>Die Breite des Papiers oder der Rolle, bei einem Papier eigener Größe.</translation>
    </message>
    <message>
        <source>The height of the paper; for a roll, the length of one page: one label and the gap after it.</source>
        <translation>Die Höhe des Papiers; bei einer Rolle die Länge einer Seite: ein Etikett und die Lücke danach.</translation>
    </message>
    <message>
        <source>The outline of each label.</source>
        <translation>Der Umriss jedes Etiketts.</translation>
    </message>
    <message>
        <source>Enter the measurements in inches.</source>
        <translation>Die Maße in Zoll eingeben.</translation>
    </message>
    <message>
        <source>Enter the measurements in millimetres; they are stored in inches.</source>
        <translation>Die Maße in Millimetern eingeben; gespeichert werden sie in Zoll.</translation>
    </message>
    <message>
        <source>Checks the measurements and saves the template.</source>
        <translation>Prüft die Maße und speichert die Vorlage.</translation>
    </message>
    <message>
        <source>Closes without saving anything.</source>
        <translation>Schließt, ohne etwas zu speichern.</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Etikettenbreite</translation>
    </message>
    <message>
        <source>Label Height</source>
        <translation>Etikettenhöhe</translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation>Waagerechter Abstand</translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation>Senkrechter Abstand</translation>
    </message>
    <message>
        <source># across</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source># down</source>
        <translation>Untereinander</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Oberer Rand</translation>
    </message>
</context>
<context>
    <name>TTextDialog</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>The item&apos;s text. Enter starts a new line; Ctrl+Enter takes the text (OK).</source>
        <translation>Der Text des Elements. Die Eingabetaste beginnt eine neue Zeile; Strg+Eingabe übernimmt den Text (OK).</translation>
    </message>
    <message>
        <source>Insert &amp;Merge Field</source>
        <translation>&amp;Seriendruckfeld einfügen</translation>
    </message>
    <message>
        <source>Puts a field of the merge source, such as {Name}, where the cursor is.</source>
        <translation>Setzt ein Feld der Datenquelle, etwa {Name}, an die Stelle der Schreibmarke.</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Strg+Eingabe</translation>
    </message>
    <message>
        <source>Align:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Lines start at the left</source>
        <translation>Zeilen beginnen links</translation>
    </message>
    <message>
        <source>Lines centred</source>
        <translation>Zeilen zentriert</translation>
    </message>
    <message>
        <source>Lines end at the right</source>
        <translation>Zeilen enden rechts</translation>
    </message>
    <message>
        <source>Text at the top of its box</source>
        <translation>Text oben in seinem Rahmen</translation>
    </message>
    <message>
        <source>Text in the middle of its box</source>
        <translation>Text in der Mitte seines Rahmens</translation>
    </message>
    <message>
        <source>Text at the bottom of its box</source>
        <translation>Text unten in seinem Rahmen</translation>
    </message>
    <message>
        <source> (a box only).</source>
        <translation> (nur bei Rahmen).</translation>
    </message>
    <message>
        <source>Text &amp;box (keeps its width and height)</source>
        <translation>Text&amp;rahmen (behält Breite und Höhe)</translation>
    </message>
    <message>
        <source>&amp;Wrap words at the box&apos;s width</source>
        <translation>&amp;Wörter an der Rahmenbreite umbrechen</translation>
    </message>
    <message>
        <source>&amp;Shrink to fit, down to</source>
        <translation>Ver&amp;kleinern bis zum Passen, höchstens auf</translation>
    </message>
    <message>
        <source>Leave out lines whose fields are all &amp;empty</source>
        <translation>Zeilen auslassen, deren Felder alle &amp;leer sind</translation>
    </message>
    <message>
        <source>&amp;Line spacing:</source>
        <translation>&amp;Zeilenabstand:</translation>
    </message>
    <message>
        <source>The text keeps the width and height you drag it to and is laid out inside.</source>
        <translation>Der Text behält die Breite und Höhe, auf die Sie ihn ziehen, und wird darin gesetzt.</translation>
    </message>
    <message>
        <source>Lines too long for the box break between words.</source>
        <translation>Zeilen, die für den Rahmen zu lang sind, brechen zwischen Wörtern um.</translation>
    </message>
    <message>
        <source>On each label whose text would not fit, the letters get smaller, half a point at a time, down to the size given.</source>
        <translation>Auf jedem Etikett, dessen Text nicht passen würde, werden die Buchstaben in halben Punkten kleiner, bis hinab zur angegebenen Größe.</translation>
    </message>
    <message>
        <source>The smallest size shrinking may go down to.</source>
        <translation>Die kleinste Größe, bis zu der verkleinert werden darf.</translation>
    </message>
    <message>
        <source>The distance between lines as a multiple of the font&apos;s own (1.000).</source>
        <translation>Der Abstand zwischen Zeilen als Vielfaches des schrifteigenen (1,000).</translation>
    </message>
    <message>
        <source>A line whose merge fields are all empty on a label is left out; the lines below move up.</source>
        <translation>Eine Zeile, deren Seriendruckfelder auf einem Etikett alle leer sind, wird ausgelassen; die Zeilen darunter rücken nach oben.</translation>
    </message>
    <message>
        <source>(no merge source: File, Merge…)</source>
        <translation>(keine Datenquelle: Datei, Seriendruck …)</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Kleinste Größe</translation>
    </message>
</context>
<context>
    <name>TZendorMain</name>
    <message>
        <source>Exit program?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Select Label</source>
        <translation>Etikett &amp;auswählen</translation>
    </message>
    <message>
        <source>&amp;New Label</source>
        <translation>&amp;Neues Etikett</translation>
    </message>
    <message>
        <source>Save La&amp;bel</source>
        <translation>Etikett &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Rebuild Indexes</source>
        <translation>Indi&amp;zes neu aufbauen</translation>
    </message>
    <message>
        <source>&amp;Print Labels</source>
        <translation>Etiketten &amp;drucken</translation>
    </message>
    <message>
        <source>Export to P&amp;DF…</source>
        <translation>Als &amp;PDF exportieren …</translation>
    </message>
    <message>
        <source>Pre&amp;view Labels</source>
        <translation>Etiketten&amp;vorschau</translation>
    </message>
    <message>
        <source>Select Specific &amp;Labels</source>
        <translation>Bestimmte Etiketten aus&amp;wählen</translation>
    </message>
    <message>
        <source>P&amp;rinter Setup</source>
        <translation>D&amp;ruckereinrichtung</translation>
    </message>
    <message>
        <source>Printer &amp;Alignment…</source>
        <translation>Druckerausrich&amp;tung …</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>Seriendr&amp;uck …</translation>
    </message>
    <message>
        <source>Expor&amp;t Label…</source>
        <translation>Etikett e&amp;xportieren …</translation>
    </message>
    <message>
        <source>&amp;Import Label…</source>
        <translation>Etikett &amp;importieren …</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit Label</source>
        <translation>Etikett ein&amp;passen</translation>
    </message>
    <message>
        <source>&amp;Rulers</source>
        <translation>&amp;Lineale</translation>
    </message>
    <message>
        <source>&amp;Safe Area Outline</source>
        <translation>&amp;Umriss des sicheren Bereichs</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Etikett</translation>
    </message>
    <message>
        <source>&amp;Delete Label</source>
        <translation>Etikett &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Clone Label</source>
        <translation>Etikett &amp;duplizieren</translation>
    </message>
    <message>
        <source>Con&amp;figure Label</source>
        <translation>Etikett &amp;einrichten</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>&amp;No Snap to Grid</source>
        <translation>&amp;Nicht am Raster ausrichten</translation>
    </message>
    <message>
        <source>Snap to &amp;2 x 2 Grid</source>
        <translation>Am &amp;2-x-2-Raster ausrichten</translation>
    </message>
    <message>
        <source>Snap to &amp;4 x 4 Grid</source>
        <translation>Am &amp;4-x-4-Raster ausrichten</translation>
    </message>
    <message>
        <source>Snap to &amp;8 x 8 Grid</source>
        <translation>Am &amp;8-x-8-Raster ausrichten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Current label description:</source>
        <translation>Beschreibung des aktuellen Etiketts:</translation>
    </message>
    <message>
        <source>The description is the label&apos;s name. It must be unique.</source>
        <translation>Die Beschreibung ist der Name des Etiketts. Sie muss eindeutig sein.</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Direkthilfe</translation>
    </message>
    <message>
        <source>Click this button, then click a control to learn what it does.</source>
        <translation>Klicken Sie auf diese Schaltfläche und dann auf ein Bedienelement, um zu erfahren, was es tut.</translation>
    </message>
    <message>
        <source>Stores the label as it is now under its description.</source>
        <translation>Speichert das Etikett, wie es jetzt ist, unter seiner Beschreibung.</translation>
    </message>
    <message>
        <source>Forgets the changes and shows the label as last saved.</source>
        <translation>Verwirft die Änderungen und zeigt das Etikett, wie es zuletzt gespeichert wurde.</translation>
    </message>
    <message>
        <source>Opens the help contents.</source>
        <translation>Öffnet den Inhalt der Hilfe.</translation>
    </message>
    <message>
        <source>Ends Quorvane. Save or cancel your changes first.</source>
        <translation>Beendet Quorvane. Speichern oder verwerfen Sie zuerst Ihre Änderungen.</translation>
    </message>
    <message>
        <source>The label at its true size. Drag a tool onto it to place an item; click an item to select it, right-click it for its properties.</source>
        <translation>Das Etikett in wahrer Größe. Ziehen Sie ein Werkzeug darauf, um ein Element zu platzieren; klicken Sie ein Element an, um es auszuwählen, mit der rechten Maustaste für seine Eigenschaften.</translation>
    </message>
    <message>
        <source>Click the grey area to clear the selection.</source>
        <translation>Klicken Sie in die graue Fläche, um die Auswahl aufzuheben.</translation>
    </message>
    <message>
        <source>Configure Label</source>
        <translation>Etikett einrichten</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>An&amp;ordnen</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Send to &amp;Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>Li&amp;nks ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Centres</source>
        <translation>&amp;Zentriert ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Top</source>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Middles</source>
        <translation>&amp;Mittig ausrichten</translation>
    </message>
    <message>
        <source>Align B&amp;ottom</source>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
        <source>Distribute &amp;Horizontally</source>
        <translation>&amp;Waagerecht verteilen</translation>
    </message>
    <message>
        <source>Distribute &amp;Vertically</source>
        <translation>&amp;Senkrecht verteilen</translation>
    </message>
    <message>
        <source>Same &amp;Width</source>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message>
        <source>Same H&amp;eight</source>
        <translation>Gleiche H&amp;öhe</translation>
    </message>
    <message>
        <source>The zoom of the label (Ctrl and the wheel to change)</source>
        <translation>Der Zoom des Etiketts (Strg und Mausrad ändern ihn)</translation>
    </message>
    <message>
        <source>Where the pointer is on the label, from its top-left corner</source>
        <translation>Wo der Mauszeiger auf dem Etikett steht, von seiner oberen linken Ecke aus</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Beende&amp;n</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Label description</source>
        <translation>Etikettenbeschreibung</translation>
    </message>
</context>
<context>
    <name>TableErrorText</name>
    <message>
        <source>The table %1 is damaged (%2)</source>
        <translation>Die Tabelle %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>The memo file %1 is damaged (%2)</source>
        <translation>Die Memodatei %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>The index file %1 is damaged (%2)</source>
        <translation>Die Indexdatei %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>The memo file %1 is full</source>
        <translation>Die Memodatei %1 ist voll</translation>
    </message>
    <message>
        <source>The memo file of %1 is missing</source>
        <translation>Die Memodatei zu %1 fehlt</translation>
    </message>
    <message>
        <source>The table %1 is in use by another program</source>
        <translation>Die Tabelle %1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>The table %1 already exists</source>
        <translation>Die Tabelle %1 gibt es schon</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Keine gewöhnliche Datei: %1</translation>
    </message>
    <message>
        <source>Unexpected end of file in %1</source>
        <translation>Unerwartetes Dateiende in %1</translation>
    </message>
    <message>
        <source>Cannot %1: the table is closed</source>
        <translation>%1 nicht möglich: die Tabelle ist geschlossen</translation>
    </message>
    <message>
        <source>Cannot %1: %2 is open read-only</source>
        <translation>%1 nicht möglich: %2 ist nur zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>The table %1 is not being edited</source>
        <translation>Die Tabelle %1 wird gerade nicht bearbeitet</translation>
    </message>
    <message>
        <source>No current record to delete in %1</source>
        <translation>Kein aktueller Datensatz zum Löschen in %1</translation>
    </message>
    <message>
        <source>Cannot lock the packed table %1</source>
        <translation>Die gepackte Tabelle %1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>The table %1 has no field %2</source>
        <translation>Die Tabelle %1 hat kein Feld %2</translation>
    </message>
    <message>
        <source>The index of %1 has no tag %2</source>
        <translation>Der Index von %1 hat keinen Schlüssel %2</translation>
    </message>
    <message>
        <source>Seeking needs an index order on %1</source>
        <translation>Zum Suchen braucht %1 eine Indexreihenfolge</translation>
    </message>
    <message>
        <source>Too many index tags on %1</source>
        <translation>Zu viele Indexschlüssel für %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number for field %2</source>
        <translation>„%1“ ist keine Zahl für das Feld %2</translation>
    </message>
    <message>
        <source>Field %1 is not numeric</source>
        <translation>Das Feld %1 ist nicht numerisch</translation>
    </message>
    <message>
        <source>Field %1 cannot hold a value that is not a number</source>
        <translation>Das Feld %1 kann keinen Wert aufnehmen, der keine Zahl ist</translation>
    </message>
    <message>
        <source>The value %1 does not fit field %2 (width %3)</source>
        <translation>Der Wert %1 passt nicht in das Feld %2 (Breite %3)</translation>
    </message>
    <message>
        <source>Field %1 is not logical</source>
        <translation>Das Feld %1 ist kein logisches Feld</translation>
    </message>
    <message>
        <source>Field %1 is not a memo</source>
        <translation>Das Feld %1 ist kein Memofeld</translation>
    </message>
    <message>
        <source>A table needs 1 to 255 fields</source>
        <translation>Eine Tabelle braucht 1 bis 255 Felder</translation>
    </message>
    <message>
        <source>Invalid field name &apos;%1&apos;</source>
        <translation>Ungültiger Feldname „%1“</translation>
    </message>
    <message>
        <source>Duplicate field name &apos;%1&apos;</source>
        <translation>Doppelter Feldname „%1“</translation>
    </message>
    <message>
        <source>Invalid definition of field %1</source>
        <translation>Ungültige Definition des Feldes %1</translation>
    </message>
    <message>
        <source>Records longer than 65535 bytes</source>
        <translation>Datensätze länger als 65535 Bytes</translation>
    </message>
    <message>
        <source>Invalid tag name &apos;%1&apos;</source>
        <translation>Ungültiger Schlüsselname „%1“</translation>
    </message>
    <message>
        <source>Unsupported index key expression &apos;%1&apos; (upper(FIELD) or FIELD on a character field)</source>
        <translation>Nicht unterstützter Indexausdruck „%1“ (upper(FELD) oder FELD auf einem Zeichenfeld)</translation>
    </message>
    <message>
        <source>An index holds at most %1 tags</source>
        <translation>Ein Index fasst höchstens %1 Schlüssel</translation>
    </message>
    <message>
        <source>Too many tags for one index directory page</source>
        <translation>Zu viele Schlüssel für eine Seite des Indexverzeichnisses</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1: no field %2</source>
        <translation>%1: kein Feld %2</translation>
    </message>
    <message>
        <source>%1: cannot delete the index file</source>
        <translation>%1: die Indexdatei kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>%1: the copy does not read back the same</source>
        <translation>%1: die Kopie liest sich nicht gleich zurück</translation>
    </message>
    <message>
        <source>shorter than a table header</source>
        <translation>kürzer als ein Tabellenkopf</translation>
    </message>
    <message>
        <source>header length %1</source>
        <translation>Kopflänge %1</translation>
    </message>
    <message>
        <source>field descriptors run past the header</source>
        <translation>Feldbeschreibungen reichen über den Kopf hinaus</translation>
    </message>
    <message>
        <source>field %1 has no width</source>
        <translation>Feld %1 hat keine Breite</translation>
    </message>
    <message>
        <source>memo field %1 of width %2</source>
        <translation>Memofeld %1 der Breite %2</translation>
    </message>
    <message>
        <source>no fields</source>
        <translation>keine Felder</translation>
    </message>
    <message>
        <source>fields wider than the record length</source>
        <translation>Felder breiter als die Datensatzlänge</translation>
    </message>
    <message>
        <source>truncated: %1 records announced</source>
        <translation>abgeschnitten: %1 Datensätze angekündigt</translation>
    </message>
    <message>
        <source>memo pointer of field %1</source>
        <translation>Memoverweis des Feldes %1</translation>
    </message>
    <message>
        <source>memo pointer</source>
        <translation>Memoverweis</translation>
    </message>
    <message>
        <source>too short</source>
        <translation>zu kurz</translation>
    </message>
    <message>
        <source>block size %1</source>
        <translation>Blockgröße %1</translation>
    </message>
    <message>
        <source>block %1 is outside the file</source>
        <translation>Block %1 liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>memo at block %1 runs past the end</source>
        <translation>Memo in Block %1 reicht über das Ende hinaus</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Cannot replace %1 by %2: %3</source>
        <translation>%1 kann nicht durch %2 ersetzt werden: %3</translation>
    </message>
    <message>
        <source>Cannot read the size of %1: %2</source>
        <translation>Die Größe von %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot resize %1: %2</source>
        <translation>Die Größe von %1 kann nicht geändert werden: %2</translation>
    </message>
    <message>
        <source>Cannot flush %1: %2</source>
        <translation>%1 kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>post</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>pack</source>
        <translation>Packen</translation>
    </message>
    <message>
        <source>create an index</source>
        <translation>Anlegen eines Index</translation>
    </message>
</context>
<context>
    <name>TableMergeSource</name>
    <message>
        <source>the table cannot be opened: %1</source>
        <translation>die Tabelle lässt sich nicht öffnen: %1</translation>
    </message>
</context>
<context>
    <name>TemplateEditorRules</name>
    <message>
        <source>Rectangular with Rounded Edges</source>
        <translation>Rechteckig mit abgerundeten Ecken</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>Label Height must be at least .3 inches (or 7mm)</source>
        <translation>Die Etikettenhöhe muss mindestens 0,3 Zoll (oder 7 mm) betragen</translation>
    </message>
    <message>
        <source>Label Width must be at least 1 inch (or 25mm)</source>
        <translation>Die Etikettenbreite muss mindestens 1 Zoll (oder 25 mm) betragen</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Label Width</source>
        <translation>Der waagerechte Abstand muss mindestens gleich der Etikettenbreite sein</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Label Height</source>
        <translation>Der senkrechte Abstand muss mindestens gleich der Etikettenhöhe sein</translation>
    </message>
    <message>
        <source>A roll needs its width and the length of one page</source>
        <translation>Eine Rolle braucht ihre Breite und die Länge einer Seite</translation>
    </message>
    <message>
        <source>You must provide a description</source>
        <translation>Sie müssen eine Beschreibung angeben</translation>
    </message>
    <message>
        <source>The labels do not fit on the paper: the last label&apos;s right edge lies %1 in from the left, beyond the %2 in width of %3 paper</source>
        <translation>Die Etiketten passen nicht auf das Papier: der rechte Rand des letzten Etiketts liegt %1 in von links, jenseits der Breite von %2 in des Papiers %3</translation>
    </message>
    <message>
        <source>The labels do not fit on the paper: the last label&apos;s bottom edge lies %1 in from the top, beyond the %2 in height of %3 paper</source>
        <translation>Die Etiketten passen nicht auf das Papier: der untere Rand des letzten Etiketts liegt %1 in von oben, jenseits der Höhe von %2 in des Papiers %3</translation>
    </message>
</context>
<context>
    <name>TemplateImport</name>
    <message>
        <source>
  and %1 more</source>
        <translation>
  und %1 weitere</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 is not a template file. Templates can be imported from gLabels template files (*-templates.xml) and LibreOffice&apos;s label list (labels.xml).</source>
        <translation>%1 ist keine Vorlagendatei. Vorlagen lassen sich aus gLabels-Vorlagendateien (*-templates.xml) und der Etikettenliste von LibreOffice (labels.xml) importieren.</translation>
    </message>
    <message>
        <source>%1 holds no templates.</source>
        <translation>%1 enthält keine Vorlagen.</translation>
    </message>
</context>
<context>
    <name>TemplateTable</name>
    <message>
        <source>We were unable to open the label template file: QVLTPL.DBF</source>
        <translation>Die Etikettenvorlagendatei konnte nicht geöffnet werden: QVLTPL.DBF</translation>
    </message>
</context>
<context>
    <name>TemplateTableModel</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Height (in)</source>
        <translation>Höhe (in)</translation>
    </message>
    <message>
        <source>Width (in)</source>
        <translation>Breite (in)</translation>
    </message>
    <message>
        <source># Across</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source># Down</source>
        <translation>Untereinander</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>
Same sheet: </source>
        <translation>
Gleicher Bogen: </translation>
    </message>
    <message>
        <source>
Used lately</source>
        <translation>
Zuletzt verwendet</translation>
    </message>
</context>
<context>
    <name>TerminalPasswords</name>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>Password for %1 (user %2): </source>
        <translation>Passwort für %1 (Benutzer %2): </translation>
    </message>
</context>
<context>
    <name>TextPrints</name>
    <message>
        <source>the text &quot;%1&quot; does not fit its box</source>
        <translation>der Text „%1“ passt nicht in seinen Rahmen</translation>
    </message>
</context>
<context>
    <name>TextTools</name>
    <message>
        <source>There is a limit of one Counter per label</source>
        <translation>Pro Etikett ist nur ein Zähler möglich</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Center </source>
        <translation>Zentrieren </translation>
    </message>
    <message>
        <source>Counter Values</source>
        <translation>Zählerwerte</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the file is not an Excel workbook (it has no %1)</source>
        <translation>die Datei ist keine Excel-Arbeitsmappe (sie hat kein %1)</translation>
    </message>
    <message>
        <source>more than %1 number formats</source>
        <translation>mehr als %1 Zahlenformate</translation>
    </message>
    <message>
        <source>more than %1 cell formats</source>
        <translation>mehr als %1 Zellformate</translation>
    </message>
    <message>
        <source>the workbook&apos;s table of shared strings is larger than %1 strings or %2 MiB; it is refused</source>
        <translation>die Tabelle gemeinsamer Zeichenketten der Arbeitsmappe ist größer als %1 Zeichenketten oder %2 MiB; sie wird abgewiesen</translation>
    </message>
    <message>
        <source>a cell holds more than %1 characters</source>
        <translation>eine Zelle enthält mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; has more than %2 merged areas; it is refused</source>
        <translation>das Tabellenblatt „%1“ hat mehr als %2 verbundene Bereiche; es wird abgewiesen</translation>
    </message>
    <message>
        <source>the rows are out of order (row %1 follows)</source>
        <translation>die Zeilen sind nicht in der richtigen Reihenfolge (Zeile %1 folgt)</translation>
    </message>
    <message>
        <source>the sheet has more than %1 rows</source>
        <translation>das Tabellenblatt hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>a cell is named &quot;%1&quot;, past the last column</source>
        <translation>eine Zelle heißt „%1“, hinter der letzten Spalte</translation>
    </message>
    <message>
        <source>the sheet&apos;s merged areas overlap past all reason</source>
        <translation>die verbundenen Bereiche des Tabellenblatts überlappen sich über jedes vernünftige Maß hinaus</translation>
    </message>
    <message>
        <source>a cell names shared string %1, which the workbook lacks</source>
        <translation>eine Zelle nennt die gemeinsame Zeichenkette %1, die der Arbeitsmappe fehlt</translation>
    </message>
</context>
<context>
    <name>XmlPartDevice</name>
    <message>
        <source>the part %1 is damaged: %2</source>
        <translation>der Teil %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>the part %1 unpacks to more than its header declares; it is refused</source>
        <translation>der Teil %1 entpackt sich zu mehr, als sein Kopf angibt; er wird abgewiesen</translation>
    </message>
    <message>
        <source>the part %1 declares a document type or entities, which no spreadsheet does; it is refused</source>
        <translation>der Teil %1 deklariert einen Dokumenttyp oder Entitäten, was keine Tabellenkalkulation tut; er wird abgewiesen</translation>
    </message>
    <message>
        <source>the part %1 holds a text or tag of more than %2 MiB, which no cell does; it is refused</source>
        <translation>der Teil %1 enthält einen Text oder ein Tag von mehr als %2 MiB, was keine Zelle tut; er wird abgewiesen</translation>
    </message>
</context>
<context>
    <name>XmlPartReader</name>
    <message>
        <source>the part %1 is damaged: %2</source>
        <translation>der Teil %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>the part %1 nests its elements more than %2 deep, as no spreadsheet does; it is refused</source>
        <translation>der Teil %1 verschachtelt seine Elemente tiefer als %2 Ebenen, was keine Tabellenkalkulation tut; er wird abgewiesen</translation>
    </message>
    <message>
        <source>the part %1 declares entities, which no spreadsheet does; it is refused</source>
        <translation>der Teil %1 deklariert Entitäten, was keine Tabellenkalkulation tut; er wird abgewiesen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1: a cell holds more than %2 characters</source>
        <translation>Zeile %1: eine Zelle enthält mehr als %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>the file is not a spreadsheet package (%1)</source>
        <translation>die Datei ist kein Tabellenkalkulationspaket (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the name is not that of a regular file</source>
        <translation>der Name ist nicht der einer gewöhnlichen Datei</translation>
    </message>
    <message>
        <source>the package holds more than %1 entries</source>
        <translation>das Paket enthält mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>the package has no part %1</source>
        <translation>das Paket hat keinen Teil %1</translation>
    </message>
    <message>
        <source>the part %1 cannot be read</source>
        <translation>der Teil %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the file is encrypted; save it without a password first</source>
        <translation>die Datei ist verschlüsselt; speichern Sie sie zuerst ohne Passwort</translation>
    </message>
    <message>
        <source>the part %1 would unpack to more than %2 MiB; it is refused</source>
        <translation>der Teil %1 würde sich zu mehr als %2 MiB entpacken; er wird abgewiesen</translation>
    </message>
    <message>
        <source>the part %1 would unpack to %2 times its packed size, as only a zip bomb does; it is refused</source>
        <translation>der Teil %1 würde sich auf das %2-Fache seiner gepackten Größe entpacken, wie es nur eine Zip-Bombe tut; er wird abgewiesen</translation>
    </message>
    <message>
        <source>the part %1 cannot be read: %2</source>
        <translation>der Teil %1 lässt sich nicht lesen: %2</translation>
    </message>
</context>
</TS>
